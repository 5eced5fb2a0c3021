// The cell table of a worksheet: rows in blocks of 32, each block its ROW
// records, then its cells, then a DBCELL telling where each row's cells
// start. INDEX, written before the table, lists the DBCELL offsets; the
// worksheet writer patches them in from what this returns.
#pragma once

#include "spreadsheet/model/sheet.h"
#include "spreadsheet/xls/biff/records/record_stream.h"
#include "spreadsheet/xls/biff/writer/save_plan.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace spreadsheet::xls::biff {

// One ROW record and the cells of that row.
struct RowEntry {
    int row = 0;                       // 1-based
    std::size_t firstCell = 0;         // the row's cells in SheetOutput::cells
    std::size_t endCell = 0;
    std::optional<double> height;      // points, when set
    std::optional<uint16_t> xf;        // the row's style, when it has one
};

// Rows with cells, a height or a style of their own, in order.
std::vector<RowEntry> planRows(const model::Sheet& sheet, const SheetOutput& output);
std::size_t rowBlockCount(const std::vector<RowEntry>& rows);

// Writes the blocks; returns the stream offset of each DBCELL record.
std::vector<std::size_t> writeCellTable(RecordStream& out, const SheetOutput& output,
                                        const std::vector<RowEntry>& rows);

}  // namespace spreadsheet::xls::biff
