// The entry point: a fresh file beside the target for the library to write,
// renamed over the target once the library has closed it.
#include "spreadsheet/xlsx/workbook_file.h"

#include "files/file_replace.h"
#include "spreadsheet/xlsx/workbook_writer.h"

namespace spreadsheet::xlsx {
namespace {

std::string quoted(const std::filesystem::path& path) { return "\"" + path.string() + "\""; }

}  // namespace

void saveWorkbook(const model::Workbook& workbook, formula::Evaluator& evaluator, const std::filesystem::path& path,
                  const DocumentProperties& properties) {
    try {
        files::replaceFileWrittenAt(path, files::NewFileAccess::KeepExisting, [&](const std::filesystem::path& fresh) {
            writeWorkbookAt(workbook, evaluator, fresh, properties);
        });
    } catch (const XlsxError& e) {
        throw XlsxError(e.kind(), "cannot save " + quoted(path) + ": " + e.what());
    } catch (const files::FileWriteError& e) {
        throw XlsxError(XlsxErrorKind::SaveFailed, std::string("cannot save ") + e.what());
    }
}

}  // namespace spreadsheet::xlsx
