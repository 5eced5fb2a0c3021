// Typed entries: what a cell makes of a typed text, with the user's
// separators, the number features a user types, and the length limit.
#include "spreadsheet/formula/typed_entry.h"

#include "test_book.h"

using namespace formula_test;
using spreadsheet::formula::NumberConventions;
using spreadsheet::formula::readTypedEntry;
using spreadsheet::formula::TypedEntry;

namespace {

const NumberConventions kEnglish{'.', ','};
const NumberConventions kGerman{',', '.'};

struct EntryCase {
    const char* typed;
    NumberConventions conventions;
    Value expected;
    const char* format;
};

const EntryCase kConstants[] = {
    {"12.5", kEnglish, num(12.5), ""},
    {"-3", kEnglish, num(-3), ""},
    {"+4", kEnglish, num(4), ""},
    {"  7 ", kEnglish, num(7), ""},
    {".5", kEnglish, num(0.5), ""},
    {"5.", kEnglish, num(5), ""},
    {"1e3", kEnglish, num(1000), ""},
    {"1.5E-2", kEnglish, num(0.015), ""},
    {"1,234,567", kEnglish, num(1234567), "#,##0"},
    {"1,234.50", kEnglish, num(1234.5), "#,##0.00"},
    {"1,23", kEnglish, txt("1,23"), ""},
    {"1234,567", kEnglish, txt("1234,567"), ""},
    {",123", kEnglish, txt(",123"), ""},
    {"50%", kEnglish, num(0.5), "0%"},
    {"12.5%", kEnglish, num(0.125), "0.00%"},
    {"7%", kEnglish, num(0.07), "0%"},
    {"$5", kEnglish, num(5), "$#,##0_);($#,##0)"},
    {"$1,234.56", kEnglish, num(1234.56), "$#,##0.00_);($#,##0.00)"},
    {"-$5", kEnglish, num(-5), "$#,##0_);($#,##0)"},
    {"$-5", kEnglish, num(-5), "$#,##0_);($#,##0)"},
    {"(5)", kEnglish, num(-5), ""},
    {"(1,000)", kEnglish, num(-1000), "#,##0"},
    {"(-5)", kEnglish, txt("(-5)"), ""},
    {"1234567890123456789", kEnglish, num(1.23456789012346E+18), ""},
    {"0.1234567890123456", kEnglish, num(0.123456789012346), ""},
    {"12,5", kGerman, num(12.5), ""},
    {"1.234,5", kGerman, num(1234.5), "#,##0.00"},
    {"12.5", kGerman, txt("12.5"), ""},
    {"TRUE", kEnglish, boolean(true), ""},
    {"false", kEnglish, boolean(false), ""},
    {"#N/A", kEnglish, err(ErrorCode::NA), ""},
    {"#div/0!", kEnglish, err(ErrorCode::Div0), ""},
    {"'123", kEnglish, txt("123"), ""},
    {"'=1", kEnglish, txt("=1"), ""},
    {"=", kEnglish, txt("="), ""},
    {"abc", kEnglish, txt("abc"), ""},
    {"1 2", kEnglish, txt("1 2"), ""},
    {"--5", kEnglish, txt("--5"), ""},
    {"1e", kEnglish, txt("1e"), ""},
    {"$50%", kEnglish, txt("$50%"), ""},
    {"1e400", kEnglish, txt("1e400"), ""},
};

TEST(TypedEntry, constants_as_the_spreadsheet_reads_them) {
    for (const EntryCase& c : kConstants) {
        const TypedEntry entry = readTypedEntry(c.typed, c.conventions);
        EXPECT_EQ(entry.kind, TypedEntry::Kind::Constant) << c.typed;
        EXPECT_EQ(entry.constant, c.expected) << c.typed;
        EXPECT_EQ(entry.impliedFormat, c.format) << c.typed;
    }
}

TEST(TypedEntry, formulas_and_empty_entries) {
    EXPECT_EQ(readTypedEntry("").kind, TypedEntry::Kind::Empty);
    const TypedEntry formula = readTypedEntry("=SUM(R[-5]C:R[-1]C)");
    EXPECT_EQ(formula.kind, TypedEntry::Kind::Formula);
    EXPECT_EQ(formula.formulaText, "=SUM(R[-5]C:R[-1]C)");
}

TEST(TypedEntry, text_is_limited_to_32767_utf16_units) {
    EXPECT_EQ(readTypedEntry(std::string(32767, 'a')).constant.asText().size(), 32767u);
    std::string accented;
    for (int i = 0; i < 32767; ++i) accented += "\xC3\xA9";  // two bytes, one unit each
    EXPECT_NO_THROW(readTypedEntry(accented));
    std::string emoji;
    for (int i = 0; i < 16384; ++i) emoji += "\xF0\x9F\x98\x80";  // two units each: 32768 in all
    EXPECT_THROW(readTypedEntry(emoji), std::length_error);
    try {
        readTypedEntry(std::string(32768, 'a'));
        ADD_FAILURE() << "no exception";
    } catch (const std::length_error& e) {
        EXPECT_STREQ(e.what(), "Text values are limited to 32767 characters");
    }
}

// A stray byte is stored as U+FFFD, one unit, so it counts towards the limit.
TEST(TypedEntry, malformed_utf8_counts_as_the_units_it_is_stored_as) {
    EXPECT_NO_THROW(readTypedEntry(std::string(32766, 'a') + "\x80"));
    EXPECT_THROW(readTypedEntry(std::string(32767, 'a') + "\x80"), std::length_error);
}

}  // namespace
