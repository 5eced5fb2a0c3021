// The conversion every part of the spreadsheet shares: well-formed text at
// the edges of each UTF-8 sequence length, each kind of malformed UTF-8, and
// UTF-16 with surrogates that have no partner.
#include "spreadsheet/unicode/utf16.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

using namespace spreadsheet::unicode;

namespace {

static_assert(!isHighSurrogate(0xD7FF) && isHighSurrogate(0xD800));
static_assert(isHighSurrogate(0xDBFF) && !isHighSurrogate(0xDC00));
static_assert(!isLowSurrogate(0xDBFF) && isLowSurrogate(0xDC00));
static_assert(isLowSurrogate(0xDFFF) && !isLowSurrogate(0xE000));

struct WellFormed {
    const char* name;
    std::string utf8;
    std::u16string utf16;
};

class Utf16WellFormed : public testing::TestWithParam<WellFormed> {};

TEST_P(Utf16WellFormed, converts_both_ways_and_counts_units) {
    const WellFormed& c = GetParam();
    EXPECT_EQ(utf16FromUtf8(c.utf8), c.utf16);
    EXPECT_EQ(utf16FromUtf8Replacing(c.utf8), c.utf16);
    EXPECT_EQ(utf16Length(c.utf8), c.utf16.size());
    EXPECT_EQ(utf8FromUtf16(c.utf16), c.utf8);
}

// The edges of each sequence length and of the surrogate range.
INSTANTIATE_TEST_SUITE_P(Utf16, Utf16WellFormed, testing::Values(
    WellFormed{"empty", "", u""},
    WellFormed{"nul", std::string(1, '\0'), std::u16string(1, u'\0')},
    WellFormed{"ascii", "Workbook", u"Workbook"},
    WellFormed{"first_two_byte", "\xC2\x80", u"\u0080"},
    WellFormed{"last_two_byte", "\xDF\xBF", u"\u07FF"},
    WellFormed{"first_three_byte", "\xE0\xA0\x80", u"\u0800"},
    WellFormed{"below_surrogates", "\xED\x9F\xBF", u"\uD7FF"},
    WellFormed{"above_surrogates", "\xEE\x80\x80", u"\uE000"},
    WellFormed{"last_three_byte", "\xEF\xBF\xBF", u"\uFFFF"},
    WellFormed{"first_four_byte", "\xF0\x90\x80\x80", u"\U00010000"},
    WellFormed{"musical_symbol", "\xF0\x9D\x84\x9E", u"\xD834\xDD1E"},
    WellFormed{"last_code_point", "\xF4\x8F\xBF\xBF", u"\xDBFF\xDFFF"},
    WellFormed{"mixed", "\xC3\x9C" "bersicht \xE2\x82\xAC \xF0\x9F\x98\x80!", u"\u00DCbersicht \u20AC \U0001F600!"}),
    [](const testing::TestParamInfo<WellFormed>& info) { return std::string(info.param.name); });

// Malformed UTF-8 is refused whole, or replaced with one U+FFFD for each byte
// that begins no valid sequence; the length counts what replacing gives.
TEST(Utf16FromUtf8, malformed_text_is_refused_or_replaced_byte_by_byte) {
    const std::vector<std::pair<std::string, std::u16string>> cases = {
        {"\xC3", u"\uFFFD"},                                         // a lead byte at the end
        {"a\x80" "b", u"a\uFFFD" "b"},                                // a stray continuation byte
        {"\xC3\x28", u"\uFFFD("},                                     // the continuation missing
        {"a\xE2\x82", u"a\uFFFD\uFFFD"},                              // cut short at the end
        {"\xE2\x28\xA1", u"\uFFFD(\uFFFD"},                           // broken in the middle
        {"\xF0\x9F\x98" "A", u"\uFFFD\uFFFD\uFFFD" "A"},               // four bytes cut by ASCII
        {"x\xC3\xA9\xA9", u"x\u00E9\uFFFD"},                          // one continuation too many
        {"\xC0\xAF", u"\uFFFD\uFFFD"},                                 // overlong, two bytes
        {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},                       // overlong, three bytes
        {"\xF0\x8F\xBF\xBF", u"\uFFFD\uFFFD\uFFFD\uFFFD"},             // overlong, four bytes
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},                       // an encoded surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},             // beyond U+10FFFF
        {"\xF8\x88\x80\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},   // a five-byte lead
        {"\xFF", u"\uFFFD"},                                         // a byte UTF-8 never uses
    };
    for (const auto& [utf8, replaced] : cases) {
        SCOPED_TRACE(testing::PrintToString(utf8));
        EXPECT_EQ(utf16FromUtf8(utf8), std::nullopt);
        EXPECT_EQ(utf16FromUtf8Replacing(utf8), replaced);
        EXPECT_EQ(utf16Length(utf8), replaced.size());
    }
}

TEST(Utf8FromUtf16, a_surrogate_without_partner_becomes_replacement) {
    const std::string replacement = "\xEF\xBF\xBD";
    EXPECT_EQ(utf8FromUtf16(u"a\xD800"), "a" + replacement);                   // high at the end
    EXPECT_EQ(utf8FromUtf16(u"\xDC00" "b"), replacement + "b");                 // low alone
    EXPECT_EQ(utf8FromUtf16(u"\xD800" "A"), replacement + "A");                 // high before another unit
    EXPECT_EQ(utf8FromUtf16(u"\xDC00\xD800"), replacement + replacement);      // the pair reversed
    EXPECT_EQ(utf8FromUtf16(u"\xD800\xD800\xDC00"), replacement + "\xF0\x90\x80\x80");  // the second high pairs
}

// The length decides whether a name or a cell's text fits, so it must agree
// with the text that is written, also for long text beyond the BMP.
TEST(Utf16Length, counts_a_long_name_as_it_is_stored) {
    std::string name;
    for (int i = 0; i < 299; ++i) name += "\xC3\xA9";
    name += "\xF0\x9F\x98\x80";
    EXPECT_EQ(utf16Length(name), 301u);
    EXPECT_EQ(utf16FromUtf8(name)->size(), 301u);
    EXPECT_EQ(utf8FromUtf16(*utf16FromUtf8(name)), name);
}

}  // namespace
