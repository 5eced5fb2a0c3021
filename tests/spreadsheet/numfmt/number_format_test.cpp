// Number formats applied to numbers, one table per concern: sections, grouping and
// scaling, percent, rounding, literals, padding, scientific notation, General and
// date codes, conditions, and the formats of the break-even sheet.
#include "spreadsheet/numfmt/number_format.h"
#include "shown_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <vector>

namespace spreadsheet::numfmt {
namespace {

using model::Value;

using shown_text::NumberText;
using shown_text::Shown;

TEST_P(NumberText, ShowsText) {
    const Shown& c = GetParam();
    EXPECT_EQ(NumberFormat::parse(c.code).format(Value::number(c.number)).text, c.text);
}

const std::vector<Shown> kSections = {
    {"0;(0)", 5, "5"},
    {"0;(0)", -5, "(5)"},
    {"0;(0)", 0, "0"},                  // two sections: zero takes the first
    {"0;(0)", -0.0, "0"},               // negative zero is zero
    {"0;(0);\"zero\"", 0, "zero"},
    {"0;(0);\"zero\"", -3, "(3)"},
    {"0", -5, "-5"},                    // one section: the sign is added
    {"\"$\"0", -5, "-$5"},              // ... in front of the literals
    {"0.00;-0.00", -2, "-2.00"},        // the negative section writes its own sign
    {"0;;", -5, ""},                    // empty sections hide their numbers
    {";;;", 5, ""},
    {"0", -0.4, "-0"},                  // rounds to zero, keeps the sign
};
INSTANTIATE_TEST_SUITE_P(Sections, NumberText, ::testing::ValuesIn(kSections));

const std::vector<Shown> kThousands = {
    {"#,##0", 1234567, "1,234,567"},
    {"#,###", 0, ""},
    {"0,000", 5, "0,005"},              // zero padding is grouped too
    {"?,??0", 5, "    5"},              // separators beside "?" padding become spaces
    {"#,##0,", 1234567, "1,235"},       // trailing comma: thousands
    {"0.0,,", 2500000, "2.5"},         // two: millions
    {",0", 5, ",5"},                    // not after a placeholder: a literal
    {"#,##0.00", 1e15, "1,000,000,000,000,000.00"},
    {"0%", 0.25, "25%"},
    {"0%", 0.07, "7%"},                 // 0.07 * 100 is 7.000000000000001 in binary
    {"0.0%", 0.1234, "12.3%"},
    {"0%", 1.005, "101%"},
    {"0\\%", 5, "5%"},                  // an escaped "%" does not scale
};
INSTANTIATE_TEST_SUITE_P(ThousandsScalingPercent, NumberText, ::testing::ValuesIn(kThousands));

const std::vector<Shown> kRounding = {
    {"0.00", 2.675, "2.68"},            // binary 2.67499999... rounds on its decimal value
    {"0.00", 1.005, "1.01"},
    {"0", 0.5, "1"},                    // half away from zero, not to even
    {"0", 2.5, "3"},
    {"0", -2.5, "-3"},
    {"0.0", 9.96, "10.0"},
    {"#", 4000.0 / 7, "571"},
    {"#.##", 0.5, ".5"},
    {"0.0#", 1.256, "1.26"},
    {"0.##", 3, "3."},
    {"0.??", 1.5, "1.5 "},
    {".00", 12.5, "12.50"},
    {"0", 123456789012345678.0, "123456789012346000"},  // 15 significant digits
    {"0.00", -0.001, "-0.00"},
    // The cut to 15 digits rounds half away from zero as well (was half to even: "...758").
    {"#", 422881520231758.5, "422881520231759"},
    {"0.0", 12345678901234.25, "12345678901234.3"},
    {"#", 422881520231757.5, "422881520231758"},
    {"0.00", 2215196933808.855, "2215196933808.85"},  // binary ...854980..., just below the half
    {"0.00", 1710549243647.405, "1710549243647.41"},  // binary ...405029..., just above it
    {"General", 422881520231758.5, "4.22882E+14"},
};
INSTANTIATE_TEST_SUITE_P(DecimalsAndRounding, NumberText, ::testing::ValuesIn(kRounding));

const std::vector<Shown> kLiterals = {
    {"\"Total: \"0", 5, "Total: 5"},
    {"0\" units\"", 3, "3 units"},
    {"$#,##0", 1234, "$1,234"},
    {"000-00-0000", 123456789, "123-45-6789"},
    {"\\A0", 5, "A5"},
    {"\xE2\x82\xAC" "0.00", 1.5, "\xE2\x82\xAC" "1.50"},      // euro sign
    {"[$\xE2\x82\xAC-407]0", 5, "\xE2\x82\xAC" "5"},           // currency bracket: symbol only
    {"\"a;b\"0", 5, "a;b5"},            // a quoted ";" does not split
    {"\"x\"", 5, "x"},                  // no placeholder: the number is not shown
    {"0_)", 5, "5 "},                   // "_x" leaves one space
    {"_(0_)", 5, " 5 "},
    {"_\xE2\x82\xAC" "0", 5, " 5"},     // a multi-byte character after "_" is skipped whole
    {"*-0", 5, "5"},                    // "*x" fill is dropped
};
INSTANTIATE_TEST_SUITE_P(LiteralsEscapesPadding, NumberText, ::testing::ValuesIn(kLiterals));

const std::vector<Shown> kScientific = {
    {"0.00E+00", 12345, "1.23E+04"},
    {"0.00E+00", 0, "0.00E+00"},
    {"0.00E+00", 9.999, "1.00E+01"},    // rounding carries into the exponent
    {"0.00E+00", 267500, "2.68E+05"},
    {"0.00E+00", 1e100, "1.00E+100"},
    {"0.00E-00", 12345, "1.23E04"},     // "E-" shows only a negative sign
    {"0.00E-00", 0.001, "1.00E-03"},
    {"0E+0", 12345, "1E+4"},
    {"00.0E+00", 12345, "12.3E+03"},
    {"##0.0E+0", 12345, "12.3E+3"},     // engineering: exponent in steps of three
    {"##0.0E+0", 0.01234, "12.3E-3"},
    {"##0.0E+0", 999.96, "1.0E+3"},
};
INSTANTIATE_TEST_SUITE_P(Scientific, NumberText, ::testing::ValuesIn(kScientific));

const std::vector<Shown> kGeneralAndDates = {
    {"General", 1234.5, "1234.5"},
    {"General", -123456789012.0, "-1.23457E+11"},  // the sign stands before the eleven: was "-1.2346E+11"
    {"General", -12345670000.0, "-12345670000"},   // was "-1.2346E+10"
    {"[Blue]General;[Red]-General", -12345670000.0, "-12345670000"},
    {"\"Qty \"General", 3, "Qty 3"},
    {"General;(General)", -5, "(5)"},
    {"d-mmm-yy", 45000, "45000"},       // date and time codes show General
    {"[h]:mm:ss", 1.25, "1.25"},
    {"h:mm AM/PM", 0.75, "0.75"},
    {"hh:mm:ss.00", 0.5, "0.5"},
    {"@", 1234.5, "1234.5"},            // only a text section: numbers show General
};
INSTANTIATE_TEST_SUITE_P(GeneralAndDates, NumberText, ::testing::ValuesIn(kGeneralAndDates));

const std::vector<Shown> kConditions = {
    {"[>=1000]#,##0,\"K\";0", 1500, "2K"},
    {"[>=1000]#,##0,\"K\";0", 999, "999"},
    {"[>=1000]#,##0,\"K\";0", -5, "-5"},   // a catch-all section keeps the sign
    {"[<0]\"minus \"0;0", -5, "minus 5"},  // a negatives-only section writes its own
    {"[=0]\"nil\";0", 0, "nil"},
    {"[>100]0", 5, "5"},                   // matches no section: General
};
INSTANTIATE_TEST_SUITE_P(Conditions, NumberText, ::testing::ValuesIn(kConditions));

// The break-even sheet's three formats with the values it shows.
const std::vector<Shown> kBreakEvenSheet = {
    {"#,##0.00", 1234.5, "1,234.50"},
    {"#,##0.00", -4000, "-4,000.00"},
    {"#,##0.00", 0, "0.00"},
    {"#,##0.00", 4000.0 / 7, "571.43"},
    {"#,##0.00", -0.0, "0.00"},
    {"#", 1234.5, "1235"},
    {"#", -4000, "-4000"},
    {"#", 0, ""},
    {"#", 4000.0 / 7, "571"},
    {"#", 1e15, "1000000000000000"},
    {"#", -0.0, ""},
    {"#,##0.00_);[Red](#,##0.00)", 10000, "10,000.00 "},
    {"#,##0.00_);[Red](#,##0.00)", -4000, "(4,000.00)"},
    {"#,##0.00_);[Red](#,##0.00)", 0, "0.00 "},
    {"#,##0.00_);[Red](#,##0.00)", 4000.0 / 7, "571.43 "},
    {"#,##0.00_);[Red](#,##0.00)", 1e15, "1,000,000,000,000,000.00 "},
    {"#,##0.00_);[Red](#,##0.00)", -0.0, "0.00 "},
};
INSTANTIATE_TEST_SUITE_P(BreakEvenSheet, NumberText, ::testing::ValuesIn(kBreakEvenSheet));

// Whole displays (text and colour) of every kind of value.
struct Displayed {
    std::string code;
    Value value;
    Display expected;
};

void PrintTo(const Displayed& c, std::ostream* os) { *os << "\"" << c.code << "\" on " << c.value.debugString(); }

class ValueDisplay : public ::testing::TestWithParam<Displayed> {};

TEST_P(ValueDisplay, ShowsTextAndColour) {
    const Displayed& c = GetParam();
    const Display shown = NumberFormat::parse(c.code).format(c.value);
    EXPECT_EQ(shown.text, c.expected.text);
    EXPECT_EQ(shown.colorIndex, c.expected.colorIndex);
}

const std::vector<Displayed> kColours = {
    {"[Black]0", Value::number(1), {"1", 1}},
    {"[WHITE]0", Value::number(1), {"1", 2}},
    {"[red]0", Value::number(1), {"1", 3}},
    {"[Green]0", Value::number(1), {"1", 4}},
    {"[Blue]0", Value::number(1), {"1", 5}},
    {"[Yellow]0", Value::number(1), {"1", 6}},
    {"[Magenta]0", Value::number(1), {"1", 7}},
    {"[Cyan]0", Value::number(1), {"1", 8}},
    {"[Color10]0", Value::number(1), {"1", 10}},
    {"[color56]0", Value::number(1), {"1", 56}},
    {"0;[Red](0)", Value::number(5), {"5", std::nullopt}},
    {"0;[Red](0)", Value::number(-5), {"(5)", 3}},
    {"#,##0.00_);[Red](#,##0.00)", Value::number(-4000), {"(4,000.00)", 3}},
    {"[Red]General", Value::number(-5), {"-5", 3}},
    {"[Red]m/d/yyyy", Value::number(1), {"1", 3}},
    {"[Red][<=100]0;[Blue][>100]0", Value::number(150), {"150", 5}},
};

// Four sections with conditions, General in each, the last for text: refused before.
const std::string kConditionalGeneral = "[Red][<-25]General;[Blue][>25]General;[Green]General;[Yellow]General";
const std::vector<Displayed> kConditionalSections = {
    {kConditionalGeneral, Value::number(-30), {"30", 3}},   // [<-25] admits only negatives: it writes no sign
    {kConditionalGeneral, Value::number(30), {"30", 5}},
    {kConditionalGeneral, Value::number(-10), {"-10", 4}},  // the catch-all keeps the sign
    {kConditionalGeneral, Value::number(0), {"0", 4}},
    {kConditionalGeneral, Value::text("foo"), {"foo", 6}},  // General in the text section: the text as it is
    {"0;0;0;\\[General\\]", Value::text("foo"), {"[foo]", std::nullopt}},
};
INSTANTIATE_TEST_SUITE_P(ConditionalSections, ValueDisplay, ::testing::ValuesIn(kConditionalSections));
INSTANTIATE_TEST_SUITE_P(Colours, ValueDisplay, ::testing::ValuesIn(kColours));

const std::vector<Displayed> kOtherValues = {
    {"0;0;0;\"text: \"@", Value::text("abc"), {"text: abc", std::nullopt}},
    {"0;0;0;[Blue]@", Value::text("abc"), {"abc", 5}},
    {"0;0;0;\"n/a\"", Value::text("abc"), {"n/a", std::nullopt}},
    {"0;0;0;", Value::text("abc"), {"", std::nullopt}},
    {"0;\"(\"@\")\"", Value::text("abc"), {"(abc)", std::nullopt}},  // last section with "@"
    {"[Red]0.00", Value::text("abc"), {"abc", std::nullopt}},      // no text section: as is
    {"[Red]0;[Red]0;[Red]0;[Red]@", Value::boolean(true), {"TRUE", std::nullopt}},
    {"0.00", Value::error(model::ErrorCode::Div0), {"#DIV/0!", std::nullopt}},
    {"#,##0.00", Value(), {"", std::nullopt}},
    {"#,##0.00", Value::number(std::numeric_limits<double>::quiet_NaN()), {"#NUM!", std::nullopt}},
};
INSTANTIATE_TEST_SUITE_P(OtherValues, ValueDisplay, ::testing::ValuesIn(kOtherValues));

}  // namespace
}  // namespace spreadsheet::numfmt
