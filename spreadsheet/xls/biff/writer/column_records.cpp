// DEFCOLWIDTH, COLINFO and DIMENSIONS record bodies.
// Widths go through value_encodings so that the reader gives back the width written.
#include "spreadsheet/xls/biff/writer/column_records.h"

#include "spreadsheet/xls/biff/records/record_fields.h"
#include "spreadsheet/xls/biff/records/record_ids.h"
#include "spreadsheet/xls/biff/records/value_encodings.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace spreadsheet::xls::biff {
namespace {

struct ColumnFormat {
    uint16_t width = 0;
    uint16_t xf = xf::kDefaultCellXf;
    uint16_t flags = 0;
    bool operator==(const ColumnFormat&) const = default;
};

// What COLINFO says about one column; nullopt when the column is as the defaults make it.
std::optional<ColumnFormat> columnFormat(const model::Sheet& sheet, const SheetOutput& output, int column) {
    const auto width = sheet.columnWidths().find(column);
    const auto style = output.columnXfs.find(column);
    const bool ownWidth = width != sheet.columnWidths().end();
    const bool ownStyle = style != output.columnXfs.end() || output.sheetXf != xf::kDefaultCellXf;
    if (!ownWidth && !ownStyle) return std::nullopt;
    ColumnFormat f;
    f.width = storedColumnWidth(ownWidth ? width->second : model::kDefaultColumnWidth);
    f.xf = style != output.columnXfs.end() ? style->second : output.sheetXf;
    if (ownWidth) f.flags |= colinfo::kUserSet;
    if (f.width == 0) f.flags |= colinfo::kHidden;
    return f;
}

void writeColInfo(RecordStream& out, int first, int last, const ColumnFormat& f) {
    out.begin(record::kColInfo);
    out.u16(static_cast<uint16_t>(first - 1));
    out.u16(static_cast<uint16_t>(last - 1));
    out.u16(f.width);
    out.u16(f.xf);
    out.u16(f.flags);
    out.u16(0);  // unused
    out.end();
}

}  // namespace

std::size_t writeColumns(RecordStream& out, const model::Sheet& sheet, const SheetOutput& output) {
    const std::size_t defColWidth = out.position();
    out.begin(record::kDefColWidth);
    out.u16(sheetrec::kDefaultColumnWidth);
    out.end();
    // Runs of neighbouring columns with the same format share one record.
    for (int column = 1; column <= limits::kMaxColumns;) {
        const std::optional<ColumnFormat> f = columnFormat(sheet, output, column);
        int last = column;
        while (f && last < limits::kMaxColumns && columnFormat(sheet, output, last + 1) == f) ++last;
        if (f) writeColInfo(out, column, last, *f);
        column = last + 1;
    }
    return defColWidth;
}

void writeDimensions(RecordStream& out, const SheetOutput& output) {
    uint32_t firstRow = 0, lastRow = 0;
    uint16_t firstColumn = 0, lastColumn = 0;  // "last" fields hold one past the last
    if (!output.cells.empty()) {
        firstRow = static_cast<uint32_t>(output.cells.front().address.row - 1);
        lastRow = static_cast<uint32_t>(output.cells.back().address.row);
        int minColumn = limits::kMaxColumns, maxColumn = 1;
        for (const CellOutput& c : output.cells) {
            minColumn = std::min(minColumn, c.address.column);
            maxColumn = std::max(maxColumn, c.address.column);
        }
        firstColumn = static_cast<uint16_t>(minColumn - 1);
        lastColumn = static_cast<uint16_t>(maxColumn);
    }
    out.begin(record::kDimensions);
    out.u32(firstRow);
    out.u32(lastRow);
    out.u16(firstColumn);
    out.u16(lastColumn);
    out.u16(0);  // reserved
    out.end();
}

}  // namespace spreadsheet::xls::biff
