// The copy of the temporary workbook that Save and the command line make.
// The file is read whole and checked before anything at the destination is
// touched: a generation whose save failed (a full disk, a file-size limit)
// may have left no file, an empty one or a fragment, and copying that over
// the user's workbook would destroy it. The bytes that passed the check are the bytes written.
//
//   const WorkbookBytes workbook = readWorkbookToSave(mExcelFile);  // IncompleteWorkbook
//   saveWorkbookCopy(workbook, chosenName);                           // std::runtime_error
#pragma once

#include <QString>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace report {

using WorkbookBytes = std::vector<uint8_t>;

// The temporary workbook is not one: what() says why in a few plain words
// ("it is empty", "it was never written").
class IncompleteWorkbook : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The whole file, when it is a compound file whose "Workbook" stream begins
// with the workbook's own BOF record. Throws IncompleteWorkbook otherwise.
WorkbookBytes readWorkbookToSave(const QString& path);

// Writes the bytes as the destination's new contents in one step: a fresh
// file beside it, flushed, then renamed over it (an existing file keeps its
// permissions; a link there is replaced, never followed). A failure leaves
// the destination as it was and no partial file; it throws
// std::runtime_error naming the destination and the system's reason.
void saveWorkbookCopy(const WorkbookBytes& workbook, const QString& destination);

}  // namespace report
