// The rules for sheet names, checked before anything is written: those of
// every sheet name (model/sheet_names.h), and, since the name is an XML
// attribute here, no control character and valid UTF-8.
//
//   sheetNameProblem("Q1/Q2")  -> "holds '/', which no sheet name may hold (: \\ / ? * [ ])"
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spreadsheet::xlsx {

// What is wrong with a name on its own, in words that follow the name; nullopt when nothing is.
std::optional<std::string> sheetNameProblem(std::string_view name);

// Throws XlsxError (Unstorable) naming the first name that breaks a rule, or the first two equal but for case.
void checkSheetNames(const std::vector<std::string>& names);

}  // namespace spreadsheet::xlsx
