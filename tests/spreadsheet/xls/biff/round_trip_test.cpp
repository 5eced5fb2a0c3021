// Models saved and read back: each group fills a workbook with one concern
// (cells, formulas, styles, layout, page setup, the workbook itself) and
// expects the workbook read back to equal it, difference by difference.
#include "biff_test_support.h"
#include "sample_workbooks.h"

#include "spreadsheet/xls/biff/writer/save_plan.h"

#include <gmock/gmock.h>

using namespace biff_test;
using ::testing::IsEmpty;

namespace {

void expectRoundTrip(const model::Workbook& book) {
    model::Workbook back;
    roundTrip(book, back);
    EXPECT_THAT(differences(book, back), IsEmpty());
}

model::Sheet& newSheet(model::Workbook& book, const std::string& name = "Sheet1") {
    return book.addSheet(name, model::SheetKind::Worksheet, book.sheetCount());
}

model::BorderLine line(model::LineStyle style, model::LineWeight weight, int color) { return {style, weight, color}; }

}  // namespace

// The comparison these tests rest on does see a difference in each part of a sheet.
TEST(RoundTripHelper, differences_are_noticed) {
    model::Workbook a, b;
    model::Sheet& sa = newSheet(a);
    model::Sheet& sb = newSheet(b);
    put(sa, "A1", model::Value::number(1));
    put(sb, "A1", model::Value::number(2));
    sa.setColumnWidth(2, 12);
    styleCells(sb, "C3", [](model::CellStyle& st) { st.font.bold = true; });
    sb.setPageSetup(printedLandscape());
    EXPECT_EQ(differences(a, b).size(), 4u);
}

// ---------------------------------------------------------------- cells

TEST(RoundTripCells, every_kind_of_constant) {
    model::Workbook book;
    model::Sheet& s = newSheet(book);
    const double numbers[] = {0, 1, -1, 12.5, 0.1, 1.23, -2.5e-10, 1e300, 536870911, -536870912, 536870912,
                              123456789012.0, 0.333333333333333};
    int row = 1;
    for (const double n : numbers) s.setConstant({row++, 1}, model::Value::number(n));
    const std::string texts[] = {"Price", "", "Grüße", "日本語のテキスト", "emoji 😀 here", std::string(10000, 'x')};
    row = 1;
    for (const std::string& t : texts) s.setConstant({row++, 2}, model::Value::text(t));
    s.setConstant({1, 3}, model::Value::boolean(true));
    s.setConstant({2, 3}, model::Value::boolean(false));
    row = 3;
    for (const auto e : {model::ErrorCode::Null, model::ErrorCode::Div0, model::ErrorCode::Value, model::ErrorCode::Ref,
                         model::ErrorCode::Name, model::ErrorCode::Num, model::ErrorCode::NA})
        s.setConstant({row++, 3}, model::Value::error(e));
    styleCells(s, "E1:E3", [](model::CellStyle& st) { st.fillColorIndex = 6; });  // styled blanks
    expectRoundTrip(book);
}

TEST(RoundTripCells, neighbouring_numbers_and_blanks_travel_in_run_records) {
    model::Workbook book;
    model::Sheet& s = newSheet(book);
    for (int c = 1; c <= 256; ++c) s.setConstant({1, c}, model::Value::number(c * 0.25));
    styleCells(s, "A2:IV2", [](model::CellStyle& st) { st.font.italic = true; });
    s.setConstant({3, 1}, model::Value::number(1));
    s.setConstant({3, 3}, model::Value::number(3));  // not neighbours: two RK records
    expectRoundTrip(book);
}

TEST(RoundTripCells, a_shared_string_table_over_many_continue_records) {
    model::Workbook book;
    model::Sheet& s = newSheet(book);
    for (int i = 0; i < 4000; ++i) {
        std::string text = "string " + std::to_string(i) + std::string(i % 40, 'a' + i % 26);
        if (i % 7 == 0) text += " – ünïcödé";
        s.setConstant({i + 1, 1}, model::Value::text(text));
        s.setConstant({i + 1, 2}, model::Value::text("repeated"));
    }
    expectRoundTrip(book);
}

// Found while writing the SST: a text longer than a cell may hold is cut to
// 32767 characters rather than making the save fail or the file unreadable.
TEST(RoundTripCells, a_text_longer_than_a_cell_holds_is_cut_at_32767_characters) {
    model::Workbook book;
    model::Sheet& s = newSheet(book);
    s.setConstant({1, 1}, model::Value::text(std::string(40000, 'z')));
    model::Workbook back;
    roundTrip(book, back);
    EXPECT_EQ(back.sheet(0).findCell({1, 1})->constant, model::Value::text(std::string(32767, 'z')));
}

