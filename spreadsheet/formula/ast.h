// The syntax tree of a formula: what the parsers build, the printers and the
// evaluator walk, and the file's formula-token writer and reader map one to one
// onto tokens (a literal, a reference, an operator after its operands, a
// function call after its arguments, parentheses kept as their own node).
#pragma once

#include "spreadsheet/formula/function_table.h"
#include "spreadsheet/model/cell_address.h"
#include "spreadsheet/model/value.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace spreadsheet::formula {

// One coordinate of a reference: an absolute 1-based row or column number
// ("R5", "$E"), or an offset from the host cell's row or column ("R[-2]", "E"
// typed in F7).
struct Coordinate {
    int value = 0;
    bool relative = false;

    static Coordinate absolute(int index) { return {index, false}; }
    static Coordinate offset(int delta) { return {delta, true}; }
    int resolve(int hostIndex) const { return relative ? hostIndex + value : value; }
    bool operator==(const Coordinate&) const = default;
};

struct CellReference {
    Coordinate row;
    Coordinate column;

    // The cell it names from the host; may lie off the grid (see model::isOnGrid).
    model::CellAddress resolve(model::CellAddress host) const {
        return {row.resolve(host.row), column.resolve(host.column)};
    }
    bool operator==(const CellReference&) const = default;
};

// Two corners as written. Whole columns have absolute rows 1 and kMaxRows,
// whole rows absolute columns 1 and kMaxColumns; both print in their short form.
struct AreaReference {
    CellReference first;
    CellReference last;

    bool isWholeColumns() const;
    bool isWholeRows() const;
    model::CellRange resolve(model::CellAddress host) const {
        return model::CellRange(first.resolve(host), last.resolve(host));
    }
    bool operator==(const AreaReference&) const = default;
};

enum class NodeKind {
    Number,           // number: a non-negative literal (a minus sign is a Unary node)
    Text,             // text: the string without its quotes
    Boolean,          // boolean
    Error,            // error: an error literal such as #DIV/0!
    MissingArgument,  // an empty argument, as in IF(A1,,0)
    Reference,        // sheet (optional), cell
    Area,             // sheet (optional), area
    Name,             // text: a defined name; none exist, so it evaluates to #NAME?
    Unary,            // unaryOperator, children[0]
    Percent,          // children[0] followed by "%"
    Binary,           // binaryOperator, children[0] and children[1]
    Parentheses,      // children[0], inside parentheses the user typed
    Function,         // text: the upper-case name; function: table entry or null; children: arguments
};

enum class UnaryOperator { Minus, Plus };

enum class BinaryOperator {
    Add, Subtract, Multiply, Divide, Power, Concatenate,
    Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual,
    Range,  // ":" between reference expressions: the smallest area holding both
    Union,  // "," inside parentheses: both references, cell by cell, never the block between
};

struct Node;
using NodePtr = std::shared_ptr<const Node>;

// One node; which fields count depends on kind (see NodeKind). Build nodes with
// the factory functions so every field has a defined value.
struct Node {
    NodeKind kind = NodeKind::Number;
    double number = 0;
    std::string text;
    bool boolean = false;
    model::ErrorCode error = model::ErrorCode::Value;
    std::optional<std::string> sheet;  // as written, without quotes; none: the host's sheet
    CellReference cell;
    AreaReference area;
    UnaryOperator unaryOperator = UnaryOperator::Minus;
    BinaryOperator binaryOperator = BinaryOperator::Add;
    const FunctionInfo* function = nullptr;
    std::vector<NodePtr> children;

    Node() = default;
    Node(const Node&) = default;
    Node(Node&&) = default;
    Node& operator=(const Node&) = default;
    Node& operator=(Node&&) = default;
    ~Node();  // releases long chains of children in a loop, not by recursion

    static NodePtr makeNumber(double value);
    static NodePtr makeText(std::string value);
    static NodePtr makeBoolean(bool value);
    static NodePtr makeError(model::ErrorCode code);
    static NodePtr makeMissingArgument();
    static NodePtr makeReference(CellReference cell, std::optional<std::string> sheet = std::nullopt);
    static NodePtr makeArea(AreaReference area, std::optional<std::string> sheet = std::nullopt);
    static NodePtr makeName(std::string name);
    static NodePtr makeUnary(UnaryOperator op, NodePtr operand);
    static NodePtr makePercent(NodePtr operand);
    static NodePtr makeBinary(BinaryOperator op, NodePtr left, NodePtr right);
    static NodePtr makeParentheses(NodePtr inner);
    // The name is looked up in the function table; an unknown name gives a null entry.
    static NodePtr makeFunction(std::string name, std::vector<NodePtr> arguments);
};

// True for nodes that can stand for a reference: operands of ":" and of a union.
bool isReferenceExpression(const Node& node);

}  // namespace spreadsheet::formula
