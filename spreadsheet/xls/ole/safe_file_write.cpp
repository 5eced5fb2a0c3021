// The workbook's save goes through the program's one way of replacing a file;
// here its failures become the container's save errors.
#include "spreadsheet/xls/ole/safe_file_write.h"

#include "files/file_replace.h"
#include "spreadsheet/xls/ole/ole_error.h"

namespace spreadsheet::xls::ole {

void writeFileAtomically(const std::filesystem::path& target, std::span<const uint8_t> bytes,
                         files::Durability durability) {
    try {
        files::replaceFile(target, bytes, files::NewFileAccess::KeepExisting, durability);
    } catch (const files::FileWriteError& error) {
        throw OleError(OleErrorKind::SaveFailed, error.what());
    }
}

}  // namespace spreadsheet::xls::ole
