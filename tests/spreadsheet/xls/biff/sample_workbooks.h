// Workbooks the tests save and read back: one with something of every kind
// the model holds, and a breakeven-like sheet of the size the program makes.
#pragma once

#include "biff_test_support.h"

#include <utility>
#include <vector>

namespace biff_test {

// Landscape A4, fit to one page by one, margins 0.7/0.7/0.5/0.5/0/0 inches.
inline model::PageSetup printedLandscape() {
    model::PageSetup p;
    p.orientation = model::Orientation::Landscape;
    p.paperSize = model::kPaperA4;
    p.fitToPages = true;
    p.fitToPagesWide = 1;
    p.fitToPagesTall = 1;
    p.leftMargin = 0.7 * 72;
    p.rightMargin = 0.7 * 72;
    p.topMargin = 0.5 * 72;
    p.bottomMargin = 0.5 * 72;
    p.headerMargin = 0;
    p.footerMargin = 0;
    return p;
}

// Two worksheets: "Figures" with values, formulas and styles, "Notes" read by
// a formula of the first through a 3D reference. "Notes" is active.
inline void buildEverything(model::Workbook& book) {
    model::Sheet& figures = book.addSheet("Figures", model::SheetKind::Worksheet, 0);
    model::Sheet& notes = book.addSheet("Notes", model::SheetKind::Worksheet, 1);
    put(figures, "A1", model::Value::text("Price"));
    put(figures, "B1", model::Value::number(12.5));
    put(figures, "B2", model::Value::number(40000));
    put(figures, "B3", model::Value::number(0.1));
    put(figures, "B4", model::Value::boolean(true));
    put(figures, "B5", model::Value::error(model::ErrorCode::Div0));
    putFormula(figures, "C1", "=B1*B2");
    putFormula(figures, "C2", "=IF(B4,\"yes\",\"no\")");
    putFormula(figures, "C3", "=SUM(B1:B3)+Notes!A1");
    styleCells(figures, "A1:C1", [](model::CellStyle& s) {
        s.font.bold = true;
        s.font.size = 12;
        s.fillColorIndex = 15;
        s.borders[model::Edge::Bottom].lineStyle = model::LineStyle::Continuous;
    });
    styleCells(figures, "B2:C3", [](model::CellStyle& s) { s.numberFormat = "#,##0.00_);[Red](#,##0.00)"; });
    figures.setColumnWidth(1, 12);
    figures.setRowHeight(1, 61.5);
    figures.merge(area("A7:C8"));
    figures.select({area("B2:C3")}, at("C3"));
    figures.setPageSetup(printedLandscape());
    put(notes, "A1", model::Value::number(3));
    put(notes, "A2", model::Value::text("Break-even"));
    book.setActiveSheet(1);
}

// A filled breakeven sheet like the one the program makes: a title in Arial
// Black, labels and thirteen input figures, three totals, and a sales volume
// grid of 7 formula rows by 11 columns with row labels, fills, borders and
// number formats (121 cells, 80 formulas, about 40 distinct styles), widths
// and heights.
inline void buildBreakeven(model::Workbook& book) {
    model::Sheet& s = book.addSheet("Breakeven", model::SheetKind::Worksheet, book.sheetCount());
    const auto cell = [](int row, int column) { return model::CellRange(model::CellAddress{row, column}); };
    const auto style = [&](const model::CellRange& r, const std::function<void(model::CellStyle&)>& f) {
        s.applyStyle(r, f);
    };
    s.setColumnWidth(1, 1);
    s.setColumnWidth(2, 15.57);
    s.setColumnWidth(3, 9);
    for (int c = 4; c <= 14; ++c) s.setColumnWidth(c, 12);
    for (const auto& [row, height] : std::vector<std::pair<int, double>>{{1, 61.5}, {2, 32.25}, {3, 27.75}, {4, 20.25},
                                                                        {5, 15.75}, {12, 15.75}, {20, 15.75}})
        s.setRowHeight(row, height);

    put(s, "B1", model::Value::text("Breakeven Analysis"));
    style(area("B1"), [](model::CellStyle& st) { st.font = {"Arial Black", 22, false, false, 11}; });
    put(s, "B2", model::Value::text("Wrenfield Tools Ltd"));
    style(area("B2"), [](model::CellStyle& st) { st.font.size = 16; st.font.bold = true; });
    put(s, "B3", model::Value::text("Amounts shown in U.S. dollars"));
    style(area("B3"), [](model::CellStyle& st) { st.font.size = 8; st.font.italic = true; });

    const char* labels[] = {"Sales price per unit", "Sales volume per period (units)", "Commission per unit",
                            "Direct material per unit", "Direct labor per unit", "Overhead per unit",
                            "Shipping per unit", "Supplies per unit", "Other variable cost per unit", "Rent",
                            "Salaries", "Insurance", "Other fixed costs"};
    const double inputs[] = {25, 4000, 1.25, 4.5, 3.75, 0.8, 0.35, 0.2, 0.15, 12000, 30000, 2400, 1800};
    for (int i = 0; i < 13; ++i) {
        const int row = 6 + i + (i >= 2 ? 1 : 0) + (i >= 9 ? 2 : 0);
        s.setConstant({row, 2}, model::Value::text(labels[i]));
        s.setConstant({row, 3}, model::Value::number(inputs[i]));
        style(cell(row, 3), [](model::CellStyle& st) { st.numberFormat = "#,##0.00"; st.fillColorIndex = 19; });
    }
    const std::pair<int, const char*> totals[] = {{8, "=R[-2]C*R[-1]C"}, {17, "=SUM(R[-8]C:R[-1]C)"},
                                                   {22, "=SUM(R[-4]C:R[-1]C)"}};
    put(s, "B5", model::Value::text("Sales"));
    style(area("B5"), [](model::CellStyle& st) { st.font = {"Arial", 12, true, false, 2}; st.fillColorIndex = 11; });
    const char* totalLabels[] = {"    Total Sales", "    Total Variable Costs", "    Total Fixed Costs"};
    int label = 0;
    for (const auto& [row, text] : totals) {
        s.setConstant({row, 2}, model::Value::text(totalLabels[label++]));
        style(cell(row, 2), [](model::CellStyle& st) { st.font.bold = true; });
        s.setFormula({row, 3}, formula::Formula::parseR1C1(text, {row, 3}));
        style(cell(row, 3), [](model::CellStyle& st) {
            st.font.bold = true;
            st.numberFormat = "#,##0.00_);[Red](#,##0.00)";
            st.borders[model::Edge::Top] = {model::LineStyle::Continuous, model::LineWeight::Thin, model::kColorAutomatic};
        });
    }

    // The grid: volumes across, then sales, variable costs, contribution, fixed costs, profit, flag.
    const char* rowFormulas[] = {"", "=R[-1]C*R6C3", "=R[-2]C*R17C3/R7C3",
                                 "=R[-2]C-R[-1]C", "=R22C3", "=R[-2]C-R[-1]C",
                                 "=IF(OR(R[-1]C<>0,R[-2]C<>0),IF(R[-1]C>=0,\"profit\",\"loss\"),\"\")"};
    const int top = 33;
    const char* rowLabels[] = {"Units", "Sales", "Variable costs", "Contribution", "Fixed costs", "Profit", "Result"};
    const char* rowFormats[] = {"#", "#,##0.00_);[Red](#,##0.00)", "#,##0.00", "#,##0", "#,##0.00",
                                "#,##0.00_);[Red](#,##0.00)", "General"};
    s.setConstant({top - 1, 4}, model::Value::text("Sales volume per period (units)"));
    for (int r = 0; r < 7; ++r) {
        s.setConstant({top + r, 3}, model::Value::text(rowLabels[r]));
        style(cell(top + r, 3), [&](model::CellStyle& st) {
            st.font.bold = r == 0 || r == 5;
            st.font.colorIndex = r == 5 ? 13 : model::kColorAutomatic;
            st.horizontal = model::HorizontalAlignment::Right;
        });
    }
    for (int r = 0; r < 7; ++r)
        for (int c = 4; c <= 14; ++c) {
            const model::CellAddress at{top + r, c};
            const std::string text = r == 0 ? "=ROUND(R7C3*" + std::to_string(c - 3) + "/6,0)" : rowFormulas[r];
            s.setFormula(at, formula::Formula::parseR1C1(text, at));
            style(cell(at.row, at.column), [&](model::CellStyle& st) {
                st.numberFormat = rowFormats[r];
                st.fillColorIndex = r == 0 ? 11 : (r % 2 ? 15 : model::kColorNone);
                if (r == 0) st.font = {"Arial", 10, true, false, 2};
                if (r == 6) st.horizontal = model::HorizontalAlignment::Center;
                using model::Edge;
                const model::BorderLine thin{model::LineStyle::Continuous, model::LineWeight::Thin, model::kColorAutomatic};
                if (c == 4) st.borders[Edge::Left] = thin;
                if (c == 14) st.borders[Edge::Right] = thin;
                if (r == 0) st.borders[Edge::Top] = thin;
                if (r == 6 || r == 0) st.borders[Edge::Bottom] = thin;
                if (r == 3) st.borders[Edge::Top] = thin;
                if (r == 5) st.borders[Edge::Bottom] = {model::LineStyle::Double, model::LineWeight::Thick, model::kColorAutomatic};
                if (c % 4 == 0) st.borders[Edge::Right] = {model::LineStyle::Continuous, model::LineWeight::Medium, 13};
            });
        }
    s.merge(area("D32:H32"));
    s.select({area("C6")}, at("C6"));
    s.setPageSetup(printedLandscape());
}

}  // namespace biff_test
