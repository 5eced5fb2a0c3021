// The whole workbook through the library into one file at `path`, which is
// written in place: workbook_file.cpp hands it a fresh file beside the target.
#pragma once

#include "spreadsheet/xlsx/workbook_file.h"

namespace spreadsheet::xlsx {

// Throws XlsxError naming what failed, without the path.
void writeWorkbookAt(const model::Workbook& workbook, formula::Evaluator& evaluator, const std::filesystem::path& path,
                     const DocumentProperties& properties);

}  // namespace spreadsheet::xlsx
