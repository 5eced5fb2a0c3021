// Series references become reference-class 3D tokens through the formula
// token compiler; cached values come from the evaluator, cell by cell in the
// order the reference lists its areas.
#include "spreadsheet/xls/biff/charts/chart_plan.h"

#include "spreadsheet/formula/ast.h"
#include "spreadsheet/xls/biff/records/xls_error.h"
#include "spreadsheet/xls/tokens/formula_tokens.h"

namespace spreadsheet::xls::biff {
namespace {

using formula::Coordinate;
using formula::Node;

constexpr model::CellAddress kChartHost{1, 1};  // chart references are absolute: any host does

formula::CellReference absolute(model::CellAddress a) {
    return {Coordinate::absolute(a.row), Coordinate::absolute(a.column)};
}

formula::NodePtr areaNode(const std::string& sheet, const model::CellRange& range) {
    if (range.isSingleCell()) return Node::makeReference(absolute(range.first), sheet);
    return Node::makeArea({absolute(range.first), absolute(range.last)}, sheet);
}

// The values the cells of a reference show now, area by area, row by row.
std::vector<model::Value> cachedValues(const model::ChartReference& reference, const model::Workbook& workbook,
                                       formula::Evaluator& evaluator) {
    std::vector<model::Value> out;
    const std::optional<int> sheet = workbook.findSheet(reference.sheet);
    for (const model::CellRange& area : reference.areas)
        for (int row = area.first.row; row <= area.last.row; ++row)
            for (int column = area.first.column; column <= area.last.column; ++column)
                out.push_back(sheet ? evaluator.cellValue(*sheet, {row, column}) : model::Value());
    return out;
}

std::string describe(const model::ChartReference& reference) {
    return "\"" + reference.sheet + "\" (" + std::to_string(reference.areas.size()) + " areas)";
}

}  // namespace

std::vector<uint8_t> chartReferenceTokens(const model::ChartReference& reference, WrittenExternSheets& externs) {
    if (reference.areas.empty())
        throw XlsError(XlsErrorKind::Unstorable, "a chart series refers to no cells on " + describe(reference));
    formula::NodePtr root = areaNode(reference.sheet, reference.areas.front());
    for (std::size_t i = 1; i < reference.areas.size(); ++i)
        root = Node::makeBinary(formula::BinaryOperator::Union, root, areaNode(reference.sheet, reference.areas[i]));
    if (reference.areas.size() > 1) root = Node::makeParentheses(root);
    try {
        return tokens::compileFormula(*root, kChartHost, tokens::TokenContext::ChartSeries, &externs);
    } catch (const tokens::TokenError& e) {
        throw XlsError(XlsErrorKind::Unstorable, "a chart series on " + describe(reference) + ": " + e.what());
    }
}

ChartOutput planChart(const model::Chart& chart, const model::Workbook& workbook, WrittenExternSheets& externs,
                      formula::Evaluator& evaluator) {
    ChartOutput out;
    for (const model::ChartSeries& series : chart.series) {
        SeriesOutput s;
        if (series.name) {
            s.name = chartReferenceTokens(*series.name, externs);
            const std::vector<model::Value> shown = cachedValues(*series.name, workbook, evaluator);
            if (!shown.empty()) s.nameCache = shown.front();
        }
        s.values = chartReferenceTokens(series.values, externs);
        s.valueCache = cachedValues(series.values, workbook, evaluator);
        if (series.categories) {
            s.categories = chartReferenceTokens(*series.categories, externs);
            s.categoryCache = cachedValues(*series.categories, workbook, evaluator);
        }
        out.series.push_back(std::move(s));
    }
    return out;
}

}  // namespace spreadsheet::xls::biff
