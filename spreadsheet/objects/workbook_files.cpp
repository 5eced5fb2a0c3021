// SaveAs in the formats the engine writes, and Workbooks.Open of a 97-2003 file.
#include "spreadsheet/objects/workbook_files.h"

#include "automation/automation_error.h"
#include "automation/member_table.h"
#include "spreadsheet/xls/biff/workbook_file.h"
#include "spreadsheet/xlsx/workbook_file.h"

#include <cstdlib>
#include <filesystem>

namespace spreadsheet::objects {

using automation::AutomationError;
using automation::Variant;

namespace {

// A positional argument, or the named one when it was given by name instead.
Variant argument(const automation::Args& args, const automation::NamedArgs& named, size_t index, const char* name) {
    const Variant byName = automation::namedArg(named, name);
    return byName.isMissing() ? automation::argAt(args, index) : byName;
}

std::string fileNameOf(const std::filesystem::path& path) { return path.filename().string(); }

// The FileFormat argument; no argument is the 97-2003 workbook.
int fileFormatOf(const Variant& format) {
    if (format.isMissing()) return kFileFormatExcel8;
    const int value = format.toI4();
    if (value != kFileFormatExcel8 && value != kFileFormatWorkbookNormal && value != kFileFormatOpenXmlWorkbook)
        throw AutomationError("SaveAs method of Workbook class failed: the file format " + std::to_string(value) +
                              " is not supported; use 56 (Excel 97-2003 workbook), -4143 or 51 (Excel Workbook, .xlsx).");
    return value;
}

}  // namespace

std::filesystem::path temporaryFolder() {
    for (const char* variable : {"TEMP", "TMPDIR"})
        if (const char* value = std::getenv(variable); value && *value) return value;
    return "/tmp";
}

bool isInTemporaryFolder(const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::weakly_canonical(temporaryFolder(), error);
    if (error) return false;
    const std::filesystem::path file = std::filesystem::weakly_canonical(std::filesystem::absolute(path), error);
    return !error && file.parent_path() == folder;
}

namespace {

void saveInFormat(Document& doc, const std::filesystem::path& path, int format) {
    if (format != kFileFormatOpenXmlWorkbook) {
        xls::biff::saveWorkbook(doc.workbook, doc.evaluator, path,
                                isInTemporaryFolder(path) ? files::Durability::Unflushed : files::Durability::Flushed);
        return;
    }
    xlsx::DocumentProperties properties;
    properties.title = path.stem().string();
    xlsx::saveWorkbook(doc.workbook, doc.evaluator, path, properties);
}

}  // namespace

void saveWorkbookAs(Document& doc, const automation::Args& args, const automation::NamedArgs& named) {
    const Variant filename = argument(args, named, 0, "Filename");
    if (filename.isMissing() || filename.toString().empty())
        throw AutomationError("SaveAs method of Workbook class failed: no file name was given.");
    const int format = fileFormatOf(argument(args, named, 1, "FileFormat"));
    const std::filesystem::path path(filename.toString());
    try {
        saveInFormat(doc, path, format);
    } catch (const std::exception& e) {
        throw AutomationError(std::string("SaveAs method of Workbook class failed: ") + e.what());
    }
    doc.path = std::filesystem::absolute(path).string();
    doc.name = fileNameOf(path);
}

DocumentRef openWorkbook(ApplicationState& app, const automation::Args& args, const automation::NamedArgs& named) {
    const Variant filename = argument(args, named, 0, "Filename");
    if (filename.isMissing() || filename.toString().empty())
        throw AutomationError("Open method of Workbooks class failed: no file name was given.");
    const std::filesystem::path path(filename.toString());
    auto doc = std::make_shared<Document>();
    try {
        xls::biff::loadWorkbook(path, doc->workbook);
    } catch (const std::exception& e) {
        throw AutomationError(std::string("Open method of Workbooks class failed: ") + e.what());
    }
    doc->path = std::filesystem::absolute(path).string();
    doc->name = fileNameOf(path);
    app.workbooks.push_back(doc);
    app.activeWorkbook = doc;
    return doc;
}

}  // namespace spreadsheet::objects
