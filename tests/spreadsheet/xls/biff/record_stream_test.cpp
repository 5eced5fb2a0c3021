// The record stream at its split point: a body of exactly 8224 bytes, one byte
// over, units that must not split, strings whose characters cross into a
// CONTINUE record (which then restates the flags byte) and string headers
// that would straddle the split. Each case is read back the way the reader
// reads shared strings.
#include "biff_test_support.h"

#include "spreadsheet/xls/biff/records/record_fields.h"
#include "spreadsheet/xls/biff/records/record_ids.h"
#include "spreadsheet/xls/biff/records/record_reader.h"
#include "spreadsheet/xls/biff/records/record_stream.h"

#include <stdexcept>

using namespace biff_test;
using namespace spreadsheet::xls::biff;

namespace {

constexpr std::size_t kLimit = limits::kMaxRecordBody;
constexpr uint16_t kAnyId = record::kSst;

std::vector<uint8_t> filler(std::size_t size) { return std::vector<uint8_t>(size, 0xAB); }

std::vector<std::size_t> sizes(const std::vector<RecordInfo>& recs) {
    std::vector<std::size_t> out;
    for (const RecordInfo& r : recs) out.push_back(r.body.size());
    return out;
}

// A record holding `lead` bytes and then one string; returns the records written.
std::vector<RecordInfo> recordWithString(std::size_t lead, const std::u16string& text) {
    RecordStream out;
    out.begin(kAnyId);
    out.bytes(filler(lead));
    out.string(text);
    out.end();
    return records(out.take());
}

// Reads back the string written after `lead` bytes, through the CONTINUE records.
std::u16string readBack(std::size_t lead, const std::vector<uint8_t>& stream) {
    RecordReader reader(stream, 0);
    const Record record = reader.next();
    ContinuedCursor in(record, "the test record");
    in.skip(lead);
    return in.richString();
}

std::u16string wideText(std::size_t length) {
    std::u16string text;
    for (std::size_t i = 0; i < length; ++i) text += static_cast<char16_t>(0x0410 + i % 32);  // Cyrillic
    return text;
}

}  // namespace

TEST(RecordStreamSplit, a_body_of_exactly_the_limit_stays_in_one_record) {
    RecordStream out;
    out.begin(kAnyId);
    out.bytes(filler(kLimit));
    out.end();
    const auto recs = records(out.take());
    ASSERT_EQ(recs.size(), 1u);
    EXPECT_EQ(recs[0].body.size(), kLimit);
}

TEST(RecordStreamSplit, one_byte_over_goes_on_in_a_continue_record) {
    RecordStream out;
    out.begin(kAnyId);
    out.bytes(filler(kLimit + 1));
    out.end();
    const auto recs = records(out.take());
    EXPECT_EQ(sizes(recs), (std::vector<std::size_t>{kLimit, 1}));
    EXPECT_EQ(recs[1].id, record::kContinue);
}

TEST(RecordStreamSplit, numbers_are_never_split) {
    RecordStream out;
    out.begin(kAnyId);
    out.bytes(filler(kLimit - 3));
    out.u32(0x01020304);
    out.f64(1.5);
    out.end();
    const auto recs = records(out.take());
    EXPECT_EQ(sizes(recs), (std::vector<std::size_t>{kLimit - 3, 12}));
    EXPECT_EQ(le32(recs[1].body, 0), 0x01020304u);
}

TEST(RecordStreamSplit, an_8_bit_string_crossing_the_split_restates_its_flags_byte) {
    const std::u16string text(100, u'x');
    const std::size_t lead = kLimit - 3 - 40;  // header and 40 characters fit
    const auto recs = recordWithString(lead, text);
    ASSERT_EQ(recs.size(), 2u);
    EXPECT_EQ(recs[0].body.size(), kLimit);
    EXPECT_EQ(recs[1].body.size(), 1 + 60u);
    EXPECT_EQ(recs[1].body[0], 0x00) << "the CONTINUE record starts with the flags byte";
    RecordStream again;
    again.begin(kAnyId);
    again.bytes(filler(lead));
    again.string(text);
    again.end();
    EXPECT_EQ(readBack(lead, again.take()), text);
}

TEST(RecordStreamSplit, a_16_bit_string_crossing_the_split_restates_its_flags_byte) {
    const std::u16string text = wideText(50);
    const std::size_t lead = kLimit - 3 - 2 * 20;  // header and 20 characters fit
    const auto recs = recordWithString(lead, text);
    ASSERT_EQ(recs.size(), 2u);
    EXPECT_EQ(recs[1].body.size(), 1 + 2 * 30u);
    EXPECT_EQ(recs[1].body[0], str::kHighByte);
}

TEST(RecordStreamSplit, a_16_bit_character_never_splits) {
    const std::u16string text = wideText(10);
    const std::size_t lead = kLimit - 3 - 2 * 4 - 1;  // one byte left after four characters
    const auto recs = recordWithString(lead, text);
    ASSERT_EQ(recs.size(), 2u);
    EXPECT_EQ(recs[0].body.size(), kLimit - 1);
    EXPECT_EQ(recs[1].body.size(), 1 + 2 * 6u);
}

TEST(RecordStreamSplit, a_string_header_that_would_straddle_moves_whole_into_the_continue_record) {
    for (const std::size_t room : {std::size_t{1}, std::size_t{2}, std::size_t{3}}) {
        const auto recs = recordWithString(kLimit - room, u"abc");
        ASSERT_EQ(recs.size(), 2u) << room;
        EXPECT_EQ(recs[0].body.size(), kLimit - room) << "nothing of the string stays behind with " << room;
        EXPECT_EQ(recs[1].body, (std::vector<uint8_t>{3, 0, 0, 'a', 'b', 'c'})) << "no flags byte first: " << room;
    }
}

TEST(RecordStreamSplit, many_strings_cross_many_splits_and_read_back) {
    std::vector<std::u16string> texts;
    for (int i = 0; i < 3000; ++i) texts.push_back(i % 3 == 0 ? wideText(i % 50) : std::u16string(i % 97, u'a' + i % 26));
    RecordStream out;
    out.begin(kAnyId);
    for (const auto& t : texts) out.string(t);
    out.end();
    const std::vector<uint8_t> stream = out.take();
    EXPECT_GT(records(stream).size(), 10u);
    RecordReader reader(stream, 0);
    const Record record = reader.next();
    ContinuedCursor in(record, "the test record");
    for (const auto& t : texts) ASSERT_EQ(in.richString(), t);
    EXPECT_TRUE(in.atEnd());
}

TEST(RecordStreamMisuse, is_a_programming_error) {
    RecordStream out;
    EXPECT_THROW(out.u16(1), std::logic_error) << "a field outside a record";
    out.begin(kAnyId);
    EXPECT_THROW(out.begin(kAnyId), std::logic_error) << "a record inside a record";
    EXPECT_THROW(out.take(), std::logic_error) << "the stream taken with a record open";
    EXPECT_THROW(out.keepTogether(kLimit + 1), std::logic_error) << "a unit larger than a record";
}
