// The worksheet substream, in the order the format's grammar gives: BOF,
// INDEX, the settings block, the page setup block, the columns, DIMENSIONS,
// the cell table, the window records, MERGECELLS and EOF.
//
// Drawings (the charts embedded in a sheet) add their records after the cell
// table and before WINDOW2, where this writer marks the place.
#pragma once

#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/biff/record_stream.h"
#include "spreadsheet/xls/biff/save_plan.h"

namespace spreadsheet::xls::biff {

void writeWorksheet(RecordStream& out, const model::Workbook& workbook, int sheetIndex, const SavePlan& plan);

}  // namespace spreadsheet::xls::biff
