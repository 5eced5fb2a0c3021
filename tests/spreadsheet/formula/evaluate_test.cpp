// Evaluation with the spreadsheet's rules, one table per concern: precedence,
// comparisons, empty cells and text, references, functions, error values.
#include "test_book.h"

using namespace formula_test;

namespace {

struct Case {
    const char* formula;
    Value expected;
};

void expectAll(TestBook& book, std::initializer_list<Case> cases) {
    for (const Case& c : cases) EXPECT_EQ(book.eval(c.formula), c.expected) << c.formula;
}

TEST(Precedence, operators_bind_as_the_spreadsheet_binds_them) {
    TestBook book;
    expectAll(book, {
                        {"=1+2*3", num(7)},
                        {"=(1+2)*3", num(9)},
                        {"=-2^2", num(4)},  // unary minus binds tighter than ^
                        {"=0-2^2", num(-4)},
                        {"=2^3^2", num(64)},  // left to right
                        {"=2*3^2", num(18)},
                        {"=10-4-3", num(3)},
                        {"=8/4/2", num(1)},
                        {"=50%*4", num(2)},
                        {"=-50%", num(-0.5)},
                        {"=2^-1", num(0.5)},
                        {"=1+2&3", txt("33")},  // & after +
                        {"=\"a\"&1=\"A1\"", boolean(true)},  // comparison after &
                        {"=2>1=TRUE", boolean(true)},
                        {"=--3", num(3)},
                        {"=+\"x\"", txt("x")},
                    });
}

TEST(Comparisons, numbers_sort_before_texts_before_booleans) {
    TestBook book;
    expectAll(book, {
                        {"=1<\"a\"", boolean(true)},
                        {"=99999<\"\"", boolean(true)},
                        {"=\"zzz\"<FALSE", boolean(true)},
                        {"=FALSE<TRUE", boolean(true)},
                        {"=\"10\"=10", boolean(false)},  // no conversion when comparing
                        {"=\"abc\"=\"ABC\"", boolean(true)},
                        {"=\"a\"<\"B\"", boolean(true)},
                        {"=\"b\">=\"B\"", boolean(true)},
                        {"=2<>2", boolean(false)},
                        {"=0.1+0.2=0.3", boolean(true)},  // equal to 15 significant digits
                        {"=1=1.0000000001", boolean(false)},
                    });
}

TEST(EmptyCells, an_empty_cell_is_zero_or_empty_text_as_its_partner_needs) {
    TestBook book;
    book.enter("B1", "");
    expectAll(book, {
                        {"=A1", num(0)},  // a formula never shows empty
                        {"=A1+1", num(1)},
                        {"=A1&\"x\"", txt("x")},
                        {"=A1=0", boolean(true)},
                        {"=A1=\"\"", boolean(true)},
                        {"=A1=FALSE", boolean(true)},
                        {"=A1<-1", boolean(false)},
                        {"=B1*2", num(0)},
                        {"=IF(A1,1,2)", num(2)},
                    });
    EXPECT_EQ(book.value("A1"), Value());
}

TEST(TextInFormulas, text_converts_to_a_number_only_when_it_reads_as_one) {
    TestBook book;
    book.enter("A1", "'12.5");
    expectAll(book, {
                        {"=A1*2", num(25)},
                        {"=\" 3 \"*2", num(6)},
                        {"=\"1e3\"+0", num(1000)},
                        {"=\"50%\"*2", num(1)},
                        {"=\"abc\"+1", err(ErrorCode::Value)},
                        {"=-\"x\"", err(ErrorCode::Value)},
                        {"=TRUE+1", num(2)},
                        {"=1/3&\"\"", txt("0.333333333333333")},
                        {"=1E+20&\"|\"&0.1&\"|\"&-2", txt("1E+20|0.1|-2")},
                    });
}

TEST(References, relative_absolute_and_other_sheets) {
    TestBook book({"Data", "Second Sheet"});
    book.enter("B2", "5");
    book.enter("A1", "7", 1);
    book.enterR1C1("C3", "=R[-1]C[-1]+R2C2");
    book.enter("C4", "=$B$2*B$2");
    book.enter("C5", "=data!B2+'second sheet'!A1");
    book.enterR1C1("C6", "='Second Sheet'!R1C1*2");
    book.enter("C7", "=Missing!A1");
    book.enterR1C1("A2", "=R[-5]C");  // off the grid from row 2
    book.enterR1C1("A3", "=SUM(R[-1]C[-1]:R[1]C)");
    EXPECT_EQ(book.value("C3"), num(10));
    EXPECT_EQ(book.value("C4"), num(25));
    EXPECT_EQ(book.value("C5"), num(12));
    EXPECT_EQ(book.value("C6"), num(14));
    EXPECT_EQ(book.value("C7"), err(ErrorCode::Ref));
    EXPECT_EQ(book.value("A2"), err(ErrorCode::Ref));
    EXPECT_EQ(book.value("A3"), err(ErrorCode::Ref));
}

TEST(References, areas_unions_and_ranges) {
    TestBook book;
    for (const char* cell : {"A1", "A2", "A3", "A4"}) book.enter(cell, "1");
    book.enter("A2", "10");
    book.enter("A3", "100");
    book.enter("D2", "=A1:A3");  // one column: the cell in the host's row
    book.enter("D9", "=A1:A3");
    expectAll(book, {
                        {"=SUM((A1,A3))", num(101)},  // a union: the cells, not the block between
                        {"=SUM((A1:A2):A3)", num(111)},
                        {"=SUM(A:A)", num(112)},
                        {"=SUM(3:4)", num(101)},
                        {"=(A1,A2)", err(ErrorCode::Value)},
                    });
    EXPECT_EQ(book.value("D2"), num(10));
    EXPECT_EQ(book.value("D9"), err(ErrorCode::Value));
}

TEST(References, results_are_cached_until_the_workbook_changes) {
    TestBook book;
    book.enter("A1", "1");
    book.enter("B1", "=A1*2");
    EXPECT_EQ(book.value("B1"), num(2));
    book.enter("A1", "5");
    EXPECT_EQ(book.value("B1"), num(10));
}

TEST(Functions, aggregates_take_numbers_from_ranges_and_convert_direct_arguments) {
    TestBook book;
    book.enter("A1", "1");
    book.enter("A2", "'2");
    book.enter("A3", "TRUE");
    book.enter("A5", "4");
    book.enter("A6", "abc");
    expectAll(book, {
                        {"=SUM(A1:A6)", num(5)},
                        {"=SUM(1,\"2\",TRUE)", num(4)},
                        {"=SUM(A2)", num(0)},
                        {"=SUM(\"abc\")", err(ErrorCode::Value)},
                        {"=AVERAGE(A1:A6)", num(2.5)},
                        {"=AVERAGE(A4)", err(ErrorCode::Div0)},
                        {"=MIN(A1:A6)", num(1)},
                        {"=MAX(A1:A6,-3)", num(4)},
                        {"=MIN(A4)", num(0)},
                        {"=MAX(B1:B9)", num(0)},
                        {"=COUNT(A1:A6)", num(2)},
                        {"=COUNT(1,\"2\",\"x\",TRUE,1/0)", num(3)},
                    });
}

TEST(Functions, conditions_and_logic) {
    TestBook book;
    book.enter("A1", "1");
    book.enter("A2", "TRUE");
    book.enter("A3", "abc");
    expectAll(book, {
                        {"=IF(A1,\"yes\",\"no\")", txt("yes")},
                        {"=IF(0,1)", boolean(false)},
                        {"=IF(1,,2)", num(0)},
                        {"=IF(\"x\",1,2)", err(ErrorCode::Value)},
                        {"=IF(\"true\",1,2)", num(1)},
                        {"=IF(\"0\",1,2)", num(2)},
                        {"=IF(TRUE,1,1/0)", num(1)},  // only the branch taken is evaluated
                        {"=AND(A1:A3)", boolean(true)},
                        {"=AND(A1:A3,0)", boolean(false)},
                        {"=AND(A3)", err(ErrorCode::Value)},  // nothing but text
                        {"=OR(0,FALSE)", boolean(false)},
                        {"=OR(\"x\")", err(ErrorCode::Value)},
                        {"=NOT(\"FALSE\")", boolean(true)},
                        {"=NOT(TRUE())", boolean(false)},
                    });
}

TEST(Functions, arithmetic) {
    TestBook book;
    expectAll(book, {
                        {"=ROUND(2.5,0)", num(3)},
                        {"=ROUND(-2.5,0)", num(-3)},
                        {"=ROUND(2.675,2)", num(2.68)},
                        {"=ROUND(1.005,2)", num(1.01)},
                        {"=ROUND(1234.5,-2)", num(1200)},
                        {"=ROUND(1.25,1.9)", num(1.3)},
                        {"=ABS(-3)", num(3)},
                        {"=INT(-2.5)", num(-3)},
                        {"=MOD(-3,2)", num(1)},
                        {"=ISERROR(1/0)", boolean(true)},
                        {"=ISERROR(1)", boolean(false)},
                    });
}

TEST(Functions, argument_counts_are_checked_for_built_trees_too) {
    using namespace spreadsheet::formula;
    TestBook book;
    book.book().sheet(0).setFormula({1, 1}, Formula::fromTree(Node::makeFunction("ROUND", {Node::makeNumber(1)})));
    EXPECT_EQ(book.value("A1"), err(ErrorCode::Value));
}

TEST(Errors, every_kind_arises_where_the_spreadsheet_raises_it) {
    TestBook book;
    expectAll(book, {
                        {"=1/0", err(ErrorCode::Div0)},
                        {"=MOD(1,0)", err(ErrorCode::Div0)},
                        {"=0^-1", err(ErrorCode::Div0)},
                        {"=\"a\"*1", err(ErrorCode::Value)},
                        {"=Nowhere!A1", err(ErrorCode::Ref)},
                        {"=FOO(1)", err(ErrorCode::Name)},
                        {"=SomeName+1", err(ErrorCode::Name)},
                        {"=10^400", err(ErrorCode::Num)},
                        {"=(-8)^0.5", err(ErrorCode::Num)},
                        {"=0^0", err(ErrorCode::Num)},
                        {"=NA()", err(ErrorCode::NA)},
                        {"=#NULL!", err(ErrorCode::Null)},
                    });
}

TEST(Errors, the_first_error_among_operands_wins) {
    TestBook book;
    book.enter("A1", "1");
    book.enter("A2", "=1/0");
    book.enter("A3", "#N/A");
    expectAll(book, {
                        {"=1/0+#N/A", err(ErrorCode::Div0)},
                        {"=#N/A+1/0", err(ErrorCode::NA)},
                        {"=SUM(A1:A3)", err(ErrorCode::Div0)},
                        {"=MAX(A3,A2)", err(ErrorCode::NA)},
                        {"=IF(#REF!,1,2)", err(ErrorCode::Ref)},
                        {"=-#NUM!", err(ErrorCode::Num)},
                        {"=#VALUE!&\"x\"", err(ErrorCode::Value)},
                        {"=A3=1", err(ErrorCode::NA)},
                        {"=AND(TRUE,A2)", err(ErrorCode::Div0)},
                        {"=ISERROR(A3)", boolean(true)},
                    });
}

}  // namespace
