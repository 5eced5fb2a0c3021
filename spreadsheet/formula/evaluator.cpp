// The evaluator computes formula cells in dependency order with an explicit
// stack, so a long chain of cells referring to each other never deepens the
// call stack. A cell met again while it is still being computed is part of a
// circular reference: the read gives #REF!, which then spreads around the loop.
#include "spreadsheet/formula/evaluator.h"

#include "spreadsheet/formula/formula.h"
#include "spreadsheet/formula/interpreter.h"

#include <map>
#include <set>

namespace spreadsheet::formula {
namespace {

using model::Value;

struct CellKey {
    int sheet = 0;
    model::CellAddress address;
    auto operator<=>(const CellKey&) const = default;
};

// Nested runs happen only for cells a formula reaches without naming them
// (the block that ":" spans between two references); this bounds them.
constexpr int kMaxNestedRuns = 64;

}  // namespace

struct Evaluator::Cache : CellSource {
    explicit Cache(const model::Workbook& workbook) : m_workbook(workbook) {}

    Value cellValue(int sheetIndex, model::CellAddress address) override;
    void forEachValue(int sheetIndex, const model::CellRange& range,
                      const std::function<void(const Value&)>& visit) override;
    std::optional<int> sheetIndex(std::string_view name) const override { return m_workbook.findSheet(name); }

    void dropIfChanged();

private:
    const formula::Formula* formulaAt(const CellKey& key) const;
    void computeInOrder(const CellKey& start);
    std::vector<CellKey> dependencies(const CellKey& key) const;
    void addDependencies(const CellKey& key, const Node& node, std::vector<CellKey>& out) const;

    const model::Workbook& m_workbook;
    uint64_t m_revision = 0;
    std::map<CellKey, Value> m_results;
    std::set<CellKey> m_inProgress;
    int m_nestedRuns = 0;
};

void Evaluator::Cache::dropIfChanged() {
    if (m_revision == m_workbook.revision()) return;
    m_results.clear();
    m_revision = m_workbook.revision();
}

const formula::Formula* Evaluator::Cache::formulaAt(const CellKey& key) const {
    if (key.sheet < 0 || key.sheet >= m_workbook.sheetCount()) return nullptr;
    const model::Cell* cell = m_workbook.sheet(key.sheet).findCell(key.address);
    return cell ? cell->formula.get() : nullptr;
}

// A cell's value: its constant, its cached result, or its formula computed now.
Value Evaluator::Cache::cellValue(int sheetIndex, model::CellAddress address) {
    if (sheetIndex < 0 || sheetIndex >= m_workbook.sheetCount()) return Value::error(model::ErrorCode::Ref);
    const model::Cell* cell = m_workbook.sheet(sheetIndex).findCell(address);
    if (!cell) return Value();
    if (!cell->hasFormula()) return cell->constant;
    const CellKey key{sheetIndex, address};
    if (const auto it = m_results.find(key); it != m_results.end()) return it->second;
    if (m_inProgress.count(key) || m_nestedRuns >= kMaxNestedRuns) return Value::error(model::ErrorCode::Ref);
    ++m_nestedRuns;
    computeInOrder(key);
    --m_nestedRuns;
    return m_results.at(key);
}

void Evaluator::Cache::forEachValue(int sheetIndex, const model::CellRange& range,
                                    const std::function<void(const Value&)>& visit) {
    if (sheetIndex < 0 || sheetIndex >= m_workbook.sheetCount()) return;
    m_workbook.sheet(sheetIndex).forEachCell(
        range, [&](model::CellAddress address, const model::Cell&) { visit(cellValue(sheetIndex, address)); });
}

// Depth-first over the formula cells start depends on, computing each after
// everything it reads; the stack lives on the heap.
void Evaluator::Cache::computeInOrder(const CellKey& start) {
    struct Frame {
        CellKey key;
        std::vector<CellKey> pending;
        size_t next = 0;
    };
    std::vector<Frame> stack;
    stack.push_back({start, dependencies(start), 0});
    m_inProgress.insert(start);
    while (!stack.empty()) {
        Frame& top = stack.back();
        if (top.next < top.pending.size()) {
            const CellKey dependency = top.pending[top.next++];
            if (m_results.count(dependency) || m_inProgress.count(dependency) || !formulaAt(dependency)) continue;
            m_inProgress.insert(dependency);
            stack.push_back({dependency, dependencies(dependency), 0});  // invalidates top
            continue;
        }
        const CellKey key = top.key;
        m_results[key] = Interpreter(*this, key.sheet, key.address).evaluateFormula(formulaAt(key)->root());
        m_inProgress.erase(key);
        stack.pop_back();
    }
}

// The formula cells a cell's formula names, directly or inside an area.
std::vector<CellKey> Evaluator::Cache::dependencies(const CellKey& key) const {
    std::vector<CellKey> out;
    const Node& root = formulaAt(key)->root();
    std::vector<const Node*> pending{&root};
    while (!pending.empty()) {
        const Node* node = pending.back();
        pending.pop_back();
        if (node->kind == NodeKind::Reference || node->kind == NodeKind::Area) addDependencies(key, *node, out);
        for (const NodePtr& child : node->children) pending.push_back(child.get());
    }
    return out;
}

void Evaluator::Cache::addDependencies(const CellKey& key, const Node& node, std::vector<CellKey>& out) const {
    int sheet = key.sheet;
    if (node.sheet) {
        const std::optional<int> found = m_workbook.findSheet(*node.sheet);
        if (!found) return;
        sheet = *found;
    }
    const AreaReference area = node.kind == NodeKind::Reference ? AreaReference{node.cell, node.cell} : node.area;
    const model::CellAddress a = area.first.resolve(key.address);
    const model::CellAddress b = area.last.resolve(key.address);
    if (!model::isOnGrid(a) || !model::isOnGrid(b)) return;
    if (a == b) {
        if (formulaAt({sheet, a})) out.push_back({sheet, a});
        return;
    }
    m_workbook.sheet(sheet).forEachCell(model::CellRange(a, b), [&](model::CellAddress address, const model::Cell& cell) {
        if (cell.hasFormula()) out.push_back({sheet, address});
    });
}

Evaluator::Evaluator(const model::Workbook& workbook) : m_workbook(workbook), m_cache(std::make_unique<Cache>(workbook)) {}

Evaluator::~Evaluator() = default;

Value Evaluator::cellValue(int sheetIndex, model::CellAddress address) {
    m_cache->dropIfChanged();
    return m_cache->cellValue(sheetIndex, address);
}

}  // namespace spreadsheet::formula
