// Reads formula tokens' little-endian fields from a byte span, never past its
// end: a field cut short throws TokenError naming the offset of the token it
// belongs to.
#pragma once

#include "spreadsheet/xls/little_endian.h"
#include "spreadsheet/xls/tokens/formula_tokens.h"

#include <cstdint>
#include <span>
#include <string>

namespace spreadsheet::xls::tokens {

class TokenReader {
public:
    explicit TokenReader(std::span<const uint8_t> bytes) : m_bytes(bytes) {}

    bool atEnd() const { return m_position >= m_bytes.size(); }
    size_t remaining() const { return m_bytes.size() - m_position; }
    // Marks where the token now being read starts, for error messages.
    void beginToken() { m_tokenStart = m_position; }
    size_t tokenStart() const { return m_tokenStart; }

    uint8_t u8() {
        need(1);
        return m_bytes[m_position++];
    }
    uint16_t u16() {
        need(2);
        const uint16_t value = getU16(m_bytes, m_position);
        m_position += 2;
        return value;
    }
    double f64() {
        need(8);
        const double value = getF64(m_bytes, m_position);
        m_position += 8;
        return value;
    }
    void skip(size_t count) {
        need(count);
        m_position += count;
    }

    // Throws TokenError: "<what> at byte <offset of the current token>".
    [[noreturn]] void fail(const std::string& what) const {
        throw TokenError(what + " at byte " + std::to_string(m_tokenStart));
    }

private:
    void need(size_t count) const {
        if (remaining() < count) fail("formula token cut short");
    }

    std::span<const uint8_t> m_bytes;
    size_t m_position = 0;
    size_t m_tokenStart = 0;
};

}  // namespace spreadsheet::xls::tokens
