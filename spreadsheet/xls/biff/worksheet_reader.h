// Reading one worksheet substream from its BOF to its EOF: cells (through
// CellReader), columns, rows, default sizes, merged areas, the selection,
// the page setup and the embedded charts (through DrawingReader). Records it
// does not know are skipped, and a nested substream that is not a chart is
// passed over whole.
#pragma once

#include "spreadsheet/xls/biff/extern_sheet_table.h"
#include "spreadsheet/xls/biff/read_model.h"
#include "spreadsheet/xls/biff/record_reader.h"

#include <cstddef>

namespace spreadsheet::xls::biff {

SheetContents readWorksheet(Bytes stream, std::size_t offset, const WorkbookGlobals& globals,
                            const ReadExternSheets& externs);

// A record of the page setup block (margins, SETUP) or WSBOOL into `setup`;
// false for any other record. Chart sheets share the block.
bool readPageSetupRecord(const Record& record, model::PageSetup& setup);

}  // namespace spreadsheet::xls::biff
