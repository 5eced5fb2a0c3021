// Where a cell's text goes along its row. Text runs on into empty neighbours
// as far as it reaches (left-aligned text to the right, right-aligned to the
// left, centred both ways) and is cut at the first neighbour that holds
// something, or at the range's edge; a number stays in its own cell.
//
//   TextSpan s = overflowSpan(geometry, {5, 3}, TextAlignment::Left, 200, isFree);
//   // C5's label over D5 and E5: s.first == 3, s.last == 5
#pragma once

#include "spreadsheet/model/cell_address.h"
#include "spreadsheet/render/cell_text.h"
#include "spreadsheet/render/sheet_geometry.h"

#include <functional>

namespace spreadsheet::render {

// Text keeps this many pixels from its cell's left line and right line.
inline constexpr int kTextLeftInset = 3;
inline constexpr int kTextRightInset = 2;
// Between the text's lowest pixel and the cell's bottom line.
inline constexpr int kTextBottomInset = 1;

// The columns of one row that a text covers, first and last included.
struct TextSpan {
    int first = 0;
    int last = 0;
    bool operator==(const TextSpan&) const = default;
};

// Where the text starts on the x axis, for its cell alone.
int textStart(const SheetGeometry& geometry, model::CellAddress cell, TextAlignment alignment, int textWidth);
// The same across several columns taken as one cell, as a merged area is.
int textStart(const SheetGeometry& geometry, TextSpan columns, TextAlignment alignment, int textWidth);

// The cell's own column, widened into the neighbours for which isFree(column)
// holds until the text fits; never beyond the geometry's range.
TextSpan overflowSpan(const SheetGeometry& geometry, model::CellAddress cell, TextAlignment alignment, int textWidth,
                      const std::function<bool(int column)>& isFree);

}  // namespace spreadsheet::render
