// Parser: formula text in either notation to a syntax tree, by recursive
// descent with one function per precedence level.
#pragma once

#include "spreadsheet/formula/ast.h"
#include "spreadsheet/formula/tokenizer.h"

#include <string_view>

namespace spreadsheet::formula {

inline constexpr size_t kMaxFormulaLength = 8192;  // characters, as the spreadsheet allows
inline constexpr int kMaxNesting = 100;            // parentheses, calls and unary signs inside each other
inline constexpr int kMaxTreeDepth = 1024;         // operators chained one after the other

// Text with or without a leading "="; throws FormulaError naming the problem
// and its 1-based position.
NodePtr parseFormulaText(std::string_view text, Notation notation, model::CellAddress host);

}  // namespace spreadsheet::formula
