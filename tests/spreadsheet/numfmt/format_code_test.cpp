// Reading format codes: which codes are refused and why, which unusual ones are
// accepted, and which count as General.
#include "spreadsheet/numfmt/number_format.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace spreadsheet::numfmt {
namespace {

struct Refused {
    std::string code;
    std::string reason;  // part of the message
};

void PrintTo(const Refused& c, std::ostream* os) { *os << "\"" << c.code << "\""; }

class RefusedCode : public ::testing::TestWithParam<Refused> {};

TEST_P(RefusedCode, ThrowsWithReason) {
    const Refused& c = GetParam();
    try {
        NumberFormat::parse(c.code);
        FAIL() << "accepted";
    } catch (const NumberFormatError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("\"" + c.code + "\""), std::string::npos) << message;
        EXPECT_NE(message.find(c.reason), std::string::npos) << message;
    }
}

const std::vector<Refused> kRefused = {
    {"\"abc", "closing quote"},
    {"[Red0", "closing \"]\""},
    {"0]", "no opening \"[\""},
    {"0;0;0;@;0", "more than four sections"},
    {"[Purple]0", "unknown \"[Purple]\""},
    {"[]0", "unknown \"[]\""},
    {"[Color57]0", "1 to 56"},
    {"[Red][Blue]0", "more than one colour"},
    {"[<]0", "needs a number"},
    {"[<0][>5]0", "more than one condition"},
    {"0 kg", "letter \"k\""},
    {"0X0", "letter \"X\""},
    {"0.0.0", "more than one decimal point"},
    {"0E+", "exponent needs digit placeholders"},
    {"0E+0E+0", "more than one exponent"},
    {"0@", "\"@\" cannot be mixed"},
    {"General0", "\"General\" cannot be mixed"},
    {"@;0", "last section only"},
    {"0;0;0;0", "text section cannot show a number"},
    {"0\\", "at the end"},
    {"0*", "at the end"},
};
INSTANTIATE_TEST_SUITE_P(Refused, RefusedCode, ::testing::ValuesIn(kRefused));

class AcceptedCode : public ::testing::TestWithParam<std::string> {};

TEST_P(AcceptedCode, Parses) {
    EXPECT_NO_THROW(NumberFormat::parse(GetParam()));
    EXPECT_EQ(NumberFormat::parse(GetParam()).code(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Accepted, AcceptedCode,
                         ::testing::Values("General", "#,##0.00_);[Red](#,##0.00)", "0;;;@", ";;;", "$#,##0",
                                           "[$-409]0", "\"a;b\"0", "0\\;0", "[h]:mm:ss", "mm/dd/yyyy", "* #,##0",
                                           "[>=100]0;0", "0 \"kg\"", "\\k0", "_;0", "0.0E-00%",
                                           // General in the text section, and the calendar letters
                                           // the spreadsheet takes unquoted: era, era year, Buddhist year
                                           "0;0;0;General", "[$-411]ggge\"/\"m\"/\"d", "bbbb/mm/dd", "0E0",
                                           // fractions
                                           "# ?/?", "?\?/??", "# ?\?/16", "# ?? / ???"));

TEST(GeneralCode, OnlyPlainGeneralCountsAsGeneral) {
    struct Case {
        std::string code;
        bool general;
    };
    const std::vector<Case> cases = {
        {"General", true}, {"GENERAL", true}, {"", true}, {"0", false},
        {"[Red]General", false}, {"General;-General", false}, {"d-mmm", false}, {"@", false},
        {"# ?/?", false}, {"0;0;0;General", false},
    };
    for (const Case& c : cases) EXPECT_EQ(NumberFormat::parse(c.code).isGeneral(), c.general) << '"' << c.code << '"';
    EXPECT_TRUE(NumberFormat::general().isGeneral());
    EXPECT_TRUE(NumberFormat().isGeneral());
    EXPECT_EQ(NumberFormat::general().code(), "General");
}

}  // namespace
}  // namespace spreadsheet::numfmt
