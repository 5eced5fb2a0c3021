// The file's strings once in UTF-16: stored 8-bit when every character fits,
// and cut to the format's limits without splitting a character.
#pragma once

#include <cstddef>
#include <string_view>

namespace spreadsheet::xls::biff {

// True when every code unit fits in one byte, so the text can be stored 8-bit.
bool fitsInBytes(std::u16string_view utf16);

// The text cut to at most `maxUnits` code units, never between the halves of a surrogate pair.
std::u16string_view truncated(std::u16string_view utf16, std::size_t maxUnits);

}  // namespace spreadsheet::xls::biff
