// Merged areas cut to a range, and which cell each shows.
#include "spreadsheet/render/merged_areas.h"

#include <algorithm>

namespace spreadsheet::render {

MergedAreas::MergedAreas(const model::Sheet& sheet, const model::CellRange& range) {
    for (const model::CellRange& merge : sheet.merges()) {
        if (!merge.intersects(range) || merge.isSingleCell()) continue;
        const model::CellAddress first{std::max(merge.first.row, range.first.row),
                                       std::max(merge.first.column, range.first.column)};
        const model::CellAddress last{std::min(merge.last.row, range.last.row),
                                      std::min(merge.last.column, range.last.column)};
        m_areas.push_back({model::CellRange(first, last), merge.first});
    }
}

const MergedArea* MergedAreas::find(model::CellAddress cell) const {
    for (const MergedArea& area : m_areas)
        if (area.shown.contains(cell)) return &area;
    return nullptr;
}

}  // namespace spreadsheet::render
