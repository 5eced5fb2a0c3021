// The formula compiler: walks the syntax tree in reverse Polish order (operands
// before their operator, arguments before their function) and writes one token
// per node. Each operand token gets its class from the place it stands in.
#include "spreadsheet/xls/tokens/formula_tokens.h"

#include "spreadsheet/formula/parser.h"
#include "spreadsheet/xls/tokens/operand_class.h"
#include "spreadsheet/xls/tokens/ptg_ids.h"
#include "spreadsheet/xls/tokens/reference_fields.h"
#include "spreadsheet/xls/tokens/short_string.h"
#include "spreadsheet/xls/tokens/token_map.h"
#include "spreadsheet/xls/tokens/token_writer.h"

#include <cmath>
#include <limits>

namespace spreadsheet::xls::tokens {
namespace {

using formula::BinaryOperator;
using formula::FunctionInfo;
using formula::Node;
using formula::NodeKind;

constexpr double kLargestInt = std::numeric_limits<uint16_t>::max();  // PtgInt holds 0..65535

class FormulaCompiler {
public:
    FormulaCompiler(model::CellAddress host, TokenContext context, ExternSheets* externs)
        : m_host(host), m_context(context), m_externs(externs) {}
    std::vector<uint8_t> compile(const Node& root);

private:
    void compileNode(const Node& node, OperandClass place, int depth);
    void compileOperator(const Node& node, int depth);
    void compileNumber(double value);
    void compileReference(const Node& node, OperandClass place);
    void compileArea(const Node& node, OperandClass place);
    void compileFunction(const Node& node, int depth);
    void compileIf(const Node& node, const FunctionInfo& info, int depth);
    void writeCall(const FunctionInfo& info, size_t argumentCount);
    size_t writeJump(uint8_t attribute);
    void patchJump(size_t field, size_t offset);
    std::optional<uint16_t> sheetIndex(const Node& node);
    void checkChartNode(const Node& node) const;
    bool keepRelative() const { return m_context == TokenContext::Cell; }

