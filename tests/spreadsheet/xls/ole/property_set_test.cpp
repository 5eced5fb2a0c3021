// Property set streams: the header and section layout byte for byte, every
// value type written and read back in both code pages, the unpadded strings
// of vectors, the clock conversion at its edges, and damaged streams refused
// without reading past their end.
#include "spreadsheet/xls/little_endian.h"
#include "spreadsheet/xls/ole/code_page_text.h"
#include "spreadsheet/xls/ole/ole_error.h"
#include "spreadsheet/xls/ole/property_set.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <vector>

namespace spreadsheet::xls::ole {
namespace {

uint16_t le16(const std::vector<uint8_t>& b, std::size_t at) { return spreadsheet::xls::getU16(b, at); }
uint32_t le32(const std::vector<uint8_t>& b, std::size_t at) { return spreadsheet::xls::getU32(b, at); }

constexpr std::size_t kSection = 48;  // one section, right after the stream header

PropertySection sectionWith(int16_t codePage, std::vector<Property> more) {
    PropertySection section{kFormatIdSummaryInformation, {{kPropertyIdCodePage, codePage}}};
    section.properties.insert(section.properties.end(), more.begin(), more.end());
    return section;
}

TEST(PropertySetStream, header_and_section_are_laid_out_as_the_format_says) {
    const std::vector<uint8_t> stream = propertySetStream(sectionWith(1252, {{0x12, std::string("Quorvane")}}));
    EXPECT_EQ(le16(stream, 0), 0xFFFE) << "byte order";
    EXPECT_EQ(le16(stream, 2), 0) << "version";
    EXPECT_EQ(le32(stream, 24), 1u) << "one section";
    EXPECT_TRUE(std::equal(kFormatIdSummaryInformation.begin(), kFormatIdSummaryInformation.end(), stream.begin() + 28));
    EXPECT_EQ(le32(stream, 44), kSection);
    EXPECT_EQ(le32(stream, kSection), stream.size() - kSection) << "the section's size";
    EXPECT_EQ(le32(stream, kSection + 4), 2u) << "two properties";
    EXPECT_EQ(le32(stream, kSection + 8), 1u);
    EXPECT_EQ(le32(stream, kSection + 12), 24u) << "the code page right after the table";
    EXPECT_EQ(le16(stream, kSection + 24), 0x0002) << "a 16-bit number";
    EXPECT_EQ(le16(stream, kSection + 28), 1252);
    EXPECT_EQ(le32(stream, kSection + 20), 32u) << "the next value on a multiple of four";
    EXPECT_EQ(le16(stream, kSection + 32), 0x001E) << "a string of the code page";
    EXPECT_EQ(le32(stream, kSection + 36), 9u) << "eight letters and the terminating zero";
    EXPECT_EQ(std::string(stream.begin() + kSection + 40, stream.begin() + kSection + 48), "Quorvane");
    EXPECT_EQ(stream.size() % 4, 0u);
}

// Inside a vector, code page strings follow each other unpadded, as Office
// documents have them: "ab" (3 bytes) is followed at once by the next count.
TEST(PropertySetStream, strings_in_a_vector_follow_each_other_unpadded) {
    const std::vector<uint8_t> stream =
        propertySetStream(sectionWith(1252, {{0x0D, std::vector<std::string>{"ab", "cde"}}}));
    const std::size_t value = kSection + le32(stream, kSection + 20);
    EXPECT_EQ(le16(stream, value), 0x101E) << "a vector of code page strings";
    EXPECT_EQ(le32(stream, value + 4), 2u);
    EXPECT_EQ(le32(stream, value + 8), 3u);
    EXPECT_EQ(le32(stream, value + 15), 4u) << "right after \"ab\" and its zero";
}

std::vector<Property> everyKind() {
    return {
        {2, int16_t{-7}},
        {3, int32_t{-123456}},
        {4, true},
        {5, false},
        {6, std::string("Übersicht €")},
        {7, FileTime{133500000000000000}},
        {8, std::vector<std::string>{"Data", "x", "", "Breakeven Analysis Chart"}},
        {9, std::vector<VariantItem>{std::string("Worksheets"), int32_t{1}, std::string("Charts"), int32_t{1}}},
    };
}

TEST(PropertySetStream, every_value_reads_back_in_code_page_1252) {
    const PropertySection section = sectionWith(1252, everyKind());
    const PropertySection back = readPropertySet(propertySetStream(section));
    EXPECT_EQ(back.formatId, section.formatId);
    EXPECT_EQ(back.properties, section.properties);
}

// Names 1252 cannot hold go in UTF-16, whole, characters past U+FFFF too.
TEST(PropertySetStream, every_value_reads_back_in_utf16) {
    std::vector<Property> values = everyKind();
    values.push_back({10, std::vector<std::string>{"Σύνοψη", "表", "\xF0\x9F\x93\x88"}});
    values.push_back({11, std::vector<VariantItem>{std::string("Ärger"), int32_t{3}}});
    const PropertySection section = sectionWith(static_cast<int16_t>(kCodePageUnicode), values);
    const std::vector<uint8_t> stream = propertySetStream(section);
    EXPECT_EQ(readPropertySet(stream).properties, section.properties);
    const std::size_t value = kSection + le32(stream, kSection + 8 * 6 + 4);  // property 6, a lone string
    EXPECT_EQ(le16(stream, value), 0x001F) << "a UTF-16 string";
    EXPECT_EQ(le32(stream, value + 4), 12u) << "eleven characters and the terminating zero";
}

TEST(PropertySetStream, the_writer_refuses_a_string_its_code_page_cannot_hold) {
    EXPECT_THROW(propertySetStream(sectionWith(1252, {{6, std::string("Σ")}})), std::invalid_argument);
    EXPECT_THROW(propertySetStream(sectionWith(437, {})), std::invalid_argument);
}

// A stream written the way the format document pads vector strings reads the same.
TEST(PropertySetStream, padded_vector_strings_read_as_well) {
    std::vector<uint8_t> stream = propertySetStream(sectionWith(1252, {}));
    const std::vector<uint8_t> value = {0x1E, 0x10, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 'a', 0, 0, 0, 2, 0, 0, 0, 'b', 0, 0, 0};
    // Append the value as a second property: one more table entry, offsets moved by it.
    stream.insert(stream.begin() + kSection + 16, {13, 0, 0, 0, 0, 0, 0, 0});
    stream[kSection + 4] = 2;
    stream[kSection + 12] = static_cast<uint8_t>(stream[kSection + 12] + 8);
    const uint32_t at = static_cast<uint32_t>(stream.size() - kSection);
    for (int i = 0; i < 4; ++i) stream[kSection + 20 + i] = static_cast<uint8_t>(at >> (8 * i));
    stream.insert(stream.end(), value.begin(), value.end());
    const uint32_t size = static_cast<uint32_t>(stream.size() - kSection);
    for (int i = 0; i < 4; ++i) stream[kSection + i] = static_cast<uint8_t>(size >> (8 * i));
    const PropertySection back = readPropertySet(stream);
    ASSERT_EQ(back.properties.size(), 2u);
    EXPECT_EQ(back.properties[1], (Property{13, std::vector<std::string>{"a", "b"}}));
}

TEST(PropertySetStream, damaged_streams_are_refused_without_reading_past_them) {
    const std::vector<uint8_t> good = propertySetStream(sectionWith(1252, everyKind()));
    for (std::size_t size = 0; size < good.size(); size += 3) {
        const std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_THROW(readPropertySet(cut), OleError) << "cut at " << size;
    }
    std::vector<uint8_t> huge = good;
    huge[kSection + 4] = 0xFF;  // a property count past the section
    EXPECT_THROW(readPropertySet(huge), OleError);
    std::vector<uint8_t> far = good;
    far[kSection + 23] = 0x7F;  // a value offset past the section
    EXPECT_THROW(readPropertySet(far), OleError);
    std::vector<uint8_t> order = good;
    order[0] = 0xFF;
    EXPECT_THROW(readPropertySet(order), OleError);
}

TEST(FileTimes, convert_both_ways_at_the_edges_of_the_clock) {
    using namespace std::chrono;
    EXPECT_EQ(fileTimeOf(system_clock::time_point{}).ticks, 116444736000000000u) << "1970 in ticks since 1601";
    const auto noon = sys_days(year(2025) / 1 / 2) + hours(12);
    EXPECT_EQ(timePointOf(fileTimeOf(noon)), noon);
    EXPECT_EQ(fileTimeOf(noon + nanoseconds(199)).ticks, fileTimeOf(noon).ticks + 1) << "whole ticks of 100 ns";
    EXPECT_EQ(timePointOf(FileTime{0}), std::nullopt) << "1601 is before the clock's range";
    EXPECT_EQ(timePointOf(FileTime{std::numeric_limits<uint64_t>::max()}), std::nullopt);
}

TEST(CodePage1252, holds_latin_and_its_typographic_characters_and_nothing_else) {
    EXPECT_EQ(windows1252FromUtf8("Smith & Sons, Inc."), "Smith & Sons, Inc.");
    EXPECT_EQ(windows1252FromUtf8("\xC3\x9C" "ber \xE2\x82\xAC \xE2\x80\x9C" "x\xE2\x80\x9D"),
              std::string("\xDC" "ber \x80 \x93x\x94"));
    EXPECT_EQ(windows1252FromUtf8("\xCE\xA3"), std::nullopt);          // Greek sigma
    EXPECT_EQ(windows1252FromUtf8("\xC2\x81"), std::nullopt);          // a control the code page leaves out
    EXPECT_EQ(windows1252FromUtf8("\xFF"), std::nullopt);              // no UTF-8
    EXPECT_EQ(utf8FromWindows1252("\x80\x9F\xE9"), "\xE2\x82\xAC\xC5\xB8\xC3\xA9");
    EXPECT_EQ(utf8FromWindows1252("\x81"), "\xEF\xBF\xBD");            // undefined: the replacement character
}

}  // namespace
}  // namespace spreadsheet::xls::ole
