// Recursive-descent parser over the token list. Precedence, from loosest to
// tightest: comparisons, "&", "+ -", "* /", "^", "%", unary "- +", ":" (the
// union "," lives inside parentheses and takes references only). Every binary
// level is left-associative, so "2^3^2" is 64 and "-2^2" is 4.
#include "spreadsheet/formula/parser.h"

#include "spreadsheet/formula/formula.h"

#include <array>
#include <utility>

namespace spreadsheet::formula {
namespace {

struct OperatorName {
    std::string_view text;
    BinaryOperator op;
};

constexpr std::array<OperatorName, 6> kComparisons = {{{"=", BinaryOperator::Equal},
                                                       {"<>", BinaryOperator::NotEqual},
                                                       {"<", BinaryOperator::Less},
                                                       {">", BinaryOperator::Greater},
                                                       {"<=", BinaryOperator::LessEqual},
                                                       {">=", BinaryOperator::GreaterEqual}}};
constexpr std::array<OperatorName, 1> kConcatenation = {{{"&", BinaryOperator::Concatenate}}};
constexpr std::array<OperatorName, 2> kAdditive = {{{"+", BinaryOperator::Add}, {"-", BinaryOperator::Subtract}}};
constexpr std::array<OperatorName, 2> kMultiplicative = {
    {{"*", BinaryOperator::Multiply}, {"/", BinaryOperator::Divide}}};
constexpr std::array<OperatorName, 1> kPower = {{{"^", BinaryOperator::Power}}};

// "2 arguments", "2 to 3 arguments", "at least 1 argument", "no arguments".
std::string argumentCountText(const FunctionInfo& f) {
    auto plural = [](int n) { return std::to_string(n) + (n == 1 ? " argument" : " arguments"); };
    if (f.maxArguments == 0) return "no arguments";
    if (f.minArguments == f.maxArguments) return plural(f.minArguments);
    if (f.maxArguments >= kMaxFunctionArguments) return "at least " + plural(f.minArguments);
    return std::to_string(f.minArguments) + " to " + plural(f.maxArguments);
}

std::string describe(const Token& t) {
    switch (t.kind) {
    case TokenKind::Number: return "a number";
    case TokenKind::Text: return "a text";
    case TokenKind::Boolean: return "a Boolean";
    case TokenKind::Error: return "an error value";
    case TokenKind::Reference: return "a reference";
    case TokenKind::Name: return "the name " + t.text;
    case TokenKind::Function: return "the function " + t.text;
    case TokenKind::Open: return "'('";
    default: return "'" + t.text + "'";
    }
}

class Parser {
public:
    Parser(std::vector<Token> tokens, int endPosition) : m_tokens(std::move(tokens)), m_end(endPosition) {}
    NodePtr parseFormula();

private:
    // Counts nesting while a level recurses into itself.
    class Nesting {
    public:
        Nesting(Parser& p, int position) : m_parser(p) {
            if (++m_parser.m_depth > kMaxNesting) throwFormulaError("formula nested too deeply", position);
        }
        ~Nesting() { --m_parser.m_depth; }
        Nesting(const Nesting&) = delete;
        Nesting& operator=(const Nesting&) = delete;

    private:
        Parser& m_parser;
    };

    const Token* peek(size_t ahead = 0) const {
        return m_index + ahead < m_tokens.size() ? &m_tokens[m_index + ahead] : nullptr;
    }
    bool peekKind(TokenKind kind) const { return peek() && peek()->kind == kind; }
    bool peekOperator(std::string_view op) const { return peekKind(TokenKind::Operator) && peek()->text == op; }
    int nextPosition() const { return peek() ? peek()->position : m_end; }
    const Token& take() { return m_tokens[m_index++]; }
    [[noreturn]] void unexpected() const;

    template <size_t N>
    NodePtr parseLevel(const std::array<OperatorName, N>& operators, NodePtr (Parser::*next)());
    NodePtr parseComparison();
    NodePtr parseConcatenation();
    NodePtr parseAdditive();
    NodePtr parseMultiplicative();
    NodePtr parsePower();
    NodePtr parsePercent();
    NodePtr parseUnary();
    NodePtr parseRange();
    NodePtr parseRangeOperand();
    NodePtr parsePrimary();
    NodePtr parseParentheses();
    NodePtr parseCall();
    NodePtr parseArgument();
    void expectClose();

