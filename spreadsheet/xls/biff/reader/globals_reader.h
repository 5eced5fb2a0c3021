// Reading the globals substream: the sheets and where they start, the active
// sheet, fonts, formats, XFs, the palette, the shared strings, the
// EXTERNSHEET entries and the defined names. Refuses what is not a BIFF8
// workbook, and an encrypted one, with an XlsError that says so.
#pragma once

#include "spreadsheet/xls/biff/reader/read_model.h"
#include "spreadsheet/xls/biff/records/record_reader.h"

namespace spreadsheet::xls::biff {

WorkbookGlobals readGlobals(Bytes stream);

// Checks a BOF record's version and returns the substream type it names.
uint16_t readBof(const Record& record);

}  // namespace spreadsheet::xls::biff
