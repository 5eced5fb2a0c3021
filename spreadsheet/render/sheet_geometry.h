// Where the cells of a range land in its picture, in screen pixels at 96 dpi.
// Column widths count the default font's widest digit (7 pixels for Arial 10)
// plus 5 pixels of padding and gridline, snapped to whole pixels the same way
// the file writer snaps them; row heights are points at 96 dpi, rounded.
//
// The picture spans the range's boundary lines on all four sides: column c's
// cells lie between the lines x = left(c) and x = right(c), both included, and
// the last line sits on the picture's last pixel, so a picture is one pixel
// wider and taller than its columns and rows add up to.
//
//   SheetGeometry g(sheet, CellRange({1, 2}, {41, 14}));
//   g.imageSize();          // QSize(1162, 871) for the breakeven sheet
//   g.cellRect({5, 6});     // F5, from boundary line to boundary line
#pragma once

#include "spreadsheet/model/cell_address.h"
#include "spreadsheet/model/sheet.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

namespace spreadsheet::render {

inline constexpr double kScreenDpi = 96;
inline constexpr double kPointsPerInch = 72;
// The widest digit of the default font (Arial 10) on screen, and the padding
// every column adds to its character count: two pixels each side plus the gridline.
inline constexpr int kDigitPixels = 7;
inline constexpr int kColumnPaddingPixels = 5;

// Points to whole screen pixels, rounded half away from zero.
int pixelsFromPoints(double points);
// A column width in characters to whole pixels; below one character the
// padding shrinks with the width, so a width of 0 hides the column.
int columnPixels(double characters);
// A row height in points to whole pixels.
int rowPixels(double points);

class SheetGeometry {
public:
    SheetGeometry(const model::Sheet& sheet, const model::CellRange& range);

    const model::CellRange& range() const { return m_range; }
    QSize imageSize() const { return {m_columnLines.back() + 1, m_rowLines.back() + 1}; }

    // Boundary lines of a column or row of the range, in picture coordinates.
    int left(int column) const { return m_columnLines[index(column, m_range.first.column)]; }
    int right(int column) const { return m_columnLines[index(column, m_range.first.column) + 1]; }
    int top(int row) const { return m_rowLines[index(row, m_range.first.row)]; }
    int bottom(int row) const { return m_rowLines[index(row, m_range.first.row) + 1]; }
    int width(int column) const { return right(column) - left(column); }
    int height(int row) const { return bottom(row) - top(row); }

    // The cell from its left and top lines to its right and bottom lines.
    QRect cellRect(model::CellAddress cell) const;
    // The pixels inside the cell's lines, which its fill and text cover.
    QRect interiorRect(model::CellAddress cell) const;
    // Where the sheet's top-left corner (A1's top-left line) lies in the picture.
    QPoint sheetOrigin() const { return m_sheetOrigin; }

private:
    static size_t index(int n, int first) { return static_cast<size_t>(n - first); }

    model::CellRange m_range;
    std::vector<int> m_columnLines;  // one more than the range has columns
    std::vector<int> m_rowLines;     // one more than the range has rows
    QPoint m_sheetOrigin;
};

}  // namespace spreadsheet::render
