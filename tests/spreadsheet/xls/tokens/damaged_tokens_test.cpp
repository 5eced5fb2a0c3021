// Damaged or unsupported token bytes: each is refused with a TokenError that
// says what is wrong and at which byte, and no input reads out of bounds
// (every prefix of real formulas and a run of random streams, under the
// sanitizers in the sanitizer build).
#include "spreadsheet/formula/formula.h"
#include "token_test_support.h"

#include <gtest/gtest.h>

#include <random>

using namespace spreadsheet;
using namespace spreadsheet::xls::tokens;

namespace {

struct Damaged {
    const char* name;
    std::string hex;
    const char* message;
    TokenContext context = TokenContext::Cell;
    bool withSheets = true;
};

const Damaged kDamaged[] = {
    {"no tokens", "", "no tokens"},
    {"truncated reference", "44 00 00", "cut short at byte 0"},
    {"truncated number after a token", "1E 01 00 1F 00 00", "cut short at byte 3"},
    {"truncated string", "17 05 00 61 62", "cut short at byte 0"},
    {"truncated wide string", "17 01 01 41", "cut short at byte 0"},
    {"unknown id", "FF", "unknown formula token 0xFF at byte 0"},
    {"unknown classed id", "1E 01 00 2E", "unknown formula token 0x2E at byte 3"},
    {"unknown plain id", "1A", "unknown formula token 0x1A at byte 0"},
    {"extended token", "18 01", "unknown formula token 0x18 at byte 0"},
    {"operator alone", "03", "operator without its operands at byte 0"},
    {"operator with one operand", "1E 01 00 03", "without its operands at byte 3"},
    {"two expressions left", "1E 01 00 1E 02 00", "leave 2 expressions instead of one at byte 6"},
    {"call short of arguments", "1E 01 00 42 02 04 00", "without all its arguments at byte 3"},
    {"unknown function", "41 FF 00", "unknown function number 255 at byte 0"},
    {"macro command", "1E 01 00 42 01 04 80", "macro command"},
    {"argument count out of range", "42 00 04 00", "SUM with 0 arguments at byte 0"},
    {"variable function without count", "1E 01 00 41 04 00", "SUM without its argument count"},
    {"unknown error code", "1C 05", "unknown error code 0x05 at byte 0"},
    {"column beyond the grid", "44 00 00 00 01", "column beyond the grid at byte 0"},
    {"unknown sheet index", "5A 09 00 00 00 00 00", "unknown sheet index 9 at byte 0"},
    {"3D without sheet table", "5A 00 00 00 00 00 00", "without the workbook's sheet table", TokenContext::Cell, false},
    {"defined name", "43 01 00 00 00", "defined name"},
    {"external name", "59 00 00 01 00 00 00", "external name"},
    {"array constant", "60 00 00 00 00 00 00 00", "array constant"},
    {"data table", "02 00 00 00 00", "data table"},
    {"intersection", "24 00 00 00 00 24 00 00 00 00 0F", "intersection operator"},
    {"missing argument as operand", "16 1E 01 00 03", "missing argument as an operand at byte 4"},
    {"missing argument alone", "16", "missing argument outside a function call"},
    {"range of numbers", "1E 01 00 1E 02 00 11", "not references at byte 6"},
    {"subexpression past the end", "29 10 00 1E 01 00", "longer than the tokens left at byte 0"},
    {"not a number", "1F 00 00 00 00 00 00 F8 7F", "not finite at byte 0"},
    {"unknown attribute", "1E 01 00 19 80 00 00", "unknown attribute token 0x80 at byte 3"},
    {"attribute without flags", "19 00 00 00", "unknown attribute token 0x00 at byte 0"},
    {"choose table past the end", "1E 01 00 19 04 05 00 00 00", "cut short at byte 3"},
    {"tAttrSum on nothing", "19 10 00 00", "without its operands at byte 0"},
    {"chart series of a number", "1E 01 00", "not a reference", TokenContext::ChartSeries},
};

// A number under this many unary minus signs.
std::string deepUnaryChain(int depth) {
    std::string hex = "1E 01 00";
    for (int i = 0; i < depth; ++i) hex += " 13";
    return hex;
}

void expectRefused(const Damaged& d) {
    token_test::SheetList sheets({"Sheet1", "Data"});
    try {
        decompileFormula(token_test::fromHex(d.hex), {1, 1}, d.context, d.withSheets ? &sheets : nullptr);
        ADD_FAILURE() << d.name << ": decompiled";
    } catch (const TokenError& e) {
        EXPECT_NE(std::string(e.what()).find(d.message), std::string::npos) << d.name << ": " << e.what();
    }
}

TEST(DamagedTokens, each_damage_is_refused_with_its_reason_and_offset) {
    for (const Damaged& d : kDamaged) expectRefused(d);
    expectRefused({"nested too deeply", deepUnaryChain(1100), "nested too deeply"});
}

// Reads bytes that may be anything: a formula or a TokenError, nothing else.
void expectFormulaOrTokenError(const std::vector<uint8_t>& bytes, const ExternSheets& sheets) {
    try {
        const auto formula = decompileFormula(bytes, {5, 5}, TokenContext::Cell, &sheets);
        EXPECT_FALSE(formula->toR1C1({5, 5}).empty());
    } catch (const TokenError&) {
    }
}

TEST(DamagedTokens, every_prefix_of_real_formulas_is_read_or_refused) {
    token_test::SheetList sheets({"Sheet1", "Data"});
    const char* formulas[] = {"=IF(OR(R[-2]C[-1]<>0,R[-1]C[-1]<>0),R[-2]C[-1]*R[-1]C[-1],0)",
                              "=IF(R1C1,\"\xE2\x82\xAC\",Data!R1C1:R2C2)+0.5"};
    for (const char* text : formulas) {
        const auto bytes = compileFormula(formula::Formula::parseR1C1(text, {7, 7})->root(), {7, 7},
                                          TokenContext::Cell, &sheets);
        for (size_t n = 0; n <= bytes.size(); ++n) {
            const std::vector<uint8_t> prefix(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n));
            expectFormulaOrTokenError(prefix, sheets);
        }
    }
}

TEST(DamagedTokens, random_streams_are_read_or_refused) {
    token_test::SheetList sheets({"Sheet1", "Data"});
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> length(1, 24);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int run = 0; run < 20000; ++run) {
        std::vector<uint8_t> bytes(static_cast<size_t>(length(random)));
        for (uint8_t& b : bytes) b = static_cast<uint8_t>(byte(random));
        expectFormulaOrTokenError(bytes, sheets);
    }
}

}  // namespace
