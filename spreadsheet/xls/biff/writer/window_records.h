// Writers of a worksheet's window records: WINDOW2 (gridlines, headings; the
// active sheet selected and shown), SELECTION (the selected ranges and the
// active cell), and MERGECELLS for the merged areas.
#pragma once

#include "spreadsheet/model/sheet.h"
#include "spreadsheet/xls/biff/records/record_stream.h"

namespace spreadsheet::xls::biff {

void writeWindow2(RecordStream& out, bool active);
void writeSelection(RecordStream& out, const model::Sheet& sheet);
void writeMergeCells(RecordStream& out, const model::Sheet& sheet);

}  // namespace spreadsheet::xls::biff
