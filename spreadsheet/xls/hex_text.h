// Numbers in error texts as the file's documentation writes them: "0x" and
// upper-case digits, padded to the field's width ("0x0809", "0xFFFE").
#pragma once

#include <cstdint>
#include <string>

namespace spreadsheet::xls {

inline std::string hexText(uint64_t value, int digits) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text = "0x";
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) text += kDigits[(value >> shift) & 0xF];
    return text;
}

}  // namespace spreadsheet::xls
