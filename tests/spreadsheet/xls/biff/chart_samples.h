// Workbooks with charts for the chart tests: the breakeven data sheet with
// the cells the program's charts read, its two embedded pie charts and the
// line chart on a sheet of its own, built as the program builds them (series
// from a source range, titles, data labels, borders, axis titles and format).
#pragma once

#include "biff_test_support.h"

#include "spreadsheet/model/chart_source.h"

#include <string>
#include <vector>

namespace biff_test {

inline constexpr const char* kDataSheet = "Breakeven Analysis Data";
inline constexpr const char* kChartSheet = "Breakeven Analysis Chart";
inline constexpr const char* kAmountWithLossesInRed = "#,##0.00_);[Red](#,##0.00)";

// The cells the charts read: variable costs per unit (C10:F14), their sum and
// the contribution margin (C15:F15, C18:F18), and the sales volume grid
// (B35:N41) of formulas, with the widths and heights of the breakeven sheet.
inline model::Sheet& buildChartData(model::Workbook& book) {
    model::Sheet& s = book.addSheet(kDataSheet, model::SheetKind::Worksheet, book.sheetCount());
    s.setColumnWidth(1, 1);
    s.setColumnWidth(2, 15.57);
    s.setColumnWidth(3, 9);
    for (int c = 4; c <= 14; ++c) s.setColumnWidth(c, 12);
    s.setRowHeight(1, 61.5);
    s.setRowHeight(2, 27.75);
    for (const int row : {3, 4, 9, 21}) s.setRowHeight(row, 15.75);
    put(s, "F5", model::Value::number(12.5));
    put(s, "F6", model::Value::number(1000));
    const char* costs[] = {"Commission per unit", "Direct material per unit", "Shipping per unit", "Supplies per unit",
                           "Other variable cost per unit"};
    const double amounts[] = {2, 2.5, 1.1, 0.8, 1.2};
    for (int i = 0; i < 5; ++i) {
        s.setConstant({10 + i, 3}, model::Value::text(costs[i]));
        s.setConstant({10 + i, 6}, model::Value::number(amounts[i]));
    }
    put(s, "C15", model::Value::text("Variable cost per unit"));
    putFormula(s, "F15", "=SUM(F10:F14)");
    put(s, "C18", model::Value::text("Unit contribution margin"));
    putFormula(s, "F18", "=IF(F5>0,MAX(0,F5-F15),0)");
    put(s, "G27", model::Value::number(3400));
    const char* rows[] = {"Sales volume per period (units)", "Sales price unit", "Fixed cost per period",
                          "Variable costs", "Total costs", "Total sales", "Net profit (loss)"};
    for (int r = 0; r < 7; ++r) s.setConstant({35 + r, 2}, model::Value::text(rows[r]));
    const std::string columns = "DEFGHIJKLMN";
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::string c(1, columns[i]);
        putFormula(s, c + "35", "=IF(F6,F6*" + std::to_string(i / 10.0).substr(0, 3) + ",0)");
        putFormula(s, c + "36", "=F5");
        putFormula(s, c + "37", "=G27");
        putFormula(s, c + "38", "=F15*" + c + "35");
        putFormula(s, c + "39", "=SUM(" + c + "37:" + c + "38)");
        putFormula(s, c + "40", "=" + c + "35*" + c + "36");
        putFormula(s, c + "41", "=" + c + "40-" + c + "39");
    }
    return s;
}

// Series of a source given as the program gives it ("C15,F15,C18,F18").
inline std::vector<model::ChartSeries> seriesOf(const model::Workbook& book, const std::string& source,
                                                model::PlotBy plotBy) {
    formula::Evaluator evaluator(book);
    const int sheet = book.findSheet(kDataSheet).value();
    return model::seriesFromSource(kDataSheet, model::parseA1(source).value(), plotBy,
                                   [&](model::CellAddress a) { return evaluator.cellValue(sheet, a); });
}

inline model::Chart pieChart(const model::Workbook& book, const std::string& source, const std::string& title) {
    model::Chart pie;
    pie.type = model::ChartType::Pie;
    pie.series = seriesOf(book, source, model::PlotBy::Columns);
    pie.title = {true, title};
    pie.dataLabels = {true, true, true, false, false, true, true, false};
    pie.chartAreaBorder.lineStyle = model::LineStyle::None;
    pie.legend.border.lineStyle = model::LineStyle::None;
    return pie;
}

inline model::Chart lineChart(const model::Workbook& book) {
    model::Chart line;
    line.type = model::ChartType::LineMarkers;
    line.series = seriesOf(book, "B37,D37:N37,B39:B41,D39:N41", model::PlotBy::Rows);
    line.title = {true, kChartSheet};
    line.categoryAxis.title = {true, "Sales Volume (Units)"};
    line.valueAxis.title = {true, "Dollars"};
    line.valueAxis.numberFormat = kAmountWithLossesInRed;
    return line;
}

// The data sheet with its pies, then the chart sheet; the data sheet is active.
// `pies` limits the embedded charts to the first n.
inline void buildBreakevenCharts(model::Workbook& book, int pies = 2) {
    buildChartData(book);
    const int data = book.findSheet(kDataSheet).value();
    if (pies > 0)
        book.embedChart(data, pieChart(book, "C15,F15,C18,F18", "Unit Contribution Margin"), {50, 420, 300, 200});
    if (pies > 1)
        book.embedChart(data, pieChart(book, "C10,F10,C11,F11,C12,F12,C13,F13,C14,F14", "Variable Cost Per Unit"),
                        {300, 420, 300, 200});
    model::Sheet& chartSheet = book.addSheet(kChartSheet, model::SheetKind::Chart, book.sheetCount());
    chartSheet.setChart(lineChart(book));
    book.setActiveSheet(data);
}

}  // namespace biff_test
