// One UTF-8 decoder and one encoder each way. Malformed UTF-8 is reported per
// sequence; the callers choose between refusing the text and replacing bytes.
#include "spreadsheet/unicode/utf16.h"

namespace spreadsheet::unicode {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kMaxCodePoint = 0x10FFFF;
constexpr char32_t kFirstSupplementary = 0x10000;

// What a UTF-8 lead byte announces: how many continuation bytes follow, its
// own payload bits, and the smallest code point that needs this many bytes.
struct Utf8Lead {
    std::size_t continuations;
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

// The code point of the sequence at text[i], advancing i past it. For a
// malformed sequence: nullopt, with i past the lead byte only, so that a
// byte which could begin the next character is read again as such.
std::optional<char32_t> nextCodePoint(std::string_view text, std::size_t& i) {
    const std::size_t start = i++;
    const std::optional<Utf8Lead> lead = utf8Lead(static_cast<unsigned char>(text[start]));
    if (!lead || lead->continuations > text.size() - i) return std::nullopt;
    char32_t cp = lead->bits;
    for (std::size_t k = 0; k < lead->continuations; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        cp = (cp << 6) | (next & 0x3Fu);
    }
    if (cp < lead->minimum || cp > kMaxCodePoint || isHighSurrogate(cp) || isLowSurrogate(cp)) return std::nullopt;
    i += lead->continuations;
    return cp;
}

void appendUtf16(std::u16string& out, char32_t cp) {
    if (cp < kFirstSupplementary) {
        out += static_cast<char16_t>(cp);
        return;
    }
    const char32_t v = cp - kFirstSupplementary;
    out += static_cast<char16_t>(kHighSurrogateFirst + (v >> 10));
    out += static_cast<char16_t>(kLowSurrogateFirst + (v & 0x3FF));
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

}  // namespace

std::optional<std::u16string> utf16FromUtf8(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::optional<char32_t> cp = nextCodePoint(utf8, i);
        if (!cp) return std::nullopt;
        appendUtf16(out, *cp);
    }
    return out;
}

std::u16string utf16FromUtf8Replacing(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) appendUtf16(out, nextCodePoint(utf8, i).value_or(kReplacement));
    return out;
}

std::string utf8FromUtf16(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const char32_t unit = utf16[i];
        if (isHighSurrogate(unit) && i + 1 < utf16.size() && isLowSurrogate(utf16[i + 1])) {
            appendUtf8(out, kFirstSupplementary + ((unit - kHighSurrogateFirst) << 10) +
                                (char32_t{utf16[i + 1]} - kLowSurrogateFirst));
            ++i;
        } else {
            appendUtf8(out, isHighSurrogate(unit) || isLowSurrogate(unit) ? kReplacement : unit);
        }
    }
    return out;
}

std::size_t utf16Length(std::string_view utf8) {
    std::size_t units = 0;
    for (std::size_t i = 0; i < utf8.size();)
        units += nextCodePoint(utf8, i).value_or(kReplacement) >= kFirstSupplementary ? 2 : 1;
    return units;
}

}  // namespace spreadsheet::unicode
