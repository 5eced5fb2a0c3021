// The file's strings in UTF-16: which may be stored 8-bit, and where a text
// may be cut. The conversion from and to UTF-8 is spreadsheet/unicode's.
#include "spreadsheet/xls/biff/records/unicode_text.h"

#include "spreadsheet/unicode/utf16.h"
#include "spreadsheet/xls/biff/records/record_fields.h"

#include <algorithm>

namespace spreadsheet::xls::biff {

bool fitsInBytes(std::u16string_view utf16) {
    return std::all_of(utf16.begin(), utf16.end(), [](char16_t u) { return u <= str::kMaxCompressedUnit; });
}

std::u16string_view truncated(std::u16string_view utf16, std::size_t maxUnits) {
    if (utf16.size() <= maxUnits) return utf16;
    std::size_t length = maxUnits;
    if (length > 0 && unicode::isHighSurrogate(utf16[length - 1])) --length;
    return utf16.substr(0, length);
}

}  // namespace spreadsheet::xls::biff
