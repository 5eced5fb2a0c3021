// Painting cell borders on the boundary lines, each line style as its pixel pattern.
#include "spreadsheet/render/border_painter.h"

#include "spreadsheet/render/screen_colors.h"

#include <algorithm>

namespace spreadsheet::render {
namespace {

using model::LineStyle;
using model::LineWeight;

int thicknessOf(LineWeight weight) {
    switch (weight) {
    case LineWeight::Medium: return 2;
    case LineWeight::Thick: return 3;
    case LineWeight::Hairline:
    case LineWeight::Thin: return 1;
    }
    return 1;
}

// A filled run of the line, `offset` pixels along it.
void paintRun(QPainter& painter, Qt::Orientation orientation, int boundary, int offset, int length, int thickness,
              const QColor& color) {
    const int across = boundary - (thickness - 1) / 2;
    if (orientation == Qt::Vertical)
        painter.fillRect(QRect(across, offset, thickness, length), color);
    else
        painter.fillRect(QRect(offset, across, length, thickness), color);
}

}  // namespace

LineLook lineLook(const model::BorderLine& line) {
    LineLook look;
    look.thickness = thicknessOf(line.weight);
    const bool heavy = look.thickness > 1;
    switch (line.lineStyle) {
    case LineStyle::Dash: look.dashes = heavy ? std::vector<int>{9, 3} : std::vector<int>{3, 1}; break;
    case LineStyle::Dot: look.dashes = {1, 1}; break;
    case LineStyle::DashDot: look.dashes = heavy ? std::vector<int>{9, 3, 3, 3} : std::vector<int>{3, 1, 1, 1}; break;
    case LineStyle::DashDotDot:
        look.dashes = heavy ? std::vector<int>{9, 3, 3, 3, 3, 3} : std::vector<int>{3, 1, 1, 1, 1, 1};
        break;
    case LineStyle::SlantDashDot:
        look.thickness = 2;
        look.dashes = {9, 1, 3, 1};
        break;
    case LineStyle::Double:
        look.thickness = 1;
        look.isDouble = true;
        break;
    case LineStyle::None:
    case LineStyle::Continuous:
        if (line.weight == LineWeight::Hairline) look.dashes = {1, 1};
        break;
    }
    return look;
}

void paintLine(QPainter& painter, Qt::Orientation orientation, int boundary, int from, int to, const LineLook& look,
               const QColor& color) {
    if (look.isDouble) {
        const LineLook single{1, look.dashes, false};
        paintLine(painter, orientation, boundary - 1, from, to, single, color);
        paintLine(painter, orientation, boundary + 1, from, to, single, color);
        return;
    }
    if (look.dashes.empty()) return paintRun(painter, orientation, boundary, from, to - from + 1, look.thickness, color);
    size_t step = 0;
    for (int at = from; at <= to; at += look.dashes[step], step = (step + 1) % look.dashes.size())
        if (step % 2 == 0)
            paintRun(painter, orientation, boundary, at, std::min(look.dashes[step], to - at + 1), look.thickness,
                     color);
}

void paintBorders(QPainter& painter, const SheetGeometry& geometry, const model::Sheet& sheet,
                  const model::Palette& palette) {
    const model::CellRange& range = geometry.range();
    for (int r = range.first.row; r <= range.last.row; ++r)
        for (int c = range.first.column; c <= range.last.column; ++c) {
            const model::Borders borders = sheet.effectiveStyle({r, c}).borders;
            const QRect cell = geometry.cellRect({r, c});
            const auto edge = [&](model::Edge e, Qt::Orientation o, int boundary, int from, int to) {
                const model::BorderLine& line = borders[e];
                if (line.isVisible()) paintLine(painter, o, boundary, from, to, lineLook(line), inkColor(palette, line.colorIndex));
            };
            edge(model::Edge::Left, Qt::Vertical, cell.left(), cell.top(), cell.bottom());
            edge(model::Edge::Right, Qt::Vertical, cell.right(), cell.top(), cell.bottom());
            edge(model::Edge::Top, Qt::Horizontal, cell.top(), cell.left(), cell.right());
            edge(model::Edge::Bottom, Qt::Horizontal, cell.bottom(), cell.left(), cell.right());
        }
}

}  // namespace spreadsheet::render
