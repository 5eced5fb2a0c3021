// Appends formula tokens' fields in the file's little-endian order and patches
// 16-bit fields written before their value was known (IF's jump offsets).
#pragma once

#include "spreadsheet/xls/tokens/formula_tokens.h"

#include <bit>
#include <cstdint>
#include <vector>

namespace spreadsheet::xls::tokens {

class TokenWriter {
public:
    void u8(uint8_t value) { m_bytes.push_back(value); }
    void u16(uint16_t value) {
        u8(static_cast<uint8_t>(value & 0xFF));
        u8(static_cast<uint8_t>(value >> 8));
    }
    // An IEEE 754 double, least significant byte first.
    void f64(double value) {
        const auto bits = std::bit_cast<uint64_t>(value);
        for (int shift = 0; shift < 64; shift += 8) u8(static_cast<uint8_t>(bits >> shift));
    }
    // Overwrites a 16-bit field at a position already written.
    void patchU16(size_t at, uint16_t value) {
        m_bytes.at(at) = static_cast<uint8_t>(value & 0xFF);
        m_bytes.at(at + 1) = static_cast<uint8_t>(value >> 8);
    }

    size_t size() const { return m_bytes.size(); }
    std::vector<uint8_t> take() { return std::move(m_bytes); }

private:
    std::vector<uint8_t> m_bytes;
};

}  // namespace spreadsheet::xls::tokens
