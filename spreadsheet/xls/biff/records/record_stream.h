// RecordStream: builds the workbook stream record by record. It alone writes
// record ids and sizes: a body longer than the format's 8224 bytes goes on in
// CONTINUE records, a declared unit (a number, a string header with its first
// character) is never split, and a string split among its characters repeats
// its flags byte at the start of the CONTINUE record. Record writers only
// write fields.
//
//   RecordStream out;
//   out.begin(record::kCodePage);
//   out.u16(globals::kCodePageUnicode);
//   out.end();
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace spreadsheet::xls::biff {

// Where a string landed: its stream position, and its distance from the start
// of the record (header included) that holds its first byte.
struct StringPlacement {
    std::size_t position = 0;
    std::size_t offsetInRecord = 0;
};

class RecordStream {
public:
    // Opens a record; opening one while another is open is a programming
    // error (std::logic_error), as is writing with none open.
    void begin(uint16_t id);
    void end();
    // A record with an empty body.
    void emptyRecord(uint16_t id);

    void u8(uint8_t value);
    void u16(uint16_t value);
    void u32(uint32_t value);
    void f64(double value);
    void zeros(std::size_t count);
    // Bytes that may be split anywhere.
    void bytes(std::span<const uint8_t> data);
    // The next `size` bytes stay in one record: a CONTINUE record starts first when they do not fit.
    void keepTogether(std::size_t size);
    // Fills the open record's body up to `size` bytes (fixed-size fields such as WRITEACCESS's name).
    void padBody(std::size_t size, uint8_t fill);

    // ShortXLUnicodeString (8-bit count, flags, characters), kept in one record.
    void shortString(std::u16string_view text);
    // XLUnicodeString (16-bit count, flags, characters); see the class comment on splitting.
    StringPlacement string(std::u16string_view text);
    // A flags byte and the characters, without a count (the record holds the count elsewhere).
    void stringWithoutCount(std::u16string_view text);

    // Stream offset of the next byte.
    std::size_t position() const { return m_bytes.size(); }
    // Overwrites four bytes written earlier (stream offsets patched once the layout is known).
    void patchU32(std::size_t position, uint32_t value);

    // The stream; no record may be open.
    std::vector<uint8_t> take();

private:
    std::size_t room() const;
    void requireOpen() const;
    void ensureRoom(std::size_t size);
    void startContinue();
    void closeCurrent();
    void openHeader(uint16_t id);
    void put(uint8_t value) { m_bytes.push_back(value); }
    void characters(std::u16string_view text, bool wide);

    static constexpr std::size_t kNoRecord = static_cast<std::size_t>(-1);
    std::vector<uint8_t> m_bytes;
    std::size_t m_headerAt = kNoRecord;  // where the open record's (or CONTINUE's) header starts
};

}  // namespace spreadsheet::xls::biff