    model::CellAddress m_host;
    TokenContext m_context;
    ExternSheets* m_externs;
    TokenWriter m_out;
};

// A cell formula's result is a value; a chart series' is the reference itself.
std::vector<uint8_t> FormulaCompiler::compile(const Node& root) {
    compileNode(root, m_context == TokenContext::Cell ? OperandClass::Value : OperandClass::Reference, 1);
    if (m_out.size() > ptg::kMaxFormulaBytes)
        throw TokenError("formula needs " + std::to_string(m_out.size()) +
                         " bytes of tokens, more than the file allows");
    return m_out.take();
}

void FormulaCompiler::compileNode(const Node& node, OperandClass place, int depth) {
    if (depth > formula::kMaxTreeDepth) throw TokenError("formula nested too deeply to write");
    if (m_context == TokenContext::ChartSeries) checkChartNode(node);
    switch (node.kind) {
    case NodeKind::Number: compileNumber(node.number); return;
    case NodeKind::Text:
        m_out.u8(ptg::kStr);
        writeShortString(m_out, node.text);
        return;
    case NodeKind::Boolean:
        m_out.u8(ptg::kBool);
        m_out.u8(node.boolean ? 1 : 0);
        return;
    case NodeKind::Error:
        m_out.u8(ptg::kErr);
        m_out.u8(errorTokenCode(node.error));
        return;
    case NodeKind::MissingArgument: m_out.u8(ptg::kMissArg); return;
    case NodeKind::Reference: compileReference(node, place); return;
    case NodeKind::Area: compileArea(node, place); return;
    case NodeKind::Name: throw TokenError("the workbook has no defined name " + node.text + " to write");
    case NodeKind::Parentheses:
        compileNode(*node.children[0], place, depth + 1);
        m_out.u8(ptg::kParen);
        return;
    case NodeKind::Function: compileFunction(node, depth); return;
    case NodeKind::Unary:
    case NodeKind::Percent:
    case NodeKind::Binary: compileOperator(node, depth); return;
    }
}

// Operators take values, except ":" and the union, which combine references.
void FormulaCompiler::compileOperator(const Node& node, int depth) {
    const bool onReferences = node.kind == NodeKind::Binary && (node.binaryOperator == BinaryOperator::Range ||
                                                                node.binaryOperator == BinaryOperator::Union);
    const OperandClass operands = onReferences ? OperandClass::Reference : OperandClass::Value;
    for (const formula::NodePtr& child : node.children) compileNode(*child, operands, depth + 1);
    if (node.kind == NodeKind::Percent)
        m_out.u8(ptg::kPercent);
    else if (node.kind == NodeKind::Unary)
        m_out.u8(node.unaryOperator == formula::UnaryOperator::Minus ? ptg::kUminus : ptg::kUplus);
    else
        m_out.u8(binaryTokenId(node.binaryOperator));
}

// Whole numbers that fit 16 bits as PtgInt, every other number as a double.
void FormulaCompiler::compileNumber(double value) {
    if (!std::isfinite(value)) throw TokenError("a formula number must be finite");
    if (value >= 0 && value <= kLargestInt && value == std::floor(value)) {
        m_out.u8(ptg::kInt);
        m_out.u16(static_cast<uint16_t>(value));
    } else {
        m_out.u8(ptg::kNum);
        m_out.f64(value);
    }
}

// PtgRef or PtgRef3d; a reference that resolves off the grid becomes the
// matching error token, which the spreadsheet shows as #REF!.
void FormulaCompiler::compileReference(const Node& node, OperandClass place) {
    const std::optional<uint16_t> sheet = sheetIndex(node);
    const std::optional<CellFields> fields = encodeCell(node.cell, m_host, keepRelative());
    const uint8_t base = sheet ? (fields ? ptg::kRef3d : ptg::kRefErr3d) : (fields ? ptg::kRef : ptg::kRefErr);
    m_out.u8(base | classBits(place));
    if (sheet) m_out.u16(*sheet);
    const CellFields stored = fields.value_or(CellFields{});
    m_out.u16(stored.row);
    m_out.u16(stored.column);
}

// PtgArea or PtgArea3d, or their error tokens; whole rows and columns are
// areas spanning every column or every row.
void FormulaCompiler::compileArea(const Node& node, OperandClass place) {
    const std::optional<uint16_t> sheet = sheetIndex(node);
    const std::optional<AreaFields> fields = encodeArea(node.area, m_host, keepRelative());
    const uint8_t base = sheet ? (fields ? ptg::kArea3d : ptg::kAreaErr3d) : (fields ? ptg::kArea : ptg::kAreaErr);
    m_out.u8(base | classBits(place));
    if (sheet) m_out.u16(*sheet);
    const AreaFields stored = fields.value_or(AreaFields{});
    m_out.u16(stored.rowFirst);
    m_out.u16(stored.rowLast);
    m_out.u16(stored.columnFirst);
    m_out.u16(stored.columnLast);
}

// The EXTERNSHEET index of a reference's sheet; none for the host's own sheet.
std::optional<uint16_t> FormulaCompiler::sheetIndex(const Node& node) {
    if (!node.sheet) return std::nullopt;
    if (!m_externs) throw TokenError("a reference to sheet '" + *node.sheet + "' needs the workbook's sheet table");
    return m_externs->indexOf(*node.sheet);
}

void FormulaCompiler::compileFunction(const Node& node, int depth) {
    const FunctionInfo* info = node.function;
    if (!info) throw TokenError("the file format has no function " + node.text);
    const size_t count = node.children.size();
    if (count < static_cast<size_t>(info->minArguments) || count > static_cast<size_t>(info->maxArguments))
        throw TokenError(std::string(info->name) + " cannot be written with " + std::to_string(count) + " arguments");
    if (info->name == "IF") {
        compileIf(node, *info, depth);
        return;
    }
    for (size_t i = 0; i < count; ++i)
        compileNode(*node.children[i], parameterClass(*info, static_cast<int>(i)), depth + 1);
    writeCall(*info, count);
}

// IF as the spreadsheet writes it: condition, tAttrIf jumping to the false
// branch, true branch, tAttrGoto, [false branch, tAttrGoto,] the call. Each
// goto's offset is one less than the distance from its end to the call's end.
void FormulaCompiler::compileIf(const Node& node, const FunctionInfo& info, int depth) {
    compileNode(*node.children[0], parameterClass(info, 0), depth + 1);
    const size_t ifField = writeJump(ptg::kAttrIf);
    std::vector<size_t> gotoFields;
    for (size_t i = 1; i < node.children.size(); ++i) {
        compileNode(*node.children[i], parameterClass(info, static_cast<int>(i)), depth + 1);
        gotoFields.push_back(writeJump(ptg::kAttrGoto));
        if (i == 1) patchJump(ifField, m_out.size() - (ifField + sizeof(uint16_t)));
    }
    writeCall(info, node.children.size());
    for (const size_t field : gotoFields) patchJump(field, m_out.size() - (field + sizeof(uint16_t)) - 1);
}

// PtgFunc for a fixed argument count, PtgFuncVar with the count otherwise.
// Every function the engine has hands back a value, wherever it stands. SUM of
// one argument is a PtgFuncVar too rather than the tAttrSum shortcut: one form
// for every call, with the function number in the bytes; readers take both.
void FormulaCompiler::writeCall(const FunctionInfo& info, size_t argumentCount) {
    const uint8_t valueClass = classBits(OperandClass::Value);
    if (info.variableArguments) {
        m_out.u8(ptg::kFuncVar | valueClass);
        m_out.u8(static_cast<uint8_t>(argumentCount));
    } else {
        m_out.u8(ptg::kFunc | valueClass);
    }
    m_out.u16(info.fileNumber);
}

// Writes a PtgAttr with an offset still to fill in; returns where the offset is.
size_t FormulaCompiler::writeJump(uint8_t attribute) {
    m_out.u8(ptg::kAttr);
    m_out.u8(attribute);
    const size_t field = m_out.size();
    m_out.u16(0);
    return field;
}

void FormulaCompiler::patchJump(size_t field, size_t offset) {
    if (offset > std::numeric_limits<uint16_t>::max()) throw TokenError("IF's branches are too long to write");
    m_out.patchU16(field, static_cast<uint16_t>(offset));
}

// A chart series holds references to named sheets, their unions and parentheses, nothing else.
void FormulaCompiler::checkChartNode(const Node& node) const {
    const bool reference = (node.kind == NodeKind::Reference || node.kind == NodeKind::Area) && node.sheet;
    const bool union_ = node.kind == NodeKind::Binary && node.binaryOperator == BinaryOperator::Union;
    if (!reference && !union_ && node.kind != NodeKind::Parentheses)
        throw TokenError("a chart series takes only references with a sheet name, their unions and parentheses");
}

}  // namespace

std::vector<uint8_t> compileFormula(const formula::Node& root, model::CellAddress host, TokenContext context,
                                    ExternSheets* externs) {
    return FormulaCompiler(host, context, externs).compile(root);
}

}  // namespace spreadsheet::xls::tokens
