// Reading the workbook stream: RecordReader walks the records from a stream
// offset, each with the CONTINUE records that follow it; ByteCursor reads a
// body's fields; ContinuedCursor reads across a record and its CONTINUE
// records, as shared strings and long formula results need. Every read is
// bounds-checked: running out of bytes reports the workbook as damaged.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace spreadsheet::xls::biff {

using Bytes = std::span<const uint8_t>;

struct Record {
    uint16_t id = 0;
    std::size_t position = 0;     // stream offset of its header
    Bytes body;
    std::vector<Bytes> continues;  // bodies of the CONTINUE records right after it

    // The body with its continuations appended.
    std::vector<uint8_t> joined() const;
};

class RecordReader {
public:
    RecordReader(Bytes stream, std::size_t start);
    bool atEnd() const { return m_position >= m_stream.size(); }
    std::size_t position() const { return m_position; }
    // The next record; throws XlsError (Damaged) when its header or body runs past the end of the stream.
    Record next();

private:
    Bytes readOne(uint16_t& id);
    Bytes m_stream;
    std::size_t m_position;
};

class ByteCursor {
public:
    // `what` names the record in messages ("the FONT record").
    ByteCursor(Bytes bytes, std::string_view what) : m_bytes(bytes), m_what(what) {}

    uint8_t u8();
    uint16_t u16();
    uint32_t u32();
    double f64();
    Bytes take(std::size_t count);
    void skip(std::size_t count) { take(count); }
    std::size_t remaining() const { return m_bytes.size() - m_offset; }

    // Characters, 8-bit or UTF-16LE.
    std::u16string characters(std::size_t count, bool wide);
    // ShortXLUnicodeString: 8-bit count, flags, characters.
    std::u16string shortString();
    // XLUnicodeString: 16-bit count, flags, characters; rich text runs and phonetic data are skipped.
    std::u16string string();
    // A flags byte, then `count` characters.
    std::u16string stringWithoutCount(std::size_t count);

private:
    void need(std::size_t count) const;
    Bytes m_bytes;
    std::size_t m_offset = 0;
    std::string_view m_what;
};

class ContinuedCursor {
public:
    ContinuedCursor(const Record& record, std::string_view what);

    uint8_t u8();
    uint16_t u16();
    uint32_t u32();
    void skip(std::size_t count);
    bool atEnd() const;
    // XLUnicodeRichExtendedString: when the characters go on in the next
    // CONTINUE record, that record starts with a new flags byte.
    std::u16string richString();
    // Characters only, after their count and flags were read.
    std::u16string characters(std::size_t count, bool wide);

private:
    void nextFragment();
    void toData();
    std::vector<Bytes> m_fragments;
    std::size_t m_fragment = 0;
    std::size_t m_offset = 0;
    std::string_view m_what;
};

}  // namespace spreadsheet::xls::biff
