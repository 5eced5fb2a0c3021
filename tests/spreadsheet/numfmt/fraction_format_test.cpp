// Fractions: which fraction a "?" denominator picks, how a fixed denominator
// rounds, the padding of whole part, numerator and denominator, what shows
// when nothing is over the whole part, and the codes that are no fractions.
#include "spreadsheet/numfmt/closest_fraction.h"
#include "spreadsheet/numfmt/number_format.h"
#include "shown_text.h"

#include <gtest/gtest.h>

#include <vector>

namespace spreadsheet::numfmt {
namespace {

using model::Value;

// The suite itself is defined with the other number-format tables.
using shown_text::NumberText;
using shown_text::Shown;

const std::vector<Shown> kClosestFraction = {
    {"# ?/?", 5.75, "5 3/4"},
    {"# ?/?", 0.625, " 5/8"},           // no whole part: "#" shows nothing, the space stays
    {"# ?/?", 0.456, " 1/2"},           // the last convergent, not the nearer 4/9 between convergents
    {"# ?\?/??", 3.14159265, "3  1/7 "},  // 22/7 is the convergent before 333/106
    {"# ??\?/???", 3.14159265, "3  16/113"},
    {"# ?/?", 2.96, "3    "},           // 1/1 over the whole part carries into it
    {"#,##0 ?/?", 1234.5, "1,234 1/2"},  // the whole part groups its thousands
    {"0 ?/?", 0.5, "0 1/2"},            // "0" shows the zero whole part
    {"? ?/?", 0.5, "  1/2"},            // "?" a space for it
    {"# ?/? \"in\"", 2.5, "2 1/2 in"},  // literals after the fraction stay
    {"# ?/?", -7.25, "-7 1/4"},
};
INSTANTIATE_TEST_SUITE_P(ClosestFraction, NumberText, ::testing::ValuesIn(kClosestFraction));

const std::vector<Shown> kFixedDenominator = {
    {"# ?/4", 2.5, "2 2/4"},            // the denominator stays as given, never reduced
    {"# ?\?/32", 0.40625, " 13/32"},
    {"# ?/10", 1.45, "1 5/10"},         // 4.5 tenths, half away from zero on the decimal value
    {"# ?/4", 3.9, "4    "},            // 3.6 quarters round to a whole one: carried
    {"?/4", 1.5, "6/4"},                // no whole part: the number over the denominator
    {"?/4", 0, "0/4"},
    {"# ?/100000", 0.5, " 50000/100000"},
};
INSTANTIATE_TEST_SUITE_P(FixedDenominator, NumberText, ::testing::ValuesIn(kFixedDenominator));

const std::vector<Shown> kNothingOver = {
    {"# ?/?", 4, "4    "},              // spaces where "n/d" would stand, so fractions line up
    {"# ?? / ??", 4, "4        "},      // the spaces around the "/" too
    {"# ?\?/16", 7, "7      "},
    {"# ?/?", 0, "0    "},              // a number with nothing to show shows its zero
    {"# ?/?", 0.01, "0    "},
    {"# ?/?", -0.01, "-0    "},         // rounding to nothing keeps the sign, as "0" does
    {"?\?/??", 0, " 0/1 "},              // an improper fraction shows its zero numerator
    {"?\?/??", 0.001, " 0/1 "},
};
INSTANTIATE_TEST_SUITE_P(NothingOverTheWholePart, NumberText, ::testing::ValuesIn(kNothingOver));

const std::vector<Shown> kImproperAndLarge = {
    {"?\?/??", 2.75, "11/4 "},
    {"?/?", 123.5, "247/2"},            // the numerator grows past its placeholders
    {"# ?/?", 1e20, "100000000000000000000    "},
    {"?\?/??", 1e20, "100000000000000000000/1 "},
    {"# ?/?", 1e300, std::string("1") + std::string(300, '0') + "    "},
    {"# ?/?%", 0.015, "1 1/2%"},        // scaled by the percent sign first
    {"# ?/?????????", 0.1, " 1/10       "},  // the denominator pads on its right
};
INSTANTIATE_TEST_SUITE_P(ImproperAndLarge, NumberText, ::testing::ValuesIn(kImproperAndLarge));

const std::vector<Shown> kNotFractions = {
    {"0/-", 5, "5/-"},                  // nothing to divide by after the "/": a literal
    {"\"/\"0", 5, "/5"},
    {"0\\/0", 5, "0/5"},                // an escaped "/" is a literal between two digits of one number
    {"m/d/yyyy", 2.5, "2.5"},           // a date's "/"
};
INSTANTIATE_TEST_SUITE_P(NotFractions, NumberText, ::testing::ValuesIn(kNotFractions));

TEST(FractionCodes, RefusesWhatAFractionCannotHold) {
    for (const char* code : {"# ?/?.0", "0.0 ?/?.0", "# ?/?E+0", "# ?/16?"})
        EXPECT_THROW(NumberFormat::parse(code), NumberFormatError) << code;
    EXPECT_THROW(NumberFormat::parse("# ?/99999999999"), NumberFormatError);
}

// Seven digits is the most a chosen denominator has, however many "?" ask for more.
TEST(ClosestFraction, DenominatorsStopAtSevenDigits) {
    const std::string shown = NumberFormat::parse("????????\?/?????????").format(Value::number(0.123251512342345)).text;
    EXPECT_EQ(shown, "   480894/3901729  ");
}

TEST(ClosestFraction, PicksConvergentsAndSurvivesExtremes) {
    struct Case {
        double number;
        int64_t maxDenominator;
        double numerator;
        int64_t denominator;
    };
    const std::vector<Case> cases = {
        {0.456, 9, 1, 2},     {0.456, 99, 26, 57}, {0.5, 9999999, 1, 2},
        {1e300, 99, 1e300, 1},                      // one step: the whole part
        {5e-324, 9999999, 0, 1},                    // the remainder's inverse overflows to infinity
        {0.3, 1, 0, 1},
    };
    for (const Case& c : cases) {
        const Fraction f = closestFraction(c.number, c.maxDenominator);
        EXPECT_EQ(f.numerator, c.numerator) << c.number << " within " << c.maxDenominator;
        EXPECT_EQ(f.denominator, c.denominator) << c.number << " within " << c.maxDenominator;
    }
}

}  // namespace
}  // namespace spreadsheet::numfmt
