// Which style shows where on a worksheet, laid out as the file carries it and
// resolved as the 97-2003 writer resolves it: every stored cell has its own
// style; a row with a style of its own carries it for its empty cells; every
// column of the grid (A to IV) carries its column style, or else the sheet's,
// so that empty cells show the sheet's style and not the file's built-in one.
// Runs of neighbouring columns with the same style and width are one entry.
//
//   columnRuns(sheet)  -> {{1, 1, sheet style, 1.0}, {2, 2, sheet style, 15.57}, {3, 256, sheet style, nullopt}}
#pragma once

#include "spreadsheet/model/sheet.h"

#include <optional>
#include <vector>

namespace spreadsheet::xlsx {

struct ColumnRun {
    int first = 1;  // 1-based columns, inclusive
    int last = 1;
    model::CellStyle style;
    std::optional<double> width;  // characters as stored; none: the default width
    bool operator==(const ColumnRun&) const = default;
};

struct RowEntry {
    int row = 1;
    std::optional<double> height;  // points as stored; none: the default height
    std::optional<model::CellStyle> style;
    bool operator==(const RowEntry&) const = default;
};

// The columns A to IV, in order, covering every one of them.
std::vector<ColumnRun> columnRuns(const model::Sheet& sheet);

// The rows on the grid with a height or a style of their own, in order.
std::vector<RowEntry> rowEntries(const model::Sheet& sheet);

}  // namespace spreadsheet::xlsx
