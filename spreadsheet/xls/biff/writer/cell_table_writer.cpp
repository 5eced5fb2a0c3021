// ROW records, cells grouped into runs, and DBCELL records, block by block.
// Each block's DBCELL counts from the block's own ROW records, as readers expect.
#include "spreadsheet/xls/biff/writer/cell_table_writer.h"

#include "spreadsheet/xls/biff/records/record_fields.h"
#include "spreadsheet/xls/biff/records/record_ids.h"
#include "spreadsheet/xls/biff/records/value_encodings.h"
#include "spreadsheet/xls/biff/writer/cell_records.h"

#include <map>

namespace spreadsheet::xls::biff {
namespace {

int blockOf(int row) { return (row - 1) / rowrec::kBlockSize; }

void writeRow(RecordStream& out, const RowEntry& entry, const SheetOutput& output) {
    const bool hasCells = entry.firstCell < entry.endCell;
    const bool hidden = entry.height && *entry.height <= 0;
    uint16_t flags = rowrec::kAlwaysSet;
    if (entry.height) flags |= rowrec::kUnsynced;
    if (hidden) flags |= rowrec::kHidden;
    if (entry.xf) flags |= rowrec::kHasStyle;
    out.begin(record::kRow);
    out.u16(static_cast<uint16_t>(entry.row - 1));
    out.u16(static_cast<uint16_t>(hasCells ? output.cells[entry.firstCell].address.column - 1 : 0));
    out.u16(static_cast<uint16_t>(hasCells ? output.cells[entry.endCell - 1].address.column : 0));
    out.u16(entry.height && !hidden ? twipsFromPoints(*entry.height) : rowrec::kDefaultHeightTwips);
    out.u16(0);  // reserved
    out.u16(0);  // unused
    out.u16(flags);
    out.u16(entry.xf.value_or(xf::kDefaultCellXf));
    out.end();
}

// Length of the run of cells from `i` that one MULRK or MULBLANK can carry (1 when none can).
std::size_t runLength(const std::vector<CellOutput>& cells, std::size_t i, std::size_t end) {
    const bool rk = isRkNumber(cells[i]);
    const bool blank = isBlank(cells[i]);
    if (!rk && !blank) return 1;
    std::size_t n = 1;
    while (i + n < end && cells[i + n].address.column == cells[i + n - 1].address.column + 1 &&
           (rk ? isRkNumber(cells[i + n]) : isBlank(cells[i + n])))
        ++n;
    return n;
}

void writeRowCells(RecordStream& out, const std::vector<CellOutput>& cells, std::size_t first, std::size_t end) {
    for (std::size_t i = first; i < end;) {
        const std::size_t n = runLength(cells, i, end);
        const std::span<const CellOutput> run(cells.data() + i, n);
        if (n == 1) writeCell(out, cells[i]);
        else if (isRkNumber(cells[i])) writeMulRk(out, run);
        else writeMulBlank(out, run);
        i += n;
    }
}

// DBCELL: back to the block's first ROW record, then from row to row of cells.
void writeDbCell(RecordStream& out, std::size_t firstRowRecord, std::size_t secondRowRecord,
                 const std::vector<std::size_t>& rowStarts) {
    const std::size_t at = out.position();
    out.begin(record::kDbCell);
    out.u32(static_cast<uint32_t>(at - firstRowRecord));
    std::size_t previous = secondRowRecord;
    for (const std::size_t start : rowStarts) {
        out.u16(static_cast<uint16_t>(start - previous));
        previous = start;
    }
    out.end();
}

}  // namespace

std::vector<RowEntry> planRows(const model::Sheet& sheet, const SheetOutput& output) {
    std::map<int, RowEntry> rows;
    const auto entry = [&](int row) -> RowEntry& {
        RowEntry& e = rows[row];
        e.row = row;
        return e;
    };
    for (std::size_t i = 0; i < output.cells.size(); ++i) {
        RowEntry& e = entry(output.cells[i].address.row);
        if (e.endCell == 0) e.firstCell = i;
        e.endCell = i + 1;
    }
    for (const auto& [row, height] : sheet.rowHeights())
        if (row >= 1 && row <= limits::kMaxRows) entry(row).height = height;
    for (const auto& [row, xf] : output.rowXfs)
        if (row >= 1 && row <= limits::kMaxRows) entry(row).xf = xf;
    std::vector<RowEntry> ordered;
    for (auto& [row, e] : rows) ordered.push_back(e);
    return ordered;
}

std::size_t rowBlockCount(const std::vector<RowEntry>& rows) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (i == 0 || blockOf(rows[i].row) != blockOf(rows[i - 1].row)) ++count;
    return count;
}

std::vector<std::size_t> writeCellTable(RecordStream& out, const SheetOutput& output,
                                        const std::vector<RowEntry>& rows) {
    std::vector<std::size_t> dbCells;
    for (std::size_t first = 0; first < rows.size();) {
        std::size_t end = first;
        while (end < rows.size() && blockOf(rows[end].row) == blockOf(rows[first].row)) ++end;
        const std::size_t firstRowRecord = out.position();
        std::size_t secondRowRecord = firstRowRecord;
        for (std::size_t r = first; r < end; ++r) {
            writeRow(out, rows[r], output);
            if (r == first) secondRowRecord = out.position();
        }
        std::vector<std::size_t> rowStarts;
        for (std::size_t r = first; r < end; ++r) {
            rowStarts.push_back(out.position());
            writeRowCells(out, output.cells, rows[r].firstCell, rows[r].endCell);
        }
        dbCells.push_back(out.position());
        writeDbCell(out, firstRowRecord, secondRowRecord, rowStarts);
        first = end;
    }
    return dbCells;
}

}  // namespace spreadsheet::xls::biff
