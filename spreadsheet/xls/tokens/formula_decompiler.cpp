// The formula decompiler: reads tokens in order onto a stack of expressions,
// each operator or call taking its operands off the top, until exactly one
// expression is left. Control tokens (jumps, spaces, volatility marks, the
// headers of cached reference subexpressions) shape no part of the tree and
// are stepped over. Every failure names the byte offset of its token.
#include "spreadsheet/xls/tokens/formula_tokens.h"

#include "spreadsheet/formula/parser.h"
#include "spreadsheet/xls/hex_text.h"
#include "spreadsheet/xls/tokens/ptg_ids.h"
#include "spreadsheet/xls/tokens/reference_fields.h"
#include "spreadsheet/xls/tokens/short_string.h"
#include "spreadsheet/xls/tokens/token_map.h"
#include "spreadsheet/xls/tokens/token_reader.h"

#include <algorithm>
#include <cmath>

namespace spreadsheet::xls::tokens {
namespace {

using formula::Node;
using formula::NodeKind;
using formula::NodePtr;

class FormulaDecompiler {
public:
    FormulaDecompiler(std::span<const uint8_t> rgce, model::CellAddress host, TokenContext context,
                      const ExternSheets* externs)
        : m_in(rgce), m_host(host), m_context(context), m_externs(externs) {}
    NodePtr decompile();

private:
    // An expression on the stack and the depth of its tree.
    struct Operand {
        NodePtr node;
        int depth;
    };

    void decodeToken();
    bool decodeLiteral(uint8_t id);
    bool decodeOperator(uint8_t id);
    void decodeClassed(uint8_t id);
    void decodeAttribute();
    void decodeFunction(uint16_t field, std::optional<int> argumentCount);
    void decodeReference(uint8_t base);
    void decodeSubexpressionHeader(size_t unusedBytes);
    [[noreturn]] void failSharedFormula();
    std::string sheetName(uint16_t index) const;
    void push(NodePtr node, int depth);
    Operand pop();
    std::vector<Operand> popArguments(int count);

