// Conversions between UTF-8 and UTF-16 entry names, name checks and the
// sibling order of the directory tree.
#include "spreadsheet/xls/ole/entry_name.h"

#include "spreadsheet/xls/ole/layout.h"
#include "spreadsheet/xls/ole/ole_error.h"

#include <algorithm>

namespace spreadsheet::xls::ole {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

[[noreturn]] void badName(std::string_view name, std::string_view why) {
    throw OleError(OleErrorKind::InvalidName, inQuotes(name) + " " + std::string(why));
}

// One code point from UTF-8 at text[i]; advances i. Rejects overlong forms, surrogates and values past U+10FFFF.
char32_t decodeUtf8(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80) return lead;
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (extra < 0 || lead > 0xF4 || i + static_cast<std::size_t>(extra) > text.size())
        throw OleError(OleErrorKind::InvalidName, "the name is not valid UTF-8");
    char32_t cp = lead & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        const auto next = static_cast<unsigned char>(text[i++]);
        if ((next & 0xC0) != 0x80) throw OleError(OleErrorKind::InvalidName, "the name is not valid UTF-8");
        cp = (cp << 6) | (next & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        throw OleError(OleErrorKind::InvalidName, "the name is not valid UTF-8");
    return cp;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
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

std::u16string utf16FromUtf8(std::string_view text) {
    std::u16string out;
    for (std::size_t i = 0; i < text.size();) {
        const char32_t cp = decodeUtf8(text, i);
        if (cp < 0x10000) {
            out += static_cast<char16_t>(cp);
        } else {
            out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        }
    }
    return out;
}

std::string utf8FromUtf16(std::u16string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        const bool lowFollows = i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
        if (high && lowFollows) {
            appendUtf8(out, 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(text[++i]) - 0xDC00));
        } else {
            appendUtf8(out, unit >= 0xD800 && unit <= 0xDFFF ? kReplacement : char32_t(unit));
        }
    }
    return out;
}

std::u16string validEntryName(std::string_view utf8Name) {
    std::u16string name = utf16FromUtf8(utf8Name);
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
