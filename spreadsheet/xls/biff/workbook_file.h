// Saving and opening Excel 97-2003 workbooks (.xls): the BIFF8 workbook
// stream in a compound file, beside the summary and document summary property
// streams (document_properties.h). Saving never leaves a half-written or lost
// file: the bytes go to a temporary file that replaces the target only when
// complete. Every failure is an XlsError whose message says what and where.
//
//   formula::Evaluator evaluator(workbook);
//   saveWorkbook(workbook, evaluator, "/tmp/breakeven.xls");
//   model::Workbook copy;
//   loadWorkbook("/tmp/breakeven.xls", copy);
#pragma once

#include "files/file_replace.h"
#include "spreadsheet/formula/evaluator.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/biff/records/xls_error.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace spreadsheet::xls::biff {

// Formula cells carry the evaluator's results, and the file asks the program
// that opens it to calculate again. A formula the file format cannot hold is
// saved as its value. Throws XlsError (Unstorable, SaveFailed).
// A hand-over file (see files::Durability) may skip the wait for the disk.
void saveWorkbook(const model::Workbook& workbook, formula::Evaluator& evaluator, const std::filesystem::path& path,
                  files::Durability durability = files::Durability::Flushed);

// The workbook stream alone (what saveWorkbook puts in the compound file).
std::vector<uint8_t> workbookStream(const model::Workbook& workbook, formula::Evaluator& evaluator);

// The whole file saveWorkbook writes, as saved at `savedAt`: two saves at one
// time give the same bytes. Throws XlsError (Unstorable).
std::vector<uint8_t> workbookFileBytes(const model::Workbook& workbook, formula::Evaluator& evaluator,
                                       std::chrono::system_clock::time_point savedAt);

// Reads a workbook into `into`, which must have no sheets (std::invalid_argument
// otherwise) and is left untouched when reading fails. Throws XlsError
// (ReadFailed, NotWorkbook, Damaged, Unsupported). The creation time comes
// from the summary stream when it has one; any other stream is passed over,
// and a summary that makes no sense costs only the time.
//
// What is read saves back unchanged. A file the writer could not save is
// refused as Damaged, naming the record and the sheet: a worksheet or chart
// sheet name that is empty, longer than 31 characters, holds one of
// : \ / ? * [ ], begins or ends with an apostrophe, or equals another's but
// for case. Whatever else the writer would store differently is read the way
// it would be stored, each in one way:
// - a font height outside 1 to 409.55 points (0 aside) becomes the nearest end;
// - a cell number that is not finite becomes #NUM!, a text over 32767
//   characters is cut there;
// - references to macro sheets and modules (which the model does not hold)
//   are not references: such a formula keeps its cached value, such a chart
//   series is left out, and a left-out series takes its data labels along;
// - data labels that show nothing keep only their leader-line flag; a pie
//   keeps no axis titles, axis number format or data table;
// - a column style that looks like the sheet's is not kept, a column wider
//   than 255 characters is 255 wide, an area's corners are read top-left first;
// - a chart's bounds are those its anchor gets when saved again (a corner on
//   the far edge of the last column or row moves to 1023/1024 or 255/256 of it).
void loadWorkbook(const std::filesystem::path& path, model::Workbook& into);
// The same from the bytes of a whole file.
void loadWorkbook(std::span<const uint8_t> fileBytes, model::Workbook& into);
// The same from a workbook stream without its compound file.
void loadWorkbookStream(std::span<const uint8_t> stream, model::Workbook& into);

}  // namespace spreadsheet::xls::biff
