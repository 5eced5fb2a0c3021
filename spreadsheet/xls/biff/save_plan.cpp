// The pass over the workbook before writing: styles, strings, compiled formulas.
// Cached results come from the evaluator; what the file cannot hold is made storable.
#include "spreadsheet/xls/biff/save_plan.h"

#include "spreadsheet/formula/formula.h"
#include "spreadsheet/unicode/utf16.h"
#include "spreadsheet/xls/biff/chart_fields.h"
#include "spreadsheet/xls/biff/record_fields.h"
#include "spreadsheet/xls/biff/unicode_text.h"
#include "spreadsheet/xls/biff/xls_error.h"
#include "spreadsheet/xls/tokens/formula_tokens.h"

#include <cmath>

namespace spreadsheet::xls::biff {
namespace {

// A number the file can store; infinities and NaN show as #NUM! in every reader.
model::Value storable(model::Value value) {
    if (value.isNumber() && !std::isfinite(value.asNumber())) return model::Value::error(model::ErrorCode::Num);
    if (value.isText() && unicode::utf16Length(value.asText()) > limits::kMaxCellText) {
        const std::u16string units = unicode::utf16FromUtf8Replacing(value.asText());
        return model::Value::text(unicode::utf8FromUtf16(truncated(units, limits::kMaxCellText)));
    }
    return value;
}

}  // namespace

SavePlan::SavePlan(const model::Workbook& workbook, formula::Evaluator& evaluator) : m_externs(workbook) {
    if (workbook.sheetCount() == 0) throw XlsError(XlsErrorKind::Unstorable, "a workbook needs at least one sheet");
    checkStorable(workbook);
    for (int i = 0; i < workbook.sheetCount(); ++i) m_sheets.push_back(planSheet(workbook, i, evaluator));
}

// Other programs refuse a file whose sheet names break the format's rules.
// A sheet's shapes share one block of 1024 shape ids, the group shape's among them.
void SavePlan::checkStorable(const model::Workbook& workbook) const {
    for (int i = 0; i < workbook.sheetCount(); ++i) {
        const model::Sheet& sheet = workbook.sheet(i);
        const std::size_t length = unicode::utf16Length(sheet.name());
        if (length == 0 || length > limits::kMaxSheetName)
            throw XlsError(XlsErrorKind::Unstorable, "the sheet name \"" + sheet.name() + "\" has " +
                                                         std::to_string(length) + " characters; a sheet name has 1 to 31");
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
    if (const model::Chart* chart = sheet.chart()) out.chart = planChart(*chart, workbook, m_externs, m_styles, evaluator);
    for (const model::Shape& shape : sheet.shapes())
        out.shapeCharts.push_back(planChart(shape.chart, workbook, m_externs, m_styles, evaluator));
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
    model::Value cached = storable(evaluator.cellValue(sheet, address));
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
    out.value = storable(std::move(value));
    if (out.value.isText()) out.sst = m_strings.add(unicode::utf16FromUtf8Replacing(out.value.asText()));
}

}  // namespace spreadsheet::xls::biff
