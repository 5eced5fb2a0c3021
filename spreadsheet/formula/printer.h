// Printer: a syntax tree back to canonical formula text in either notation:
// "=" first, upper-case function names, no spaces, the user's parentheses kept
// (and parentheses added where a built tree needs them to read back the same).
#pragma once

#include "spreadsheet/formula/ast.h"
#include "spreadsheet/formula/tokenizer.h"

#include <string>

namespace spreadsheet::formula {

std::string printFormula(const Node& root, Notation notation, model::CellAddress host);

// A sheet name as a reference prefix: "Data!" or "'Breakeven Analysis Data'!".
std::string sheetPrefix(const std::string& sheet);

}  // namespace spreadsheet::formula
