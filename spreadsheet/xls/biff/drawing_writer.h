// A worksheet's embedded charts: for each shape in z-order, its piece of the
// sheet's drawing (MSODRAWING), its OBJ record and its chart substream, where
// the worksheet writer marks the place (after the cell table). The globals
// writer adds the drawing group that numbers the drawings.
#pragma once

#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/biff/record_stream.h"
#include "spreadsheet/xls/biff/save_plan.h"

namespace spreadsheet::xls::biff {

// Nothing for a sheet without shapes.
void writeSheetDrawing(RecordStream& out, const model::Workbook& workbook, int sheetIndex, const SavePlan& plan);

// MSODRAWINGGROUP for the whole workbook; nothing when no sheet has shapes.
void writeWorkbookDrawingGroup(RecordStream& out, const model::Workbook& workbook);

}  // namespace spreadsheet::xls::biff
