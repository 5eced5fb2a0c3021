// The model's rules for sheet names in the words a client sees, and a free default name.
#include "spreadsheet/objects/sheet_names.h"

#include "spreadsheet/model/sheet_names.h"
#include "spreadsheet/unicode/utf16.h"

namespace spreadsheet::objects {

std::optional<std::string> sheetNameProblem(const model::Workbook& workbook, int index, const std::string& name) {
    const size_t length = unicode::utf16Length(name);
    if (length == 0) return "A sheet name cannot be empty.";
    if (length > model::kMaxSheetNameLength) return "A sheet name can have at most 31 characters: \"" + name + "\" has " + std::to_string(length) + ".";
    if (name.find_first_of(model::kSheetNameForbidden) != std::string::npos)
        return "A sheet name cannot contain any of these characters: : \\ / ? * [ ]";
    if (name.front() == '\'' || name.back() == '\'') return "A sheet name cannot begin or end with an apostrophe.";
    const std::optional<int> existing = workbook.findSheet(name);
    if (existing && *existing != index) return "The sheet name \"" + name + "\" is already taken. Try a different one.";
    return std::nullopt;
}

std::string nextDefaultSheetName(const model::Workbook& workbook) {
    for (int n = 1;; ++n) {
        const std::string name = "Sheet" + std::to_string(n);
        if (!workbook.findSheet(name)) return name;
    }
}

}  // namespace spreadsheet::objects
