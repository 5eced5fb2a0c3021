// Text as the file can hold it. The model keeps UTF-8 that may be damaged,
// and XML 1.0 cannot hold most control characters at all: the library writes
// whatever bytes it is given, so every text passes through here first.
//
//   cellText("a\x01b")      -> "a_x0001_b"   (readers decode it back to a, U+0001, b)
//   cellText("_x0041_")     -> "_x005F_x0041_" (stays "_x0041_", not "A")
//   plainText("Title\x01")  -> "Title\uFFFD"
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace spreadsheet::xlsx {

// The characters a cell holds, counted in UTF-16 units as the spreadsheet counts them.
inline constexpr std::size_t kMaxCellCharacters = 32767;

// For cell texts, formula texts and cached formula results, which readers
// decode: a character XML cannot hold (and a carriage return, which XML
// readers would turn into a line feed) becomes _xHHHH_, the underscore of a
// literal _xHHHH_ becomes _x005F_, and bytes that are not UTF-8 become
// U+FFFD. Cut to the characters a cell holds, never inside a surrogate pair,
// and so that the written form stays within the same count, as the library
// measures it.
std::string cellText(std::string_view text);

// For titles, font names, number format codes and properties, which have no
// escape: bytes that are not UTF-8 and characters XML cannot hold become U+FFFD.
std::string plainText(std::string_view text);

// True when the text holds a character that XML cannot hold or that an
// attribute would not keep (a tab, line feed or carriage return).
bool holdsControlCharacter(std::string_view text);

}  // namespace spreadsheet::xlsx
