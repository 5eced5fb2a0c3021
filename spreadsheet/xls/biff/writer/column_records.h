// Writers of a worksheet's column records and its DIMENSIONS: DEFCOLWIDTH,
// then one COLINFO per run of equal columns that have a width or a style of
// their own (a sheet-wide style reaches every column this way).
#pragma once

#include "spreadsheet/model/sheet.h"
#include "spreadsheet/xls/biff/records/record_stream.h"
#include "spreadsheet/xls/biff/writer/save_plan.h"

#include <cstddef>

namespace spreadsheet::xls::biff {

// Returns the stream offset of the DEFCOLWIDTH record, which INDEX points to.
std::size_t writeColumns(RecordStream& out, const model::Sheet& sheet, const SheetOutput& output);
// The rows and columns that hold cells.
void writeDimensions(RecordStream& out, const SheetOutput& output);

}  // namespace spreadsheet::xls::biff
