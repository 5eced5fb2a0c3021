// BOF and EOF record bodies.
// The BOF fields other than version and type describe the writing application.
#include "spreadsheet/xls/biff/records/substream_records.h"

#include "spreadsheet/xls/biff/records/record_fields.h"
#include "spreadsheet/xls/biff/records/record_ids.h"

namespace spreadsheet::xls::biff {

void writeBof(RecordStream& out, uint16_t type) {
    out.begin(record::kBof);
    out.u16(bof::kVersionBiff8);
    out.u16(type);
    out.u16(bof::kBuild);
    out.u16(bof::kYear);
    out.u32(bof::kHistoryWindows);
    out.u32(bof::kLowestVersion);
    out.end();
}

void writeEof(RecordStream& out) { out.emptyRecord(record::kEof); }

void writeU16Record(RecordStream& out, uint16_t id, uint16_t value) {
    out.begin(id);
    out.u16(value);
    out.end();
}

}  // namespace spreadsheet::xls::biff