    TokenReader m_in;
    model::CellAddress m_host;
    TokenContext m_context;
    const ExternSheets* m_externs;
    std::vector<Operand> m_stack;
};

NodePtr FormulaDecompiler::decompile() {
    if (m_in.atEnd()) throw TokenError("a formula with no tokens");
    while (!m_in.atEnd()) decodeToken();
    m_in.beginToken();
    if (m_stack.size() != 1)
        m_in.fail("the tokens leave " + std::to_string(m_stack.size()) + " expressions instead of one");
    const NodePtr& root = m_stack.front().node;
    if (root->kind == NodeKind::MissingArgument) m_in.fail("a missing argument outside a function call");
    if (m_context == TokenContext::ChartSeries && !formula::isReferenceExpression(*root))
        m_in.fail("a chart series formula that is not a reference");
    return root;
}

void FormulaDecompiler::decodeToken() {
    m_in.beginToken();
    const uint8_t id = m_in.u8();
    if (id & ptg::kReservedBit) m_in.fail("unknown formula token " + hexText(id, 2));
    if (id >= ptg::kClassReference) {
        decodeClassed(id);
        return;
    }
    if (decodeLiteral(id) || decodeOperator(id)) return;
    switch (id) {
    case ptg::kExp: failSharedFormula();
    case ptg::kTbl: m_in.fail("a data table formula, which is not supported,");
    case ptg::kAttr: decodeAttribute(); return;
    case ptg::kIsect: m_in.fail("the intersection operator, which is not supported,");
    default: m_in.fail("unknown formula token " + hexText(id, 2));
    }
}

// Numbers, text, Booleans, error values and missing arguments; false for other ids.
bool FormulaDecompiler::decodeLiteral(uint8_t id) {
    switch (id) {
    case ptg::kInt: push(Node::makeNumber(m_in.u16()), 1); return true;
    case ptg::kNum: {
        const double value = m_in.f64();
        if (!std::isfinite(value)) m_in.fail("a number that is not finite");
        // The engine's number literals are never negative: a minus sign is an operator.
        if (value < 0)
            push(Node::makeUnary(formula::UnaryOperator::Minus, Node::makeNumber(-value)), 2);
        else
            push(Node::makeNumber(value == 0 ? 0.0 : value), 1);
        return true;
    }
    case ptg::kStr: push(Node::makeText(readShortString(m_in)), 1); return true;
    case ptg::kBool: push(Node::makeBoolean(m_in.u8() != 0), 1); return true;
    case ptg::kErr: {
        const uint8_t code = m_in.u8();
        const std::optional<model::ErrorCode> error = errorCodeFor(code);
        if (!error) m_in.fail("unknown error code " + hexText(code, 2));
        push(Node::makeError(*error), 1);
        return true;
    }
    case ptg::kMissArg: push(Node::makeMissingArgument(), 1); return true;
    default: return false;
    }
}

// Unary, percent, binary operators and parentheses; false for other ids.
bool FormulaDecompiler::decodeOperator(uint8_t id) {
    if (const std::optional<formula::BinaryOperator> op = binaryOperatorFor(id)) {
        const Operand right = pop();
        const Operand left = pop();
        const bool onReferences = *op == formula::BinaryOperator::Range || *op == formula::BinaryOperator::Union;
        const bool references =
            formula::isReferenceExpression(*left.node) && formula::isReferenceExpression(*right.node);
        if (onReferences && !references)
            m_in.fail("a range or union of operands that are not references");
        push(Node::makeBinary(*op, left.node, right.node), std::max(left.depth, right.depth) + 1);
        return true;
    }
    if (id != ptg::kUplus && id != ptg::kUminus && id != ptg::kPercent && id != ptg::kParen) return false;
    const Operand operand = pop();
    NodePtr node;
    if (id == ptg::kPercent)
        node = Node::makePercent(operand.node);
    else if (id == ptg::kParen)
        node = Node::makeParentheses(operand.node);
    else
        node = Node::makeUnary(id == ptg::kUminus ? formula::UnaryOperator::Minus : formula::UnaryOperator::Plus,
                               operand.node);
    push(std::move(node), operand.depth + 1);
    return true;
}

// Tokens whose id carries a class; the class does not change the tree.
void FormulaDecompiler::decodeClassed(uint8_t id) {
    const uint8_t base = id & ptg::kBaseMask;
    switch (base) {
    case ptg::kFunc: decodeFunction(m_in.u16(), std::nullopt); return;
    case ptg::kFuncVar: {
        const int count = m_in.u8() & ptg::kFuncVarCountMask;
        decodeFunction(m_in.u16(), count);
        return;
    }
    case ptg::kRef: case ptg::kRefN: case ptg::kRef3d:
    case ptg::kArea: case ptg::kAreaN: case ptg::kArea3d: decodeReference(base); return;
    case ptg::kRefErr: case ptg::kAreaErr: case ptg::kRefErr3d: case ptg::kAreaErr3d: {
        // A reference to deleted cells: its fields are meaningless and it reads as #REF!.
        const bool is3d = base == ptg::kRefErr3d || base == ptg::kAreaErr3d;
        const bool area = base == ptg::kAreaErr || base == ptg::kAreaErr3d;
        m_in.skip((is3d ? ptg::kSheetIndexSize : 0) + (area ? ptg::kAreaSize : ptg::kLocSize));
        push(Node::makeError(model::ErrorCode::Ref), 1);
        return;
    }
    case ptg::kMemArea: case ptg::kMemErr: case ptg::kMemNoMem: decodeSubexpressionHeader(ptg::kMemHeaderSize); return;
    case ptg::kMemFunc: decodeSubexpressionHeader(0); return;
    case ptg::kName: m_in.fail("a defined name, which is not supported,");
    case ptg::kNameX: m_in.fail("an external name, which is not supported,");
    case ptg::kArray: m_in.fail("an array constant, which is not supported,");
    default: m_in.fail("unknown formula token " + hexText(id, 2));
    }
}

// PtgAttr: tAttrSum is SUM of the expression on top; every other attribute
// (jumps, spaces, volatility) is skipped, with tAttrChoose's jump table.
void FormulaDecompiler::decodeAttribute() {
    const uint8_t flags = m_in.u8();
    const uint16_t data = m_in.u16();
    if (flags == 0 || (flags & ~ptg::kAttrKnownBits) != 0) m_in.fail("unknown attribute token " + hexText(flags, 2));
    if (flags & ptg::kAttrSum) {
        const Operand operand = pop();
        push(Node::makeFunction("SUM", {operand.node}), operand.depth + 1);
    } else if (flags & ptg::kAttrChoose) {
        m_in.skip((static_cast<size_t>(data) + 1) * sizeof(uint16_t));
    }
}

// PtgFunc (count implied by the function) or PtgFuncVar (count given).
void FormulaDecompiler::decodeFunction(uint16_t field, std::optional<int> argumentCount) {
    if (field & ptg::kCommandEquivalentBit) m_in.fail("a macro command, which is not supported,");
    const uint16_t number = field & ptg::kFunctionNumberMask;
    const formula::FunctionInfo* info = formula::findFunction(number);
    if (!info) m_in.fail("unknown function number " + std::to_string(number));
    const std::string name(info->name);
    if (!argumentCount && info->minArguments != info->maxArguments)
        m_in.fail(name + " without its argument count");
    const int count = argumentCount.value_or(info->minArguments);
    if (count < info->minArguments || count > info->maxArguments)
        m_in.fail(name + " with " + std::to_string(count) + " arguments");
    std::vector<NodePtr> arguments;
    int depth = 0;
    for (Operand& a : popArguments(count)) {
        depth = std::max(depth, a.depth);
        arguments.push_back(std::move(a.node));
    }
    push(Node::makeFunction(name, std::move(arguments)), depth + 1);
}

// PtgRef/PtgArea (resolved coordinates), PtgRefN/PtgAreaN (offsets) and the 3D forms.
void FormulaDecompiler::decodeReference(uint8_t base) {
    const bool area = base == ptg::kArea || base == ptg::kAreaN || base == ptg::kArea3d;
    const bool is3d = base == ptg::kRef3d || base == ptg::kArea3d;
    const RelativeForm form = base == ptg::kRefN || base == ptg::kAreaN ? RelativeForm::Offset : RelativeForm::Resolved;
    std::optional<std::string> sheet;
    if (is3d) sheet = sheetName(m_in.u16());
    if (area) {
        const AreaFields fields{m_in.u16(), m_in.u16(), m_in.u16(), m_in.u16()};
        const std::optional<formula::AreaReference> decoded = decodeArea(fields, m_host, form);
        if (!decoded) m_in.fail("a reference to a column beyond the grid");
        push(Node::makeArea(*decoded, std::move(sheet)), 1);
    } else {
        const CellFields fields{m_in.u16(), m_in.u16()};
        const std::optional<formula::CellReference> decoded = decodeCell(fields, m_host, form);
        if (!decoded) m_in.fail("a reference to a column beyond the grid");
        push(Node::makeReference(*decoded, std::move(sheet)), 1);
    }
}

// PtgMem*: a header announcing that a reference subexpression of the given
// length follows; the subexpression's own tokens are read as usual.
void FormulaDecompiler::decodeSubexpressionHeader(size_t unusedBytes) {
    m_in.skip(unusedBytes);
    if (m_in.u16() > m_in.remaining()) m_in.fail("a subexpression longer than the tokens left");
}

// PtgExp: the caller finds the real tokens with the base cell it names.
void FormulaDecompiler::failSharedFormula() {
    const uint16_t row = m_in.u16();
    const uint16_t column = m_in.u16();
    throw SharedFormulaError("a shared formula pointer at byte " + std::to_string(m_in.tokenStart()),
                             model::CellAddress{row + 1, column + 1});
}

std::string FormulaDecompiler::sheetName(uint16_t index) const {
    if (!m_externs) m_in.fail("a reference to another sheet without the workbook's sheet table");
    std::optional<std::string> name = m_externs->sheetName(index);
    if (!name) m_in.fail("a reference to unknown sheet index " + std::to_string(index));
    return std::move(*name);
}

void FormulaDecompiler::push(NodePtr node, int depth) {
    if (depth > formula::kMaxTreeDepth) m_in.fail("a formula nested too deeply");
    m_stack.push_back({std::move(node), depth});
}

// The expression on top, for an operator: there must be one, and not a missing argument.
FormulaDecompiler::Operand FormulaDecompiler::pop() {
    if (m_stack.empty()) m_in.fail("an operator without its operands");
    Operand top = std::move(m_stack.back());
    m_stack.pop_back();
    if (top.node->kind == NodeKind::MissingArgument) m_in.fail("a missing argument as an operand");
    return top;
}

// A call's arguments, first argument first; missing arguments are allowed here.
std::vector<FormulaDecompiler::Operand> FormulaDecompiler::popArguments(int count) {
    const auto n = static_cast<size_t>(count);
    if (m_stack.size() < n) m_in.fail("a function call without all its arguments");
    std::vector<Operand> arguments(std::make_move_iterator(m_stack.end() - static_cast<std::ptrdiff_t>(n)),
                                   std::make_move_iterator(m_stack.end()));
    m_stack.resize(m_stack.size() - n);
    return arguments;
}

}  // namespace

std::shared_ptr<const formula::Formula> decompileFormula(std::span<const uint8_t> rgce, model::CellAddress host,
                                                         TokenContext context, const ExternSheets* externs) {
    return formula::Formula::fromTree(FormulaDecompiler(rgce, host, context, externs).decompile());
}

}  // namespace spreadsheet::xls::tokens
