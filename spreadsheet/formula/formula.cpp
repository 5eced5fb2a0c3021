// Formula: the parsed tree of one cell's formula, with its two readers and
// two printers. The work is done by the parser and the printer.
#include "spreadsheet/formula/formula.h"

#include "spreadsheet/formula/parser.h"
#include "spreadsheet/formula/printer.h"

namespace spreadsheet::formula {

std::shared_ptr<const Formula> Formula::parseR1C1(std::string_view text, model::CellAddress host) {
    return fromTree(parseFormulaText(text, Notation::R1C1, host));
}

std::shared_ptr<const Formula> Formula::parseA1(std::string_view text, model::CellAddress host) {
    return fromTree(parseFormulaText(text, Notation::A1, host));
}

std::shared_ptr<const Formula> Formula::fromTree(NodePtr root) {
    if (!root) throw std::invalid_argument("Formula::fromTree needs a root node");
    return std::shared_ptr<const Formula>(new Formula(std::move(root)));
}

std::string Formula::toR1C1(model::CellAddress host) const { return printFormula(*m_root, Notation::R1C1, host); }

std::string Formula::toA1(model::CellAddress host) const { return printFormula(*m_root, Notation::A1, host); }

}  // namespace spreadsheet::formula
