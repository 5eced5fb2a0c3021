// UTF-8 to the file's short unicode string and back: 8-bit when every
// character allows it, UTF-16LE otherwise.
#include "spreadsheet/xls/tokens/short_string.h"

#include "spreadsheet/unicode/utf16.h"
#include "spreadsheet/xls/tokens/ptg_ids.h"

#include <algorithm>
#include <optional>

namespace spreadsheet::xls::tokens {
namespace {

constexpr char16_t kMaxLatin1 = 0xFF;

}  // namespace

void writeShortString(TokenWriter& out, std::string_view utf8) {
    const std::optional<std::u16string> converted = unicode::utf16FromUtf8(utf8);
    if (!converted) throw TokenError("text in a formula is not valid UTF-8");
    const std::u16string& units = *converted;
    if (units.size() > ptg::kMaxStringLength)
        throw TokenError("text in a formula is longer than " + std::to_string(ptg::kMaxStringLength) +
                         " characters (" + std::to_string(units.size()) + ")");
    const bool compressed = std::all_of(units.begin(), units.end(), [](char16_t u) { return u <= kMaxLatin1; });
    out.u8(static_cast<uint8_t>(units.size()));
    out.u8(compressed ? 0 : ptg::kStringHighByte);
    for (const char16_t u : units) {
        if (compressed)
            out.u8(static_cast<uint8_t>(u));
        else
            out.u16(u);
    }
}

std::string readShortString(TokenReader& in) {
    const uint8_t count = in.u8();
    const bool wide = (in.u8() & ptg::kStringHighByte) != 0;
    std::u16string units;
    for (uint8_t k = 0; k < count; ++k) units += static_cast<char16_t>(wide ? in.u16() : in.u8());
    return unicode::utf8FromUtf16(units);
}

}  // namespace spreadsheet::xls::tokens
