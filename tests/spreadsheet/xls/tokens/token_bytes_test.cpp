// Exact token bytes for formulas, hand-assembled from the [MS-XLS] token
// layouts, so that a wrong token id, class, flag bit or jump offset shows up
// byte for byte; and the formulas the compiler must refuse.
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/xls/tokens/operand_class.h"
#include "token_test_support.h"

#include <gtest/gtest.h>

#include <span>

using namespace spreadsheet;
using namespace spreadsheet::xls::tokens;
using token_test::at;

namespace {

struct BytesCase {
    const char* host;
    const char* r1c1;
    const char* hex;
};

std::string compiledHex(const BytesCase& c, TokenContext context = TokenContext::Cell) {
    token_test::SheetList sheets({"Sheet1", "Breakeven Analysis Data", "Data"});
    const auto formula = formula::Formula::parseR1C1(c.r1c1, at(c.host));
    return token_test::toHex(compileFormula(formula->root(), at(c.host), context, &sheets));
}

// Relative references: resolved row and column with both relative bits (0xC000) set.
const BytesCase kBreakeven[] = {
    {"G7", "=IF(OR(R[-2]C[-1]<>0,R[-1]C[-1]<>0),R[-2]C[-1]*R[-1]C[-1],0)",
     "44 04 00 05 C0 1E 00 00 0E 44 05 00 05 C0 1E 00 00 0E 42 02 25 00 19 02 0F 00 "
     "44 04 00 05 C0 44 05 00 05 C0 05 19 08 0A 00 1E 00 00 19 08 03 00 42 03 01 00"},
    {"F15", "=SUM(R[-5]C:R[-1]C)", "25 09 00 0D 00 05 C0 05 C0 42 01 04 00"},
    {"F33", "=IF(AND(R[-15]C>0,R[-6]C[1]>0),R[-6]C[1]/R[-15]C,\"\")",
     "44 11 00 05 C0 1E 00 00 0D 44 1A 00 06 C0 1E 00 00 0D 42 02 24 00 19 02 0F 00 "
     "44 1A 00 06 C0 44 11 00 05 C0 06 19 08 0A 00 17 00 00 19 08 03 00 42 03 01 00"},
};

const BytesCase kLiterals[] = {
    {"A1", "=1", "1E 01 00"},
    {"A1", "=65535", "1E FF FF"},
    {"A1", "=65536", "1F 00 00 00 00 00 00 F0 40"},
    {"A1", "=0.5", "1F 00 00 00 00 00 00 E0 3F"},
    {"A1", "=TRUE", "1D 01"},
    {"A1", "=#N/A", "1C 2A"},
    {"A1", "=#DIV/0!", "1C 07"},
    {"A1", "=\"abc\"", "17 03 00 61 62 63"},
    {"A1", "=\"\xC3\xA9\"", "17 01 00 E9"},                          // é fits 8 bits
    {"A1", "=\"\xE2\x82\xAC\"", "17 01 01 AC 20"},                   // € needs UTF-16
    {"A1", "=\"\xF0\x9D\x84\x9E\"", "17 02 01 34 D8 1E DD"},         // a surrogate pair counts twice
};

const BytesCase kOperators[] = {
    {"A1", "=-R1C1%", "44 00 00 00 00 13 14"},
    {"A1", "=+R1C1", "44 00 00 00 00 12"},
    {"A1", "=(1+2)*3", "1E 01 00 1E 02 00 03 15 1E 03 00 05"},
    {"A1", "=\"a\"&2^3/4-5", "17 01 00 61 1E 02 00 1E 03 00 07 1E 04 00 06 1E 05 00 04 08"},
    {"A1", "=1=2<>3<4>5<=6>=7", "1E 01 00 1E 02 00 0B 1E 03 00 0E 1E 04 00 09 1E 05 00 0D 1E 06 00 0A 1E 07 00 0C"},
    {"A1", "=SUM(R1C1:R2C2:R3C3)", "25 00 00 01 00 00 00 01 00 24 02 00 02 00 11 42 01 04 00"},
    {"A1", "=SUM((R1C1,R2C2))", "24 00 00 00 00 24 01 00 01 00 10 15 42 01 04 00"},
};

const BytesCase kReferencesAndCalls[] = {
    {"E5", "=SUM(C[-4],R[-2]:R[-1])", "25 00 00 FF FF 00 40 00 40 25 02 00 03 00 00 80 FF 80 42 02 04 00"},
    {"A1", "=SUM(C2:C3)", "25 00 00 FF FF 01 00 02 00 42 01 04 00"},
    {"A1", "=R1C1", "44 00 00 00 00"},
    {"A1", "=R5C1:R1C2", "45 00 00 04 00 00 00 01 00"},  // corners stored top-left first,
    {"A1", "=R[4]C[1]:R1C1", "45 00 00 04 00 00 00 01 C0"},  // each coordinate keeping its own flag
    {"A2", "=R[-5]C", "4A 00 00 00 00"},                   // off the grid: PtgRefErr
    {"A2", "=SUM(R[-5]C:R[1]C)", "2B 00 00 00 00 00 00 00 00 42 01 04 00"},
    {"A2", "=Data!R[-5]C", "5C 02 00 00 00 00 00"},
    {"A1", "='Breakeven Analysis Data'!R37C2", "5A 01 00 24 00 01 00"},
    {"B2", "=data!R[1]C", "5A 02 00 02 00 01 C0"},
    {"A1", "='Breakeven Analysis Data'!R5C6:R26C6", "5B 01 00 04 00 19 00 05 00 05 00"},
    {"A1", "=ABS(R1C1)+SUM(R1C1)", "44 00 00 00 00 41 18 00 24 00 00 00 00 42 01 04 00 03"},
    {"A1", "=ROUND(R1C1,2)", "44 00 00 00 00 1E 02 00 41 1B 00"},
    {"A1", "=TRUE()", "41 22 00"},
    {"A1", "=IF(R1C1,1)", "44 00 00 00 00 19 02 07 00 1E 01 00 19 08 03 00 42 02 01 00"},
    {"A1", "=IF(R1C1,,0)", "44 00 00 00 00 19 02 05 00 16 19 08 0A 00 1E 00 00 19 08 03 00 42 03 01 00"},
    {"A1", "=IF(R1C1,R1C2,R1C3)",
     "44 00 00 00 00 19 02 09 00 24 00 00 01 00 19 08 0C 00 24 00 00 02 00 19 08 03 00 42 03 01 00"},
    {"A1", "=IF(R1C1,1,IF(R1C2,2,3))",
     "44 00 00 00 00 19 02 07 00 1E 01 00 19 08 22 00 44 00 00 01 00 19 02 07 00 1E 02 00 19 08 0A 00 "
     "1E 03 00 19 08 03 00 42 03 01 00 19 08 03 00 42 03 01 00"},
};

// Chart series: reference-class 3D tokens, always absolute.
const BytesCase kChartSeries[] = {
    {"A1", "=('Data'!R15C3,'Data'!R18C3)", "3A 02 00 0E 00 02 00 3A 02 00 11 00 02 00 10 15"},
    {"A1", "=Data!R2C2:R5C2", "3B 02 00 01 00 04 00 01 00 01 00"},
    {"B2", "=Data!R[1]C", "3A 02 00 02 00 01 00"},
};

TEST(TokenBytes, cell_formulas_compile_to_the_hand_assembled_tokens) {
    for (const std::span<const BytesCase> table :
         {std::span<const BytesCase>(kBreakeven), std::span<const BytesCase>(kLiterals),
          std::span<const BytesCase>(kOperators), std::span<const BytesCase>(kReferencesAndCalls)})
        for (const BytesCase& c : table) EXPECT_EQ(compiledHex(c), c.hex) << c.host << " " << c.r1c1;
}

TEST(TokenBytes, chart_series_compile_to_reference_class_3d_tokens) {
    for (const BytesCase& c : kChartSeries) EXPECT_EQ(compiledHex(c, TokenContext::ChartSeries), c.hex) << c.r1c1;
}

TEST(TokenBytes, every_engine_function_has_parameter_classes) {
    for (const formula::FunctionInfo& f : formula::functionTable()) EXPECT_TRUE(hasParameterClasses(f.name)) << f.name;
}

struct Refusal {
    const char* name;
    formula::NodePtr root;
    TokenContext context;
    bool withSheets;
    const char* message;
};

std::string repeat(std::string_view piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

TEST(TokenBytes, formulas_the_file_cannot_hold_are_refused_with_a_reason) {
    using formula::Node;
    const formula::NodePtr one = Node::makeNumber(1);
    const formula::NodePtr otherSheet = Node::makeReference({{1, false}, {1, false}}, "Other");
    const formula::NodePtr dataSheet = Node::makeReference({{1, false}, {1, false}}, "Data");
    const Refusal refusals[] = {
        {"unknown function", Node::makeFunction("NPV", {one}), TokenContext::Cell, true, "has no function NPV"},
        {"256 characters", Node::makeText(std::string(256, 'x')), TokenContext::Cell, true, "longer than 255"},
        {"256 UTF-16 units", Node::makeText(repeat("\xF0\x9D\x84\x9E", 128)), TokenContext::Cell, true, "(256)"},
        {"malformed UTF-8", Node::makeText("\xC3"), TokenContext::Cell, true, "not valid UTF-8"},
        {"overlong UTF-8", Node::makeText("\xC0\xAF"), TokenContext::Cell, true, "not valid UTF-8"},
        {"encoded surrogate", Node::makeText("\xED\xA0\x80"), TokenContext::Cell, true, "not valid UTF-8"},
        {"infinite number", Node::makeNumber(1e308 * 10), TokenContext::Cell, true, "must be finite"},
        {"defined name", Node::makeName("Total"), TokenContext::Cell, true, "no defined name Total"},
        {"wrong count", Node::makeFunction("ABS", {one, one}), TokenContext::Cell, true,
         "ABS cannot be written with 2"},
        {"unknown sheet", otherSheet, TokenContext::Cell, true, "no sheet Other"},
        {"no sheet table", dataSheet, TokenContext::Cell, false, "needs the workbook's sheet table"},
        {"chart number", one, TokenContext::ChartSeries, true, "a chart series takes only"},
        {"chart 2D reference", Node::makeReference({{1, false}, {1, false}}), TokenContext::ChartSeries, true,
         "a chart series takes only"},
        {"chart sum", Node::makeFunction("SUM", {dataSheet}), TokenContext::ChartSeries, true,
         "a chart series takes only"},
    };
    token_test::SheetList sheets({"Data"});
    for (const Refusal& r : refusals) {
        try {
            compileFormula(*r.root, {1, 1}, r.context, r.withSheets ? &sheets : nullptr);
            ADD_FAILURE() << r.name << ": compiled";
        } catch (const TokenError& e) {
            EXPECT_NE(std::string(e.what()).find(r.message), std::string::npos) << r.name << ": " << e.what();
        }
    }
}

TEST(TokenBytes, text_at_the_length_limit_is_written) {
    const std::string texts[] = {std::string(255, 'x'), repeat("\xE2\x82\xAC", 255),
                                 repeat("\xF0\x9D\x84\x9E", 127) + "x"};
    for (const std::string& text : texts) {
        const auto bytes = compileFormula(*formula::Node::makeText(text), {1, 1}, TokenContext::Cell, nullptr);
        ASSERT_GE(bytes.size(), 3u);
        EXPECT_EQ(bytes[1], 255) << "character count";
        EXPECT_EQ(decompileFormula(bytes, {1, 1}, TokenContext::Cell, nullptr)->root().text, text);
    }
}

}  // namespace
