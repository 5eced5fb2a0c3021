// UTF-8, as the model holds text, to UTF-16 code units, as the file stores
// it, and back. Every part of the spreadsheet converts through here so that a
// length checked in one place is the length written in another.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace spreadsheet::unicode {

// A character past U+FFFF is stored as a high then a low surrogate.
inline constexpr char32_t kHighSurrogateFirst = 0xD800;
inline constexpr char32_t kLowSurrogateFirst = 0xDC00;

constexpr bool isHighSurrogate(char32_t unit) { return unit >= kHighSurrogateFirst && unit < kLowSurrogateFirst; }
constexpr bool isLowSurrogate(char32_t unit) { return unit >= kLowSurrogateFirst && unit <= 0xDFFF; }

// UTF-16 of a UTF-8 text, or nullopt when the text is not valid UTF-8 (a bad
// lead or continuation byte, a sequence cut short, an overlong form, an
// encoded surrogate or a value past U+10FFFF).
std::optional<std::u16string> utf16FromUtf8(std::string_view utf8);

// UTF-16 of a UTF-8 text in which each byte that does not begin a valid
// sequence becomes U+FFFD: damaged text costs characters, never the text.
std::u16string utf16FromUtf8Replacing(std::string_view utf8);

// UTF-8 of a UTF-16 text; an unpaired surrogate becomes U+FFFD.
std::string utf8FromUtf16(std::u16string_view utf16);

// The number of UTF-16 code units utf16FromUtf8Replacing gives, which is how
// the spreadsheet counts characters; computed without building the text.
std::size_t utf16Length(std::string_view utf8);

}  // namespace spreadsheet::unicode
