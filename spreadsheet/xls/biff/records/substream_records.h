// The frame of every substream: BOF, naming what the substream holds, and
// EOF; and the many settings records whose body is a single 16-bit value.
#pragma once

#include "spreadsheet/xls/biff/records/record_stream.h"

#include <cstdint>

namespace spreadsheet::xls::biff {

// `type` is one of bof::kGlobals, bof::kWorksheet, bof::kChartSheet.
void writeBof(RecordStream& out, uint16_t type);
void writeEof(RecordStream& out);
// A record whose body is one 16-bit value, as many settings are.
void writeU16Record(RecordStream& out, uint16_t id, uint16_t value);

}  // namespace spreadsheet::xls::biff
