// Sheets keep cell, row, column and sheet styles apart, so formatting a whole
// sheet or column never creates millions of cells.
#include "spreadsheet/model/workbook.h"

#include <gtest/gtest.h>

using namespace spreadsheet::model;

namespace {

Sheet& newSheet(Workbook& book) { return book.addSheet("Data", SheetKind::Worksheet, 0); }

}  // namespace

TEST(SheetStyles, the_whole_sheet_takes_a_style_without_creating_cells) {
    Workbook book;
    Sheet& sheet = newSheet(book);
    sheet.setConstant({5, 3}, Value::text("Sales"));
    sheet.applyStyle(CellRange::wholeSheet(), [](CellStyle& s) { s.font.name = "Verdana"; });
    EXPECT_EQ(sheet.cells().size(), 1u);
    EXPECT_EQ(sheet.effectiveStyle({5, 3}).font.name, "Verdana");
    EXPECT_EQ(sheet.effectiveStyle({60000, 200}).font.name, "Verdana");
    // A cell written later starts with the style it already showed.
    sheet.setConstant({7, 7}, Value::number(1));
    EXPECT_EQ(sheet.findCell({7, 7})->style.font.name, "Verdana");
}

TEST(SheetStyles, row_styles_win_over_column_styles_and_cells_over_both) {
    Workbook book;
    Sheet& sheet = newSheet(book);
    sheet.applyStyle(CellRange::wholeColumns(2, 2), [](CellStyle& s) { s.fillColorIndex = 15; });
    sheet.applyStyle(CellRange::wholeRows(3, 3), [](CellStyle& s) { s.font.bold = true; });
    EXPECT_EQ(sheet.effectiveStyle({1, 2}).fillColorIndex, 15);
    // Where row 3 meets column B the cell keeps the column's fill and takes the row's bold.
    EXPECT_EQ(sheet.effectiveStyle({3, 2}).fillColorIndex, 15);
    EXPECT_TRUE(sheet.effectiveStyle({3, 2}).font.bold);
    EXPECT_TRUE(sheet.effectiveStyle({3, 9}).font.bold);
    EXPECT_EQ(sheet.effectiveStyle({3, 9}).fillColorIndex, kColorNone);
    sheet.applyStyle(CellRange({3, 9}), [](CellStyle& s) { s.font.bold = false; });
    EXPECT_FALSE(sheet.effectiveStyle({3, 9}).font.bold);
}

TEST(SheetStyles, clearing_the_whole_sheet_removes_contents_and_formats_but_not_sizes) {
    Workbook book;
    Sheet& sheet = newSheet(book);
    sheet.setConstant({1, 1}, Value::number(3));
    sheet.applyStyle(CellRange::wholeRows(2, 2), [](CellStyle& s) { s.font.size = 22; });
    sheet.merge(CellRange({4, 2}, {4, 5}));
    sheet.setRowHeight(1, 61.5);
    sheet.setColumnWidth(2, 15.57);
    sheet.clear(CellRange::wholeSheet());
    EXPECT_TRUE(sheet.cells().empty());
    EXPECT_TRUE(sheet.rowStyles().empty());
    EXPECT_TRUE(sheet.merges().empty());
    EXPECT_EQ(sheet.effectiveStyle({2, 2}), CellStyle());
    EXPECT_DOUBLE_EQ(sheet.rowHeight(1), 61.5);
    EXPECT_DOUBLE_EQ(sheet.columnWidth(2), 15.57);
    EXPECT_DOUBLE_EQ(sheet.columnWidth(3), kDefaultColumnWidth);
}

TEST(SheetCells, used_range_spans_every_stored_cell) {
    Workbook book;
    Sheet& sheet = newSheet(book);
    EXPECT_EQ(sheet.usedRange(), std::nullopt);
    sheet.setConstant({1, 2}, Value::text("Breakeven Analysis"));
    sheet.applyStyle(CellRange({35, 4}, {41, 14}), [](CellStyle& s) { s.fillColorIndex = 15; });
    EXPECT_EQ(sheet.usedRange(), CellRange({1, 2}, {41, 14}));
}

TEST(SheetCells, a_merge_keeps_only_the_top_left_content_and_one_cell_stays_one_cell) {
    Workbook book;
    Sheet& sheet = newSheet(book);
    sheet.merge(CellRange({1, 2}));
    EXPECT_TRUE(sheet.merges().empty());
    sheet.setConstant({4, 2}, Value::text("Sales"));
    sheet.setConstant({4, 3}, Value::text("lost"));
    sheet.merge(CellRange({4, 2}, {4, 5}));
    ASSERT_EQ(sheet.merges().size(), 1u);
    EXPECT_EQ(sheet.findCell({4, 2})->constant, Value::text("Sales"));
    EXPECT_TRUE(sheet.findCell({4, 3})->constant.isEmpty());
}

TEST(SheetCells, every_change_advances_the_workbook_revision) {
    Workbook book;
    Sheet& sheet = newSheet(book);
    uint64_t last = book.revision();
    const auto advanced = [&] {
        const bool moved = book.revision() > last;
        last = book.revision();
        return moved;
    };
    sheet.setConstant({1, 1}, Value::number(1));
    EXPECT_TRUE(advanced());
    sheet.applyStyle(CellRange({1, 1}), [](CellStyle& s) { s.font.bold = true; });
    EXPECT_TRUE(advanced());
    sheet.setRowHeight(2, 20);
    EXPECT_TRUE(advanced());
    sheet.setName("Other");
    EXPECT_TRUE(advanced());
}

// A new chart sheet prints landscape, as the spreadsheet gives every new chart
// sheet; it was portrait before, a tall and narrow chart. Worksheets stay portrait.
TEST(SheetPageSetup, a_new_chart_sheet_is_landscape_and_a_new_worksheet_portrait) {
    Workbook book;
    const Sheet& data = book.addSheet("Data", SheetKind::Worksheet, 0);
    const Sheet& chart = book.addSheet("Chart1", SheetKind::Chart, 1);
    EXPECT_EQ(data.pageSetup().orientation, Orientation::Portrait);
    EXPECT_EQ(chart.pageSetup().orientation, Orientation::Landscape);
    PageSetup expected;  // Letter, the same margins, no print area
    expected.orientation = Orientation::Landscape;
    EXPECT_EQ(chart.pageSetup(), expected);
}
