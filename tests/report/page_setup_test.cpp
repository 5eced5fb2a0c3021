// The page setup steps: their calls and types, their line numbers on failure,
// and the print layout they leave in the embedded spreadsheet.
#include "failing_object.h"
#include "recording_object.h"
#include "automation/registry.h"
#include "fake_message_service.h"
#include "report/page_setup.h"
#include "spreadsheet/objects/class_registration.h"

#include <gtest/gtest.h>

using automation::ObjectRef;
using testing_support::FakeMessageService;

namespace {

ObjectRef newInstanceWithWorkbook(automation::Registry& registry) {
    spreadsheet::objects::registerApplicationClass(registry);
    ObjectRef app = registry.CreateObject("Excel.Application");
    automation::member(app, "Workbooks")->call("Add");
    return app;
}

std::vector<std::string> putsAndCalls(const testing_support::CallLog& log) {
    std::vector<std::string> out;
    for (const testing_support::CallRecord& record : log.records())
        if (record.kind != testing_support::CallKind::Get) out.push_back(record.describe());
    return out;
}

}  // namespace

TEST(PrinterSetup0, sets_one_landscape_a4_page_with_the_given_types_in_order) {
    automation::Registry registry;
    auto log = std::make_shared<testing_support::CallLog>();
    const ObjectRef app = testing_support::recordCalls(newInstanceWithWorkbook(registry), log, "Application");
    FakeMessageService messages;
    report::PrinterSetup0(app, messages);
    EXPECT_TRUE(messages.shown().empty());
    const std::string setup = "put Application.ActiveSheet.PageSetup.";
    EXPECT_EQ(putsAndCalls(*log), (std::vector<std::string>{
                                      setup + "PrintArea = BSTR(\"\")",
                                      "call Application.InchesToPoints(R8(0.7))", setup + "LeftMargin = R8(50.4)",
                                      "call Application.InchesToPoints(R8(0.7))", setup + "RightMargin = R8(50.4)",
                                      "call Application.InchesToPoints(R8(0.5))", setup + "TopMargin = R8(36)",
                                      "call Application.InchesToPoints(R8(0.5))", setup + "BottomMargin = R8(36)",
                                      "call Application.InchesToPoints(I2(0))", setup + "HeaderMargin = R8(0)",
                                      "call Application.InchesToPoints(I2(0))", setup + "FooterMargin = R8(0)",
                                      setup + "PrintComments = I2(-4142)",
                                      setup + "Orientation = I4(2)",
                                      setup + "PaperSize = I2(9)",
                                      setup + "Zoom = BOOL(false)",
                                      setup + "FitToPagesWide = I2(1)",
                                      setup + "FitToPagesTall = I2(1)",
                                  }));
}

TEST(PrinterSetup0, a_refused_property_is_reported_with_its_line_and_the_rest_still_runs) {
    automation::Registry registry;
    const ObjectRef real = newInstanceWithWorkbook(registry);
    FakeMessageService messages;
    report::PrinterSetup0(testing_support::failCalls(real, {.failAtCall = 0, .failMember = "Orientation", .description = "No printer"}),
                          messages);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.texts()[0].startsWith(
        QStringLiteral("No printer\r\nin Tarnwick2021/08/31.BreakEvenAnalysis.PrinterSetup0 at line 118\r\r")));
    const ObjectRef setup = automation::member(real, "ActiveSheet", "PageSetup");
    EXPECT_EQ(setup->get("PaperSize").toI4(), 9);          // after the failure
    EXPECT_EQ(setup->get("FitToPagesTall").toI4(), 1);
    EXPECT_EQ(setup->get("Orientation").toI4(), 1);         // the refused one kept its value
}

TEST(PrinterSetup0, without_a_page_setup_every_later_step_is_reported) {
    automation::Registry registry;
    const ObjectRef real = newInstanceWithWorkbook(registry);
    FakeMessageService messages;
    report::PrinterSetup0(testing_support::failCalls(real, {.failAtCall = 0, .failMember = "PageSetup", .description = "Gone"}),
                          messages);
    // 100 and 102 fail on PageSetup itself; 104 to 126 find no page setup to set.
    ASSERT_EQ(messages.shown().size(), 14u);
    EXPECT_TRUE(messages.texts()[13].contains(QStringLiteral("at line 126")));
}

TEST(PrinterSetup0, the_engine_keeps_a_landscape_a4_fit_to_one_page_layout) {
    automation::Registry registry;
    const ObjectRef app = newInstanceWithWorkbook(registry);
    FakeMessageService messages;
    report::PrinterSetup0(app, messages);
    const ObjectRef setup = automation::member(app, "ActiveSheet", "PageSetup");
    EXPECT_EQ(setup->get("Orientation").toI4(), 2);
    EXPECT_EQ(setup->get("Zoom"), automation::Variant(false));
    EXPECT_EQ(setup->get("FitToPagesWide").toI4(), 1);
    EXPECT_DOUBLE_EQ(setup->get("LeftMargin").toDouble(), 50.4);
    EXPECT_DOUBLE_EQ(setup->get("BottomMargin").toDouble(), 36);
    EXPECT_DOUBLE_EQ(setup->get("HeaderMargin").toDouble(), 0);
    EXPECT_EQ(setup->get("PrintArea").toString(), "");
}
