// WINDOW2, SELECTION and MERGECELLS record bodies.
// Rows and columns are clamped to the grid the file format has.
#include "spreadsheet/xls/biff/writer/window_records.h"

#include "spreadsheet/xls/biff/records/record_fields.h"
#include "spreadsheet/xls/biff/records/record_ids.h"

#include <algorithm>

namespace spreadsheet::xls::biff {
namespace {

uint16_t row0(int row) { return static_cast<uint16_t>(std::clamp(row, 1, limits::kMaxRows) - 1); }
uint16_t column0(int column) { return static_cast<uint16_t>(std::clamp(column, 1, limits::kMaxColumns) - 1); }

}  // namespace

void writeWindow2(RecordStream& out, bool active) {
    uint16_t flags = window2::kStandard;
    if (active) flags |= window2::kSelected | window2::kShownInWindow;
    out.begin(record::kWindow2);
    out.u16(flags);
    out.u16(0);  // top row shown
    out.u16(0);  // left column shown
    out.u16(window2::kGridColor);
    out.u16(0);  // reserved
    out.u16(window2::kDefaultZoom);
    out.u16(window2::kDefaultZoom);
    out.u16(0);  // unused
    out.u16(0);  // reserved
    out.end();
}

void writeSelection(RecordStream& out, const model::Sheet& sheet) {
    const model::RangeList& ranges = sheet.selection();
    const std::size_t count = std::min(ranges.size(), selectionrec::kMaxRanges);
    const model::CellAddress active = sheet.activeCell();
    std::size_t activeRange = 0;
    for (std::size_t i = 0; i < count; ++i)
        if (ranges[i].contains(active)) {
            activeRange = i;
            break;
        }
    out.begin(record::kSelection);
    out.u8(selectionrec::kTopLeftPane);
    out.u16(row0(active.row));
    out.u16(column0(active.column));
    out.u16(static_cast<uint16_t>(activeRange));
    out.u16(static_cast<uint16_t>(count));
    for (std::size_t i = 0; i < count; ++i) {
        out.u16(row0(ranges[i].first.row));
        out.u16(row0(ranges[i].last.row));
        out.u8(static_cast<uint8_t>(column0(ranges[i].first.column)));
        out.u8(static_cast<uint8_t>(column0(ranges[i].last.column)));
    }
    out.end();
}

void writeMergeCells(RecordStream& out, const model::Sheet& sheet) {
    const std::vector<model::CellRange>& merges = sheet.merges();
    for (std::size_t first = 0; first < merges.size(); first += mergerec::kMaxRangesPerRecord) {
        const std::size_t count = std::min(mergerec::kMaxRangesPerRecord, merges.size() - first);
        out.begin(record::kMergeCells);
        out.u16(static_cast<uint16_t>(count));
        for (std::size_t i = first; i < first + count; ++i) {
            out.u16(row0(merges[i].first.row));
            out.u16(row0(merges[i].last.row));
            out.u16(column0(merges[i].first.column));
            out.u16(column0(merges[i].last.column));
        }
        out.end();
    }
}

}  // namespace spreadsheet::xls::biff
