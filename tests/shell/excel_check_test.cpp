// The start-up check ends the program with its message when the spreadsheet
// application cannot be created.
#include "automation/registry.h"
#include "fake_message_service.h"
#include "shell/app_title.h"
#include "shell/end_program.h"
#include "shell/excel_check.h"
#include "spreadsheet/objects/class_registration.h"

#include <gtest/gtest.h>

using testing_support::FakeMessageService;

namespace {

const char* const kExpectedMessage =
    "Error 842001. A normal instance of Excel could not be created.\r\n\r\n"
    "1. Please make sure Excel is installed on this computer.\r\n\r\n"
    "2. Please open Excel normally and make sure a blank spreadsheet opens immediately without any interrupting "
    "window (such as an Excel file recovery window).\r\n\r\n"
    "3. Please make sure that when you double-click on a XLS or XLSX file that Excel opens normally without any "
    "interrupting messages.\r\n\r\n"
    "4. All versions of Excel are supported by this software except for the rare Excel Starter and Student "
    "editions.";

int checkExitCode(automation::Registry& registry, FakeMessageService& messages) {
    try {
        shell::CheckExcelInstalled(registry, messages);
    } catch (const shell::EndProgram& end) {
        return end.exitCode;
    }
    return -1;  // the program goes on
}

}  // namespace

TEST(CheckExcelInstalled, goes_on_silently_when_an_instance_can_be_created) {
    automation::Registry registry;
    spreadsheet::objects::registerApplicationClass(registry);
    FakeMessageService messages;
    EXPECT_EQ(checkExitCode(registry, messages), -1);
    EXPECT_TRUE(messages.shown().empty());
}

TEST(CheckExcelInstalled, ends_the_program_with_its_exact_message_when_none_can_be_created) {
    for (bool registered : {false, true}) {
        automation::Registry registry;
        if (registered)
            registry.registerClass("Excel.Application",
                                   []() -> automation::ObjectRef { throw std::runtime_error("cannot start"); });
        FakeMessageService messages;
        EXPECT_NE(checkExitCode(registry, messages), 0);
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_EQ(messages.shown()[0].text.toStdString(), kExpectedMessage);
        EXPECT_EQ(messages.shown()[0].title, shell::appTitle());
        EXPECT_EQ(messages.shown()[0].icon, shell::MessageIcon::None);
        EXPECT_EQ(messages.shown()[0].buttons, shell::MessageButtons::Ok);
    }
}
