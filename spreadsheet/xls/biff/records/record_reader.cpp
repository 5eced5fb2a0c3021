// Bounds-checked walking of records and reading of their fields.
// Every read checks its bounds first and reports damage with the record it was in.
#include "spreadsheet/xls/biff/records/record_reader.h"

#include "spreadsheet/xls/biff/records/record_fields.h"
#include "spreadsheet/xls/biff/records/record_ids.h"
#include "spreadsheet/xls/biff/records/xls_error.h"
#include "spreadsheet/xls/hex_text.h"
#include "spreadsheet/xls/little_endian.h"

#include <array>

namespace spreadsheet::xls::biff {
namespace {

// XLUnicodeRichExtendedString, read the same way from one record or across
// its continuations: count, flags, the sizes of the rich-text runs and the
// phonetic block, the characters, then the runs and phonetic block skipped.
template <typename Cursor>
std::u16string readRichString(Cursor& in) {
    const std::size_t count = in.u16();
    const uint8_t flags = in.u8();
    const std::size_t runs = (flags & str::kRichSt) ? in.u16() : 0;
    const std::size_t phonetic = (flags & str::kExtSt) ? in.u32() : 0;
    std::u16string text = in.characters(count, (flags & str::kHighByte) != 0);
    in.skip(runs * str::kRunSize);
    in.skip(phonetic);
    return text;
}

}  // namespace

std::vector<uint8_t> Record::joined() const {
    std::vector<uint8_t> out(body.begin(), body.end());
    for (const Bytes part : continues) out.insert(out.end(), part.begin(), part.end());
    return out;
}

// ---------------------------------------------------------------- RecordReader

RecordReader::RecordReader(Bytes stream, std::size_t start) : m_stream(stream), m_position(start) {}

Bytes RecordReader::readOne(uint16_t& id) {
    const std::size_t at = m_position;
    if (m_stream.size() - at < limits::kRecordHeaderSize)
        throwDamaged("the workbook stream ends inside a record header at offset " + std::to_string(at));
    id = getU16(m_stream, at);
    const std::size_t size = getU16(m_stream, at + limits::kRecordSizeOffset);
    const std::size_t bodyAt = at + limits::kRecordHeaderSize;
    if (m_stream.size() - bodyAt < size)
        throwDamaged("record " + hexText(id, 4) + " at offset " + std::to_string(at) + " claims " + std::to_string(size) +
                     " bytes, but the stream ends after " + std::to_string(m_stream.size() - bodyAt));
    m_position = bodyAt + size;
    return m_stream.subspan(bodyAt, size);
}

Record RecordReader::next() {
    Record record;
    record.position = m_position;
    record.body = readOne(record.id);
    while (m_stream.size() - m_position >= limits::kRecordHeaderSize && getU16(m_stream, m_position) == record::kContinue) {
        uint16_t id = 0;
        record.continues.push_back(readOne(id));
    }
    return record;
}

// ---------------------------------------------------------------- ByteCursor

void ByteCursor::need(std::size_t count) const {
    if (remaining() < count)
        throwDamaged(std::string(m_what) + " is too short: it ends after " + std::to_string(m_bytes.size()) +
                     " bytes");
}

uint8_t ByteCursor::u8() {
    need(1);
    return m_bytes[m_offset++];
}

uint16_t ByteCursor::u16() {
    need(2);
    const uint16_t value = getU16(m_bytes, m_offset);
    m_offset += 2;
    return value;
}

uint32_t ByteCursor::u32() {
    need(4);
    const uint32_t value = getU32(m_bytes, m_offset);
    m_offset += 4;
    return value;
}

double ByteCursor::f64() {
    need(8);
    const double value = getF64(m_bytes, m_offset);
    m_offset += 8;
    return value;
}

Bytes ByteCursor::take(std::size_t count) {
    need(count);
    const Bytes part = m_bytes.subspan(m_offset, count);
    m_offset += count;
    return part;
}

std::u16string ByteCursor::characters(std::size_t count, bool wide) {
    const Bytes raw = take(count * (wide ? 2 : 1));
    std::u16string out(count, u'\0');
    for (std::size_t i = 0; i < count; ++i)
        out[i] = wide ? static_cast<char16_t>(getU16(raw, 2 * i)) : static_cast<char16_t>(raw[i]);
    return out;
}

std::u16string ByteCursor::shortString() {
    const std::size_t count = u8();
    return characters(count, (u8() & str::kHighByte) != 0);
}

std::u16string ByteCursor::string() { return readRichString(*this); }

std::u16string ByteCursor::stringWithoutCount(std::size_t count) {
    return characters(count, (u8() & str::kHighByte) != 0);
}

// ---------------------------------------------------------------- ContinuedCursor

ContinuedCursor::ContinuedCursor(const Record& record, std::string_view what) : m_what(what) {
    m_fragments.push_back(record.body);
    m_fragments.insert(m_fragments.end(), record.continues.begin(), record.continues.end());
}

bool ContinuedCursor::atEnd() const {
    std::size_t fragment = m_fragment;
    std::size_t offset = m_offset;
    while (fragment < m_fragments.size() && offset >= m_fragments[fragment].size()) {
        ++fragment;
        offset = 0;
    }
    return fragment >= m_fragments.size();
}

void ContinuedCursor::nextFragment() {
    ++m_fragment;
    m_offset = 0;
    if (m_fragment >= m_fragments.size()) throwDamaged(std::string(m_what) + " ends in the middle of a string");
}

// Moves past fully read fragments to the next byte of data.
void ContinuedCursor::toData() {
    if (m_fragment >= m_fragments.size()) throwDamaged(std::string(m_what) + " ends in the middle of a string");
    while (m_offset >= m_fragments[m_fragment].size()) nextFragment();
}

uint8_t ContinuedCursor::u8() {
    toData();
    return m_fragments[m_fragment][m_offset++];
}

// A field may straddle a CONTINUE boundary, so its bytes are taken one by one.
uint16_t ContinuedCursor::u16() {
    const std::array<uint8_t, 2> bytes{u8(), u8()};
    return fromLittleEndian<uint16_t>(bytes);
}

uint32_t ContinuedCursor::u32() {
    const std::array<uint8_t, 4> bytes{u8(), u8(), u8(), u8()};
    return fromLittleEndian<uint32_t>(bytes);
}

void ContinuedCursor::skip(std::size_t count) {
    while (count > 0) {
        toData();
        const std::size_t n = std::min(count, m_fragments[m_fragment].size() - m_offset);
        m_offset += n;
        count -= n;
    }
}

std::u16string ContinuedCursor::characters(std::size_t count, bool wide) {
    std::u16string out;
    out.reserve(std::min<std::size_t>(count, limits::kMaxRecordBody));
    while (out.size() < count) {
        if (m_fragment >= m_fragments.size()) throwDamaged(std::string(m_what) + " ends in the middle of a string");
        if (m_offset >= m_fragments[m_fragment].size()) {
            nextFragment();
            wide = (u8() & str::kHighByte) != 0;  // a continued string restates its width
            continue;
        }
        const Bytes part = m_fragments[m_fragment];
        if (wide) {
            if (part.size() - m_offset < 2) throwDamaged(std::string(m_what) + " splits a 16-bit character");
            out += static_cast<char16_t>(getU16(part, m_offset));
            m_offset += 2;
        } else {
            out += static_cast<char16_t>(part[m_offset++]);
        }
    }
    return out;
}

std::u16string ContinuedCursor::richString() { return readRichString(*this); }

}  // namespace spreadsheet::xls::biff
