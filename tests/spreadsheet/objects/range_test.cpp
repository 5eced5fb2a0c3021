// Ranges: addressing, selection, typed entries and sizes.
#include "object_test_support.h"
#include "recording_object.h"

using namespace object_tests;

TEST(Range, select_sets_the_selection_and_its_top_left_active_cell) {
    Instance xl;
    xl.range("D41:N41")->call("Select");
    EXPECT_EQ(xl.app->get("Selection").toObject()->get("Address").toString(), "$D$41:$N$41");
    EXPECT_EQ(xl.app->get("ActiveCell").toObject()->get("Address").toString(), "$D$41");
    xl.app->get("Cells").toObject()->call("Select");
    EXPECT_EQ(xl.app->get("Selection").toObject()->get("Count").toI4(), 65536 * 256);
    xl.app->get("Columns", {"A:A"}).toObject()->call("Select");
    EXPECT_EQ(xl.app->get("Selection").toObject()->get("Address").toString(), "$A:$A");
    EXPECT_EQ(failureOf([&] { xl.app->get("Sheets", {int16_t{2}}).toObject()->get("Range", {"A1"}).toObject()->call("Select"); }),
              "Select method of Range class failed: the range is not on the active sheet");
}

TEST(Range, addresses_that_are_not_addresses_are_refused) {
    Instance xl;
    EXPECT_EQ(failureOf([&] { xl.range("B0"); }), "Method 'Range' failed: \"B0\" is not a cell address");
    EXPECT_EQ(xl.app->get("Cells", {int16_t{32}, int16_t{2}}).toObject()->get("Address").toString(), "$B$32");
}

TEST(Range, typed_entries_become_numbers_text_formulas_or_nothing) {
    Instance xl;
    xl.write("F5", "12.5");
    xl.write("F6", "1,000");
    xl.write("F7", "abc");
    xl.write("F8", "=R[-3]C*R[-2]C");
    xl.write("F9", "");
    xl.write("F10", "'42");
    EXPECT_EQ(xl.value("F5"), Variant(12.5));
    EXPECT_EQ(xl.value("F6"), Variant(1000.0));
    EXPECT_EQ(xl.value("F7"), Variant("abc"));
    EXPECT_EQ(xl.value("F8"), Variant(12500.0));
    EXPECT_TRUE(xl.value("F9").isEmpty());
    EXPECT_EQ(xl.value("F10"), Variant("42"));
    EXPECT_EQ(xl.range("F8")->get("Formula").toString(), "=F5*F6");
    EXPECT_EQ(xl.range("F8")->get("FormulaR1C1").toString(), "=R[-3]C*R[-2]C");
    EXPECT_EQ(xl.range("F6")->get("NumberFormat").toString(), "#,##0");  // implied by the typing
}

TEST(Range, a_formula_that_does_not_parse_is_refused_and_the_cell_keeps_its_content) {
    Instance xl;
    xl.write("G7", "=1+2");
    const std::string failure = failureOf([&] { xl.write("G7", "=SUM(R[-5]C:R[-1]C"); });
    EXPECT_EQ(failure.rfind("Unable to set the FormulaR1C1 property of the Range class: ", 0), 0u) << failure;
    EXPECT_EQ(xl.value("G7"), Variant(3.0));
}

TEST(Range, errors_reach_the_client_as_error_values_and_show_as_their_text) {
    Instance xl;
    xl.write("A1", "=1/0");
    EXPECT_EQ(xl.value("A1").typeName(), "VT_ERROR");
    EXPECT_EQ(xl.range("A1")->get("Text").toString(), "#DIV/0!");
}

TEST(Range, an_entry_written_to_several_cells_fills_each_with_relative_references_moved) {
    Instance xl;
    xl.write("A1:A2", "=RC[1]*2");
    xl.write("B1", "3");
    xl.write("B2", "4");
    EXPECT_EQ(xl.value("A2"), Variant(8.0));
}

TEST(Range, row_heights_and_column_widths_stay_within_the_spreadsheets_limits) {
    Instance xl;
    xl.app->get("Rows", {"1:1"}).toObject()->put("RowHeight", 61.5);
    xl.app->get("Columns", {"B:B"}).toObject()->put("ColumnWidth", 15.57);
    EXPECT_DOUBLE_EQ(xl.range("A1")->get("RowHeight").toDouble(), 61.5);
    EXPECT_DOUBLE_EQ(xl.range("B7")->get("ColumnWidth").toDouble(), 15.57);
    EXPECT_EQ(failureOf([&] { xl.range("A2")->put("RowHeight", 500.0); }),
              "Unable to set the RowHeight property: 500 is above 409.5");
    EXPECT_EQ(failureOf([&] { xl.range("A2")->put("ColumnWidth", -1.0); }),
              "Unable to set the ColumnWidth property: -1 is below 0");
    EXPECT_DOUBLE_EQ(xl.range("A2")->get("RowHeight").toDouble(), 12.75);
}

TEST(Range, the_last_row_and_column_of_the_used_range) {
    Instance xl;
    xl.write("B1", "Breakeven Analysis");
    xl.write("N41", "=1");
    ObjectRef used = xl.app->get("ActiveSheet").toObject()->get("UsedRange").toObject();
    ObjectRef rows = used->get("Rows").toObject();
    ObjectRef columns = used->get("Columns").toObject();
    EXPECT_EQ(rows->get("Item", {rows->get("Count")}).toObject()->get("Row").toI4(), 41);
    EXPECT_EQ(columns->get("Item", {columns->get("Count")}).toObject()->get("Column").toI4(), 14);
}

TEST(Range, merging_one_cell_leaves_it_a_single_cell) {
    Instance xl;
    xl.write("B1", "Title");
    xl.range("B1:B1")->call("Merge");
    xl.range("B4:E4")->call("Merge");
    EXPECT_EQ(xl.value("B1"), Variant("Title"));
}

// A client may hold ranges through wrappers of its own (a recording client,
// a proxy): Range(range) and Range(range, range) still take them as ranges.
TEST(Range, ranges_passed_back_through_a_wrapper_are_taken_as_ranges) {
    Instance xl;
    const auto log = std::make_shared<testing_support::CallLog>();
    const ObjectRef app = testing_support::recordCalls(xl.app, log, "Application");
    const ObjectRef corner = app->get("Range", {"B2"}).toObject();
    const ObjectRef far = app->get("Range", {"D5"}).toObject();
    EXPECT_EQ(app->get("Range", {Variant(corner)}).toObject()->get("Address").toString(), "$B$2");
    EXPECT_EQ(app->get("Range", {Variant(corner), Variant(far)}).toObject()->get("Address").toString(), "$B$2:$D$5");
    EXPECT_FALSE(log->lines().empty()) << "the calls went through the wrapper";
}