// ---------------------------------------------------------------- formulas

TEST(RoundTripFormulas, come_back_as_written) {
    model::Workbook book;
    model::Sheet& s = newSheet(book);
    model::Sheet& other = newSheet(book, "Other data");
    put(other, "A1", model::Value::number(2));
    put(s, "A1", model::Value::number(5));
    put(s, "B1", model::Value::number(-3));
    const char* formulas[] = {"=1+2*3", "=A1*B1", "=$A$1+A$1+$A1", "=SUM(A1:B3)", "=IF(A1>0,\"pos\",\"neg\")",
                              "='Other data'!A1*2", "=SUM('Other data'!A1:B2)", "=-A1%", "=A1&\"x\"",
                              "=(A1+B1)/2", "=AVERAGE(A1:A3,B1)", "=TRUE", "=#N/A", "=A1>=B1",
                              "=ROUND(A1/3,2)", "=IF(ISERROR(1/0),\"\",1)", "=SUM(A:A)", "=MAX(1:1)"};
    int row = 2;
    for (const char* f : formulas) putFormula(s, "C" + std::to_string(row++), f);
    expectRoundTrip(book);
}

// A formula that refers to a sheet the workbook lacks cannot be stored; the
// cell keeps the value it shows, and the rest of the file is sound.
TEST(RoundTripFormulas, a_formula_the_file_cannot_hold_is_saved_as_its_value) {
    model::Workbook book;
    model::Sheet& s = newSheet(book);
    putFormula(s, "A1", "=Nowhere!A1+1");
    putFormula(s, "A2", "=1+1");
    formula::Evaluator evaluator(book);
    const biff::SavePlan plan(book, evaluator);
    ASSERT_EQ(plan.fallbacks().size(), 1u);
    EXPECT_EQ(plan.fallbacks()[0].address, at("A1"));
    model::Workbook back;
    roundTrip(book, back);
    const model::Cell* a1 = back.sheet(0).findCell(at("A1"));
    ASSERT_NE(a1, nullptr);
    EXPECT_FALSE(a1->hasFormula());
    EXPECT_EQ(a1->constant, formula::Evaluator(book).cellValue(0, at("A1")));
    EXPECT_EQ(back.sheet(0).findCell(at("A2"))->formula->toA1(at("A2")), "=1+1");
}

// ---------------------------------------------------------------- styles

TEST(RoundTripStyles, fonts_fills_and_alignment) {
    model::Workbook book;
    model::Sheet& s = newSheet(book);
    const model::Font fonts[] = {{"Arial Black", 22, false, false, 11}, {"Arial", 14.5, true, true, 3},
                                 {"Times New Roman", 8, false, true, model::kColorAutomatic}, {"Arial", 10, true, false, 56}};
    int row = 1;
    for (const model::Font& f : fonts) {
        s.setConstant({row, 1}, model::Value::text("x"));
        s.applyStyle(model::CellRange({row++, 1}), [&](model::CellStyle& st) { st.font = f; });
    }
    for (int color = 1; color <= model::kPaletteSize; ++color)
        s.applyStyle(model::CellRange({color, 2}), [&](model::CellStyle& st) { st.fillColorIndex = color; });
    const model::HorizontalAlignment aligns[] = {model::HorizontalAlignment::Left, model::HorizontalAlignment::Center,
                                                 model::HorizontalAlignment::Right};
    row = 1;
    for (const auto a : aligns) s.applyStyle(model::CellRange({row++, 3}), [&](model::CellStyle& st) { st.horizontal = a; });
    expectRoundTrip(book);
}

// Every line style with the weights the file tells apart, on every edge, in colour and automatic.
TEST(RoundTripStyles, every_border_line) {
    using Style = model::LineStyle;
    using Weight = model::LineWeight;
    const model::BorderLine lines[] = {
        line(Style::Continuous, Weight::Hairline, 5), line(Style::Continuous, Weight::Thin, model::kColorAutomatic),
        line(Style::Continuous, Weight::Medium, 10),  line(Style::Continuous, Weight::Thick, 3),
        line(Style::Dash, Weight::Thin, 4),           line(Style::Dash, Weight::Medium, 4),
        line(Style::Dot, Weight::Thin, 12),           line(Style::Double, Weight::Thick, 1),
        line(Style::DashDot, Weight::Thin, 7),        line(Style::DashDot, Weight::Medium, 7),
        line(Style::DashDotDot, Weight::Thin, 8),     line(Style::DashDotDot, Weight::Medium, 8),
        line(Style::SlantDashDot, Weight::Medium, 9)};
    model::Workbook book;
    model::Sheet& s = newSheet(book);
    int row = 1;
    for (const model::BorderLine& l : lines)
        for (const model::Edge edge : {model::Edge::Left, model::Edge::Top, model::Edge::Bottom, model::Edge::Right})
            s.applyStyle(model::CellRange({row++, 1}), [&](model::CellStyle& st) { st.borders[edge] = l; });
    expectRoundTrip(book);
}

