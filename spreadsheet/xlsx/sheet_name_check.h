// The file's rules for sheet names, checked before anything is written, as
// the 97-2003 writer checks them: 1 to 31 characters, none of : \ / ? * [ ],
// not beginning or ending with an apostrophe, no two names equal but for
// case; and, since the name is an XML attribute here, no control character.
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
