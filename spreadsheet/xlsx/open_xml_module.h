// The .xlsx writer as a module of its own, quorvane-open-xml.so beside the
// programs, loaded at the first .xlsx save. libxlsxwriter and the libraries
// it brings (a cryptography library among them) cost the dynamic loader more
// than a whole .xls generation, and most runs never write an .xlsx. The
// module answers through one entry; the programs reach it through
// saveWorkbook (workbook_file.h) as the tests reach the writer linked in.
#pragma once

#include "spreadsheet/formula/evaluator.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xlsx/workbook_file.h"
#include "spreadsheet/xlsx/xlsx_error.h"

#include <filesystem>
#include <string>

namespace spreadsheet::xlsx {

constexpr const char* kModuleFileName = "quorvane-open-xml.so";
constexpr const char* kModuleEntryName = "quorvane_open_xml_save";

// One save through the module: what to write, and how it went (an XlsxError
// does not cross into the program; its kind and text do).
struct ModuleSave {
    ModuleSave(const model::Workbook& workbook, formula::Evaluator& evaluator, const std::filesystem::path& path,
               const DocumentProperties& properties)
        : workbook(workbook), evaluator(evaluator), path(path), properties(properties) {}

    const model::Workbook& workbook;
    formula::Evaluator& evaluator;
    const std::filesystem::path& path;
    const DocumentProperties& properties;
    bool saved = false;
    XlsxErrorKind failureKind = XlsxErrorKind::SaveFailed;
    std::string failure;
};

using ModuleEntry = void (*)(ModuleSave& save);

}  // namespace spreadsheet::xlsx
