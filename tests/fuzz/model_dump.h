// A workbook model written out as text, one line per property, so that two
// models compare with one string comparison and a difference shows as the
// first line that differs. Numbers are written exactly (hexadecimal floating
// point), formulas as R1C1 text from their own cell, and every part the model
// holds is there: sheets, cells, styles, layout, selection, page setup,
// charts and shapes, the palette and the active sheet.
#pragma once

#include "spreadsheet/model/workbook.h"

#include <string>

namespace quorvane::fuzz {

std::string dumpWorkbook(const spreadsheet::model::Workbook& workbook);

// The first line where two dumps differ, with the line before it for context.
std::string firstDifference(const std::string& expected, const std::string& actual);

}  // namespace quorvane::fuzz
