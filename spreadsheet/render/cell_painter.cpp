// Painting a range's cells: texts placed first, then ground, gridlines, fills, borders and texts.
#include "spreadsheet/render/cell_painter.h"

#include "spreadsheet/render/border_painter.h"
#include "spreadsheet/render/cell_fonts.h"
#include "spreadsheet/render/cell_text.h"
#include "spreadsheet/render/screen_colors.h"

#include <QFontMetrics>

namespace spreadsheet::render {

CellPainter::CellPainter(const model::Workbook& workbook, formula::Evaluator& evaluator, int sheetIndex,
                         const SheetGeometry& geometry)
    : m_workbook(workbook),
      m_sheet(workbook.sheet(sheetIndex)),
      m_evaluator(evaluator),
      m_sheetIndex(sheetIndex),
      m_geometry(geometry),
      m_merges(m_sheet, geometry.range()) {}

void CellPainter::paint(QPainter& painter) {
    const std::vector<PlacedText> texts = placeTexts();
    painter.fillRect(QRect(QPoint(0, 0), m_geometry.imageSize()), kSheetBackground);
    paintGridlines(painter, texts);
    paintFills(painter);
    paintBorders(painter, m_geometry, m_sheet, m_workbook.palette());
    paintTexts(painter, texts);
}

// Every cell's text on its own, then each merged area's from its top-left
// cell (which may lie above or left of the range); the other cells of a merge show nothing.
std::vector<CellPainter::PlacedText> CellPainter::placeTexts() const {
    std::vector<PlacedText> texts;
    m_sheet.forEachCell(m_geometry.range(), [&](model::CellAddress address, const model::Cell& cell) {
        if (m_merges.find(address)) return;
        if (std::optional<PlacedText> placed = placeText(address, cell, model::CellRange(address)))
            texts.push_back(std::move(*placed));
    });
    for (const MergedArea& merge : m_merges.areas())
        if (const model::Cell* anchor = m_sheet.findCell(merge.anchor))
            if (std::optional<PlacedText> placed = placeText(merge.anchor, *anchor, merge.shown))
                texts.push_back(std::move(*placed));
    return texts;
}

QRect CellPainter::boxInterior(const model::CellRange& box) const {
    return QRect(QPoint(m_geometry.left(box.first.column) + 1, m_geometry.top(box.first.row) + 1),
                 QPoint(m_geometry.right(box.last.column) - 1, m_geometry.bottom(box.last.row) - 1));
}

// Text runs on only into empty cells of their own: a merged area stops it, as a filled cell does.
bool CellPainter::isFree(model::CellAddress address) const {
    if (m_merges.find(address)) return false;
    const model::Cell* cell = m_sheet.findCell(address);
    return !cell || !cell->hasContent();
}

// Lays out one cell's display: numbers fitted to their box, text run on
// into empty neighbours (a merged area's stays inside it), both set on the box's bottom.
std::optional<CellPainter::PlacedText> CellPainter::placeText(model::CellAddress address, const model::Cell& cell,
                                                              const model::CellRange& box) const {
    const TextSpan columns{box.first.column, box.last.column};
    const int boxWidth = m_geometry.right(columns.last) - m_geometry.left(columns.first);
    if (!cell.hasContent() || boxWidth <= 0) return std::nullopt;
    const model::Value value = m_evaluator.cellValue(m_sheetIndex, address);
    if (value.isEmpty()) return std::nullopt;
    const CellText display = cellText(value, cell.style, m_workbook.palette());

    PlacedText placed;
    placed.row = box.first.row;
    placed.font = screenFont(cell.style.font);
    placed.color = display.color;
    const QFontMetrics metrics(placed.font);
    // Measuring shapes the text, which costs more than drawing it: the text
    // a number was fitted with is not measured again.
    std::string measured;
    int measuredWidth = 0;
    const auto widthOf = [&](std::string_view s) {
        measured.assign(s);
        measuredWidth = metrics.horizontalAdvance(QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())));
        return measuredWidth;
    };
    std::string text = display.text;
    if (display.isNumber) {
        const int available = boxWidth - kColumnPaddingPixels;
        text = fitNumberText(display, available, widthOf);
    }
    if (text.empty()) return std::nullopt;
    placed.text = QString::fromStdString(text);
    const int width = text == measured ? measuredWidth : metrics.horizontalAdvance(placed.text);
    // A number fitted to its cell never reaches a neighbour; only text runs on.
    placed.span = box.isSingleCell() ? overflowSpan(m_geometry, address, display.alignment, width,
                                                    [&](int column) { return isFree({address.row, column}); })
                                     : columns;
    const int baseline = m_geometry.bottom(box.last.row) - kTextBottomInset - metrics.descent();
    placed.origin = QPoint(textStart(m_geometry, columns, display.alignment, width), baseline);
    placed.clip = boxInterior(model::CellRange({box.first.row, placed.span.first}, {box.last.row, placed.span.last}));
    return placed;
}

// Every boundary line of the range in light grey, except the vertical lines
// a text runs across.
void CellPainter::paintGridlines(QPainter& painter, const std::vector<PlacedText>& texts) const {
    const model::CellRange& range = m_geometry.range();
    std::set<std::pair<int, int>> hidden;  // (row, column whose left line a text covers)
    for (const PlacedText& t : texts)
        for (int c = t.span.first + 1; c <= t.span.last; ++c) hidden.insert({t.row, c});
    const int width = m_geometry.imageSize().width();
    for (int r = range.first.row; r <= range.last.row + 1; ++r) {
        const int y = r <= range.last.row ? m_geometry.top(r) : m_geometry.bottom(range.last.row);
        painter.fillRect(QRect(0, y, width, 1), kGridlineColor);
    }
    for (int r = range.first.row; r <= range.last.row; ++r)
        for (int c = range.first.column; c <= range.last.column + 1; ++c) {
            if (hidden.contains({r, c})) continue;
            const int x = c <= range.last.column ? m_geometry.left(c) : m_geometry.right(range.last.column);
            painter.fillRect(QRect(x, m_geometry.top(r), 1, m_geometry.height(r) + 1), kGridlineColor);
        }
    for (const MergedArea& merge : m_merges.areas()) painter.fillRect(boxInterior(merge.shown), kSheetBackground);
}

model::CellAddress CellPainter::styleSource(model::CellAddress cell) const {
    const MergedArea* merge = m_merges.find(cell);
    return merge ? merge->anchor : cell;
}

// A fill covers its cell up to and over the cell's boundary lines, so filled
// neighbours show no gridline between them. A merged area takes its top-left cell's fill.
void CellPainter::paintFills(QPainter& painter) const {
    const model::CellRange& range = m_geometry.range();
    for (int r = range.first.row; r <= range.last.row; ++r)
        for (int c = range.first.column; c <= range.last.column; ++c) {
            const std::optional<QColor> fill =
                paletteColor(m_workbook.palette(), m_sheet.effectiveStyle(styleSource({r, c})).fillColorIndex);
            if (fill) painter.fillRect(m_geometry.cellRect({r, c}), *fill);
        }
}

// Each text sets its own clip, font and pen, so the painter's state is kept
// once around them all rather than for every text.
void CellPainter::paintTexts(QPainter& painter, const std::vector<PlacedText>& texts) {
    painter.save();
    for (const PlacedText& t : texts) {
        painter.setClipRect(t.clip);
        painter.setFont(t.font);
        painter.setPen(t.color);
        painter.drawText(t.origin, t.text);
    }
    painter.restore();
}

}  // namespace spreadsheet::render
