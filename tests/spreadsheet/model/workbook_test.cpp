// Sheets in order, found by name regardless of case, with the active sheet
// following its sheet when others move; and the default palette.
#include "spreadsheet/model/workbook.h"

#include <gtest/gtest.h>

using namespace spreadsheet::model;

TEST(Workbook, the_active_sheet_follows_its_sheet_through_adds_moves_and_removals) {
    Workbook book;
    book.addSheet("Sheet1", SheetKind::Worksheet, 0);
    book.addSheet("Sheet2", SheetKind::Worksheet, 1);
    book.addSheet("Sheet3", SheetKind::Worksheet, 2);
    book.setActiveSheet(1);
    book.addSheet("Chart", SheetKind::Chart, 0);
    EXPECT_EQ(book.sheet(book.activeSheetIndex()).name(), "Sheet2");
    book.moveSheet(0, 3);
    EXPECT_EQ(book.sheet(3).name(), "Chart");
    EXPECT_EQ(book.sheet(book.activeSheetIndex()).name(), "Sheet2");
    book.removeSheet(0);
    EXPECT_EQ(book.sheet(book.activeSheetIndex()).name(), "Sheet2");
    EXPECT_EQ(book.findSheet("sheet3"), 1);
    EXPECT_EQ(book.findSheet("Sheet9"), std::nullopt);
}

TEST(Palette, colour_indexes_name_the_default_palette_entries) {
    const Palette palette;
    EXPECT_EQ(palette.color(1), 0x000000u);
    EXPECT_EQ(palette.color(2), 0xFFFFFFu);
    EXPECT_EQ(palette.color(11), 0x000080u);  // dark blue
    EXPECT_EQ(palette.color(13), 0x800080u);  // violet
    EXPECT_EQ(palette.color(15), 0xC0C0C0u);  // grey 25 %
    EXPECT_EQ(palette.color(56), 0x333333u);
    EXPECT_EQ(palette.color(0), std::nullopt);
    EXPECT_EQ(palette.color(57), std::nullopt);
    EXPECT_EQ(palette.color(kColorAutomatic), std::nullopt);
    EXPECT_TRUE(palette.isDefault());
}
