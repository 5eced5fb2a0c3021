// SavePlan: everything the records need to know before the first one is
// written, gathered in one pass over the workbook. The globals come first in
// the file yet list what the sheets use (fonts, formats, XFs, shared strings,
// the sheets that formulas reach through 3D references), so every formula is
// compiled and every style and text collected here. A formula the file cannot
// hold is written as its cached value, and the plan says which. A workbook
// the format cannot hold at all is refused here, before any byte is written.
#pragma once

#include "spreadsheet/formula/evaluator.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/biff/charts/chart_plan.h"
#include "spreadsheet/xls/biff/records/extern_sheet_table.h"
#include "spreadsheet/xls/biff/writer/shared_string_table.h"
#include "spreadsheet/xls/biff/writer/style_table.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace spreadsheet::xls::biff {

// What one stored cell becomes in the file.
struct CellOutput {
    model::CellAddress address;
    uint16_t xf = 0;
    model::Value value;           // the constant, or the formula's cached result
    std::optional<uint32_t> sst;  // a text constant's shared string
    std::vector<uint8_t> rgce;    // a formula's tokens; empty for constants

    bool isFormula() const { return !rgce.empty(); }
};

struct SheetOutput {
    std::vector<CellOutput> cells;  // row by row, as the model stores them
    uint16_t sheetXf = 0;
    std::map<int, uint16_t> rowXfs;
    std::map<int, uint16_t> columnXfs;
    std::optional<uint16_t> printAreaEntry;  // the EXTERNSHEET entry of the sheet, when it has a print area
    std::optional<ChartOutput> chart;        // a chart sheet's chart
    std::vector<ChartOutput> shapeCharts;    // the embedded charts, one per shape in z-order
};

// A formula cell written as its value, and why.
struct FormulaFallback {
    int sheet = 0;
    model::CellAddress address;
    std::string reason;
};

class SavePlan {
public:
    // Throws XlsError (Unstorable) for a workbook the format cannot hold at all.
    SavePlan(const model::Workbook& workbook, formula::Evaluator& evaluator);

    const StyleTable& styles() const { return m_styles; }
    const SharedStringTable& strings() const { return m_strings; }
    const WrittenExternSheets& externs() const { return m_externs; }
    const SheetOutput& sheet(int index) const { return m_sheets.at(index); }
    const std::vector<FormulaFallback>& fallbacks() const { return m_fallbacks; }

private:
    void checkStorable(const model::Workbook& workbook) const;
    SheetOutput planSheet(const model::Workbook& workbook, int index, formula::Evaluator& evaluator);
    // The chart's tokens and cached values, and the FORMAT of its value axis.
    ChartOutput planChartOf(const model::Chart& chart, const model::Workbook& workbook, formula::Evaluator& evaluator);
    CellOutput planCell(int sheet, model::CellAddress address, const model::Cell& cell, formula::Evaluator& evaluator);
    void setConstant(CellOutput& out, model::Value value);

    StyleTable m_styles;
    SharedStringTable m_strings;
    WrittenExternSheets m_externs;
    std::vector<SheetOutput> m_sheets;
    std::vector<FormulaFallback> m_fallbacks;
};

}  // namespace spreadsheet::xls::biff
