// Round trips: a formula compiled to tokens and decompiled prints the same
// R1C1 text from the same host, and compiles to the same bytes again.
#include "spreadsheet/formula/formula.h"
#include "token_test_support.h"

#include <gtest/gtest.h>

using namespace spreadsheet;
using namespace spreadsheet::xls::tokens;
using token_test::at;

namespace {

struct Case {
    std::string host;
    std::string r1c1;
};

// The text the formula prints after a trip through the token bytes; when the
// text is to come back unchanged, the bytes must too.
std::string throughTokens(const Case& c, TokenContext context, bool sameBytes) {
    token_test::SheetList sheets({"Sheet1", "Breakeven Analysis Data", "Data", "it's"});
    const model::CellAddress host = at(c.host);
    const auto bytes = compileFormula(formula::Formula::parseR1C1(c.r1c1, host)->root(), host, context, &sheets);
    const auto back = decompileFormula(bytes, host, context, &sheets);
    if (sameBytes) {
        EXPECT_EQ(compileFormula(back->root(), host, context, &sheets), bytes) << c.r1c1 << ": bytes changed";
    }
    return back->toR1C1(host);
}

void expectRoundTrips(const std::vector<Case>& cases, TokenContext context = TokenContext::Cell) {
    for (const Case& c : cases) EXPECT_EQ(throughTokens(c, context, true), c.r1c1) << c.host;
}

// The breakeven sheet's formulas, D35:N41 generated column by column as the sheet writes them.
std::vector<Case> breakevenFormulas() {
    std::vector<Case> cases = {
        {"G7", "=IF(OR(R[-2]C[-1]<>0,R[-1]C[-1]<>0),R[-2]C[-1]*R[-1]C[-1],0)"},
        {"F15", "=SUM(R[-5]C:R[-1]C)"},
        {"G16", "=IF(R[-1]C[-1],R[-1]C[-1]*R[-10]C[-1],0)"},
        {"F18", "=IF(R[-13]C>0,MAX(0,R[-13]C-R[-3]C),0)"},
        {"G19", "=IF(OR(R[-12]C<>0,R[-3]C<>0),R[-12]C-R[-3]C,0)"},
        {"G27", "=SUM(R[-5]C[-1]:R[-1]C[-1])"},
        {"G29", "=IF(OR(R[-10]C<>0,R[-2]C<>0),R[-10]C-R[-2]C,0)"},
        {"F33", "=IF(AND(R[-15]C>0,R[-6]C[1]>0),R[-6]C[1]/R[-15]C,\"\")"},
    };
    const char* shares[] = {"0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1"};
    const auto offsetTo = [](int target, int column) {
        return target == column ? std::string("C") : "C[" + std::to_string(target - column) + "]";
    };
    for (int column = 4; column <= 14; ++column) {
        const std::string x = model::columnLetters(column);
        const std::string f = offsetTo(6, column);
        cases.push_back({x + "35", "=IF(R[-29]" + f + ",R[-29]" + f + "*" + shares[column - 4] + ",0)"});
        cases.push_back({x + "36", "=R[-31]" + f});
        cases.push_back({x + "37", "=R[-10]" + offsetTo(7, column)});
        cases.push_back({x + "38", "=R[-23]" + f + "*R[-3]C"});
        cases.push_back({x + "39", "=SUM(R[-2]C:R[-1]C)"});
        cases.push_back({x + "40", "=R[-5]C*R[-4]C"});
        cases.push_back({x + "41", "=R[-1]C-R[-2]C"});
    }
    return cases;
}

TEST(RoundTrip, every_breakeven_formula_reads_back_unchanged) { expectRoundTrips(breakevenFormulas()); }

TEST(RoundTrip, references_of_every_shape_read_back_unchanged) {
    expectRoundTrips({
        {"B2", "=R1C1+R1C[-1]+R[-1]C1"},
        {"A1", "=R65536C256+R[65535]C[255]"},
        {"IV65536", "=R[-65535]C[-255]"},
        {"E5", "=SUM(C[-4],C2:C3,R[-2]:R[-1])"},
        {"E5", "=R5+C[2]:C[4]"},
        {"A1", "=SUM(R1C1:R2C2:R3C3)"},
        {"A1", "='Breakeven Analysis Data'!R37C2"},
        {"A1", "=SUM('Breakeven Analysis Data'!R5C6:R26C6)"},
        {"C3", "=Data!R[-1]C[-1]*2+'it''s'!C2"},
        {"A1", "=SUM(('Breakeven Analysis Data'!R15C3,'Breakeven Analysis Data'!R18C3))"},
        {"A1", "=SUM((R1C1,R2C2:R3C3,C4),R1)"},
    });
}

TEST(RoundTrip, literals_and_operators_read_back_unchanged) {
    std::vector<Case> cases = {
        {"A1", "=\"a\"\"b\"&\"\xE6\x97\xA5\xE6\x9C\xAC\"&\"\xF0\x9F\x98\x80\"&\"\xC3\xA9\""},
        {"A1", "=R1C1%*50%"},
        {"A1", "=-R1C1+--2-+3"},
        {"A1", "=-2^2"},
        {"A1", "=((1+2))*(3)"},
        {"A1", "=1.5+0.1+100+1E+20+1E-10+65535+65536+0"},
        {"A1", "=1.2345678901234568E+17"},
        {"A1", "=TRUE&FALSE"},
        {"A1", "=IF(R[1]C,,0)"},
        {"A1", "=1=2<>(3<4)&(5<=6)&(7>8)&(9>=10)"},
    };
    for (const char* error : {"#NULL!", "#DIV/0!", "#VALUE!", "#REF!", "#NAME?", "#NUM!", "#N/A"})
        cases.push_back({"A1", std::string("=") + error});
    expectRoundTrips(cases);
}

// Each function with its fewest and its most arguments (or 3 when unlimited).
TEST(RoundTrip, every_function_in_the_table_reads_back_unchanged) {
    const char* arguments[] = {"R[1]C", "2", "R1C1:R2C2", "\"x\""};
    std::vector<Case> cases;
    for (const formula::FunctionInfo& f : formula::functionTable()) {
        for (const int count : {f.minArguments, std::min(f.maxArguments, 3), f.maxArguments}) {
            std::string text = "=" + std::string(f.name) + "(";
            for (int i = 0; i < count; ++i) text += (i ? "," : "") + std::string(arguments[i % 4]);
            cases.push_back({"B2", text + ")"});
        }
    }
    expectRoundTrips(cases);
}

TEST(RoundTrip, chart_series_references_read_back_unchanged) {
    expectRoundTrips({{"A1", "=(Data!R15C3,Data!R18C3)"},
                      {"A1", "=('Breakeven Analysis Data'!R15C3,'Breakeven Analysis Data'!R18C3:R19C3)"},
                      {"A1", "=Data!R2C2:R5C2"},
                      {"A1", "=Data!C3"}},
                     TokenContext::ChartSeries);
}

struct Changed {
    Case in;
    std::string out;
    TokenContext context;
};

// The few forms the file keeps differently, each for a stated reason.
TEST(RoundTrip, forms_the_file_keeps_differently_come_back_in_the_files_form) {
    const Changed cases[] = {
        {{"A1", "=R5C1:R1C2"}, "=R1C1:R5C2", TokenContext::Cell},       // areas are stored top-left first
        {{"A2", "=R[-5]C+1"}, "=#REF!+1", TokenContext::Cell},          // off the grid: an error token
        {{"A2", "=SUM(Data!R[-5]C:R[1]C)"}, "=SUM(#REF!)", TokenContext::Cell},
        {{"B2", "=Data!R[1]C"}, "=Data!R3C2", TokenContext::ChartSeries},  // chart references are absolute
    };
    for (const Changed& c : cases) EXPECT_EQ(throughTokens(c.in, c.context, false), c.out) << c.in.r1c1;
}

}  // namespace
