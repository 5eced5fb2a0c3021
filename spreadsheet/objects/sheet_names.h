// The spreadsheet's rules for sheet names: 1 to 31 characters, none of
// : \ / ? * [ ], not starting or ending with an apostrophe, and unique in the
// workbook regardless of case.
#pragma once

#include "spreadsheet/model/workbook.h"

#include <optional>
#include <string>

namespace spreadsheet::objects {

// Why the name cannot be given to the sheet at `index` (0-based), or nullopt
// when it can.
std::optional<std::string> sheetNameProblem(const model::Workbook& workbook, int index, const std::string& name);

// The first free "Sheet<n>" name.
std::string nextDefaultSheetName(const model::Workbook& workbook);

}  // namespace spreadsheet::objects
