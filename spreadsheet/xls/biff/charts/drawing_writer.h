// A worksheet's embedded charts: for each shape in z-order, its piece of the
// sheet's drawing (MSODRAWING), its OBJ record and its chart substream, where
// the worksheet writer marks the place (after the cell table). The globals
// writer adds the drawing group that numbers the drawings.
#pragma once

#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/biff/charts/chart_plan.h"
#include "spreadsheet/xls/biff/records/record_stream.h"

#include <span>

namespace spreadsheet::xls::biff {

// Nothing for a sheet without shapes; `shapeCharts` holds the planned chart
// of each shape, in the same order.
void writeSheetDrawing(RecordStream& out, const model::Workbook& workbook, int sheetIndex,
                       std::span<const ChartOutput> shapeCharts);

// MSODRAWINGGROUP for the whole workbook; nothing when no sheet has shapes.
void writeWorkbookDrawingGroup(RecordStream& out, const model::Workbook& workbook);

}  // namespace spreadsheet::xls::biff
