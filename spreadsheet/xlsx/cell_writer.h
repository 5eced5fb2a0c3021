// The cells of one worksheet into the library: every stored cell on the grid
// with its own format, row by row, formulas with their cached results.
#pragma once

#include "spreadsheet/xlsx/write_context.h"

namespace spreadsheet::xlsx {

void writeCells(WriteContext& context, int sheetIndex, lxw_worksheet* worksheet);

}  // namespace spreadsheet::xlsx
