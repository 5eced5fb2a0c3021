// Saving and opening Excel 97-2003 workbooks (.xls): the BIFF8 workbook
// stream in a compound file. Saving never leaves a half-written or lost
// file: the bytes go to a temporary file that replaces the target only when
// complete. Every failure is an XlsError whose message says what and where.
//
//   formula::Evaluator evaluator(workbook);
//   saveWorkbook(workbook, evaluator, "/tmp/breakeven.xls");
//   model::Workbook copy;
//   loadWorkbook("/tmp/breakeven.xls", copy);
#pragma once

#include "spreadsheet/formula/evaluator.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/biff/xls_error.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace spreadsheet::xls::biff {

// Formula cells carry the evaluator's results, and the file asks the program
// that opens it to calculate again. A formula the file format cannot hold is
// saved as its value. Throws XlsError (Unstorable, SaveFailed).
void saveWorkbook(const model::Workbook& workbook, formula::Evaluator& evaluator, const std::filesystem::path& path);

// The workbook stream alone (what saveWorkbook puts in the compound file).
std::vector<uint8_t> workbookStream(const model::Workbook& workbook, formula::Evaluator& evaluator);

// Reads a workbook into `into`, which must have no sheets (std::invalid_argument
// otherwise) and is left untouched when reading fails. Throws XlsError
// (ReadFailed, NotWorkbook, Damaged, Unsupported).
void loadWorkbook(const std::filesystem::path& path, model::Workbook& into);
// The same from the bytes of a whole file.
void loadWorkbook(std::span<const uint8_t> fileBytes, model::Workbook& into);
// The same from a workbook stream without its compound file.
void loadWorkbookStream(std::span<const uint8_t> stream, model::Workbook& into);

}  // namespace spreadsheet::xls::biff
