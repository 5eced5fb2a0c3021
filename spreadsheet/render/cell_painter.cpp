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
      m_geometry(geometry) {}

void CellPainter::paint(QPainter& painter) {
    std::vector<PlacedText> texts;
    m_sheet.forEachCell(m_geometry.range(), [&](model::CellAddress address, const model::Cell& cell) {
        if (std::optional<PlacedText> placed = placeText(address, cell)) texts.push_back(std::move(*placed));
    });
    painter.fillRect(QRect(QPoint(0, 0), m_geometry.imageSize()), kSheetBackground);
    paintGridlines(painter, texts);
    paintFills(painter);
    paintBorders(painter, m_geometry, m_sheet, m_workbook.palette());
    paintTexts(painter, texts);
}

bool CellPainter::isFree(model::CellAddress address) const {
    const model::Cell* cell = m_sheet.findCell(address);
    return !cell || !cell->hasContent();
}

// Lays out one cell's display: numbers fitted to their cell, text run on
// into empty neighbours, both set on the cell's bottom.
std::optional<CellPainter::PlacedText> CellPainter::placeText(model::CellAddress address,
                                                              const model::Cell& cell) const {
    if (!cell.hasContent() || m_geometry.width(address.column) <= 0) return std::nullopt;
    const model::Value value = m_evaluator.cellValue(m_sheetIndex, address);
    if (value.isEmpty()) return std::nullopt;
    const CellText display = cellText(value, cell.style, m_workbook.palette());

    PlacedText placed;
    placed.row = address.row;
    placed.font = screenFont(cell.style.font);
    placed.color = display.color;
    const QFontMetrics metrics(placed.font);
    const auto widthOf = [&metrics](std::string_view s) {
        return metrics.horizontalAdvance(QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())));
    };
    std::string text = display.text;
    if (display.isNumber) {
        const int available = m_geometry.width(address.column) - kColumnPaddingPixels;
        text = fitNumberText(display, available, widthOf);
    }
    if (text.empty()) return std::nullopt;
    placed.text = QString::fromStdString(text);
    const int width = metrics.horizontalAdvance(placed.text);
    // A number fitted to its cell never reaches a neighbour; only text runs on.
    placed.span = overflowSpan(m_geometry, address, display.alignment, width,
                               [&](int column) { return isFree({address.row, column}); });
    const int baseline = m_geometry.bottom(address.row) - kTextBottomInset - metrics.descent();
    placed.origin = QPoint(textStart(m_geometry, address, display.alignment, width), baseline);
    placed.clip = QRect(QPoint(m_geometry.left(placed.span.first) + 1, m_geometry.top(address.row) + 1),
                        QPoint(m_geometry.right(placed.span.last) - 1, m_geometry.bottom(address.row) - 1));
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
}

// A fill covers its cell up to and over the cell's boundary lines, so filled
// neighbours show no gridline between them.
void CellPainter::paintFills(QPainter& painter) const {
    const model::CellRange& range = m_geometry.range();
    for (int r = range.first.row; r <= range.last.row; ++r)
        for (int c = range.first.column; c <= range.last.column; ++c) {
            const std::optional<QColor> fill =
                paletteColor(m_workbook.palette(), m_sheet.effectiveStyle({r, c}).fillColorIndex);
            if (fill) painter.fillRect(m_geometry.cellRect({r, c}), *fill);
        }
}

void CellPainter::paintTexts(QPainter& painter, const std::vector<PlacedText>& texts) {
    for (const PlacedText& t : texts) {
        painter.save();
        painter.setClipRect(t.clip);
        painter.setFont(t.font);
        painter.setPen(t.color);
        painter.drawText(t.origin, t.text);
        painter.restore();
    }
}

}  // namespace spreadsheet::render
