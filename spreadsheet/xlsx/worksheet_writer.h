// One worksheet into the library: the default row height, columns (widths
// and styles), rows (heights and styles), merged areas, cells, the selection
// with its active cell, the page setup and the embedded charts.
#pragma once

#include "spreadsheet/xlsx/write_context.h"

namespace spreadsheet::xlsx {

void writeWorksheet(WriteContext& context, int sheetIndex, lxw_worksheet* worksheet);

}  // namespace spreadsheet::xlsx
