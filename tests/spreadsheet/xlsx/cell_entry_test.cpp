// What each kind of cell becomes: constants by kind, formulas with cached
// results of every kind, and what the file cannot hold as it is.
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/xlsx/cell_entry.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace spreadsheet::xlsx;
namespace model = spreadsheet::model;
using model::Value;

namespace {

CellEntry constant(Value v) {
    model::Cell cell;
    cell.constant = std::move(v);
    return cellEntry(cell, {1, 1}, [] () -> Value { ADD_FAILURE() << "a constant needs no result"; return {}; });
}

CellEntry formula(const std::string& text, Value result, model::CellAddress at = {7, 7}) {
    model::Cell cell;
    cell.formula = spreadsheet::formula::Formula::parseA1(text, at);
    return cellEntry(cell, at, [&] { return result; });
}

}  // namespace

TEST(CellEntry, constants_keep_their_kind) {
    EXPECT_EQ(constant(Value()), CellEntry(BlankEntry{}));
    EXPECT_EQ(constant(Value::number(12.5)), CellEntry(NumberEntry{12.5}));
    EXPECT_EQ(constant(Value::text("Smith & Sons, Inc.")), CellEntry(TextEntry{"Smith & Sons, Inc."}));
    EXPECT_EQ(constant(Value::boolean(true)), CellEntry(BooleanEntry{true}));
    // The library writes no error constant: the error's formula calculates to it everywhere.
    EXPECT_EQ(constant(Value::error(model::ErrorCode::NA)), CellEntry(FormulaEntry{"#N/A", std::string("#N/A")}));
    // As in the 97-2003 file, a number that is not finite is #NUM!.
    EXPECT_EQ(constant(Value::number(std::numeric_limits<double>::infinity())),
              CellEntry(FormulaEntry{"#NUM!", std::string("#NUM!")}));
}

TEST(CellEntry, formulas_go_in_a1_form_with_every_kind_of_cached_result) {
    EXPECT_EQ(formula("=IF(OR(F5<>0,F6<>0),F5*F6,0)", Value::number(12500)),
              CellEntry(FormulaEntry{"IF(OR(F5<>0,F6<>0),F5*F6,0)", 12500.0}));
    EXPECT_EQ(formula("=F5", Value::text("twelve")), CellEntry(FormulaEntry{"F5", std::string("twelve")}));
    EXPECT_EQ(formula("=F5>0", Value::boolean(true)), CellEntry(FormulaEntry{"F5>0", std::string("TRUE")}));
    EXPECT_EQ(formula("=F5*F6", Value::error(model::ErrorCode::Value)),
              CellEntry(FormulaEntry{"F5*F6", std::string("#VALUE!")}));
    EXPECT_EQ(formula("=IF(AND(F18>0,G27>0),G27/F18,\"\")", Value::text("")),
              CellEntry(FormulaEntry{"IF(AND(F18>0,G27>0),G27/F18,\"\")", std::string()}));
    EXPECT_EQ(formula("=1/0", Value::number(std::nan(""))), CellEntry(FormulaEntry{"1/0", std::string("#NUM!")}));
    EXPECT_EQ(formula("=\"a\x01\"", Value::text("a\x01")),
              CellEntry(FormulaEntry{"\"a_x0001_\"", std::string("a_x0001_")}));
}

// A formula typed within the limit can print longer in A1 form ("RC" is
// "IV65536" there): past what a cell holds it goes as its result.
TEST(CellEntry, a_formula_longer_than_a_cell_holds_goes_as_its_result) {
    std::string text = "=RC*RC";
    for (int i = 0; i < 700; ++i) text += "+RC*RC";
    model::Cell cell;
    const model::CellAddress host{65536, 256};
    cell.formula = spreadsheet::formula::Formula::parseR1C1(text, host);
    ASSERT_GT(cell.formula->toA1(host).size(), kMaxFormulaCharacters);
    EXPECT_EQ(cellEntry(cell, host, [] { return Value::number(4097); }), CellEntry(NumberEntry{4097}));
}
