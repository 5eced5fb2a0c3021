// The pass over the workbook before writing: styles, strings, compiled formulas.
// Cached results come from the evaluator; what the file cannot hold is made storable.
#include "spreadsheet/xls/biff/writer/save_plan.h"

#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/sheet_names.h"
#include "spreadsheet/unicode/utf16.h"
#include "spreadsheet/xls/biff/charts/chart_fields.h"
#include "spreadsheet/xls/biff/records/record_fields.h"
#include "spreadsheet/xls/biff/records/storable_value.h"
#include "spreadsheet/xls/biff/records/xls_error.h"
#include "spreadsheet/xls/tokens/formula_tokens.h"


namespace spreadsheet::xls::biff {

SavePlan::SavePlan(const model::Workbook& workbook, formula::Evaluator& evaluator) : m_externs(workbook) {
    if (workbook.sheetCount() == 0) throw XlsError(XlsErrorKind::Unstorable, "a workbook needs at least one sheet");
    checkStorable(workbook);
    for (int i = 0; i < workbook.sheetCount(); ++i) m_sheets.push_back(planSheet(workbook, i, evaluator));
}

// Other programs refuse a file whose sheet names break the format's rules, and
// formulas would reach the wrong one of two names equal but for case.
// A sheet's shapes share one block of 1024 shape ids, the group shape's among them.
void SavePlan::checkStorable(const model::Workbook& workbook) const {
    std::vector<std::string> names;
    for (int i = 0; i < workbook.sheetCount(); ++i) {
        const model::Sheet& sheet = workbook.sheet(i);
        if (const std::optional<std::string> problem = model::sheetNameProblem(sheet.name()))
            throw XlsError(XlsErrorKind::Unstorable, "the sheet name \"" + sheet.name() + "\" " + *problem);
        names.push_back(sheet.name());
        if (const std::optional<std::size_t> same = model::earlierSameName(names, names.size() - 1))
            throw XlsError(XlsErrorKind::Unstorable, "the sheet names \"" + names[*same] + "\" and \"" +
                                                         sheet.name() + "\" differ only in case");
        if (sheet.shapes().size() >= officeart::kShapesPerCluster)
            throw XlsError(XlsErrorKind::Unstorable, "the sheet \"" + sheet.name() + "\" has " +
                                                         std::to_string(sheet.shapes().size()) +
                                                         " charts; a sheet holds at most 1023");
    }
}

SheetOutput SavePlan::planSheet(const model::Workbook& workbook, int index, formula::Evaluator& evaluator) {
    const model::Sheet& sheet = workbook.sheet(index);
    SheetOutput out;
    out.sheetXf = m_styles.add(sheet.sheetStyle());
    for (const auto& [column, style] : sheet.columnStyles()) out.columnXfs.emplace(column, m_styles.add(style));
    for (const auto& [row, style] : sheet.rowStyles()) out.rowXfs.emplace(row, m_styles.add(style));
    for (const auto& [address, cell] : sheet.cells()) {
        if (!model::isOnGrid(address)) continue;
        out.cells.push_back(planCell(index, address, cell, evaluator));
    }
    const auto& printArea = sheet.pageSetup().printArea;
    if (printArea && !printArea->empty()) out.printAreaEntry = m_externs.indexOf(sheet.name());
    if (const model::Chart* chart = sheet.chart()) out.chart = planChartOf(*chart, workbook, evaluator);
    for (const model::Shape& shape : sheet.shapes()) out.shapeCharts.push_back(planChartOf(shape.chart, workbook, evaluator));
    return out;
}

ChartOutput SavePlan::planChartOf(const model::Chart& chart, const model::Workbook& workbook,
                                  formula::Evaluator& evaluator) {
    ChartOutput out = planChart(chart, workbook, m_externs, evaluator);
    if (chart.hasAxes()) out.valueAxisFormat = m_styles.addNumberFormat(chart.valueAxis.numberFormat);
    return out;
}

CellOutput SavePlan::planCell(int sheet, model::CellAddress address, const model::Cell& cell,
                              formula::Evaluator& evaluator) {
    CellOutput out;
    out.address = address;
    out.xf = m_styles.add(cell.style);
    if (!cell.hasFormula()) {
        setConstant(out, cell.constant);
        return out;
    }
    model::Value cached = storableValue(evaluator.cellValue(sheet, address));
    try {
        out.rgce = tokens::compileFormula(cell.formula->root(), address, tokens::TokenContext::Cell, &m_externs);
        if (out.rgce.empty() || out.rgce.size() > fmla::kMaxTokenBytes)
            throw tokens::TokenError("the formula needs " + std::to_string(out.rgce.size()) +
                                     " bytes of tokens; a cell holds at most " +
                                     std::to_string(fmla::kMaxTokenBytes));
        out.value = std::move(cached);
    } catch (const tokens::TokenError& e) {
        out.rgce.clear();
        m_fallbacks.push_back({sheet, address, e.what()});
        setConstant(out, std::move(cached));
    }
    return out;
}

void SavePlan::setConstant(CellOutput& out, model::Value value) {
    out.value = storableValue(std::move(value));
    if (out.value.isText()) out.sst = m_strings.add(unicode::utf16FromUtf8Replacing(out.value.asText()));
}

}  // namespace spreadsheet::xls::biff
