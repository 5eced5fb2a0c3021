// Writers of a worksheet's settings block: calculation settings (automatic,
// A1, no iteration, recalculate before saving), print switches, GRIDSET,
// GUTS, the default row height and WSBOOL (with fit-to-page when the page
// setup scales to a number of pages).
#pragma once

#include "spreadsheet/model/page_setup.h"
#include "spreadsheet/xls/biff/records/record_stream.h"

namespace spreadsheet::xls::biff {

void writeCalcSettings(RecordStream& out);
void writePrintSwitches(RecordStream& out);
void writeDefaultRowHeight(RecordStream& out);
void writeWsBool(RecordStream& out, const model::PageSetup& setup);

}  // namespace spreadsheet::xls::biff