TEST(RoundTripStyles, built_in_currency_and_custom_number_formats) {
    const char* codes[] = {"General", "0", "0.00", "#,##0", "#,##0.00", "0%", "0.00%", "0.00E+00", "@",
                           "\"$\"#,##0_);\\(\"$\"#,##0\\)", "#,##0.00_);[Red](#,##0.00)", "#", "0.000",
                           "yyyy-mm-dd", "m/d/yy", "[Blue]0;[Red]-0;\"zero\""};
    model::Workbook book;
    model::Sheet& s = newSheet(book);
    int row = 1;
    for (const char* code : codes) {
        s.setConstant({row, 1}, model::Value::number(1234.5));
        s.applyStyle(model::CellRange({row++, 1}), [&](model::CellStyle& st) { st.numberFormat = code; });
    }
    expectRoundTrip(book);
}

TEST(RoundTripStyles, sheet_column_and_row_styles) {
    model::Workbook book;
    model::Sheet& s = newSheet(book);
    s.applyStyle(model::CellRange::wholeSheet(), [](model::CellStyle& st) { st.font.name = "Verdana"; });
    s.applyStyle(model::CellRange::wholeColumns(2, 3), [](model::CellStyle& st) { st.fillColorIndex = 36; });
    s.applyStyle(model::CellRange::wholeRows(5, 5), [](model::CellStyle& st) { st.font.bold = true; });
    put(s, "C5", model::Value::text("crossing"));
    expectRoundTrip(book);
}

// ---------------------------------------------------------------- layout

TEST(RoundTripLayout, column_widths_snap_to_pixels_and_come_back) {
    model::Workbook book;
    model::Sheet& s = newSheet(book);
    const double widths[] = {12, 15.57, 1, 0.5, 8.43, 9, 255, 0};
    int column = 1;
    for (const double w : widths) s.setColumnWidth(column++, w);
    expectRoundTrip(book);
}

TEST(RoundTripLayout, row_heights_merges_and_selection) {
    model::Workbook book;
    model::Sheet& s = newSheet(book);
    for (const auto& [row, height] : std::vector<std::pair<int, double>>{{1, 61.5}, {2, 0.75}, {3, 409.5}, {4, 0}, {70000 - 4465, 20}})
        s.setRowHeight(row, height);
    for (int i = 0; i < 1100; ++i) s.merge(model::CellRange({2 * i + 10, 1}, {2 * i + 10, 3}));  // two MERGECELLS records
    s.select({area("B:B"), area("D4:F9"), area("H2")}, at("E5"));
    expectRoundTrip(book);
}

// ---------------------------------------------------------------- page setup

TEST(RoundTripPageSetup, landscape_a4_fit_to_one_page_with_margins) {
    model::Workbook book;
    newSheet(book).setPageSetup(printedLandscape());
    expectRoundTrip(book);
}

TEST(RoundTripPageSetup, zoom_comments_and_print_areas) {
    model::Workbook book;
    model::PageSetup zoomed;
    zoomed.zoom = 75;
    zoomed.printComments = true;
    zoomed.printArea = model::RangeList{area("A1:F20")};
    zoomed.headerMargin = 0.5 * 72;
    newSheet(book, "One").setPageSetup(zoomed);
    model::PageSetup twoAreas;
    twoAreas.printArea = model::RangeList{area("A1:B2"), area("D4:E5"), area("C:C")};
    newSheet(book, "Two").setPageSetup(twoAreas);
    newSheet(book, "None");
    expectRoundTrip(book);
}

// ---------------------------------------------------------------- the workbook

TEST(RoundTripWorkbook, sheets_in_order_active_sheet_and_palette) {
    model::Workbook book;
    for (const char* name : {"Summary", "Données 2024", "It's here", "Σ"}) newSheet(book, name);
    put(book.sheet(3), "A1", model::Value::number(1));
    book.setActiveSheet(2);
    book.palette().setColor(11, 0x123456);
    book.palette().setColor(56, 0xFEDCBA);
    expectRoundTrip(book);
}

TEST(RoundTripWorkbook, everything_at_once) {
    model::Workbook book;
    buildEverything(book);
    expectRoundTrip(book);
}
