// Fonts, fills and borders set through a selection, and the values they refuse.
#include "object_test_support.h"

using namespace object_tests;

namespace {

ObjectRef selectionFont(Instance& xl) { return automation::member(xl.app, "Selection", "Font"); }

}  // namespace

TEST(CellFormat, font_styles_are_read_in_any_case_and_unknown_ones_give_regular) {
    Instance xl;
    xl.range("B1")->call("Select");
    const struct {
        const char* written;
        const char* read;
    } rows[] = {{"bold", "Bold"}, {"Bold Italic", "Bold Italic"}, {"ITALIC", "Italic"}, {"General", "Regular"},
                {"Regular", "Regular"}};
    for (const auto& row : rows) {
        selectionFont(xl)->put("FontStyle", row.written);
        EXPECT_EQ(selectionFont(xl)->get("FontStyle").toString(), row.read) << row.written;
    }
}

TEST(CellFormat, the_whole_sheet_takes_a_font_and_cells_keep_it_when_written) {
    Instance xl;
    xl.app->get("Cells").toObject()->call("Select");
    selectionFont(xl)->put("Name", "Arial");
    selectionFont(xl)->put("Size", int16_t{10});
    xl.write("C5", "Sales price per unit");
    EXPECT_EQ(xl.range("C5")->get("Font").toObject()->get("Name").toString(), "Arial");
    EXPECT_DOUBLE_EQ(xl.range("Z999")->get("Font").toObject()->get("Size").toDouble(), 10);
}

TEST(CellFormat, colour_indexes_outside_the_palette_are_refused) {
    Instance xl;
    xl.range("B4:E4")->call("Select");
    automation::member(xl.app, "Selection", "Interior")->put("ColorIndex", int16_t{11});
    selectionFont(xl)->put("ColorIndex", int16_t{-4105});
    EXPECT_EQ(xl.range("E4")->get("Interior").toObject()->get("ColorIndex").toI4(), 11);
    EXPECT_EQ(failureOf([&] { selectionFont(xl)->put("ColorIndex", int16_t{57}); }),
              "Unable to set the ColorIndex property of the Font class: 57 is not a colour index (1 to 56, or automatic)");
    EXPECT_EQ(failureOf([&] { selectionFont(xl)->put("Size", int16_t{0}); }),
              "Unable to set the Size property of the Font class: 0 is not between 1 and 409");
}

TEST(CellFormat, edge_and_inside_borders_land_on_the_right_cells) {
    Instance xl;
    xl.range("F10:F15")->call("Select");
    for (int index : {8, 9, 12}) {
        ObjectRef border = xl.app->get("Selection").toObject()->get("Borders", {int32_t{index}}).toObject();
        border->put("LineStyle", int32_t{1});
        border->put("ColorIndex", int16_t{11});
    }
    const auto line = [&](const char* cell, int index) {
        return xl.range(cell)->get("Borders", {int32_t{index}}).toObject()->get("LineStyle").toI4();
    };
    EXPECT_EQ(line("F10", 8), 1);       // top edge on the first row only
    EXPECT_EQ(line("F11", 8), 1);       // ... and the inside lines between rows
    EXPECT_EQ(line("F15", 9), 1);       // bottom edge
    EXPECT_EQ(line("F12", 7), -4142);   // no left edge was drawn
    EXPECT_EQ(xl.range("F15")->get("Borders", {int32_t{9}}).toObject()->get("ColorIndex").toI4(), 11);
    EXPECT_EQ(failureOf([&] { xl.range("F5")->get("Borders", {int32_t{3}}); }),
              "Unable to get the Item property of the Borders class: 3 is not a border of a cell range (7 to 12)");
}

TEST(CellFormat, number_formats_are_checked_before_they_are_set) {
    Instance xl;
    xl.write("D41", "-4000");
    xl.range("D41")->put("NumberFormat", "#,##0.00_);[Red](#,##0.00)");
    EXPECT_EQ(xl.range("D41")->get("Text").toString(), "(4,000.00)");
    EXPECT_NE(failureOf([&] { xl.range("D41")->put("NumberFormat", "0.00\"unclosed"); }), "");
    EXPECT_EQ(xl.range("D41")->get("NumberFormat").toString(), "#,##0.00_);[Red](#,##0.00)");
}
