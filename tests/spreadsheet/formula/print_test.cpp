// Printing: every formula the breakeven sheet writes reads back to the same
// text in R1C1 and to its A1 form; other texts print in canonical form.
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/a1_notation.h"

#include <gtest/gtest.h>

using namespace spreadsheet::formula;
using spreadsheet::model::CellAddress;

namespace {

CellAddress at(std::string_view a1) { return spreadsheet::model::parseA1Area(a1).value().first; }

struct Pair {
    std::string cell;
    std::string r1c1;
    std::string a1;
};

// Checks both directions: R1C1 -> R1C1/A1 and A1 -> R1C1/A1.
void expectRoundTrips(const Pair& p) {
    const CellAddress host = at(p.cell);
    const auto fromR1C1 = Formula::parseR1C1(p.r1c1, host);
    EXPECT_EQ(fromR1C1->toR1C1(host), p.r1c1) << p.cell;
    EXPECT_EQ(fromR1C1->toA1(host), p.a1) << p.cell;
    const auto fromA1 = Formula::parseA1(p.a1, host);
    EXPECT_EQ(fromA1->toR1C1(host), p.r1c1) << p.cell;
    EXPECT_EQ(fromA1->toA1(host), p.a1) << p.cell;
}

TEST(Printing, breakeven_totals_read_back_unchanged_in_both_notations) {
    const Pair pairs[] = {
        {"G7", "=IF(OR(R[-2]C[-1]<>0,R[-1]C[-1]<>0),R[-2]C[-1]*R[-1]C[-1],0)", "=IF(OR(F5<>0,F6<>0),F5*F6,0)"},
        {"F15", "=SUM(R[-5]C:R[-1]C)", "=SUM(F10:F14)"},
        {"G16", "=IF(R[-1]C[-1],R[-1]C[-1]*R[-10]C[-1],0)", "=IF(F15,F15*F6,0)"},
        {"F18", "=IF(R[-13]C>0,MAX(0,R[-13]C-R[-3]C),0)", "=IF(F5>0,MAX(0,F5-F15),0)"},
        {"G19", "=IF(OR(R[-12]C<>0,R[-3]C<>0),R[-12]C-R[-3]C,0)", "=IF(OR(G7<>0,G16<>0),G7-G16,0)"},
        {"G27", "=SUM(R[-5]C[-1]:R[-1]C[-1])", "=SUM(F22:F26)"},
        {"G29", "=IF(OR(R[-10]C<>0,R[-2]C<>0),R[-10]C-R[-2]C,0)", "=IF(OR(G19<>0,G27<>0),G19-G27,0)"},
        {"F33", "=IF(AND(R[-15]C>0,R[-6]C[1]>0),R[-6]C[1]/R[-15]C,\"\")", "=IF(AND(F18>0,G27>0),G27/F18,\"\")"},
    };
    for (const Pair& p : pairs) expectRoundTrips(p);
}

// "C[2]", "C" or "C[-3]" for the column offset that reaches column F from column c.
std::string offsetTo(int target, int column) {
    const int offset = target - column;
    return offset == 0 ? "C" : "C[" + std::to_string(offset) + "]";
}

TEST(Printing, every_sales_volume_analysis_formula_reads_back_unchanged) {
    const char* shares[] = {"0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1"};
    for (int column = 4; column <= 14; ++column) {
        const std::string x = spreadsheet::model::columnLetters(column);
        const std::string f = offsetTo(6, column);
        const std::string share = shares[column - 4];
        const Pair rows[] = {
            {x + "35", "=IF(R[-29]" + f + ",R[-29]" + f + "*" + share + ",0)", "=IF(F6,F6*" + share + ",0)"},
            {x + "36", "=R[-31]" + f, "=F5"},
            {x + "37", "=R[-10]" + offsetTo(7, column), "=G27"},
            {x + "38", "=R[-23]" + f + "*R[-3]C", "=F15*" + x + "35"},
            {x + "39", "=SUM(R[-2]C:R[-1]C)", "=SUM(" + x + "37:" + x + "38)"},
            {x + "40", "=R[-5]C*R[-4]C", "=" + x + "35*" + x + "36"},
            {x + "41", "=R[-1]C-R[-2]C", "=" + x + "40-" + x + "39"},
        };
        for (const Pair& p : rows) expectRoundTrips(p);
    }
}

struct CanonicalCase {
    const char* cell;
    const char* typed;
    bool typedInA1;
    const char* r1c1;
    const char* a1;
};

const CanonicalCase kCanonical[] = {
    {"B2", "if( r[-1]c , 1 ,0 )", false, "=IF(R[-1]C,1,0)", "=IF(B1,1,0)"},
    {"B2", "=sum(a1:a3)", true, "=SUM(R[-1]C[-1]:R[1]C[-1])", "=SUM(A1:A3)"},
    {"B2", "=$A$1+A$1+$A1", true, "=R1C1+R1C[-1]+R[-1]C1", "=$A$1+A$1+$A1"},
    {"A1", "=1.50+0.10+100+1E20+1e-10", true, "=1.5+0.1+100+1E+20+1E-10", "=1.5+0.1+100+1E+20+1E-10"},
    {"A1", "=123456789012345678", true, "=1.2345678901234568E+17", "=1.2345678901234568E+17"},
    {"A1", "=((1+2))*3", true, "=((1+2))*3", "=((1+2))*3"},
    {"A1", "=\"a\"\"b\"&TRUE&#n/a", true, "=\"a\"\"b\"&TRUE&#N/A", "=\"a\"\"b\"&TRUE&#N/A"},
    {"A1", "=IF(A2,,0)", true, "=IF(R[1]C,,0)", "=IF(A2,,0)"},
    {"E5", "=SUM(A:A,$B:$C,3:4)", true, "=SUM(C[-4],C2:C3,R[-2]:R[-1])", "=SUM(A:A,$B:$C,3:4)"},
    {"E5", "=R5+C[2]:C[4]", false, "=R5+C[2]:C[4]", "=$5:$5+G:I"},
    {"A1", "='Breakeven Analysis Data'!R37C2", false, "='Breakeven Analysis Data'!R37C2",
     "='Breakeven Analysis Data'!$B$37"},
    {"A1", "=SUM(('Breakeven Analysis Data'!R15C3,'Breakeven Analysis Data'!R18C3))", false,
     "=SUM(('Breakeven Analysis Data'!R15C3,'Breakeven Analysis Data'!R18C3))",
     "=SUM(('Breakeven Analysis Data'!$C$15,'Breakeven Analysis Data'!$C$18))"},
    {"A1", "=data!A1+'R1C1'!A1+'it''s'!A1+'2024'!A1", true, "=data!RC+'R1C1'!RC+'it''s'!RC+'2024'!RC",
     "=data!A1+'R1C1'!A1+'it''s'!A1+'2024'!A1"},
    {"A1", "=unknown(1)+MyName", true, "=UNKNOWN(1)+MyName", "=UNKNOWN(1)+MyName"},
};

TEST(Printing, canonical_text_in_both_notations) {
    for (const CanonicalCase& c : kCanonical) {
        const auto f = c.typedInA1 ? Formula::parseA1(c.typed, at(c.cell)) : Formula::parseR1C1(c.typed, at(c.cell));
        EXPECT_EQ(f->toR1C1(at(c.cell)), c.r1c1) << c.typed;
        EXPECT_EQ(f->toA1(at(c.cell)), c.a1) << c.typed;
    }
}

TEST(Printing, a1_shows_ref_error_for_a_reference_off_the_grid) {
    const auto f = Formula::parseR1C1("=R[-5]C+SUM(R[-1]C:R[1]C)", {2, 1});
    EXPECT_EQ(f->toR1C1({2, 1}), "=R[-5]C+SUM(R[-1]C:R[1]C)");
    EXPECT_EQ(f->toA1({2, 1}), "=#REF!+SUM(A1:A3)");
    EXPECT_EQ(f->toA1({1, 1}), "=#REF!+SUM(#REF!)");
}

TEST(Printing, built_trees_get_the_parentheses_their_shape_needs) {
    const NodePtr one = Node::makeNumber(1), two = Node::makeNumber(2), three = Node::makeNumber(3);
    const auto print = [](NodePtr root) { return Formula::fromTree(std::move(root))->toA1({1, 1}); };
    EXPECT_EQ(print(Node::makeBinary(BinaryOperator::Multiply, Node::makeBinary(BinaryOperator::Add, one, two), three)),
              "=(1+2)*3");
    EXPECT_EQ(print(Node::makeBinary(BinaryOperator::Subtract, one,
                                     Node::makeBinary(BinaryOperator::Subtract, two, three))),
              "=1-(2-3)");
    EXPECT_EQ(print(Node::makeBinary(BinaryOperator::Power, Node::makeUnary(UnaryOperator::Minus, two), two)), "=-2^2");
    EXPECT_EQ(print(Node::makeUnary(UnaryOperator::Minus, Node::makeBinary(BinaryOperator::Power, two, two))),
              "=-(2^2)");
    const NodePtr a1 = Node::makeReference({Coordinate::absolute(1), Coordinate::absolute(1)});
    const NodePtr b1 = Node::makeReference({Coordinate::absolute(1), Coordinate::absolute(2)});
    EXPECT_EQ(print(Node::makeFunction("sum", {Node::makeBinary(BinaryOperator::Union, a1, b1)})), "=SUM(($A$1,$B$1))");
}

}  // namespace
