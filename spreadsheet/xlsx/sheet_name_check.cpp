// Lengths in UTF-16 units, case compared as the workbook model compares names.
#include "spreadsheet/xlsx/sheet_name_check.h"

#include "spreadsheet/unicode/utf16.h"
#include "spreadsheet/xlsx/xlsx_error.h"
#include "spreadsheet/xlsx/xml_text.h"

#include <algorithm>
#include <cctype>

namespace spreadsheet::xlsx {
namespace {

constexpr std::size_t kMaxSheetName = 31;
constexpr std::string_view kForbidden = ":\\/?*[]";

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::optional<std::string> sheetNameProblem(std::string_view name) {
    const std::size_t length = unicode::utf16Length(name);
    if (length == 0 || length > kMaxSheetName)
        return "has " + std::to_string(length) + " characters; a sheet name has 1 to 31";
    if (const std::size_t at = name.find_first_of(kForbidden); at != std::string_view::npos)
        return std::string("holds '") + name[at] + "', which no sheet name may hold (: \\ / ? * [ ])";
    if (name.front() == '\'' || name.back() == '\'') return "begins or ends with an apostrophe";
    if (holdsControlCharacter(name)) return "holds a control character, which no sheet name may hold";
    if (!unicode::utf16FromUtf8(name)) return "is not valid UTF-8";
    return std::nullopt;
}

void checkSheetNames(const std::vector<std::string>& names) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (const std::optional<std::string> problem = sheetNameProblem(names[i]))
            throw XlsxError(XlsxErrorKind::Unstorable, "the sheet name \"" + plainText(names[i]) + "\" " + *problem);
        for (std::size_t k = 0; k < i; ++k)
            if (sameIgnoringCase(names[k], names[i]))
                throw XlsxError(XlsxErrorKind::Unstorable,
                                "the sheet names \"" + names[k] + "\" and \"" + names[i] + "\" differ only in case");
    }
}

}  // namespace spreadsheet::xlsx
