// The record stream: record headers, CONTINUE splitting and string pieces.
// Sizes are patched into each header when its record (or CONTINUE) closes.
#include "spreadsheet/xls/biff/records/record_stream.h"

#include "spreadsheet/xls/biff/records/record_fields.h"
#include "spreadsheet/xls/biff/records/record_ids.h"
#include "spreadsheet/xls/biff/records/unicode_text.h"
#include "spreadsheet/xls/little_endian.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace spreadsheet::xls::biff {
namespace {

std::size_t unitSize(bool wide) { return wide ? 2 : 1; }

}  // namespace

void RecordStream::begin(uint16_t id) {
    if (m_headerAt != kNoRecord) throw std::logic_error("a record begins while another is still open");
    openHeader(id);
}

void RecordStream::end() {
    requireOpen();
    closeCurrent();
    m_headerAt = kNoRecord;
}

void RecordStream::emptyRecord(uint16_t id) {
    begin(id);
    end();
}

void RecordStream::u8(uint8_t value) {
    ensureRoom(1);
    put(value);
}

void RecordStream::u16(uint16_t value) {
    ensureRoom(2);
    appendLittleEndian(m_bytes, value);
}

void RecordStream::u32(uint32_t value) {
    ensureRoom(4);
    appendLittleEndian(m_bytes, value);
}

void RecordStream::f64(double value) {
    ensureRoom(8);
    appendF64(m_bytes, value);
}

void RecordStream::zeros(std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) u8(0);
}

void RecordStream::bytes(std::span<const uint8_t> data) {
    requireOpen();
    while (!data.empty()) {
        if (room() == 0) startContinue();
        const std::size_t n = std::min(room(), data.size());
        m_bytes.insert(m_bytes.end(), data.begin(), data.begin() + static_cast<std::ptrdiff_t>(n));
        data = data.subspan(n);
    }
}

void RecordStream::keepTogether(std::size_t size) { ensureRoom(size); }

void RecordStream::padBody(std::size_t size, uint8_t fill) {
    requireOpen();
    while (m_bytes.size() - m_headerAt - limits::kRecordHeaderSize < size) u8(fill);
}

void RecordStream::shortString(std::u16string_view text) {
    if (text.size() > str::kMaxShortLength) throw std::logic_error("a short string holds at most 255 characters");
    const bool wide = !fitsInBytes(text);
    ensureRoom(str::kShortHeaderSize + text.size() * unitSize(wide));
    put(static_cast<uint8_t>(text.size()));
    put(wide ? str::kHighByte : 0);
    characters(text, wide);
}

StringPlacement RecordStream::string(std::u16string_view text) {
    if (text.size() > str::kMaxLength) throw std::logic_error("a string holds at most 65535 characters");
    const bool wide = !fitsInBytes(text);
    // The header never ends a record on its own: its first character comes along.
    ensureRoom(str::kHeaderSize + (text.empty() ? 0 : unitSize(wide)));
    const StringPlacement placement{m_bytes.size(), m_bytes.size() - m_headerAt};
    appendLittleEndian(m_bytes, static_cast<uint16_t>(text.size()));
    put(wide ? str::kHighByte : 0);
    characters(text, wide);
    return placement;
}

void RecordStream::stringWithoutCount(std::u16string_view text) {
    const bool wide = !fitsInBytes(text);
    ensureRoom(str::kFlagsSize + (text.empty() ? 0 : unitSize(wide)));
    put(wide ? str::kHighByte : 0);
    characters(text, wide);
}

void RecordStream::patchU32(std::size_t position, uint32_t value) {
    if (position + 4 > m_bytes.size()) throw std::logic_error("a patch past the bytes written");
    putU32(m_bytes, position, value);
}

std::vector<uint8_t> RecordStream::take() {
    if (m_headerAt != kNoRecord) throw std::logic_error("the stream is taken while a record is open");
    return std::move(m_bytes);
}

// ---------------------------------------------------------------- private

std::size_t RecordStream::room() const {
    return limits::kMaxRecordBody - (m_bytes.size() - m_headerAt - limits::kRecordHeaderSize);
}

void RecordStream::requireOpen() const {
    if (m_headerAt == kNoRecord) throw std::logic_error("a record field is written outside a record");
}

void RecordStream::ensureRoom(std::size_t size) {
    requireOpen();
    if (size > limits::kMaxRecordBody) throw std::logic_error("a unit longer than a record body");
    if (size > room()) startContinue();
}

void RecordStream::startContinue() {
    closeCurrent();
    openHeader(record::kContinue);
}

// The header of a record (or CONTINUE record) whose size is not known yet.
void RecordStream::openHeader(uint16_t id) {
    m_headerAt = m_bytes.size();
    appendLittleEndian(m_bytes, id);
    appendLittleEndian(m_bytes, uint16_t{0});
}

// Writes the size of the record (or CONTINUE record) now ending.
void RecordStream::closeCurrent() {
    const std::size_t size = m_bytes.size() - m_headerAt - limits::kRecordHeaderSize;
    putU16(m_bytes, m_headerAt + limits::kRecordSizeOffset, static_cast<uint16_t>(size));
}

// Characters go as far as the record holds; the rest follows in a CONTINUE
// record that starts with the string's flags byte. A 16-bit character never splits.
void RecordStream::characters(std::u16string_view text, bool wide) {
    const std::size_t unit = unitSize(wide);
    std::size_t i = 0;
    while (i < text.size()) {
        if (room() < unit) {
            startContinue();
            put(wide ? str::kHighByte : 0);
        }
        const std::size_t end = std::min(text.size(), i + room() / unit);
        for (; i < end; ++i) {
            if (wide) appendLittleEndian(m_bytes, static_cast<uint16_t>(text[i]));
            else put(static_cast<uint8_t>(text[i]));
        }
    }
}

}  // namespace spreadsheet::xls::biff
