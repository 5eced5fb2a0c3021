// Names of directory entries: UTF-8 at our API, UTF-16 in the file, and the
// order the container sorts siblings by (shorter names first, then code unit
// by code unit after upper-casing).
#pragma once

#include <string>
#include <string_view>

namespace spreadsheet::xls::ole {

// UTF-16 of a UTF-8 name; throws OleError (InvalidName) on malformed UTF-8,
// which no name in the file could match.
std::u16string entryNameUtf16(std::string_view utf8Name);

// A name the writer may store: 1 to 31 UTF-16 code units, none of / \ : ! and
// no control character other than the 1..5 that property-set names begin with.
// Throws OleError (InvalidName) naming the fault.
std::u16string validEntryName(std::string_view utf8Name);

// Sibling order: negative, zero or positive as a sorts before, equal to or
// after b. Names equal here are the same entry to every reader.
int compareEntryNames(std::u16string_view a, std::u16string_view b);

}  // namespace spreadsheet::xls::ole
