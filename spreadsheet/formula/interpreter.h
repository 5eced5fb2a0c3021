// Interpreter: evaluates one formula's tree for its host cell. It reads other
// cells through a CellSource (the Evaluator, which caches and guards against
// circular references) and never throws for a formula problem: every problem
// is an error value.
#pragma once

#include "spreadsheet/formula/ast.h"
#include "spreadsheet/model/cell_address.h"
#include "spreadsheet/model/value.h"

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace spreadsheet::formula {

class CellSource {
public:
    virtual ~CellSource() = default;
    // The value a cell shows, its formula computed if need be; empty when it holds nothing.
    virtual model::Value cellValue(int sheetIndex, model::CellAddress address) = 0;
    // Visits the value of every stored cell inside the range, row by row.
    virtual void forEachValue(int sheetIndex, const model::CellRange& range,
                              const std::function<void(const model::Value&)>& visit) = 0;
    virtual std::optional<int> sheetIndex(std::string_view name) const = 0;
};

// What an expression yields: a value, or a reference to cells of one sheet
// (one area, or several after a union).
struct Operand {
    model::Value value;
    int sheet = -1;
    model::RangeList ranges;

    bool isReference() const { return !ranges.empty(); }
    static Operand of(model::Value value) {
        Operand o;
        o.value = std::move(value);
        return o;
    }
    static Operand reference(int sheet, model::RangeList ranges) {
        Operand o;
        o.sheet = sheet;
        o.ranges = std::move(ranges);
        return o;
    }
};

class Interpreter {
public:
    Interpreter(CellSource& source, int sheetIndex, model::CellAddress host)
        : m_source(source), m_sheet(sheetIndex), m_host(host) {}

    // What the host cell shows: never empty (a reference to an empty cell gives 0).
    model::Value evaluateFormula(const Node& root);

    Operand evaluate(const Node& node);
    // A reference read as one value: a single cell, or the cell of a one-column
    // or one-row area in the host's row or column; otherwise #VALUE!.
    model::Value scalar(const Operand& operand);
    model::Value scalarOf(const Node& node) { return scalar(evaluate(node)); }
    // Visits every stored cell of a reference.
    void forEachValue(const Operand& reference, const std::function<void(const model::Value&)>& visit);

private:
    Operand reference(const Node& node);
    Operand binary(const Node& node);
    Operand referenceOperator(BinaryOperator op, const Operand& left, const Operand& right);
    Operand call(const Node& node);

    CellSource& m_source;
    int m_sheet;
    model::CellAddress m_host;
};

// A built-in function's body; it receives its argument trees unevaluated so
// that IF evaluates only the branch it takes.
using Builtin = Operand (*)(Interpreter& interpreter, const std::vector<NodePtr>& arguments);
// The body for a function-table entry; null when the engine has none.
Builtin findBuiltin(const FunctionInfo& function);

}  // namespace spreadsheet::formula
