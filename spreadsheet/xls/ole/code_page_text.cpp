// Windows-1252: bytes below 0x80 and from 0xA0 are the Unicode characters of
// the same number; 0x80 to 0x9F hold typographic characters instead of
// control codes, five of them undefined.
#include "spreadsheet/xls/ole/code_page_text.h"

#include "spreadsheet/unicode/utf16.h"

#include <array>

namespace spreadsheet::xls::ole {
namespace {

constexpr char16_t kUndefined = 0xFFFD;

// The characters of bytes 0x80 to 0x9F.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, kUndefined, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, kUndefined, 0x017D, kUndefined,
    kUndefined, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, kUndefined, 0x017E, 0x0178,
};

constexpr unsigned kHighControlsFirst = 0x80;
constexpr unsigned kLatin1First = 0xA0;

std::optional<char> byteOf(char16_t unit) {
    if (unit < kHighControlsFirst || (unit >= kLatin1First && unit <= 0xFF)) return static_cast<char>(unit);
    for (unsigned i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == unit && unit != kUndefined) return static_cast<char>(kHighControlsFirst + i);
    return std::nullopt;
}

}  // namespace

std::optional<std::string> windows1252FromUtf8(std::string_view utf8) {
    const std::optional<std::u16string> units = unicode::utf16FromUtf8(utf8);
    if (!units) return std::nullopt;
    std::string bytes;
    bytes.reserve(units->size());
    for (const char16_t unit : *units) {
        const std::optional<char> byte = byteOf(unit);  // a surrogate has none: past the code page
        if (!byte) return std::nullopt;
        bytes += *byte;
    }
    return bytes;
}

std::string utf8FromWindows1252(std::string_view bytes) {
    std::u16string units;
    units.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        const bool highControl = byte >= kHighControlsFirst && byte < kLatin1First;
        units += highControl ? kHighControls[byte - kHighControlsFirst] : static_cast<char16_t>(byte);
    }
    return unicode::utf8FromUtf16(units);
}

}  // namespace spreadsheet::xls::ole
