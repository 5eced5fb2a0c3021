// Lengths count UTF-16 units, as the files store names.
#include "spreadsheet/model/sheet_names.h"

#include "spreadsheet/unicode/utf16.h"

#include <algorithm>
#include <cctype>

namespace spreadsheet::model {

std::optional<std::string> sheetNameProblem(std::string_view name) {
    const std::size_t length = unicode::utf16Length(name);
    if (length == 0 || length > kMaxSheetNameLength)
        return "has " + std::to_string(length) + " characters; a sheet name has 1 to 31";
    if (const std::size_t at = name.find_first_of(kSheetNameForbidden); at != std::string_view::npos)
        return std::string("holds '") + name[at] + "', which no sheet name may hold (: \\ / ? * [ ])";
    if (name.front() == '\'' || name.back() == '\'') return "begins or ends with an apostrophe";
    return std::nullopt;
}

bool sameSheetName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::optional<std::size_t> earlierSameName(const std::vector<std::string>& names, std::size_t index) {
    for (std::size_t i = 0; i < index && i < names.size(); ++i)
        if (sameSheetName(names[i], names[index])) return i;
    return std::nullopt;
}

}  // namespace spreadsheet::model
