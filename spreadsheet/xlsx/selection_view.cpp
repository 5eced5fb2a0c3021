// The first rectangle with the active cell at one of its corners wins.
#include "spreadsheet/xlsx/selection_view.h"

#include <algorithm>

namespace spreadsheet::xlsx {
namespace {

model::CellAddress onGrid(model::CellAddress a) {
    return {std::clamp(a.row, 1, model::kMaxRows), std::clamp(a.column, 1, model::kMaxColumns)};
}

}  // namespace

SelectionView selectionView(const model::RangeList& selection, model::CellAddress active) {
    active = onGrid(active);
    for (const model::CellRange& range : selection) {
        const model::CellRange r(onGrid(range.first), onGrid(range.last));
        const bool atRowEdge = active.row == r.first.row || active.row == r.last.row;
        const bool atColumnEdge = active.column == r.first.column || active.column == r.last.column;
        if (!r.contains(active) || !atRowEdge || !atColumnEdge) continue;
        const int row = active.row == r.first.row ? r.last.row : r.first.row;
        const int column = active.column == r.first.column ? r.last.column : r.first.column;
        return {active, {row, column}};
    }
    return {active, active};
}

}  // namespace spreadsheet::xlsx
