// Tokenizer: splits formula text into numbers, texts, references, names,
// operators and punctuation, in either reference notation. References come out
// already resolved to coordinates (relative ones as offsets from the host).
//
//   tokenKinds("=SUM(R[-5]C:R[-1]C)", Notation::R1C1, {15, 6})   // "f(r:r)"
#pragma once

#include "spreadsheet/formula/ast.h"
#include "spreadsheet/model/cell_address.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spreadsheet::formula {

enum class Notation { A1, R1C1 };

enum class TokenKind {
    Number,     // n
    Text,       // s
    Boolean,    // b
    Error,      // e
    Reference,  // r: a cell, a row part, a column part or (A1) a whole-row/column area
    Name,       // i
    Function,   // f: a name followed by "("; the "(" is a token of its own
    Operator,   // o: + - * / ^ & = <> < > <= >= %
    Colon,      // :
    Comma,      // ,
    Open,       // (
    Close,      // )
};

// What a reference token names. Rows and Columns are halves of a whole-row or
// whole-column area ("R5", "C[2]"); Area is complete ("A:C", "3:4").
enum class ReferenceShape { Cell, Rows, Columns, Area };

struct Token {
    TokenKind kind = TokenKind::Operator;
    int position = 1;  // 1-based, in the whole text
    std::string text;  // operator, name, or the text without quotes
    double number = 0;
    bool boolean = false;
    model::ErrorCode error = model::ErrorCode::Value;
    std::optional<std::string> sheet;
    ReferenceShape shape = ReferenceShape::Cell;
    CellReference cell;  // Cell; Rows uses row, Columns uses column
    AreaReference area;  // Area
};

// Text without its leading "="; firstPosition is the 1-based position of its
// first character. Throws FormulaError.
std::vector<Token> tokenize(std::string_view text, int firstPosition, Notation notation, model::CellAddress host);

// One letter per token (see TokenKind), for tests; a leading "=" is skipped.
std::string tokenKinds(std::string_view text, Notation notation, model::CellAddress host);

// "The formula contains an error: <problem> at <position>".
[[noreturn]] void throwFormulaError(const std::string& problem, int position);

}  // namespace spreadsheet::formula
