// Prints a tree by walking it once. A1 references are resolved against the
// host; one that falls off the grid prints as #REF!, as the spreadsheet shows
// it. R1C1 references print as written, so they never fall off.
#include "spreadsheet/formula/printer.h"

#include "spreadsheet/formula/number_text.h"
#include "spreadsheet/model/a1_notation.h"

#include <cctype>
#include <vector>

namespace spreadsheet::formula {
namespace {

// Binding strength for printing; higher binds tighter.
enum Precedence : int {
    kComparison = 1,
    kConcatenation,
    kAdditive,
    kMultiplicative,
    kPower,
    kPercent,
    kUnary,
    kUnion,
    kRange,
    kPrimary,
};

struct BinaryText {
    std::string_view text;
    int precedence;
};

BinaryText binaryText(BinaryOperator op) {
    switch (op) {
    case BinaryOperator::Add: return {"+", kAdditive};
    case BinaryOperator::Subtract: return {"-", kAdditive};
    case BinaryOperator::Multiply: return {"*", kMultiplicative};
    case BinaryOperator::Divide: return {"/", kMultiplicative};
    case BinaryOperator::Power: return {"^", kPower};
    case BinaryOperator::Concatenate: return {"&", kConcatenation};
    case BinaryOperator::Equal: return {"=", kComparison};
    case BinaryOperator::NotEqual: return {"<>", kComparison};
    case BinaryOperator::Less: return {"<", kComparison};
    case BinaryOperator::Greater: return {">", kComparison};
    case BinaryOperator::LessEqual: return {"<=", kComparison};
    case BinaryOperator::GreaterEqual: return {">=", kComparison};
    case BinaryOperator::Range: return {":", kRange};
    case BinaryOperator::Union: return {",", kUnion};
    }
    return {"?", kPrimary};
}

int precedenceOf(const Node& node) {
    switch (node.kind) {
    case NodeKind::Binary: return binaryText(node.binaryOperator).precedence;
    case NodeKind::Unary: return kUnary;
    case NodeKind::Percent: return kPercent;
    default: return kPrimary;
    }
}

bool isUnion(const Node& node) {
    return node.kind == NodeKind::Binary && node.binaryOperator == BinaryOperator::Union;
}

bool isPlainName(const std::string& name) {
    for (char c : name)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.' || static_cast<unsigned char>(c) >= 0x80))
            return false;
    return true;
}

// True for names a reader would take for a reference: "A1", "IV65536", "R", "RC", "R1C1", "C3".
bool looksLikeReference(const std::string& name) {
    size_t i = 0;
    while (i < name.size() && std::isalpha(static_cast<unsigned char>(name[i]))) ++i;
    const bool digitsFollow = i < name.size() && std::isdigit(static_cast<unsigned char>(name[i]));
    size_t j = i;
    while (j < name.size() && std::isdigit(static_cast<unsigned char>(name[j]))) ++j;
    if (i >= 1 && i <= 3 && digitsFollow && j == name.size()) return true;
    std::string rest;
    for (char c : name)
        if (!std::isdigit(static_cast<unsigned char>(c))) rest += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return rest == "R" || rest == "C" || rest == "RC";
}

class Printer {
public:
    Printer(Notation notation, model::CellAddress host) : m_notation(notation), m_host(host) {}
    std::string print(const Node& root) {
        printOperand(root, 0, false);
        return std::move(m_out);
    }

private:
    void printOperand(const Node& node, int minPrecedence, bool unionAllowed);
    void printNode(const Node& node);
    void printChain(const Node& node);
    void printArguments(const Node& node);
    void printReference(const Node& node);
    std::string r1c1Cell(const CellReference& cell) const;
    std::string r1c1Area(const AreaReference& area) const;
    std::string a1Cell(const CellReference& cell) const;
    std::string a1Area(const AreaReference& area) const;

