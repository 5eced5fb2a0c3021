// Styles layered on the sheet, columns and rows come out where the 97-2003
// writer puts them, and style values are stored as it stores them.
#include "spreadsheet/xlsx/sheet_style_layout.h"
#include "spreadsheet/xlsx/style_codes.h"

#include <gtest/gtest.h>
#include <xlsxwriter.h>

using namespace spreadsheet::xlsx;
namespace model = spreadsheet::model;

namespace {

model::CellStyle bold() {
    model::CellStyle s;
    s.font.bold = true;
    return s;
}

struct SheetFixture {
    model::Revision revision;
    model::Sheet sheet{"Data", model::SheetKind::Worksheet, revision};
};

}  // namespace

TEST(StyleResolution, every_column_of_the_grid_carries_its_own_style_or_the_sheets) {
    SheetFixture f;
    f.sheet.applyStyle(model::CellRange::wholeSheet(), [](model::CellStyle& s) { s.fillColorIndex = 15; });
    f.sheet.applyStyle(model::CellRange::wholeColumns(3, 4), [](model::CellStyle& s) { s.font.bold = true; });
    f.sheet.setColumnWidth(2, 15.57);
    f.sheet.setColumnWidth(4, 300);  // beyond what a column holds
    model::CellStyle grey;
    grey.fillColorIndex = 15;
    model::CellStyle greyBold = grey;
    greyBold.font.bold = true;
    const std::vector<ColumnRun> expected = {{1, 1, grey, std::nullopt},
                                             {2, 2, grey, 15.57},
                                             {3, 3, greyBold, std::nullopt},
                                             {4, 4, greyBold, 255.0},
                                             {5, 256, grey, std::nullopt}};
    EXPECT_EQ(columnRuns(f.sheet), expected);
}

TEST(StyleResolution, a_default_sheet_still_styles_its_columns_with_the_default_style) {
    SheetFixture f;
    // Arial 10, not the file's built-in font: empty cells look as in the 97-2003 file.
    EXPECT_EQ(columnRuns(f.sheet), (std::vector<ColumnRun>{{1, 256, model::CellStyle{}, std::nullopt}}));
}

TEST(StyleResolution, rows_carry_heights_and_styles_of_their_own_on_the_grid_only) {
    SheetFixture f;
    f.sheet.setRowHeight(1, 61.5);
    f.sheet.setRowHeight(3, 12.7749);  // stored in twentieths of a point
    f.sheet.setRowHeight(70000, 20);   // off the grid
    f.sheet.applyStyle(model::CellRange::wholeRows(3, 3), [](model::CellStyle& s) { s.font.bold = true; });
    const std::vector<RowEntry> expected = {{1, 61.5, std::nullopt}, {3, 12.75, bold()}};
    EXPECT_EQ(rowEntries(f.sheet), expected);
}

TEST(StyleResolution, style_values_are_stored_as_the_97_2003_writer_stores_them) {
    EXPECT_EQ(storedFontSize(10.26), 10.25);
    EXPECT_EQ(storedFontSize(0), 1);
    EXPECT_EQ(storedFontSize(1000), 409.55);
    EXPECT_EQ(storedRowHeight(-3), 0);
    EXPECT_EQ(storedRowHeight(500), 409.5);
    EXPECT_EQ(storedColumnWidth(-1), 0);

    struct Line {
        model::LineStyle style;
        model::LineWeight weight;
        uint8_t code;
    };
    using Style = model::LineStyle;
    using Weight = model::LineWeight;
    const Line lines[] = {{Style::None, Weight::Thin, LXW_BORDER_NONE},
                          {Style::Continuous, Weight::Thin, LXW_BORDER_THIN},
                          {Style::Continuous, Weight::Medium, LXW_BORDER_MEDIUM},
                          {Style::Continuous, Weight::Thick, LXW_BORDER_THICK},
                          {Style::Continuous, Weight::Hairline, LXW_BORDER_HAIR},
                          {Style::Dash, Weight::Thin, LXW_BORDER_DASHED},
                          {Style::Dash, Weight::Medium, LXW_BORDER_MEDIUM_DASHED},
                          {Style::Dot, Weight::Thin, LXW_BORDER_DOTTED},
                          {Style::Double, Weight::Thick, LXW_BORDER_DOUBLE},
                          {Style::DashDot, Weight::Thin, LXW_BORDER_DASH_DOT},
                          {Style::DashDotDot, Weight::Thick, LXW_BORDER_MEDIUM_DASH_DOT_DOT},
                          {Style::SlantDashDot, Weight::Medium, LXW_BORDER_SLANT_DASH_DOT}};
    for (const Line& l : lines)
        EXPECT_EQ(borderStyleOf({l.style, l.weight, model::kColorAutomatic}), l.code)
            << static_cast<int>(l.style) << "/" << static_cast<int>(l.weight);
    model::CellStyle unset;
    unset.numberFormat.clear();
    EXPECT_EQ(numberFormatOf(unset), "General");
}
