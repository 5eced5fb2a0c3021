// Encoding and decoding of reference coordinates. Rows and columns are 1-based
// in the engine and 0-based in the file.
#include "spreadsheet/xls/tokens/reference_fields.h"

#include "spreadsheet/xls/tokens/ptg_ids.h"

#include <utility>

namespace spreadsheet::xls::tokens {
namespace {

using formula::Coordinate;

// One coordinate resolved from the host: 1-based index and whether it was relative.
struct Resolved {
    int index;
    bool relative;
};

Resolved resolve(Coordinate c, int hostIndex) { return {c.resolve(hostIndex), c.relative}; }

uint16_t columnField(Resolved column, Resolved row, bool keepRelative) {
    auto field = static_cast<uint16_t>(column.index - 1);
    if (keepRelative && column.relative) field |= ptg::kColumnRelativeBit;
    if (keepRelative && row.relative) field |= ptg::kRowRelativeBit;
    return field;
}

bool onGrid(Resolved row, Resolved column) { return model::isOnGrid({row.index, column.index}); }

// Non-negative remainder: where an offset lands once it wraps around the grid.
int wrap(int index, int size) { return ((index % size) + size) % size; }

// A row from its stored field; relative rows become offsets from the host row.
Coordinate decodeRow(uint16_t stored, bool relative, int hostRow, RelativeForm form) {
    if (!relative) return Coordinate::absolute(stored + 1);
    const int hostIndex = hostRow - 1;
    const int target =
        form == RelativeForm::Resolved ? stored : wrap(hostIndex + static_cast<int16_t>(stored), model::kMaxRows);
    return Coordinate::offset(target - hostIndex);
}

// A column from its stored field (flags included); nullopt when beyond the grid.
std::optional<Coordinate> decodeColumn(uint16_t field, int hostColumn, RelativeForm form) {
    const bool relative = (field & ptg::kColumnRelativeBit) != 0;
    const int hostIndex = hostColumn - 1;
    if (relative && form == RelativeForm::Offset) {
        const int offset = static_cast<int8_t>(field & ptg::kColumnOffsetMask);
        return Coordinate::offset(wrap(hostIndex + offset, model::kMaxColumns) - hostIndex);
    }
    const int stored = field & ptg::kColumnMask;
    if (stored >= model::kMaxColumns) return std::nullopt;
    return relative ? Coordinate::offset(stored - hostIndex) : Coordinate::absolute(stored + 1);
}

std::optional<formula::CellReference> decodeCorner(uint16_t row, uint16_t columnField, model::CellAddress host,
                                                   RelativeForm form) {
    const std::optional<Coordinate> column = decodeColumn(columnField, host.column, form);
    if (!column) return std::nullopt;
    const bool rowRelative = (columnField & ptg::kRowRelativeBit) != 0;
    return formula::CellReference{decodeRow(row, rowRelative, host.row, form), *column};
}

}  // namespace

std::optional<CellFields> encodeCell(const formula::CellReference& cell, model::CellAddress host, bool keepRelative) {
    const Resolved row = resolve(cell.row, host.row);
    const Resolved column = resolve(cell.column, host.column);
    if (!onGrid(row, column)) return std::nullopt;
    return CellFields{static_cast<uint16_t>(row.index - 1), columnField(column, row, keepRelative)};
}

std::optional<AreaFields> encodeArea(const formula::AreaReference& area, model::CellAddress host, bool keepRelative) {
    Resolved rowFirst = resolve(area.first.row, host.row);
    Resolved rowLast = resolve(area.last.row, host.row);
    Resolved columnFirst = resolve(area.first.column, host.column);
    Resolved columnLast = resolve(area.last.column, host.column);
    if (!onGrid(rowFirst, columnFirst) || !onGrid(rowLast, columnLast)) return std::nullopt;
    // The spreadsheet keeps areas top-left first; each coordinate keeps its own flag.
    if (rowFirst.index > rowLast.index) std::swap(rowFirst, rowLast);
    if (columnFirst.index > columnLast.index) std::swap(columnFirst, columnLast);
    return AreaFields{static_cast<uint16_t>(rowFirst.index - 1), static_cast<uint16_t>(rowLast.index - 1),
                      columnField(columnFirst, rowFirst, keepRelative), columnField(columnLast, rowLast, keepRelative)};
}

std::optional<formula::CellReference> decodeCell(CellFields fields, model::CellAddress host, RelativeForm form) {
    return decodeCorner(fields.row, fields.column, host, form);
}

std::optional<formula::AreaReference> decodeArea(AreaFields fields, model::CellAddress host, RelativeForm form) {
    const auto first = decodeCorner(fields.rowFirst, fields.columnFirst, host, form);
    const auto last = decodeCorner(fields.rowLast, fields.columnLast, host, form);
    if (!first || !last) return std::nullopt;
    // Read top-left first, as the writer stores areas, each coordinate with its own flag.
    formula::AreaReference area{*first, *last};
    if (area.first.row.resolve(host.row) > area.last.row.resolve(host.row)) std::swap(area.first.row, area.last.row);
    if (area.first.column.resolve(host.column) > area.last.column.resolve(host.column))
        std::swap(area.first.column, area.last.column);
    return area;
}

}  // namespace spreadsheet::xls::tokens