    std::vector<Token> m_tokens;
    size_t m_index = 0;
    int m_end;
    int m_depth = 0;
};

// formula := comparison END
NodePtr Parser::parseFormula() {
    if (m_tokens.empty()) throwFormulaError("empty formula", m_end);
    NodePtr root = parseComparison();
    if (peek()) unexpected();
    return root;
}

// Reports the token at the current position as out of place.
void Parser::unexpected() const {
    const Token* t = peek();
    if (!t) throwFormulaError("missing operand", m_end);
    if (t->kind == TokenKind::Close) throwFormulaError("closing parenthesis without an opening one", t->position);
    if (t->kind == TokenKind::Comma) throwFormulaError("',' outside a function call or parentheses", t->position);
    throwFormulaError("missing operator before " + describe(*t), t->position);
}

// One left-associative binary level: operand {operator operand}.
template <size_t N>
NodePtr Parser::parseLevel(const std::array<OperatorName, N>& operators, NodePtr (Parser::*next)()) {
    NodePtr left = (this->*next)();
    while (true) {
        const OperatorName* found = nullptr;
        for (const OperatorName& o : operators)
            if (peekOperator(o.text)) found = &o;
        if (!found) return left;
        take();
        left = Node::makeBinary(found->op, std::move(left), (this->*next)());
    }
}

// comparison := concatenation {("=" | "<>" | "<" | ">" | "<=" | ">=") concatenation}
NodePtr Parser::parseComparison() {
    const Nesting nesting(*this, nextPosition());
    return parseLevel(kComparisons, &Parser::parseConcatenation);
}

// concatenation := additive {"&" additive}
NodePtr Parser::parseConcatenation() { return parseLevel(kConcatenation, &Parser::parseAdditive); }

// additive := multiplicative {("+" | "-") multiplicative}
NodePtr Parser::parseAdditive() { return parseLevel(kAdditive, &Parser::parseMultiplicative); }

// multiplicative := power {("*" | "/") power}
NodePtr Parser::parseMultiplicative() { return parseLevel(kMultiplicative, &Parser::parsePower); }

// power := percent {"^" percent}
NodePtr Parser::parsePower() { return parseLevel(kPower, &Parser::parsePercent); }

// percent := unary {"%"}
NodePtr Parser::parsePercent() {
    NodePtr operand = parseUnary();
    while (peekOperator("%")) {
        take();
        operand = Node::makePercent(std::move(operand));
    }
    return operand;
}

// unary := ("-" | "+") unary | range
NodePtr Parser::parseUnary() {
    if (!peekOperator("-") && !peekOperator("+")) return parseRange();
    const Token& sign = take();
    const Nesting nesting(*this, sign.position);
    const UnaryOperator op = sign.text == "-" ? UnaryOperator::Minus : UnaryOperator::Plus;
    return Node::makeUnary(op, parseUnary());
}

// range := rangeOperand {":" rangeOperand}, both sides references
NodePtr Parser::parseRange() {
    NodePtr left = parseRangeOperand();
    while (peekKind(TokenKind::Colon)) {
        const int position = take().position;
        NodePtr right = parseRangeOperand();
        if (!isReferenceExpression(*left) || !isReferenceExpression(*right))
            throwFormulaError("':' needs a reference on each side", position);
        left = Node::makeBinary(BinaryOperator::Range, std::move(left), std::move(right));
    }
    return left;
}

// rangeOperand := part [":" part] | primary, where two parts of one shape
// ("R1C1:R2C2", "R1:R3", "C[2]:C[4]", "F5:F26") make one area
NodePtr Parser::parseRangeOperand() {
    if (!peekKind(TokenKind::Reference)) return parsePrimary();
    const Token& first = take();
    const Token* colon = peek();
    const Token* second = peek(1);
    const bool pairs = colon && colon->kind == TokenKind::Colon && second && second->kind == TokenKind::Reference &&
                       !second->sheet && second->shape == first.shape && first.shape != ReferenceShape::Area;
    const Token& last = pairs ? *second : first;
    if (pairs) m_index += 2;
    const auto wholeRow = [](Coordinate row) { return CellReference{row, Coordinate::absolute(1)}; };
    switch (first.shape) {
    case ReferenceShape::Cell:
        if (!pairs) return Node::makeReference(first.cell, first.sheet);
        return Node::makeArea({first.cell, last.cell}, first.sheet);
    case ReferenceShape::Rows:
        return Node::makeArea({wholeRow(first.cell.row), {last.cell.row, Coordinate::absolute(model::kMaxColumns)}},
                              first.sheet);
    case ReferenceShape::Columns:
        return Node::makeArea({{Coordinate::absolute(1), first.cell.column},
                               {Coordinate::absolute(model::kMaxRows), last.cell.column}},
                              first.sheet);
    case ReferenceShape::Area: break;
    }
    return Node::makeArea(first.area, first.sheet);
}

// primary := number | text | boolean | error | name | call | parentheses
NodePtr Parser::parsePrimary() {
    const Token* t = peek();
    if (!t) throwFormulaError("missing operand", m_end);
    switch (t->kind) {
    case TokenKind::Number: return Node::makeNumber(take().number);
    case TokenKind::Text: return Node::makeText(take().text);
    case TokenKind::Boolean: return Node::makeBoolean(take().boolean);
    case TokenKind::Error: return Node::makeError(take().error);
    case TokenKind::Name: return Node::makeName(take().text);
    case TokenKind::Function: return parseCall();
    case TokenKind::Open: return parseParentheses();
    case TokenKind::Reference: return parseRangeOperand();
    default: throwFormulaError("missing operand before " + describe(*t), t->position);
    }
}

// parentheses := "(" comparison {"," comparison} ")"; with commas, a union of references
NodePtr Parser::parseParentheses() {
    take();
    std::vector<std::pair<int, NodePtr>> items;
    do {
        if (!items.empty()) take();  // the ","
        const int position = nextPosition();
        items.emplace_back(position, parseComparison());
    } while (peekKind(TokenKind::Comma));
    expectClose();
    if (items.size() == 1) return Node::makeParentheses(std::move(items.front().second));
    NodePtr united;
    for (auto& [position, item] : items) {
        if (!isReferenceExpression(*item)) throwFormulaError("a union (',' inside parentheses) takes references only", position);
        united = united ? Node::makeBinary(BinaryOperator::Union, std::move(united), std::move(item)) : std::move(item);
    }
    return Node::makeParentheses(std::move(united));
}

// call := function "(" [argument {"," argument}] ")"; argument counts checked against the table
NodePtr Parser::parseCall() {
    const Token& name = take();
    take();  // "(": the tokenizer makes a name a function only when one follows
    std::vector<NodePtr> arguments;
    if (peekKind(TokenKind::Close)) {
        take();
    } else {
        arguments.push_back(parseArgument());
        while (peekKind(TokenKind::Comma)) {
            take();
            arguments.push_back(parseArgument());
        }
        expectClose();
    }
    const int count = static_cast<int>(arguments.size());
    if (count > kMaxFunctionArguments)
        throwFormulaError("more than " + std::to_string(kMaxFunctionArguments) + " arguments to " + name.text,
                          name.position);
    const FunctionInfo* info = findFunction(name.text);
    if (info && (count < info->minArguments || count > info->maxArguments))
        throwFormulaError(name.text + " takes " + argumentCountText(*info) + ", not " + std::to_string(count),
                          name.position);
    return Node::makeFunction(name.text, std::move(arguments));
}

// argument := comparison | nothing (a missing argument)
NodePtr Parser::parseArgument() {
    if (!peek()) throwFormulaError("missing closing parenthesis", m_end);
    if (peekKind(TokenKind::Comma) || peekKind(TokenKind::Close)) return Node::makeMissingArgument();
    return parseComparison();
}

void Parser::expectClose() {
    if (!peek()) throwFormulaError("missing closing parenthesis", m_end);
    if (!peekKind(TokenKind::Close)) unexpected();
    take();
}

// The deepest path from the root, walked without recursion.
int treeDepth(const Node& root) {
    int deepest = 0;
    std::vector<std::pair<const Node*, int>> pending{{&root, 1}};
    while (!pending.empty()) {
        const auto [node, depth] = pending.back();
        pending.pop_back();
        deepest = std::max(deepest, depth);
        for (const NodePtr& child : node->children) pending.emplace_back(child.get(), depth + 1);
    }
    return deepest;
}

}  // namespace

NodePtr parseFormulaText(std::string_view text, Notation notation, model::CellAddress host) {
    const bool equals = !text.empty() && text.front() == '=';
    if (equals) text.remove_prefix(1);
    const int first = equals ? 2 : 1;
    if (text.size() > kMaxFormulaLength)
        throwFormulaError("formula longer than " + std::to_string(kMaxFormulaLength) + " characters",
                          first + static_cast<int>(kMaxFormulaLength));
    Parser parser(tokenize(text, first, notation, host), first + static_cast<int>(text.size()));
    NodePtr root = parser.parseFormula();
    if (treeDepth(*root) > kMaxTreeDepth) throwFormulaError("formula nested too deeply", first);
    return root;
}

}  // namespace spreadsheet::formula
