// A workbook with what the breakeven sheet does not use, saved as .xlsx for
// xlsx_features_check.py: merged areas, Boolean and error constants, cached
// Boolean, error and text results, styles layered on the sheet, a column and
// a row, a hidden column and row, a selection with its active cell at a
// corner, a print area of two areas, a pie over separate cells holding
// formulas, and a chart sheet made active.
//   make_xlsx_features <out.xlsx>
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/xlsx/workbook_file.h"

#include <cstdio>

namespace model = spreadsheet::model;
using spreadsheet::formula::Formula;

namespace {

void put(model::Sheet& sheet, model::CellAddress at, const char* formula) { sheet.setFormula(at, Formula::parseA1(formula, at)); }

void fillData(model::Workbook& book, model::Sheet& data) {
    data.applyStyle(model::CellRange::wholeSheet(), [](model::CellStyle& s) { s.font.name = "Courier New"; });
    data.applyStyle(model::CellRange::wholeColumns(3, 3), [](model::CellStyle& s) { s.fillColorIndex = 6; });
    data.applyStyle(model::CellRange::wholeRows(5, 5), [](model::CellStyle& s) { s.font.italic = true; });
    data.setConstant({1, 1}, model::Value::text("Merged title"));
    data.merge(model::CellRange({1, 1}, {2, 4}));
    data.setConstant({3, 1}, model::Value::boolean(true));
    data.setConstant({3, 2}, model::Value::error(model::ErrorCode::NA));
    data.setConstant({4, 1}, model::Value::number(3));
    data.setConstant({4, 2}, model::Value::number(4));
    put(data, {6, 1}, "=A4>2");
    put(data, {6, 2}, "=A4/0");
    put(data, {6, 3}, "=IF(A4>1,\"big\",\"small\")");
    put(data, {6, 4}, "=A4*B4");
    data.setColumnWidth(5, 0);
    data.setRowHeight(7, 0);
    data.select({model::CellRange({4, 1}, {6, 2})}, {6, 2});
    model::PageSetup setup;
    setup.printArea = model::RangeList{model::CellRange({1, 1}, {4, 2}), model::CellRange({6, 1}, {6, 4})};
    data.setPageSetup(setup);

    model::Chart pie;
    pie.type = model::ChartType::Pie;
    pie.title = {true, "Products"};
    pie.series.push_back({std::nullopt, {"Data", {model::CellRange({6, 4}), model::CellRange({4, 2})}}, std::nullopt});
    book.embedChart(0, pie, {100, 50, 200, 150});
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_xlsx_features <out.xlsx>\n");
        return 2;
    }
    model::Workbook book;
    fillData(book, book.addSheet("Data", model::SheetKind::Worksheet, 0));
    model::Sheet& chartSheet = book.addSheet("Chart", model::SheetKind::Chart, 1);
    model::Chart line = *chartSheet.chart();
    line.series.push_back({std::nullopt, {"Data", {model::CellRange({4, 1}, {4, 2})}}, std::nullopt});
    chartSheet.setChart(line);
    book.setActiveSheet(1);
    spreadsheet::formula::Evaluator evaluator(book);
    try {
        spreadsheet::xlsx::saveWorkbook(book, evaluator, argv[1], {.title = "Features"});
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
