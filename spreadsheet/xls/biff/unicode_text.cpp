// UTF-8 <-> UTF-16 for the file's strings, replacing what is malformed.
// Surrogate pairs are kept together; lone surrogates become U+FFFD.
#include "spreadsheet/xls/biff/unicode_text.h"

#include "spreadsheet/xls/biff/record_fields.h"

#include <algorithm>

namespace spreadsheet::xls::biff {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kMaxCodePoint = 0x10FFFF;
constexpr char16_t kHighSurrogateFirst = 0xD800;
constexpr char16_t kLowSurrogateFirst = 0xDC00;
constexpr char16_t kSurrogateEnd = 0xE000;
constexpr char32_t kSupplementaryFirst = 0x10000;

bool isHighSurrogate(char16_t u) { return u >= kHighSurrogateFirst && u < kLowSurrogateFirst; }
bool isLowSurrogate(char16_t u) { return u >= kLowSurrogateFirst && u < kSurrogateEnd; }

// Decodes one code point at `i` and advances past it; malformed bytes give U+FFFD and advance by one.
char32_t decodeUtf8(std::string_view s, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    int length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (lead < 0x80) { ++i; return lead; }
    if ((lead & 0xE0) == 0xC0) { length = 2; cp = lead & 0x1F; minimum = 0x80; }
    else if ((lead & 0xF0) == 0xE0) { length = 3; cp = lead & 0x0F; minimum = 0x800; }
    else if ((lead & 0xF8) == 0xF0) { length = 4; cp = lead & 0x07; minimum = kSupplementaryFirst; }
    else { ++i; return kReplacement; }
    if (i + length > s.size()) { ++i; return kReplacement; }
    for (int k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) { ++i; return kReplacement; }
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    const bool surrogate = cp >= kHighSurrogateFirst && cp < kSurrogateEnd;
    if (cp < minimum || cp > kMaxCodePoint || surrogate) { ++i; return kReplacement; }
    i += length;
    return cp;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < kSupplementaryFirst) {
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

std::u16string toUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t cp = decodeUtf8(utf8, i);
        if (cp < kSupplementaryFirst) {
            out += static_cast<char16_t>(cp);
        } else {
            const char32_t v = cp - kSupplementaryFirst;
            out += static_cast<char16_t>(kHighSurrogateFirst + (v >> 10));
            out += static_cast<char16_t>(kLowSurrogateFirst + (v & 0x3FF));
        }
    }
    return out;
}

std::string toUtf8(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const char16_t u = utf16[i];
        if (isHighSurrogate(u) && i + 1 < utf16.size() && isLowSurrogate(utf16[i + 1])) {
            appendUtf8(out, kSupplementaryFirst + ((char32_t{u} - kHighSurrogateFirst) << 10) +
                                (char32_t{utf16[i + 1]} - kLowSurrogateFirst));
            ++i;
        } else if (isHighSurrogate(u) || isLowSurrogate(u)) {
            appendUtf8(out, kReplacement);
        } else {
            appendUtf8(out, u);
        }
    }
    return out;
}

bool fitsInBytes(std::u16string_view utf16) {
    return std::all_of(utf16.begin(), utf16.end(), [](char16_t u) { return u <= str::kMaxCompressedUnit; });
}

std::u16string_view truncated(std::u16string_view utf16, std::size_t maxUnits) {
    if (utf16.size() <= maxUnits) return utf16;
    std::size_t length = maxUnits;
    if (length > 0 && isHighSurrogate(utf16[length - 1])) --length;
    return utf16.substr(0, length);
}

}  // namespace spreadsheet::xls::biff
