// Saving and opening workbooks for the object model: Workbook.SaveAs in the
// 97-2003 file format or as an Office Open XML workbook, and Workbooks.Open
// in the 97-2003 file format.
#pragma once

#include "automation/object.h"
#include "spreadsheet/objects/application_state.h"

#include <filesystem>

namespace spreadsheet::objects {

inline constexpr int kFileFormatExcel8 = 56;          // the 97-2003 workbook
inline constexpr int kFileFormatWorkbookNormal = -4143;
inline constexpr int kFileFormatOpenXmlWorkbook = 51;  // the .xlsx workbook

// SaveAs(Filename, FileFormat): 56 and -4143 (and no format) write the
// 97-2003 file, 51 the Office Open XML workbook, titled with the file's name
// without its extension; the file is written beside its target and renamed
// into place. A 97-2003 file saved straight into the temporary folder is a
// hand-over between programs, not a keepsake: it does not wait for the disk
// (see files::Durability), which can take longer than the whole save.
void saveWorkbookAs(Document& doc, const automation::Args& args, const automation::NamedArgs& named);

// The temporary folder: TEMP, else TMPDIR, else /tmp.
std::filesystem::path temporaryFolder();
// True when the file lies directly in that folder (links and "." resolved).
bool isInTemporaryFolder(const std::filesystem::path& path);

// Workbooks.Open(Filename): the workbook in the file, made the active workbook.
DocumentRef openWorkbook(ApplicationState& app, const automation::Args& args, const automation::NamedArgs& named);

}  // namespace spreadsheet::objects
