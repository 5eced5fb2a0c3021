// Embedded charts anchored where the model puts them, and the library told
// the place so that it writes that very anchor.
#include "spreadsheet/xlsx/chart_anchor.h"

#include <gtest/gtest.h>

using namespace spreadsheet::xlsx;
namespace model = spreadsheet::model;

namespace {

// The breakeven sheet's columns and rows.
struct BreakevenSheet {
    model::Revision revision;
    model::Sheet sheet{"Breakeven Analysis Data", model::SheetKind::Worksheet, revision};
    BreakevenSheet() {
        sheet.setColumnWidth(1, 1);
        sheet.setColumnWidth(2, 15.57);
        sheet.setColumnWidth(3, 9);
        for (int c = 4; c <= 14; ++c) sheet.setColumnWidth(c, 12);
        const std::pair<int, double> heights[] = {{1, 61.5}, {2, 27.75}, {3, 15.75}, {4, 15.75}, {9, 15.75},
                                                  {21, 15.75}, {31, 32.25}, {32, 32.25}, {33, 20.25}, {34, 20.25}};
        for (const auto& [row, height] : heights) sheet.setRowHeight(row, height);
    }
};

// Where the library ends up, walking its own sizes as it does.
AnchorCorner libraryEnd(const model::Sheet& sheet, const LibraryPlacement& p, const std::vector<int>& rowPixels) {
    double x = p.width + p.xOffset, y = p.height + p.yOffset;
    int column = p.column + 1, row = p.row + 1;
    while (x >= columnPixels(sheet, column)) x -= columnPixels(sheet, column++);
    while (y >= rowPixels[row]) y -= rowPixels[row++];
    return {column, x * 0.75, row, y * 0.75};
}

}  // namespace

TEST(ChartAnchor, the_breakeven_pies_sit_across_h_to_l_as_in_the_97_2003_file) {
    BreakevenSheet f;
    EXPECT_EQ(columnPixels(f.sheet, 1), 12);
    EXPECT_EQ(columnPixels(f.sheet, 2), 114);
    EXPECT_EQ(columnPixels(f.sheet, 15), 64);  // the default width
    const ChartAnchor top = anchorOf(f.sheet, {50, 420, 300, 200});
    EXPECT_EQ(top.from.column, 8);
    EXPECT_DOUBLE_EQ(top.from.columnOffset, 7.5);  // 10 pixels into H
    EXPECT_EQ(top.from.row, 1);
    EXPECT_DOUBLE_EQ(top.from.rowOffset, 50);
    EXPECT_EQ(top.to.column, 12);
    EXPECT_DOUBLE_EQ(top.to.columnOffset, 40.5);
    EXPECT_EQ(top.to.row, 14);  // 61.5 + 27.75 + 2 * 15.75 + 4 * 12.75 + 15.75 + 12.75 * 4 = 238.5
    EXPECT_DOUBLE_EQ(top.to.rowOffset, 250 - 238.5);
    const ChartAnchor lower = anchorOf(f.sheet, {300, 420, 300, 200});
    EXPECT_EQ(lower.from.row, 18);
    EXPECT_EQ(lower.to.row, 32);
}

TEST(ChartAnchor, the_library_is_told_a_place_that_lands_on_the_anchor) {
    BreakevenSheet f;
    const LibraryPlacement p = libraryPlacement(f.sheet, anchorOf(f.sheet, {50, 420, 300, 200}));
    EXPECT_EQ(p.column, 7);
    EXPECT_EQ(p.row, 0);
    EXPECT_EQ(p.xOffset, 10);
    EXPECT_EQ(p.yOffset, 67);  // 50 points is 66.67 pixels: the near corner goes to the nearest pixel
    EXPECT_DOUBLE_EQ(p.width, 400);
    EXPECT_NEAR(p.height, 200 / 0.75 - (67 - 50 / 0.75), 1e-9);  // the far corner stays where it is
}

// Before: a row of 13 points is 17 pixels to the library, so a chart over
// thirty such rows, told its height as 390 points in pixels, ended 7.5
// points too low.
TEST(ChartAnchor, rows_that_are_not_whole_pixels_still_end_in_the_right_row) {
    model::Revision revision;
    model::Sheet sheet("Data", model::SheetKind::Worksheet, revision);
    for (int row = 1; row <= 40; ++row) sheet.setRowHeight(row, 13);
    const ChartAnchor anchor = anchorOf(sheet, {0, 0, 100, 390});  // 30 rows of 13 points
    EXPECT_EQ(anchor.to.row, 31);
    EXPECT_NEAR(anchor.to.rowOffset, 0, 1e-9);
    std::vector<int> rowPixels(42, 17);  // the library's own row sizes
    const AnchorCorner end = libraryEnd(sheet, libraryPlacement(sheet, anchor), rowPixels);
    EXPECT_EQ(end.row, 31);
    EXPECT_NEAR(end.rowOffset, 0, 1e-9);
    EXPECT_EQ(end.column, anchor.to.column);  // 100 points: two default columns of 48 and 4 into the third
    EXPECT_NEAR(end.columnOffset, anchor.to.columnOffset, 1e-9);
}
