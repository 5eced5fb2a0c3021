// Reading one worksheet substream from its BOF to its EOF: cells (through
// CellReader), columns, rows, default sizes, merged areas, the selection,
// and the page setup. Records it does not know are skipped, and a substream
// nested inside (an embedded chart) is passed over whole.
#pragma once

#include "spreadsheet/xls/biff/extern_sheet_table.h"
#include "spreadsheet/xls/biff/read_model.h"
#include "spreadsheet/xls/biff/record_reader.h"

#include <cstddef>

namespace spreadsheet::xls::biff {

SheetContents readWorksheet(Bytes stream, std::size_t offset, const WorkbookGlobals& globals,
                            const ReadExternSheets& externs);

}  // namespace spreadsheet::xls::biff
