// The application registered for workbooks only, as the command-line program
// runs it: every workbook call works, pictures of ranges are refused with a
// clear message and no picture is ever held.
#include "automation/automation_error.h"
#include "automation/registry.h"
#include "spreadsheet/objects/class_registration.h"

#include <gtest/gtest.h>

TEST(WorkbookOnlyApplication, writes_cells_but_refuses_pictures_of_ranges_in_words) {
    automation::Registry registry;
    spreadsheet::objects::registerWorkbookApplicationClass(registry);
    const automation::ObjectRef app = registry.CreateObject("Excel.Application");
    automation::member(app, "Workbooks")->call("Add");
    const automation::ObjectRef range = automation::requireObject(app->get("Range", {automation::Variant("B2")}));
    range->put("FormulaR1C1", automation::Variant("=6*7"));
    EXPECT_EQ(range->get("Value").toDouble(), 42.0);
    try {
        range->call("CopyPicture", {automation::Variant(int16_t{1}), automation::Variant(int16_t{2})});
        FAIL() << "a picture was taken";
    } catch (const automation::AutomationError& error) {
        EXPECT_STREQ(error.what(), "CopyPicture method of Range class failed: this process paints no pictures");
    }
    EXPECT_FALSE(app->get("CopiedPicture").toObject());
}
