// Evaluation of literals, references and operators. Operands are evaluated
// left to right and the first error value among them is the result.
#include "spreadsheet/formula/interpreter.h"

#include "spreadsheet/formula/coercion.h"

#include <algorithm>
#include <cmath>

namespace spreadsheet::formula {
namespace {

using model::ErrorCode;
using model::Value;

Value arithmetic(BinaryOperator op, double a, double b) {
    double result = 0;
    switch (op) {
    case BinaryOperator::Add: result = a + b; break;
    case BinaryOperator::Subtract: result = a - b; break;
    case BinaryOperator::Multiply: result = a * b; break;
    case BinaryOperator::Divide:
        if (b == 0) return Value::error(ErrorCode::Div0);
        result = a / b;
        break;
    case BinaryOperator::Power:
        if (a == 0 && b == 0) return Value::error(ErrorCode::Num);
        if (a == 0 && b < 0) return Value::error(ErrorCode::Div0);
        result = std::pow(a, b);
        break;
    default: return Value::error(ErrorCode::Value);
    }
    if (!std::isfinite(result)) return Value::error(ErrorCode::Num);
    return Value::number(result);
}

bool comparisonHolds(BinaryOperator op, int order) {
    switch (op) {
    case BinaryOperator::Equal: return order == 0;
    case BinaryOperator::NotEqual: return order != 0;
    case BinaryOperator::Less: return order < 0;
    case BinaryOperator::Greater: return order > 0;
    case BinaryOperator::LessEqual: return order <= 0;
    default: return order >= 0;
    }
}

// Applies a value operator once both operands are known to be no errors.
Value applyOperator(BinaryOperator op, const Value& left, const Value& right) {
    switch (op) {
    case BinaryOperator::Concatenate: return Value::text(toText(left).asText() + toText(right).asText());
    case BinaryOperator::Equal:
    case BinaryOperator::NotEqual:
    case BinaryOperator::Less:
    case BinaryOperator::Greater:
    case BinaryOperator::LessEqual:
    case BinaryOperator::GreaterEqual: return Value::boolean(comparisonHolds(op, compareValues(left, right)));
    default: break;
    }
    const Value a = toNumber(left);
    if (a.isError()) return a;
    const Value b = toNumber(right);
    if (b.isError()) return b;
    return arithmetic(op, a.asNumber(), b.asNumber());
}

bool isReferenceOperator(const Node& node) {
    return node.kind == NodeKind::Binary &&
           (node.binaryOperator == BinaryOperator::Range || node.binaryOperator == BinaryOperator::Union);
}

model::CellRange boundingBox(const model::RangeList& ranges) {
    model::CellRange box = ranges.front();
    for (const model::CellRange& r : ranges) {
        box.first = {std::min(box.first.row, r.first.row), std::min(box.first.column, r.first.column)};
        box.last = {std::max(box.last.row, r.last.row), std::max(box.last.column, r.last.column)};
    }
    return box;
}

}  // namespace

Value Interpreter::evaluateFormula(const Node& root) {
    Value result = scalar(evaluate(root));
    return result.isEmpty() ? Value::number(0) : result;
}

Operand Interpreter::evaluate(const Node& node) {
    switch (node.kind) {
    case NodeKind::Number: return Operand::of(Value::number(node.number));
    case NodeKind::Text: return Operand::of(Value::text(node.text));
    case NodeKind::Boolean: return Operand::of(Value::boolean(node.boolean));
    case NodeKind::Error: return Operand::of(Value::error(node.error));
    case NodeKind::MissingArgument: return Operand::of(Value());
    case NodeKind::Reference:
    case NodeKind::Area: return reference(node);
    case NodeKind::Name: return Operand::of(Value::error(ErrorCode::Name));
    case NodeKind::Unary: {
        const Value operand = scalarOf(*node.children[0]);
        if (node.unaryOperator == UnaryOperator::Plus) return Operand::of(operand);
        const Value n = toNumber(operand);
        return Operand::of(n.isError() ? n : Value::number(-n.asNumber()));
    }
    case NodeKind::Percent: {
        const Node* operand = node.children[0].get();
        int percents = 1;  // "1%%%" nests to the left too; count instead of recursing
        for (; operand->kind == NodeKind::Percent; operand = operand->children[0].get()) ++percents;
        Value n = toNumber(scalarOf(*operand));
        for (int i = 0; i < percents && n.isNumber(); ++i) n = Value::number(n.asNumber() / 100);
        return Operand::of(n);
    }
    case NodeKind::Binary: return binary(node);
    case NodeKind::Parentheses: return evaluate(*node.children[0]);
    case NodeKind::Function: return call(node);
    }
    return Operand::of(Value::error(ErrorCode::Value));
}

// A reference on its sheet; #REF! for an unknown sheet or a corner off the grid.
Operand Interpreter::reference(const Node& node) {
    int sheet = m_sheet;
    if (node.sheet) {
        const std::optional<int> found = m_source.sheetIndex(*node.sheet);
        if (!found) return Operand::of(Value::error(ErrorCode::Ref));
        sheet = *found;
    }
    const AreaReference area = node.kind == NodeKind::Reference ? AreaReference{node.cell, node.cell} : node.area;
    const model::CellAddress a = area.first.resolve(m_host);
    const model::CellAddress b = area.last.resolve(m_host);
    if (!model::isOnGrid(a) || !model::isOnGrid(b)) return Operand::of(Value::error(ErrorCode::Ref));
    return Operand::reference(sheet, {model::CellRange(a, b)});
}

// Value operators nest to the left ("1+2+3" is (1+2)+3), so a chain is walked
// down its left side in a loop and applied on the way back up: a long chain
// needs no deep stack. The first error ends the chain.
Operand Interpreter::binary(const Node& node) {
    if (isReferenceOperator(node))
        return referenceOperator(node.binaryOperator, evaluate(*node.children[0]), evaluate(*node.children[1]));
    std::vector<const Node*> chain{&node};
    while (chain.back()->children[0]->kind == NodeKind::Binary && !isReferenceOperator(*chain.back()->children[0]))
        chain.push_back(chain.back()->children[0].get());
    Value result = scalarOf(*chain.back()->children[0]);
    for (auto step = chain.rbegin(); step != chain.rend() && !result.isError(); ++step) {
        const Value right = scalarOf(*(*step)->children[1]);
        result = right.isError() ? right : applyOperator((*step)->binaryOperator, result, right);
    }
    return Operand::of(result);
}

// ":" gives the smallest area holding both sides, "," both sides' areas; both
// must be references to one sheet.
Operand Interpreter::referenceOperator(BinaryOperator op, const Operand& left, const Operand& right) {
    for (const Operand* side : {&left, &right})
        if (!side->isReference()) return Operand::of(side->value.isError() ? side->value : Value::error(ErrorCode::Value));
    if (left.sheet != right.sheet) return Operand::of(Value::error(ErrorCode::Value));
    model::RangeList ranges = left.ranges;
    ranges.insert(ranges.end(), right.ranges.begin(), right.ranges.end());
    if (op == BinaryOperator::Range) ranges = {boundingBox(ranges)};
    return Operand::reference(left.sheet, std::move(ranges));
}

Value Interpreter::scalar(const Operand& operand) {
    if (!operand.isReference()) return operand.value;
    if (operand.ranges.size() > 1) return Value::error(ErrorCode::Value);
    const model::CellRange& r = operand.ranges.front();
    if (r.isSingleCell()) return m_source.cellValue(operand.sheet, r.first);
    if (r.columnCount() == 1 && m_host.row >= r.first.row && m_host.row <= r.last.row)
        return m_source.cellValue(operand.sheet, {m_host.row, r.first.column});
    if (r.rowCount() == 1 && m_host.column >= r.first.column && m_host.column <= r.last.column)
        return m_source.cellValue(operand.sheet, {r.first.row, m_host.column});
    return Value::error(ErrorCode::Value);
}

void Interpreter::forEachValue(const Operand& reference, const std::function<void(const Value&)>& visit) {
    for (const model::CellRange& range : reference.ranges) m_source.forEachValue(reference.sheet, range, visit);
}

// Unknown functions give #NAME?; argument counts are checked here, for every function.
Operand Interpreter::call(const Node& node) {
    if (!node.function) return Operand::of(Value::error(ErrorCode::Name));
    const int count = static_cast<int>(node.children.size());
    if (count < node.function->minArguments || count > node.function->maxArguments)
        return Operand::of(Value::error(ErrorCode::Value));
    const Builtin builtin = findBuiltin(*node.function);
    if (!builtin) return Operand::of(Value::error(ErrorCode::Name));
    return builtin(*this, node.children);
}

}  // namespace spreadsheet::formula
