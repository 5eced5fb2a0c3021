// Reading a whole workbook stream into an empty model workbook: the globals,
// then each sheet from the offset its BOUNDSHEET8 gives. Everything is read
// and checked first; the model is filled only when the whole stream made
// sense, so a damaged file leaves the workbook as it was.
#pragma once

#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/biff/records/record_reader.h"

namespace spreadsheet::xls::biff {

// Throws XlsError (NotWorkbook, Damaged, Unsupported).
void readWorkbookStream(Bytes stream, model::Workbook& into);

}  // namespace spreadsheet::xls::biff
