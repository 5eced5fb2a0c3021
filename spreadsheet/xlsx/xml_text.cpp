// The escapes of the file's extended strings, done on UTF-16 units so that
// lengths are counted as the spreadsheet counts them.
#include "spreadsheet/xlsx/xml_text.h"

#include "spreadsheet/unicode/utf16.h"

#include <cstdio>

namespace spreadsheet::xlsx {
namespace {

constexpr char16_t kReplacement = 0xFFFD;
constexpr std::size_t kEscapeLength = 7;  // _xHHHH_

bool xmlCannotHold(char16_t unit) {
    const bool control = unit < 0x20 && unit != u'\t' && unit != u'\n' && unit != u'\r';
    return control || unit == 0xFFFE || unit == 0xFFFF;
}

bool isHexDigit(char16_t unit) {
    return (unit >= u'0' && unit <= u'9') || (unit >= u'A' && unit <= u'F') || (unit >= u'a' && unit <= u'f');
}

// A literal "_xHHHH_" starts at `at`: a reader would take it for an escape.
bool looksLikeEscape(std::u16string_view text, std::size_t at) {
    if (at + kEscapeLength > text.size() || text[at] != u'_' || text[at + 1] != u'x' || text[at + 6] != u'_') return false;
    for (std::size_t i = at + 2; i < at + 6; ++i)
        if (!isHexDigit(text[i])) return false;
    return true;
}

std::u16string escapeOf(char16_t unit) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%04X", static_cast<unsigned>(unit));
    std::u16string out = u"_x";
    for (const char* d = digits; *d; ++d) out += static_cast<char16_t>(*d);
    return out + u"_";
}

// The written form of one character (one unit, or two for a surrogate pair).
std::u16string writtenForm(std::u16string_view text, std::size_t at, std::size_t units) {
    const char16_t unit = text[at];
    if (xmlCannotHold(unit) || unit == u'\r') return escapeOf(unit);
    if (looksLikeEscape(text, at)) return escapeOf(u'_');
    return std::u16string(text.substr(at, units));
}

}  // namespace

std::string cellText(std::string_view text) {
    const std::u16string units = unicode::utf16FromUtf8Replacing(text);
    std::u16string out;
    std::size_t written = 0;  // characters of the written form, as the library counts them
    for (std::size_t at = 0; at < units.size();) {
        const std::size_t width = unicode::isHighSurrogate(units[at]) && at + 1 < units.size() ? 2 : 1;
        if (at + width > kMaxCellCharacters) break;
        const std::u16string form = writtenForm(units, at, width);
        const std::size_t characters = form.size() == width && width == 2 ? 1 : form.size();
        if (written + characters > kMaxCellCharacters) break;
        out += form;
        written += characters;
        at += width;
    }
    return unicode::utf8FromUtf16(out);
}

std::string plainText(std::string_view text) {
    std::u16string units = unicode::utf16FromUtf8Replacing(text);
    for (char16_t& unit : units)
        if (xmlCannotHold(unit)) unit = kReplacement;
    return unicode::utf8FromUtf16(units);
}

bool holdsControlCharacter(std::string_view text) {
    for (const char16_t unit : unicode::utf16FromUtf8Replacing(text))
        if (xmlCannotHold(unit) || unit == u'\t' || unit == u'\n' || unit == u'\r') return true;
    return false;
}

}  // namespace spreadsheet::xlsx
