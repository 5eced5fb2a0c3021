// Application, workbooks and sheets as a client sees them.
#include "object_test_support.h"

using namespace object_tests;

TEST(Application, flags_keep_their_values_and_refuse_unknown_choices) {
    Instance xl;
    xl.app->put("ScreenUpdating", false);
    xl.app->put("Cursor", int32_t{2});
    xl.app->put("EnableCancelKey", int32_t{0});
    EXPECT_FALSE(xl.app->get("ScreenUpdating").toBool());
    EXPECT_EQ(xl.app->get("Cursor").toI4(), 2);
    EXPECT_EQ(failureOf([&] { xl.app->put("Cursor", int32_t{7}); }),
              "Unable to set the Cursor property of the Application class: 7 is not one of its values");
    EXPECT_DOUBLE_EQ(xl.app->call("InchesToPoints", {0.7}).toDouble(), 50.4);
    EXPECT_DOUBLE_EQ(xl.app->call("InchesToPoints", {int16_t{0}}).toDouble(), 0.0);
    EXPECT_EQ(xl.app->get("Version").toString(), "16.0");
}

TEST(Application, a_new_workbook_has_three_sheets_and_the_first_is_active) {
    Instance xl;
    ObjectRef sheets = xl.app->get("Sheets").toObject();
    EXPECT_EQ(sheets->get("Count").toI4(), 3);
    EXPECT_EQ(sheets->get("Item", {int16_t{3}}).toObject()->get("Name").toString(), "Sheet3");
    EXPECT_EQ(xl.app->get("ActiveSheet").toObject()->get("Name").toString(), "Sheet1");
    EXPECT_EQ(automation::member(xl.app, "Workbooks")->get("Count").toI4(), 1);
    EXPECT_EQ(failureOf([&] { sheets->get("Item", {int16_t{4}}); }), "Subscript out of range: there is no sheet number 4.");
}

TEST(Application, deleting_sheets_down_to_one_and_no_further) {
    Instance xl;
    for (int i = 0; i < 2; ++i) xl.app->get("Sheets", {int16_t{2}}).toObject()->call("Delete");
    ObjectRef sheets = xl.app->get("Sheets").toObject();
    EXPECT_EQ(sheets->get("Count").toI4(), 1);
    EXPECT_EQ(failureOf([&] { sheets->get("Item", {int16_t{1}}).toObject()->call("Delete"); }),
              "Delete method of Worksheet class failed: a workbook must keep at least one worksheet.");
}

TEST(Application, sheet_names_follow_the_spreadsheets_rules) {
    Instance xl;
    ObjectRef sheet = xl.app->get("Sheets", {int16_t{1}}).toObject();
    sheet->put("Name", "Breakeven Analysis Data");
    EXPECT_EQ(xl.app->get("Sheets", {"breakeven analysis data"}).toObject()->get("Index").toI4(), 1);
    const struct {
        const char* name;
        const char* problem;
    } refused[] = {
        {"", "A sheet name cannot be empty."},
        {"A name that is far too long for a tab", "A sheet name can have at most 31 characters"},
        {"Q1/Q2", "A sheet name cannot contain any of these characters"},
        {"'quoted", "A sheet name cannot begin or end with an apostrophe."},
        {"SHEET2", "The sheet name \"SHEET2\" is already taken."},
    };
    for (const auto& row : refused)
        EXPECT_NE(failureOf([&] { sheet->put("Name", row.name); }).find(row.problem), std::string::npos) << row.name;
    EXPECT_EQ(sheet->get("Name").toString(), "Breakeven Analysis Data");  // a refused name changes nothing
}

TEST(Application, handles_to_a_closed_workbook_refuse_politely) {
    Instance xl;
    ObjectRef cell = xl.range("A1");
    xl.workbook->call("Close");
    EXPECT_EQ(failureOf([&] { cell->put("FormulaR1C1", "1"); }), "The workbook of this object has been closed.");
    EXPECT_EQ(failureOf([&] { xl.app->get("Range", {"A1"}); }), "There is no active workbook: add or open one first.");
    EXPECT_FALSE(xl.app->get("ActiveSheet").toObject());  // Nothing
}
