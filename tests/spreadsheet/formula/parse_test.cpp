// Tokenizing and parsing: token kinds as one letter each, the tree shapes the
// file writer relies on, and every parse error with its position.
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/formula/interpreter.h"
#include "spreadsheet/formula/tokenizer.h"

#include <gtest/gtest.h>

using namespace spreadsheet::formula;
using spreadsheet::model::CellAddress;

namespace {

struct KindsCase {
    const char* text;
    Notation notation;
    const char* kinds;  // n number, s text, b Boolean, e error, r reference, i name, f function, o operator
};

const KindsCase kKinds[] = {
    {"=SUM(R[-5]C:R[-1]C)", Notation::R1C1, "f(r:r)"},
    {"=IF(OR(R[-2]C[-1]<>0,R[-1]C[-1]<>0),R[-2]C[-1]*R[-1]C[-1],0)", Notation::R1C1, "f(f(ron,ron),ror,n)"},
    {"=ROUND(RC,2)+RATE", Notation::R1C1, "f(r,n)oi"},  // names that start like row references
    {"=R+C+RC+R5+C[2]", Notation::R1C1, "rorororor"},
    {"=A1+R1C1", Notation::A1, "roi"},               // R1C1 is a name in A1 notation
    {"=LOG10(A1)+ABC", Notation::A1, "f(r)oi"},
    {"='Breakeven Analysis Data'!R37C2", Notation::R1C1, "r"},
    {"=Data!$B$37:B38", Notation::A1, "r:r"},
    {"=SUM(A:$C,3:4)", Notation::A1, "f(r,r)"},  // whole columns and rows are one token each
    {"=\"say \"\"hi\"\"\"&#DIV/0!", Notation::A1, "soe"},
    {"= 1.5E+3 % >= true", Notation::A1, "noob"},
    {"=(C15,C18)", Notation::A1, "(r,r)"},
    {"=sum (1)", Notation::A1, "f(n)"},
};

TEST(Tokenizer, kinds_of_tokens) {
    for (const KindsCase& c : kKinds) EXPECT_EQ(tokenKinds(c.text, c.notation, {10, 10}), c.kinds) << c.text;
}

TEST(Parser, references_hold_offsets_from_the_host_or_absolute_numbers) {
    const auto f = Formula::parseA1("=F5+$F$5+F$5", {7, 7});
    const Node& sum = *f->root().children[0];
    EXPECT_EQ(sum.children[0]->cell, (CellReference{Coordinate::offset(-2), Coordinate::offset(-1)}));
    EXPECT_EQ(sum.children[1]->cell, (CellReference{Coordinate::absolute(5), Coordinate::absolute(6)}));
    EXPECT_EQ(f->root().children[1]->cell, (CellReference{Coordinate::absolute(5), Coordinate::offset(-1)}));
}

TEST(Parser, a_union_is_separate_references_inside_parentheses) {
    const auto f = Formula::parseR1C1("=SUM(('Breakeven Analysis Data'!R15C3,'Breakeven Analysis Data'!R18C3))", {1, 1});
    const Node& call = f->root();
    ASSERT_EQ(call.function->fileNumber, 4);
    const Node& parens = *call.children[0];
    ASSERT_EQ(parens.kind, NodeKind::Parentheses);
    const Node& united = *parens.children[0];
    EXPECT_EQ(united.binaryOperator, BinaryOperator::Union);
    EXPECT_EQ(united.children[0]->kind, NodeKind::Reference);
    EXPECT_EQ(united.children[1]->sheet, "Breakeven Analysis Data");
}

TEST(Parser, whole_columns_and_rows_are_areas_spanning_the_grid) {
    const auto columns = Formula::parseA1("=A:B", {1, 1});
    EXPECT_EQ(columns->root().kind, NodeKind::Area);
    EXPECT_TRUE(columns->root().area.isWholeColumns());
    const auto rows = Formula::parseR1C1("=R[-1]", {5, 1});
    EXPECT_TRUE(rows->root().area.isWholeRows());
    EXPECT_EQ(rows->root().area.first.row, Coordinate::offset(-1));
}

TEST(Parser, function_table_carries_the_file_numbers) {
    struct Expected {
        const char* name;
        int number;
        bool variable;
    };
    for (const Expected& e : {Expected{"COUNT", 0, true}, Expected{"IF", 1, true}, Expected{"SUM", 4, true},
                              Expected{"AVERAGE", 5, true}, Expected{"MIN", 6, true}, Expected{"MAX", 7, true},
                              Expected{"ABS", 24, false}, Expected{"ROUND", 27, false}, Expected{"AND", 36, true},
                              Expected{"OR", 37, true}, Expected{"NOT", 38, false}}) {
        const FunctionInfo* f = findFunction(std::string_view(e.name));
        ASSERT_NE(f, nullptr) << e.name;
        EXPECT_EQ(f->fileNumber, e.number) << e.name;
        EXPECT_EQ(f->variableArguments, e.variable) << e.name;
        EXPECT_EQ(findFunction(f->fileNumber), f);
    }
    EXPECT_EQ(findFunction(std::string_view("round")), findFunction(std::string_view("ROUND")));
    for (const FunctionInfo& f : functionTable()) {  // a lookup by halves needs the table sorted
        EXPECT_EQ(findFunction(f.name), &f) << f.name;
        EXPECT_NE(findBuiltin(f), nullptr) << f.name << " has no body";
    }
    EXPECT_EQ(Formula::parseA1("=Foo(1)", {1, 1})->root().function, nullptr);  // unknown: parses, evaluates to #NAME?
}

struct ErrorCase {
    std::string text;
    Notation notation;
    int position;
    const char* problem;
};

const ErrorCase kErrors[] = {
    {"=SUM(1,2", Notation::A1, 9, "missing closing parenthesis"},
    {"=(1+2", Notation::A1, 6, "missing closing parenthesis"},
    {"=1+2)", Notation::A1, 5, "closing parenthesis without an opening one"},
    {"=1+", Notation::A1, 4, "missing operand"},
    {"=*2", Notation::A1, 2, "missing operand before '*'"},
    {"=1 2", Notation::A1, 4, "missing operator before a number"},
    {"=A1 B1", Notation::A1, 5, "missing operator before a reference"},
    {"=\"abc", Notation::A1, 2, "text without its closing quote"},
    {"=1 ? 2", Notation::A1, 4, "unexpected character '?'"},
    {"=1,2", Notation::A1, 3, "',' outside a function call or parentheses"},
    {"=", Notation::A1, 2, "empty formula"},
    {"=ROUND(1)", Notation::A1, 2, "ROUND takes 2 arguments, not 1"},
    {"=IF(1,2,3,4)", Notation::R1C1, 2, "IF takes 2 to 3 arguments, not 4"},
    {"=NOT()", Notation::A1, 2, "NOT takes 1 argument, not 0"},
    {"=SUM()", Notation::A1, 2, "SUM takes at least 1 argument, not 0"},
    {"=NA(1)", Notation::A1, 2, "NA takes no arguments, not 1"},
    {"=R65537C1", Notation::R1C1, 2, "row number out of range"},
    {"=R1C257", Notation::R1C1, 2, "column number out of range"},
    {"=R[65536]C", Notation::R1C1, 2, "row offset out of range"},
    {"=A65537", Notation::A1, 2, "row number out of range"},
    {"=IW1", Notation::A1, 2, "column beyond IV"},
    // Before: R1C1 took these as names, and their A1 text was refused ("rb9") or read as a cell ("A1").
    {"=\"#&\"&rb9", Notation::R1C1, 7, "rb9 is a cell reference in A1 notation, not a name"},
    {"=1+A1", Notation::R1C1, 4, "A1 is a cell reference in A1 notation, not a name"},
    {"=I:R41C1:R4C1", Notation::R1C1, 2, "I before ':' is a column reference in A1 notation, not a name"},
    {"=(1,2)", Notation::A1, 3, "a union (',' inside parentheses) takes references only"},
    {"=1:2", Notation::R1C1, 3, "':' needs a reference on each side"},
    {"='Data'A1", Notation::A1, 8, "missing '!' after the sheet name"},
    {"=Data!+1", Notation::A1, 7, "a reference must follow the sheet name"},
    {"=#FOO!", Notation::A1, 2, "unknown error value"},
    {"=" + std::string(101, '(') + "1" + std::string(101, ')'), Notation::A1, 102, "formula nested too deeply"},
    {"=" + std::string(8193, '1'), Notation::A1, 8194, "formula longer than 8192 characters"},
};

TEST(Parser, errors_name_the_problem_and_its_position) {
    for (const ErrorCase& c : kErrors) {
        try {
            if (c.notation == Notation::A1)
                Formula::parseA1(c.text, {10, 10});
            else
                Formula::parseR1C1(c.text, {10, 10});
            ADD_FAILURE() << c.text << " parsed";
        } catch (const FormulaError& e) {
            EXPECT_EQ(e.what(), "The formula contains an error: " + std::string(c.problem) + " at " +
                                    std::to_string(c.position))
                << c.text.substr(0, 40);
            EXPECT_EQ(e.position(), c.position) << c.text.substr(0, 40);
        }
    }
}

TEST(Parser, a_long_operator_chain_is_refused_before_it_can_exhaust_the_stack) {
    std::string chain = "=1";
    for (int i = 0; i < 2000; ++i) chain += "+1";
    EXPECT_THROW(Formula::parseA1(chain, {1, 1}), FormulaError);
    std::string shorter = "=1";
    for (int i = 0; i < 1000; ++i) shorter += "+1";
    EXPECT_NO_THROW(Formula::parseA1(shorter, {1, 1}));
}

}  // namespace
