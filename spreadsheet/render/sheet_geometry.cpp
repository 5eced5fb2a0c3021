// Column widths and row heights in pixels, and where each cell of a range lands.
#include "spreadsheet/render/sheet_geometry.h"

#include <cmath>

namespace spreadsheet::render {

int pixelsFromPoints(double points) {
    return static_cast<int>(std::lround(points * kScreenDpi / kPointsPerInch));
}

int columnPixels(double characters) {
    if (!(characters > 0)) return 0;
    // Under one character the column shrinks towards nothing, padding and all.
    if (characters < 1) return static_cast<int>(std::lround(characters * (kDigitPixels + kColumnPaddingPixels)));
    return static_cast<int>(std::lround(characters * kDigitPixels)) + kColumnPaddingPixels;
}

int rowPixels(double points) { return points > 0 ? pixelsFromPoints(points) : 0; }

SheetGeometry::SheetGeometry(const model::Sheet& sheet, const model::CellRange& range) : m_range(range) {
    m_columnLines.reserve(static_cast<size_t>(range.columnCount()) + 1);
    m_columnLines.push_back(0);
    for (int c = range.first.column; c <= range.last.column; ++c)
        m_columnLines.push_back(m_columnLines.back() + columnPixels(sheet.columnWidth(c)));
    m_rowLines.reserve(static_cast<size_t>(range.rowCount()) + 1);
    m_rowLines.push_back(0);
    for (int r = range.first.row; r <= range.last.row; ++r)
        m_rowLines.push_back(m_rowLines.back() + rowPixels(sheet.rowHeight(r)));

    // The columns and rows before the range push the sheet's corner up and left.
    int x = 0;
    for (int c = 1; c < range.first.column; ++c) x -= columnPixels(sheet.columnWidth(c));
    int y = 0;
    for (int r = 1; r < range.first.row; ++r) y -= rowPixels(sheet.rowHeight(r));
    m_sheetOrigin = QPoint(x, y);
}

QRect SheetGeometry::cellRect(model::CellAddress cell) const {
    return QRect(QPoint(left(cell.column), top(cell.row)), QPoint(right(cell.column), bottom(cell.row)));
}

QRect SheetGeometry::interiorRect(model::CellAddress cell) const {
    return cellRect(cell).adjusted(1, 1, -1, -1);
}

}  // namespace spreadsheet::render
