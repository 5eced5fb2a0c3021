// The file format's rules for sheet names, kept on both sides so that the
// reader refuses what the writer could not save: 1 to 31 characters, none of
// : \ / ? * [ ], not beginning or ending with an apostrophe, and no two names
// equal but for case (formulas find sheets by name, ignoring case).
//
//   sheetNameProblem("Q1/Q2");  // "holds '/', which no sheet name may hold"
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spreadsheet::xls::biff {

// What is wrong with a name on its own, in words that follow the name; nullopt when nothing is.
std::optional<std::string> sheetNameProblem(std::string_view name);

// The first name before `index` that equals names[index] but for case.
std::optional<std::size_t> earlierSameName(const std::vector<std::string>& names, std::size_t index);

}  // namespace spreadsheet::xls::biff
