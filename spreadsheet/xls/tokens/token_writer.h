// Appends formula tokens' fields in the file's little-endian order and patches
// 16-bit fields written before their value was known (IF's jump offsets).
#pragma once

#include "spreadsheet/xls/little_endian.h"
#include "spreadsheet/xls/tokens/formula_tokens.h"

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace spreadsheet::xls::tokens {

class TokenWriter {
public:
    void u8(uint8_t value) { m_bytes.push_back(value); }
    void u16(uint16_t value) { appendLittleEndian(m_bytes, value); }
    // An IEEE 754 double, least significant byte first.
    void f64(double value) { appendF64(m_bytes, value); }
    // Overwrites a 16-bit field at a position already written.
    void patchU16(size_t at, uint16_t value) {
        if (at + 2 > m_bytes.size()) throw std::out_of_range("a token patch past the bytes written");
        putU16(m_bytes, at, value);
    }

    size_t size() const { return m_bytes.size(); }
    std::vector<uint8_t> take() { return std::move(m_bytes); }

private:
    std::vector<uint8_t> m_bytes;
};

}  // namespace spreadsheet::xls::tokens
