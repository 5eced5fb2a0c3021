// The model's rules for every sheet name, and what XML adds to them.
#include "spreadsheet/xlsx/sheet_name_check.h"

#include "spreadsheet/model/sheet_names.h"
#include "spreadsheet/unicode/utf16.h"
#include "spreadsheet/xlsx/xlsx_error.h"
#include "spreadsheet/xlsx/xml_text.h"

namespace spreadsheet::xlsx {

std::optional<std::string> sheetNameProblem(std::string_view name) {
    if (std::optional<std::string> problem = model::sheetNameProblem(name)) return problem;
    if (holdsControlCharacter(name)) return "holds a control character, which no sheet name may hold";
    if (!unicode::utf16FromUtf8(name)) return "is not valid UTF-8";
    return std::nullopt;
}

void checkSheetNames(const std::vector<std::string>& names) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (const std::optional<std::string> problem = sheetNameProblem(names[i]))
            throw XlsxError(XlsxErrorKind::Unstorable, "the sheet name \"" + plainText(names[i]) + "\" " + *problem);
        for (std::size_t k = 0; k < i; ++k)
            if (model::sameSheetName(names[k], names[i]))
                throw XlsxError(XlsxErrorKind::Unstorable,
                                "the sheet names \"" + names[k] + "\" and \"" + names[i] + "\" differ only in case");
    }
}

}  // namespace spreadsheet::xlsx
