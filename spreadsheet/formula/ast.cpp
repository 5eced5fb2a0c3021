// Node factories and the few questions callers ask of a tree.
#include "spreadsheet/formula/ast.h"

#include <cctype>

namespace spreadsheet::formula {
namespace {

std::shared_ptr<Node> makeNode(NodeKind kind) {
    auto node = std::make_shared<Node>();
    node->kind = kind;
    return node;
}

}  // namespace

Node::~Node() {
    // Children that only this node holds hand their own children over before
    // they go, so every node is destroyed with no children left to recurse into.
    std::vector<NodePtr> pending = std::move(children);
    while (!pending.empty()) {
        NodePtr child = std::move(pending.back());
        pending.pop_back();
        if (child.use_count() == 1) {
            auto& grandchildren = const_cast<Node&>(*child).children;  // created non-const by the factories
            for (NodePtr& g : grandchildren) pending.push_back(std::move(g));
            grandchildren.clear();
        }
    }
}

bool AreaReference::isWholeColumns() const {
    return !first.row.relative && !last.row.relative && first.row.value == 1 && last.row.value == model::kMaxRows;
}

bool AreaReference::isWholeRows() const {
    return !first.column.relative && !last.column.relative && first.column.value == 1 &&
           last.column.value == model::kMaxColumns;
}

NodePtr Node::makeNumber(double value) {
    auto node = makeNode(NodeKind::Number);
    node->number = value;
    return node;
}

NodePtr Node::makeText(std::string value) {
    auto node = makeNode(NodeKind::Text);
    node->text = std::move(value);
    return node;
}

NodePtr Node::makeBoolean(bool value) {
    auto node = makeNode(NodeKind::Boolean);
    node->boolean = value;
    return node;
}

NodePtr Node::makeError(model::ErrorCode code) {
    auto node = makeNode(NodeKind::Error);
    node->error = code;
    return node;
}

NodePtr Node::makeMissingArgument() { return makeNode(NodeKind::MissingArgument); }

NodePtr Node::makeReference(CellReference cell, std::optional<std::string> sheet) {
    auto node = makeNode(NodeKind::Reference);
    node->cell = cell;
    node->sheet = std::move(sheet);
    return node;
}

NodePtr Node::makeArea(AreaReference area, std::optional<std::string> sheet) {
    auto node = makeNode(NodeKind::Area);
    node->area = area;
    node->sheet = std::move(sheet);
    return node;
}

NodePtr Node::makeName(std::string name) {
    auto node = makeNode(NodeKind::Name);
    node->text = std::move(name);
    return node;
}

NodePtr Node::makeUnary(UnaryOperator op, NodePtr operand) {
    auto node = makeNode(NodeKind::Unary);
    node->unaryOperator = op;
    node->children.push_back(std::move(operand));
    return node;
}

NodePtr Node::makePercent(NodePtr operand) {
    auto node = makeNode(NodeKind::Percent);
    node->children.push_back(std::move(operand));
    return node;
}

NodePtr Node::makeBinary(BinaryOperator op, NodePtr left, NodePtr right) {
    auto node = makeNode(NodeKind::Binary);
    node->binaryOperator = op;
    node->children.push_back(std::move(left));
    node->children.push_back(std::move(right));
    return node;
}

NodePtr Node::makeParentheses(NodePtr inner) {
    auto node = makeNode(NodeKind::Parentheses);
    node->children.push_back(std::move(inner));
    return node;
}

NodePtr Node::makeFunction(std::string name, std::vector<NodePtr> arguments) {
    auto node = makeNode(NodeKind::Function);
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    node->function = findFunction(name);
    node->text = std::move(name);
    node->children = std::move(arguments);
    return node;
}

bool isReferenceExpression(const Node& node) {
    switch (node.kind) {
    case NodeKind::Reference:
    case NodeKind::Area:
    case NodeKind::Name:
    case NodeKind::Function: return true;
    case NodeKind::Parentheses: return isReferenceExpression(*node.children[0]);
    case NodeKind::Binary:
        return node.binaryOperator == BinaryOperator::Range || node.binaryOperator == BinaryOperator::Union;
    default: return false;
    }
}

}  // namespace spreadsheet::formula
