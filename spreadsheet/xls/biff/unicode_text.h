// Text between the model (UTF-8) and the file (UTF-16, or its 8-bit subset
// when every character fits). Malformed input never throws: it becomes
// U+FFFD, so a damaged string costs one character, not the workbook.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace spreadsheet::xls::biff {

std::u16string toUtf16(std::string_view utf8);
std::string toUtf8(std::u16string_view utf16);

// True when every code unit fits in one byte, so the text can be stored 8-bit.
bool fitsInBytes(std::u16string_view utf16);

// The text cut to at most `maxUnits` code units, never between the halves of a surrogate pair.
std::u16string_view truncated(std::u16string_view utf16, std::size_t maxUnits);

}  // namespace spreadsheet::xls::biff
