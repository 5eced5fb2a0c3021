// Formula tokens: the file format's parsed-expression bytes for a formula
// (reverse Polish, one token per literal, reference, operator and function
// call), compiled from and decompiled to the formula syntax tree.
//
//   auto rgce = compileFormula(formula->root(), {7, 7}, TokenContext::Cell, &externs);
//   auto back = decompileFormula(rgce, {7, 7}, TokenContext::Cell, &externs);  // prints the same
#pragma once

#include "spreadsheet/formula/ast.h"
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/cell_address.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace spreadsheet::xls::tokens {

// A formula the file format cannot hold, or token bytes that make no sense.
class TokenError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The cell's tokens are only a pointer (PtgExp) to a shared or array formula
// whose tokens are stored once for a block of cells, with its base cell; the
// caller reads them from the record that follows the base cell's formula.
class SharedFormulaError : public TokenError {
public:
    SharedFormulaError(const std::string& message, model::CellAddress baseCell)
        : TokenError(message), m_baseCell(baseCell) {}
    model::CellAddress baseCell() const { return m_baseCell; }  // 1-based

private:
    model::CellAddress m_baseCell;
};

// Where the tokens stand: a cell formula, or a chart's series and category
// references (which are reference-class 3D references and their unions).
enum class TokenContext { Cell, ChartSeries };

// The workbook's table of sheets that 3D references point through (the
// EXTERNSHEET entries). The writer assigns indexes as references need them;
// the reader looks them up.
class ExternSheets {
public:
    virtual ~ExternSheets() = default;
    // The index for a sheet of this workbook, by name (ignoring case); throws
    // TokenError for a sheet the workbook does not have.
    virtual uint16_t indexOf(const std::string& sheetName) = 0;
    // The sheet an index names, or nullopt when it names none.
    virtual std::optional<std::string> sheetName(uint16_t index) const = 0;
};

// The token bytes (rgce, without the length prefix). Throws TokenError for
// what the file cannot hold: an unknown function, a defined name, text over
// 255 characters, a sheet reference without externs; in a chart series,
// anything but sheet references, their unions and parentheses.
// IF is written with its tAttrIf/tAttrGoto jumps, every other call (SUM of
// one argument too) as PtgFunc/PtgFuncVar. A relative reference that leaves
// the grid becomes PtgRefErr/PtgAreaErr (#REF!); areas are stored top-left
// first. Chart series references are stored as absolute cells.
std::vector<uint8_t> compileFormula(const formula::Node& root, model::CellAddress host, TokenContext context,
                                    ExternSheets* externs);

// The syntax tree back from token bytes. Throws TokenError, naming the byte
// offset, for bytes that do not form a formula or use what the engine lacks
// (defined and external names, array constants, intersections, macro
// commands); SharedFormulaError for a shared or array formula pointer.
// Reads all three token classes, PtgRefN/PtgAreaN, tAttrSum, and skips jump,
// space and volatility attributes and PtgMem* subexpression headers.
std::shared_ptr<const formula::Formula> decompileFormula(std::span<const uint8_t> rgce, model::CellAddress host,
                                                         TokenContext context, const ExternSheets* externs);

}  // namespace spreadsheet::xls::tokens
