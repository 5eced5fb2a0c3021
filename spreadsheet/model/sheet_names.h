// The rules every sheet name keeps, whichever file the workbook goes to: 1 to
// 31 characters (UTF-16 units), none of : \ / ? * [ ], not beginning or
// ending with an apostrophe, and no two names of a workbook equal but for
// case, since formulas find sheets by name, ignoring case. The writers refuse
// a workbook that breaks them and the reader a file that does.
//
//   sheetNameProblem("Q1/Q2");  // "holds '/', which no sheet name may hold (: \ / ? * [ ])"
//   sameSheetName("Data", "DATA");  // true
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spreadsheet::model {

inline constexpr std::size_t kMaxSheetNameLength = 31;
inline constexpr std::string_view kSheetNameForbidden = ":\\/?*[]";

// What is wrong with a name on its own, in words that follow the name; nullopt when nothing is.
std::optional<std::string> sheetNameProblem(std::string_view name);

// Whether two names name the same sheet: equal but for the case of ASCII letters.
bool sameSheetName(std::string_view a, std::string_view b);

// The first name before `index` that names the same sheet as names[index].
std::optional<std::size_t> earlierSameName(const std::vector<std::string>& names, std::size_t index);

}  // namespace spreadsheet::model
