// Cell addresses and rectangular ranges on the sheet grid, 1-based like the
// spreadsheet's own row and column numbers. The grid is that of the 97-2003
// file format: 65536 rows by 256 columns (A to IV).
#pragma once

#include <string>
#include <vector>

namespace spreadsheet::model {

inline constexpr int kMaxRows = 65536;
inline constexpr int kMaxColumns = 256;

struct CellAddress {
    int row = 1;
    int column = 1;
    bool operator==(const CellAddress&) const = default;
    auto operator<=>(const CellAddress&) const = default;  // row-major order
};

inline bool isOnGrid(CellAddress a) { return a.row >= 1 && a.row <= kMaxRows && a.column >= 1 && a.column <= kMaxColumns; }

// A rectangle of cells, always normalised (first is top-left).
struct CellRange {
    CellAddress first;
    CellAddress last;

    CellRange() = default;
    CellRange(CellAddress a) : first(a), last(a) {}
    CellRange(CellAddress a, CellAddress b);  // any two corners

    static CellRange wholeSheet() { return {{1, 1}, {kMaxRows, kMaxColumns}}; }
    static CellRange wholeColumns(int firstColumn, int lastColumn) {
        return {{1, firstColumn}, {kMaxRows, lastColumn}};
    }
    static CellRange wholeRows(int firstRow, int lastRow) { return {{firstRow, 1}, {lastRow, kMaxColumns}}; }

    int rowCount() const { return last.row - first.row + 1; }
    int columnCount() const { return last.column - first.column + 1; }
    long long cellCount() const { return static_cast<long long>(rowCount()) * columnCount(); }
    bool isSingleCell() const { return first == last; }
    bool spansAllRows() const { return first.row == 1 && last.row == kMaxRows; }
    bool spansAllColumns() const { return first.column == 1 && last.column == kMaxColumns; }
    bool contains(CellAddress a) const {
        return a.row >= first.row && a.row <= last.row && a.column >= first.column && a.column <= last.column;
    }
    bool intersects(const CellRange& o) const {
        return first.row <= o.last.row && o.first.row <= last.row && first.column <= o.last.column &&
               o.first.column <= last.column;
    }
    bool operator==(const CellRange&) const = default;
};

// One or more ranges, as a union address ("C15,F15,C18,F18") gives them.
using RangeList = std::vector<CellRange>;

}  // namespace spreadsheet::model
