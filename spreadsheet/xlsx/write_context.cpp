// The library's error codes as the writer's errors.
#include "spreadsheet/xlsx/write_context.h"

#include "spreadsheet/xlsx/xlsx_error.h"

namespace spreadsheet::xlsx {

void checkLibrary(lxw_error error, const std::string& what) {
    if (error == LXW_NO_ERROR) return;
    throw XlsxError(XlsxErrorKind::SaveFailed, what + ": " + lxw_strerror(error));
}

std::string sheetWords(const model::Sheet& sheet) { return "the sheet \"" + sheet.name() + "\""; }

}  // namespace spreadsheet::xlsx
