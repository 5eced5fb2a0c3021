// What every part of the writer reads while one workbook is written: the
// library's workbook being filled, the model, the evaluator for cached
// results, and the shared cell formats.
#pragma once

#include "spreadsheet/formula/evaluator.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xlsx/format_table.h"

#include <string>
#include <xlsxwriter.h>

namespace spreadsheet::xlsx {

struct WriteContext {
    lxw_workbook* library;
    const model::Workbook& workbook;
    formula::Evaluator& evaluator;
    FormatTable& formats;
};

// Throws XlsxError (SaveFailed) naming `what` and the library's reason when
// `error` is not LXW_NO_ERROR.
void checkLibrary(lxw_error error, const std::string& what);

// "the sheet \"Data\"", as messages name a sheet.
std::string sheetWords(const model::Sheet& sheet);

}  // namespace spreadsheet::xlsx
