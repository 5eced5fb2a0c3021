// Whole-sheet evaluation: the breakeven sheet with its example figures and
// empty; circular references (which end with #REF!) and long chains, neither
// of which may hang or exhaust the stack.
#include "test_book.h"

using namespace formula_test;

namespace {

// The computed cells of the breakeven sheet, as the program writes them.
void writeBreakevenFormulas(TestBook& book) {
    book.enterR1C1("G7", "=IF(OR(R[-2]C[-1]<>0,R[-1]C[-1]<>0),R[-2]C[-1]*R[-1]C[-1],0)");
    book.enterR1C1("F15", "=SUM(R[-5]C:R[-1]C)");
    book.enterR1C1("G16", "=IF(R[-1]C[-1],R[-1]C[-1]*R[-10]C[-1],0)");
    book.enterR1C1("F18", "=IF(R[-13]C>0,MAX(0,R[-13]C-R[-3]C),0)");
    book.enterR1C1("G19", "=IF(OR(R[-12]C<>0,R[-3]C<>0),R[-12]C-R[-3]C,0)");
    book.enterR1C1("G27", "=SUM(R[-5]C[-1]:R[-1]C[-1])");
    book.enterR1C1("G29", "=IF(OR(R[-10]C<>0,R[-2]C<>0),R[-10]C-R[-2]C,0)");
    book.enterR1C1("F33", "=IF(AND(R[-15]C>0,R[-6]C[1]>0),R[-6]C[1]/R[-15]C,\"\")");
    const char* shares[] = {"0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1"};
    for (int column = 4; column <= 14; ++column) {
        const int toF = 6 - column;
        const std::string f = toF == 0 ? "C" : "C[" + std::to_string(toF) + "]";
        const std::string g = toF + 1 == 0 ? "C" : "C[" + std::to_string(toF + 1) + "]";
        const std::string x = spreadsheet::model::columnLetters(column);
        book.enterR1C1(x + "35", "=IF(R[-29]" + f + ",R[-29]" + f + "*" + shares[column - 4] + ",0)");
        book.enterR1C1(x + "36", "=R[-31]" + f);
        book.enterR1C1(x + "37", "=R[-10]" + g);
        book.enterR1C1(x + "38", "=R[-23]" + f + "*R[-3]C");
        book.enterR1C1(x + "39", "=SUM(R[-2]C:R[-1]C)");
        book.enterR1C1(x + "40", "=R[-5]C*R[-4]C");
        book.enterR1C1(x + "41", "=R[-1]C-R[-2]C");
    }
}

TEST(Breakeven, example_figures_give_the_expected_totals) {
    TestBook book({"Breakeven Analysis Data"});
    const std::pair<const char*, const char*> inputs[] = {{"F5", "10"}, {"F6", "1000"},  {"F10", "2"},
                                                          {"F11", "1"}, {"F22", "3000"}, {"F23", "1000"}};
    for (const auto& [cell, text] : inputs) book.enterR1C1(cell, text);
    for (const char* empty : {"F12", "F13", "F14", "F24", "F25", "F26"}) book.enterR1C1(empty, "");
    writeBreakevenFormulas(book);
    const std::pair<const char*, Value> expected[] = {
        {"G7", num(10000)}, {"F15", num(3)},    {"G16", num(3000)}, {"F18", num(7)},
        {"G19", num(7000)}, {"G27", num(4000)}, {"G29", num(3000)}, {"F33", num(4000.0 / 7)},
        {"D41", num(-4000)}, {"I41", num(-500)}, {"J41", num(200)}, {"N41", num(3000)},
    };
    for (const auto& [cell, value] : expected) EXPECT_EQ(book.value(cell), value) << cell;
}

TEST(Breakeven, empty_inputs_give_zero_totals_and_an_empty_breakeven_point) {
    TestBook book({"Breakeven Analysis Data"});
    writeBreakevenFormulas(book);
    for (const char* cell : {"G7", "F15", "G16", "F18", "G19", "G27", "G29"}) EXPECT_EQ(book.value(cell), num(0)) << cell;
    EXPECT_EQ(book.value("F33"), txt(""));
    for (int row = 35; row <= 41; ++row)
        for (int column = 4; column <= 14; ++column)
            EXPECT_EQ(book.value(spreadsheet::model::columnLetters(column) + std::to_string(row)), num(0));
}

TEST(CircularReferences, a_cell_referring_to_itself_gives_ref) {
    TestBook book;
    book.enter("A1", "=A1+1");
    book.enter("B1", "=SUM(A1:B1)");
    EXPECT_EQ(book.value("A1"), err(ErrorCode::Ref));
    EXPECT_EQ(book.value("B1"), err(ErrorCode::Ref));
}

TEST(CircularReferences, a_loop_gives_ref_in_every_member_and_in_cells_that_read_it) {
    TestBook book;
    book.enter("A1", "=B1+1");
    book.enter("B1", "=A1+1");
    book.enter("C1", "=A1*2");
    EXPECT_EQ(book.value("C1"), err(ErrorCode::Ref));
    EXPECT_EQ(book.value("A1"), err(ErrorCode::Ref));
    EXPECT_EQ(book.value("B1"), err(ErrorCode::Ref));
}

TEST(CircularReferences, a_chain_of_ten_thousand_cells_is_computed_without_deep_recursion) {
    constexpr int kLength = 10000;
    TestBook book;
    book.enter("A1", "1");
    const auto formula = spreadsheet::formula::Formula::parseR1C1("=R[-1]C+1", {2, 1});  // the same text in every row
    for (int row = 2; row <= kLength; ++row) book.book().sheet(0).setFormula({row, 1}, formula);
    EXPECT_EQ(book.value("A10000"), num(kLength));
    book.enter("A1", "=A10000");  // close the loop
    EXPECT_EQ(book.value("A5000"), err(ErrorCode::Ref));
    EXPECT_EQ(book.value("A1"), err(ErrorCode::Ref));
}

TEST(Depth, long_chains_and_deep_nesting_evaluate_and_print) {
    std::string chain = "=1";
    for (int i = 0; i < 1000; ++i) chain += "-1";
    std::string nested = "=";
    for (int i = 0; i < 98; ++i) nested += "SUM(";
    nested += "-1" + std::string(98, ')');  // 100 levels: the most the parser takes
    TestBook book;
    for (const auto& [text, value] : {std::pair{chain, num(-999)}, std::pair{nested, num(-1)}}) {
        EXPECT_EQ(book.eval(text), value);
        EXPECT_EQ(spreadsheet::formula::Formula::parseA1(text, {1, 1})->toA1({1, 1}), text);
    }
}

}  // namespace
