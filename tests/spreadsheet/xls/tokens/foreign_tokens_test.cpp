// Tokens other writers put in formulas and chart series: shared-formula
// relative references, every token class, attribute tokens, cached reference
// subexpressions, IF without jumps. Each must read as the formula it means.
#include "spreadsheet/formula/formula.h"
#include "token_test_support.h"

#include <gtest/gtest.h>

using namespace spreadsheet;
using namespace spreadsheet::xls::tokens;
using token_test::at;

namespace {

struct Foreign {
    const char* name;
    const char* host;
    const char* hex;
    const char* r1c1;
};

const Foreign kForeign[] = {
    {"PtgRefN offsets", "B2", "4C FF FF FF C0", "=R[-1]C[-1]"},
    {"PtgRefN 14-bit column offset", "C3", "4C 01 00 FE FF", "=R[1]C[-2]"},
    {"PtgRefN wraps around the grid", "A1", "4C FF FF FF C0", "=R[65535]C[255]"},
    {"PtgRefN absolute parts", "B2", "4C 04 00 02 00", "=R5C3"},
    {"PtgAreaN", "B2", "4D 00 00 02 00 00 C0 00 C0", "=RC:R[2]C"},
    {"tAttrSum", "A1", "25 00 00 04 00 00 00 00 00 19 10 00 00", "=SUM(R1C1:R5C1)"},
    {"tAttrSemi and tAttrSpace", "A1", "19 01 00 00 19 40 00 02 1E 01 00", "=1"},
    {"IF without jumps", "A1", "44 00 00 00 00 1E 01 00 1E 02 00 42 03 01 00", "=IF(R1C1,1,2)"},
    {"array class", "A1", "64 00 00 00 00 62 01 04 00", "=SUM(R1C1)"},
    {"reference class function", "A1", "1E 05 00 21 18 00", "=ABS(5)"},
    {"PtgMemFunc", "A1", "29 0B 00 24 00 00 00 00 24 01 00 00 00 10 15 42 01 04 00", "=SUM((R1C1,R2C1))"},
    {"PtgMemArea", "A1", "26 00 00 00 00 0B 00 24 00 00 00 00 24 01 00 00 00 10 15 42 01 04 00",
     "=SUM((R1C1,R2C1))"},
    {"PtgMemNoMem", "A1", "28 00 00 00 00 05 00 24 00 00 00 00 42 01 04 00", "=SUM(R1C1)"},
    {"negative PtgNum", "A1", "1F 00 00 00 00 00 00 04 C0", "=-2.5"},
    {"UTF-16 surrogate pair", "A1", "17 02 01 3D D8 00 DE", "=\"\xF0\x9F\x98\x80\""},
    {"lone surrogate", "A1", "17 01 01 00 D8", "=\"\xEF\xBF\xBD\""},
    {"FALSE", "A1", "1D 00", "=FALSE"},
    // Before: read as stored, R5C1:R1C1, which the next save wrote as R1C1:R5C1.
    {"PtgArea bottom-right first", "A1", "25 04 00 00 00 00 00 00 00", "=R1C1:R5C1"},
    {"PtgArea relative columns right-left", "A1", "25 00 00 00 00 03 C0 01 C0", "=RC[1]:RC[3]"},
    {"PtgRefErr", "A1", "2A 00 00 00 00", "=#REF!"},
    {"PtgAreaErr3d", "A1", "3D 01 00 00 00 00 00 00 00 00 00", "=#REF!"},
    {"tAttrChoose jump table", "A1", "1E 01 00 19 04 01 00 AA AA BB BB 1E 02 00 03", "=1+2"},
};

TEST(ForeignTokens, tokens_other_writers_use_read_as_the_formula_they_mean) {
    token_test::SheetList sheets({"Sheet1", "Data"});
    for (const Foreign& f : kForeign) {
        try {
            const auto formula = decompileFormula(token_test::fromHex(f.hex), at(f.host), TokenContext::Cell, &sheets);
            EXPECT_EQ(formula->toR1C1(at(f.host)), f.r1c1) << f.name;
        } catch (const TokenError& e) {
            ADD_FAILURE() << f.name << ": " << e.what();
        }
    }
}

TEST(ForeignTokens, a_shared_formula_pointer_names_its_base_cell) {
    try {
        decompileFormula(token_test::fromHex("01 04 00 02 00"), {7, 4}, TokenContext::Cell, nullptr);
        FAIL() << "decompiled";
    } catch (const SharedFormulaError& e) {
        EXPECT_EQ(e.baseCell(), (model::CellAddress{5, 3}));
        EXPECT_NE(std::string(e.what()).find("shared formula"), std::string::npos) << e.what();
    }
}

TEST(ForeignTokens, chart_series_without_parentheses_or_with_a_cached_union_read_back) {
    token_test::SheetList sheets({"Data"});
    const char* streams[] = {"3A 00 00 0E 00 02 00 3A 00 00 11 00 02 00 10",
                             "29 0F 00 3A 00 00 0E 00 02 00 3A 00 00 11 00 02 00 10 15"};
    for (const char* hex : streams) {
        const auto series = decompileFormula(token_test::fromHex(hex), {1, 1}, TokenContext::ChartSeries, &sheets);
        EXPECT_EQ(series->toR1C1({1, 1}), "=(Data!R15C3,Data!R18C3)") << hex;
    }
}

}  // namespace
