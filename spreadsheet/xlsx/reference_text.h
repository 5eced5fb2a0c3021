// References as formula text: a sheet name always quoted with its
// apostrophes doubled, areas absolute.
//
//   areaList("Breakeven Analysis Data", {F15, F18})
//     -> "'Breakeven Analysis Data'!$F$15,'Breakeven Analysis Data'!$F$18"
#pragma once

#include "spreadsheet/model/cell_address.h"

#include <string>

namespace spreadsheet::xlsx {

std::string quotedSheetName(const std::string& name);

// The areas, each with its sheet, separated by commas.
std::string areaList(const std::string& sheet, const model::RangeList& areas);

}  // namespace spreadsheet::xlsx
