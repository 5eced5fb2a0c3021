// Formula: a parsed formula, immutable once built, stored in a cell. It is
// read from R1C1 text (what the program writes) or A1 text (what a user
// types), printed back in either notation, and evaluated against a workbook
// with the spreadsheet's rules.
//
//   auto f = Formula::parseR1C1("=SUM(R[-5]C:R[-1]C)", {15, 6});   // in F15
//   f->toA1({15, 6});                                                 // "=SUM(F10:F14)"
//   Evaluator(workbook).cellValue(0, {15, 6});                        // the sum
#pragma once

#include "spreadsheet/formula/ast.h"
#include "spreadsheet/model/cell_address.h"
#include "spreadsheet/model/value.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace spreadsheet::formula {

// A formula text that does not parse. The message is the one a user sees
// ("The formula contains an error: missing closing parenthesis at 12").
class FormulaError : public std::runtime_error {
public:
    FormulaError(const std::string& message, int position) : std::runtime_error(message), m_position(position) {}
    int position() const { return m_position; }  // 1-based character where parsing failed

private:
    int m_position;
};

class Formula {
public:
    // Text with or without the leading "="; host is the cell that will hold the
    // formula (relative references are relative to it). Throw FormulaError.
    // A relative R1C1 reference that leaves the grid from this host parses and
    // evaluates to #REF! (A1 printing shows "#REF!"); row or column numbers
    // beyond the grid are refused. An unknown function or name parses and
    // evaluates to #NAME?; a known function with a wrong argument count is refused.
    static std::shared_ptr<const Formula> parseR1C1(std::string_view text, model::CellAddress host);
    static std::shared_ptr<const Formula> parseA1(std::string_view text, model::CellAddress host);
    // A formula built from a syntax tree (the file reader builds them this way).
    static std::shared_ptr<const Formula> fromTree(NodePtr root);

    // "=..." in either notation, for the given host cell.
    std::string toR1C1(model::CellAddress host) const;
    std::string toA1(model::CellAddress host) const;

    const Node& root() const { return *m_root; }

private:
    explicit Formula(NodePtr root) : m_root(std::move(root)) {}
    NodePtr m_root;
};

}  // namespace spreadsheet::formula
