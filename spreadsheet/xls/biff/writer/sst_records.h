// Writer of the shared string table: SST (going on in CONTINUE records as the
// record stream decides) and EXTSST, which tells a reader where every
// bucket of strings starts so it can find one without reading them all.
#pragma once

#include "spreadsheet/xls/biff/records/record_stream.h"
#include "spreadsheet/xls/biff/writer/shared_string_table.h"

namespace spreadsheet::xls::biff {

void writeSharedStrings(RecordStream& out, const SharedStringTable& strings);

}  // namespace spreadsheet::xls::biff
