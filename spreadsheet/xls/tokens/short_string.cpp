// UTF-8 to the file's short unicode string and back, written out by hand so
// the token library needs nothing beyond the formula engine.
#include "spreadsheet/xls/tokens/short_string.h"

#include "spreadsheet/xls/tokens/ptg_ids.h"

#include <algorithm>
#include <optional>

namespace spreadsheet::xls::tokens {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kMaxCodePoint = 0x10FFFF;
constexpr char32_t kSurrogateFirst = 0xD800;
constexpr char32_t kLowSurrogateFirst = 0xDC00;
constexpr char32_t kSurrogateLast = 0xDFFF;
constexpr char32_t kFirstSupplementary = 0x10000;
constexpr char32_t kMaxLatin1 = 0xFF;

// What a UTF-8 lead byte announces: how many continuation bytes follow, its
// own payload bits, and the smallest code point that needs this many bytes.
struct Utf8Lead {
    int continuations;
    char32_t bits;
    char32_t minimum;
};

std::optional<Utf8Lead> utf8Lead(unsigned char lead) {
    if (lead < 0x80) return Utf8Lead{0, lead, 0};
    if ((lead & 0xE0) == 0xC0) return Utf8Lead{1, lead & 0x1Fu, 0x80};
    if ((lead & 0xF0) == 0xE0) return Utf8Lead{2, lead & 0x0Fu, 0x800};
    if ((lead & 0xF8) == 0xF0) return Utf8Lead{3, lead & 0x07u, kFirstSupplementary};
    return std::nullopt;
}

// The code point starting at text[i], advancing i; nullopt for malformed
// UTF-8 (bad lead or continuation byte, overlong form, surrogate, beyond U+10FFFF).
std::optional<char32_t> nextCodePoint(std::string_view text, size_t& i) {
    const std::optional<Utf8Lead> lead = utf8Lead(static_cast<unsigned char>(text[i++]));
    if (!lead) return std::nullopt;
    char32_t cp = lead->bits;
    for (int k = 0; k < lead->continuations; ++k) {
        if (i >= text.size()) return std::nullopt;
        const auto next = static_cast<unsigned char>(text[i++]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        cp = (cp << 6) | (next & 0x3Fu);
    }
    const bool surrogate = cp >= kSurrogateFirst && cp <= kSurrogateLast;
    if (cp < lead->minimum || cp > kMaxCodePoint || surrogate) return std::nullopt;
    return cp;
}

std::u16string utf16FromUtf8(std::string_view text) {
    std::u16string out;
    for (size_t i = 0; i < text.size();) {
        const std::optional<char32_t> cp = nextCodePoint(text, i);
        if (!cp) throw TokenError("text in a formula is not valid UTF-8");
        if (*cp < kFirstSupplementary) {
            out += static_cast<char16_t>(*cp);
        } else {
            const char32_t v = *cp - kFirstSupplementary;
            out += static_cast<char16_t>(kSurrogateFirst + (v >> 10));
            out += static_cast<char16_t>(kLowSurrogateFirst + (v & 0x3FF));
        }
    }
    return out;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < kFirstSupplementary) {
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

bool isHighSurrogate(char32_t u) { return u >= kSurrogateFirst && u < kLowSurrogateFirst; }
bool isLowSurrogate(char32_t u) { return u >= kLowSurrogateFirst && u <= kSurrogateLast; }

std::string utf8FromUtf16(const std::u16string& units) {
    std::string out;
    for (size_t i = 0; i < units.size(); ++i) {
        const char32_t u = units[i];
        if (isHighSurrogate(u) && i + 1 < units.size() && isLowSurrogate(units[i + 1])) {
            appendUtf8(out, kFirstSupplementary + ((u - kSurrogateFirst) << 10) + (units[i + 1] - kLowSurrogateFirst));
            ++i;
        } else {
            appendUtf8(out, isHighSurrogate(u) || isLowSurrogate(u) ? kReplacement : u);
        }
    }
    return out;
}

}  // namespace

void writeShortString(TokenWriter& out, std::string_view utf8) {
    const std::u16string units = utf16FromUtf8(utf8);
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
    return utf8FromUtf16(units);
}

}  // namespace spreadsheet::xls::tokens
