// The merged areas of a sheet as one range's picture sees them: each area cut
// to the range, the cell whose content and look it shows (its top-left on the
// sheet), and the questions the painters ask: is this cell part of a merge,
// and which merge.
//
//   MergedAreas merges(sheet, CellRange({1, 1}, {10, 5}));
//   if (const MergedArea* m = merges.find({2, 3})) m->shown;   // the visible part, e.g. B2:D3
#pragma once

#include "spreadsheet/model/cell_address.h"
#include "spreadsheet/model/sheet.h"

#include <vector>

namespace spreadsheet::render {

struct MergedArea {
    model::CellRange shown;      // the part inside the picture's range
    model::CellAddress anchor;   // the merge's top-left cell, which holds what it shows
};

class MergedAreas {
public:
    MergedAreas(const model::Sheet& sheet, const model::CellRange& range);

    const std::vector<MergedArea>& areas() const { return m_areas; }
    // The merge the cell belongs to; nullptr for a cell on its own.
    const MergedArea* find(model::CellAddress cell) const;

private:
    std::vector<MergedArea> m_areas;
};

}  // namespace spreadsheet::render
