// Saving a workbook as an Office Open XML workbook (.xlsx), beside the
// 97-2003 writer and reading only the model: every cell with its style
// (formulas in A1 form with the evaluator's results cached, so that a reader
// that does not calculate shows the right values), column widths, row
// heights, merged areas, the selection and active sheet, page setup,
// embedded charts and chart sheets, and the document's title. Saving never
// leaves a half-written or lost file: the file is written beside the target
// and renamed over it only when complete. Every failure is an XlsxError
// whose message names the file and what failed.
//
//   formula::Evaluator evaluator(workbook);
//   xlsx::saveWorkbook(workbook, evaluator, "/tmp/breakeven.xlsx", {.title = "Breakeven"});
#pragma once

#include "spreadsheet/formula/evaluator.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xlsx/xlsx_error.h"

#include <ctime>
#include <filesystem>
#include <string>

namespace spreadsheet::xlsx {

// The document properties the file carries. The application named in the
// file is the library's own: it has no way to name another.
struct DocumentProperties {
    std::string title;       // empty: none
    std::time_t created = 0;  // 0: the time of saving
};

// Throws XlsxError: Unstorable for a workbook without sheets, a sheet name
// the file cannot hold or a chart title that begins with "=", found before
// the target is touched; SaveFailed when writing fails.
void saveWorkbook(const model::Workbook& workbook, formula::Evaluator& evaluator, const std::filesystem::path& path,
                  const DocumentProperties& properties = {});

}  // namespace spreadsheet::xlsx
