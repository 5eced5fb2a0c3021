// The worksheet substream, in the order the format's grammar gives: BOF,
// INDEX, the settings block, the page setup block, the columns, DIMENSIONS,
// the cell table, the window records, MERGECELLS and EOF.
//
// The charts embedded in the sheet (drawing, object and chart records) go
// after the cell table and before WINDOW2.
#pragma once

#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/biff/records/record_stream.h"
#include "spreadsheet/xls/biff/writer/save_plan.h"

namespace spreadsheet::xls::biff {

void writeWorksheet(RecordStream& out, const model::Workbook& workbook, int sheetIndex, const SavePlan& plan);

}  // namespace spreadsheet::xls::biff
