// Reading one worksheet substream from its BOF to its EOF: cells (through
// CellReader), columns, rows, default sizes, merged areas, the selection,
// the page setup and the embedded charts (through DrawingReader). Records it
// does not know are skipped, and a nested substream that is not a chart is
// passed over whole.
#pragma once

#include "spreadsheet/xls/biff/reader/read_model.h"
#include "spreadsheet/xls/biff/records/extern_sheet_table.h"
#include "spreadsheet/xls/biff/records/record_reader.h"

#include <cstddef>

namespace spreadsheet::xls::biff {

SheetContents readWorksheet(Bytes stream, std::size_t offset, const WorkbookGlobals& globals,
                            const ReadExternSheets& externs);

}  // namespace spreadsheet::xls::biff