    Notation m_notation;
    model::CellAddress m_host;
    std::string m_out;
};

// Prints a child, in parentheses when it binds looser than its place asks or
// is a union outside parentheses (where its "," would split arguments).
void Printer::printOperand(const Node& node, int minPrecedence, bool unionAllowed) {
    const bool wrap = precedenceOf(node) < minPrecedence || (isUnion(node) && !unionAllowed);
    if (wrap) m_out += '(';
    printNode(node);
    if (wrap) m_out += ')';
}

void Printer::printNode(const Node& node) {
    switch (node.kind) {
    case NodeKind::Number: m_out += formulaNumberText(node.number); return;
    case NodeKind::Text: {
        m_out += '"';
        for (char c : node.text) m_out += c == '"' ? std::string("\"\"") : std::string(1, c);
        m_out += '"';
        return;
    }
    case NodeKind::Boolean: m_out += node.boolean ? "TRUE" : "FALSE"; return;
    case NodeKind::Error: m_out += model::errorText(node.error); return;
    case NodeKind::MissingArgument: return;
    case NodeKind::Reference:
    case NodeKind::Area: printReference(node); return;
    case NodeKind::Name: m_out += node.text; return;
    case NodeKind::Unary:
        m_out += node.unaryOperator == UnaryOperator::Minus ? '-' : '+';
        printOperand(*node.children[0], kUnary, false);
        return;
    case NodeKind::Percent:
        printOperand(*node.children[0], kPercent, false);
        m_out += '%';
        return;
    case NodeKind::Binary: printChain(node); return;
    case NodeKind::Parentheses:
        m_out += '(';
        printOperand(*node.children[0], 0, true);
        m_out += ')';
        return;
    case NodeKind::Function: printArguments(node); return;
    }
}

// Operators nest to the left ("1+2+3" is (1+2)+3): the left side of a chain
// that needs no parentheses is walked in a loop, so long chains need no deep stack.
void Printer::printChain(const Node& node) {
    std::vector<const Node*> chain{&node};
    while (true) {
        const Node& parent = *chain.back();
        const Node& left = *parent.children[0];
        const bool inline_ = left.kind == NodeKind::Binary && precedenceOf(left) >= precedenceOf(parent) &&
                             (!isUnion(left) || isUnion(parent));
        if (!inline_) break;
        chain.push_back(&left);
    }
    const Node& innermost = *chain.back();
    printOperand(*innermost.children[0], precedenceOf(innermost), isUnion(innermost));
    for (auto step = chain.rbegin(); step != chain.rend(); ++step) {
        const BinaryText op = binaryText((*step)->binaryOperator);
        m_out += op.text;
        printOperand(*(*step)->children[1], op.precedence + 1, false);
    }
}

void Printer::printArguments(const Node& node) {
    m_out += node.text + "(";
    for (size_t i = 0; i < node.children.size(); ++i) {
        if (i > 0) m_out += ',';
        printOperand(*node.children[i], 0, false);
    }
    m_out += ')';
}

void Printer::printReference(const Node& node) {
    if (node.sheet) m_out += sheetPrefix(*node.sheet);
    if (m_notation == Notation::R1C1)
        m_out += node.kind == NodeKind::Reference ? r1c1Cell(node.cell) : r1c1Area(node.area);
    else
        m_out += node.kind == NodeKind::Reference ? a1Cell(node.cell) : a1Area(node.area);
}

// "R" / "R5" / "R[-2]", likewise with "C".
std::string r1c1Coordinate(char letter, Coordinate c) {
    if (!c.relative) return letter + std::to_string(c.value);
    if (c.value == 0) return std::string(1, letter);
    return letter + ("[" + std::to_string(c.value) + "]");
}

std::string Printer::r1c1Cell(const CellReference& cell) const {
    return r1c1Coordinate('R', cell.row) + r1c1Coordinate('C', cell.column);
}

// "R[-5]C:R[-1]C"; whole rows "R5" or "R1:R3", whole columns "C" or "C[2]:C[4]".
std::string Printer::r1c1Area(const AreaReference& area) const {
    if (area.isWholeRows() || area.isWholeColumns()) {
        const char letter = area.isWholeRows() ? 'R' : 'C';
        const Coordinate a = area.isWholeRows() ? area.first.row : area.first.column;
        const Coordinate b = area.isWholeRows() ? area.last.row : area.last.column;
        return r1c1Coordinate(letter, a) + (a == b ? "" : ":" + r1c1Coordinate(letter, b));
    }
    return r1c1Cell(area.first) + ":" + r1c1Cell(area.last);
}

std::string a1Row(Coordinate c, int row) { return (c.relative ? "" : "$") + std::to_string(row); }
std::string a1Column(Coordinate c, int column) { return (c.relative ? "" : "$") + model::columnLetters(column); }

std::string Printer::a1Cell(const CellReference& cell) const {
    const model::CellAddress a = cell.resolve(m_host);
    if (!model::isOnGrid(a)) return "#REF!";
    return a1Column(cell.column, a.column) + a1Row(cell.row, a.row);
}

// "F5:F26"; whole rows "3:4", whole columns "A:A".
std::string Printer::a1Area(const AreaReference& area) const {
    const model::CellAddress a = area.first.resolve(m_host);
    const model::CellAddress b = area.last.resolve(m_host);
    if (area.isWholeRows()) {
        if (!model::isOnGrid({a.row, 1}) || !model::isOnGrid({b.row, 1})) return "#REF!";
        return a1Row(area.first.row, a.row) + ":" + a1Row(area.last.row, b.row);
    }
    if (area.isWholeColumns()) {
        if (!model::isOnGrid({1, a.column}) || !model::isOnGrid({1, b.column})) return "#REF!";
        return a1Column(area.first.column, a.column) + ":" + a1Column(area.last.column, b.column);
    }
    if (!model::isOnGrid(a) || !model::isOnGrid(b)) return "#REF!";
    return a1Cell(area.first) + ":" + a1Cell(area.last);
}

}  // namespace

std::string sheetPrefix(const std::string& sheet) {
    const bool quoted = sheet.empty() || !isPlainName(sheet) || std::isdigit(static_cast<unsigned char>(sheet[0])) ||
                        sheet[0] == '.' || looksLikeReference(sheet);
    if (!quoted) return sheet + "!";
    std::string out = "'";
    for (char c : sheet) out += c == '\'' ? std::string("''") : std::string(1, c);
    return out + "'!";
}

std::string printFormula(const Node& root, Notation notation, model::CellAddress host) {
    return "=" + Printer(notation, host).print(root);
}

}  // namespace spreadsheet::formula
