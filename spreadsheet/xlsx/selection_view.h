// The selection as the file can say it through the library: one rectangle,
// named from the active cell to the opposite corner, so the active cell must
// be a corner. The model's selection keeps its active cell always; the
// rectangle that holds it at a corner is kept with it, and otherwise (the
// active cell inside a rectangle, or only in a later one) the active cell is
// selected alone.
//
//   selectionView({D4:G7}, G7)  -> {G7, D4}   (D4:G7 selected, G7 active)
//   selectionView({D4:G7}, E5)  -> {E5, E5}
#pragma once

#include "spreadsheet/model/cell_address.h"

namespace spreadsheet::xlsx {

struct SelectionView {
    model::CellAddress active;
    model::CellAddress oppositeCorner;
    bool operator==(const SelectionView&) const = default;
};

SelectionView selectionView(const model::RangeList& selection, model::CellAddress active);

}  // namespace spreadsheet::xlsx
