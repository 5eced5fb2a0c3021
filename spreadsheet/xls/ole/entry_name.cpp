// Entry names from UTF-8, name checks and the sibling order of the directory
// tree.
#include "spreadsheet/xls/ole/entry_name.h"

#include "spreadsheet/unicode/utf16.h"
#include "spreadsheet/xls/ole/layout.h"
#include "spreadsheet/xls/ole/ole_error.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace spreadsheet::xls::ole {
namespace {

[[noreturn]] void badName(std::string_view name, std::string_view why) {
    throw OleError(OleErrorKind::InvalidName, inQuotes(name) + " " + std::string(why));
}

// Simple upper-casing for the scripts names are likely to use: Basic Latin,
// Latin-1, Greek and Cyrillic. Other code units compare as they are.
char16_t upper(char16_t c) {
    if (c >= u'a' && c <= u'z') return c - 0x20;
    if (c < 0xE0) return c;
    if (c <= 0xFE) return c == 0xF7 ? c : c - 0x20;      // à..þ, not ÷
    if (c == 0xFF) return 0x178;                          // ÿ
    if (c >= 0x3B1 && c <= 0x3CB) return c == 0x3C2 ? 0x3A3 : c - 0x20;  // α..ϋ, final sigma
    if (c >= 0x430 && c <= 0x44F) return c - 0x20;       // а..я
    if (c >= 0x450 && c <= 0x45F) return c - 0x50;       // ѐ..џ
    return c;
}

}  // namespace

std::u16string entryNameUtf16(std::string_view utf8Name) {
    std::optional<std::u16string> name = unicode::utf16FromUtf8(utf8Name);
    if (!name) throw OleError(OleErrorKind::InvalidName, "the name is not valid UTF-8");
    return std::move(*name);
}

std::u16string validEntryName(std::string_view utf8Name) {
    std::u16string name = entryNameUtf16(utf8Name);
    if (name.empty()) badName(utf8Name, "is empty");
    if (name.size() > kMaxNameLength) badName(utf8Name, "is longer than 31 UTF-16 characters");
    for (const char16_t c : name) {
        if (std::find(kForbiddenNameCharacters.begin(), kForbiddenNameCharacters.end(), c) !=
            kForbiddenNameCharacters.end())
            badName(utf8Name, "contains one of / \\ : !");
        // Control characters 1..5 prefix the names of property sets ("\005SummaryInformation").
        if (c == 0 || (c > 5 && c < 0x20)) badName(utf8Name, "contains a control character");
    }
    return name;
}

int compareEntryNames(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char16_t x = upper(a[i]);
        const char16_t y = upper(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return 0;
}

}  // namespace spreadsheet::xls::ole
