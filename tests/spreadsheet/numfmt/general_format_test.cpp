// The General display at several widths: whole integers while they fit, then
// fewer decimals, then scientific notation, and "" when nothing fits; and the
// General text itself, eleven characters of digits with the sign before them.
#include "spreadsheet/numfmt/number_format.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <vector>

namespace spreadsheet::numfmt {
namespace {

struct GeneralCase {
    double number;
    int maxChars;
    std::string text;
};

void PrintTo(const GeneralCase& c, std::ostream* os) { *os << c.number << " in " << c.maxChars << " characters"; }

class GeneralText : public ::testing::TestWithParam<GeneralCase> {};

TEST_P(GeneralText, FitsTheWidth) {
    const GeneralCase& c = GetParam();
    const std::string text = formatGeneral(c.number, c.maxChars);
    EXPECT_EQ(text, c.text);
    EXPECT_LE(static_cast<int>(text.size()), c.maxChars);
}

const std::vector<GeneralCase> kCellWidth = {
    {0, 11, "0"},
    {12345678901.0, 11, "12345678901"},
    {123456789012.0, 11, "1.23457E+11"},
    {-12345678901.0, 11, "-1.2346E+10"},   // the sign takes one of the eleven
    {99999999999.7, 11, "1E+11"},          // rounding would need twelve digits
    {4000.0 / 7, 11, "571.4285714"},
    {1.0 / 3, 11, "0.333333333"},
    {-1.0 / 3, 11, "-0.33333333"},
    {0.1 + 0.2, 11, "0.3"},                // fifteen significant digits first
    {1e15, 11, "1E+15"},
    {1e-10, 11, "1E-10"},
    {0.0001, 11, "0.0001"},
    {0.00001, 11, "0.00001"},              // shown exactly: was "1E-05"
    {0.000000001, 11, "0.000000001"},      // was "1E-09"
    {0.0000000012, 11, "1.2E-09"},         // exact would take twelve
    {0.000123456789, 11, "0.000123457"},
    {0.0000123456789, 11, "1.23457E-05"},
    {1e100, 11, "1E+100"},
};
INSTANTIATE_TEST_SUITE_P(CellWidth, GeneralText, ::testing::ValuesIn(kCellWidth));

const std::vector<GeneralCase> kNarrowColumns = {
    {1234.5678, 6, "1234.6"},
    {1234.5678, 4, "1235"},
    {1234.5678, 3, ""},                    // even "1E+03" is too wide
    {123456, 5, "1E+05"},
    {-0.5, 4, "-0.5"},
    {-5, 1, ""},
    {123456789012.0, 8, "1.23E+11"},
    {1.0 / 3, 20, "0.333333333333333"},    // never more than fifteen digits
};
INSTANTIATE_TEST_SUITE_P(NarrowColumns, GeneralText, ::testing::ValuesIn(kNarrowColumns));

TEST(GeneralNonFinite, GivesNothing) {
    EXPECT_EQ(formatGeneral(std::numeric_limits<double>::quiet_NaN(), 11), "");
    EXPECT_EQ(formatGeneral(-std::numeric_limits<double>::infinity(), 11), "");
    EXPECT_EQ(generalText(std::numeric_limits<double>::quiet_NaN()), "");
}

struct GeneralTextCase {
    double number;
    std::string text;
};

void PrintTo(const GeneralTextCase& c, std::ostream* os) { *os << c.number; }

class GeneralTextOfNumber : public ::testing::TestWithParam<GeneralTextCase> {};

TEST_P(GeneralTextOfNumber, ShowsTheGeneralText) { EXPECT_EQ(generalText(GetParam().number), GetParam().text); }

// The sign stands in front of the eleven characters instead of taking one of them.
const std::vector<GeneralTextCase> kSignAndSmallNumbers = {
    {-98765432109.0, "-98765432109"},      // was "-9.8765E+10"
    {-987654321098.0, "-9.87654E+11"},     // was "-9.8765E+11": six digits, as for positives
    {-0.002468013579, "-0.002468014"},     // was "-0.00246801"
    {-0.0000024, "-0.0000024"},
    {0.000002, "0.000002"},                // was "2E-06"
    {3e-10, "3E-10"},                      // "0.0000000003" would take twelve
    {0.00000123456, "1.23456E-06"},        // fixed-point would keep fewer digits
    {0.000123456789, "0.000123457"},       // as many digits either way: fixed-point
    {-0.0, "0"},
    {99999999999.7, "1E+11"},
};
INSTANTIATE_TEST_SUITE_P(SignAndSmallNumbers, GeneralTextOfNumber, ::testing::ValuesIn(kSignAndSmallNumbers));

}  // namespace
}  // namespace spreadsheet::numfmt
