// The procedure error report: its exact text, and the trap that shows it and
// goes on with the next statement.
#include "fake_message_service.h"
#include "shell/context_names.h"
#include "shell/end_program.h"
#include "shell/error_report.h"

#include <QSet>
#include <gtest/gtest.h>
#include <stdexcept>

using shell::ErrorTrap;
using testing_support::FakeMessageService;

TEST(ErrorReport, prompt_is_exact_to_the_byte) {
    EXPECT_EQ(shell::buildErrorPrompt("Object required", shell::contexts::kGenerateReport, 160).toStdString(),
              "Object required\r\nin Tarnwick2021/08/31.BreakEvenAnalysis.GenerateReport at line 160\r\r"
              "Please email screenshot of this message to support@wrenfield.example");
}

TEST(ErrorReport, an_empty_description_keeps_its_line_break) {
    const QString prompt = shell::buildErrorPrompt(QString(), shell::contexts::kForm1FormLoad, 104);
    EXPECT_TRUE(prompt.startsWith(QStringLiteral("\r\nin Tarnwick2021/08/31.Form1.Form_Load at line 104\r\r")));
}

TEST(ErrorReport, shows_a_warning_box_titled_application_error_with_one_ok_button) {
    FakeMessageService messages;
    shell::showErrorReport(messages, "Boom", shell::contexts::kPrinterSetup0, 118);
    ASSERT_EQ(messages.shown().size(), 1u);
    const shell::Message& box = messages.shown()[0];
    EXPECT_EQ(box.title, QStringLiteral("Application Error"));
    EXPECT_EQ(box.icon, shell::MessageIcon::Warning);
    EXPECT_EQ(box.buttons, shell::MessageButtons::Ok);
}

TEST(ErrorTrap, each_failing_step_gives_its_own_box_in_step_order_and_the_next_step_runs) {
    FakeMessageService messages;
    ErrorTrap trap(shell::contexts::kForm1PushButton2Click, messages);
    std::vector<int> ran;
    trap.run(100, [&] { ran.push_back(100); });
    trap.run(102, [&] { throw std::runtime_error("first"); });
    trap.run(104, [&] { ran.push_back(104); });
    trap.run(106, [&] { throw std::runtime_error("second"); });
    trap.run(108, [&] { ran.push_back(108); });

    EXPECT_EQ(ran, (std::vector<int>{100, 104, 108}));
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_TRUE(messages.texts()[0].startsWith(
        QStringLiteral("first\r\nin Tarnwick2021/08/31.Form1.PushButton2_Click at line 102\r\r")));
    EXPECT_TRUE(messages.texts()[1].startsWith(
        QStringLiteral("second\r\nin Tarnwick2021/08/31.Form1.PushButton2_Click at line 106\r\r")));
    EXPECT_EQ(trap.failures(), 2);
}

TEST(ErrorTrap, a_conditional_test_that_fails_is_reported_and_runs_the_block) {
    FakeMessageService messages;
    ErrorTrap trap(shell::contexts::kForm1PushButton22Click, messages);
    EXPECT_TRUE(trap.test(104, []() -> bool { throw std::runtime_error("lookup failed"); }));
    EXPECT_FALSE(trap.test(106, [] { return false; }));
    EXPECT_TRUE(trap.test(108, [] { return true; }));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.texts()[0].contains(QStringLiteral("at line 104")));
}

TEST(ErrorTrap, ending_the_program_is_not_a_failure_and_passes_through) {
    FakeMessageService messages;
    ErrorTrap trap(shell::contexts::kForm1FormLoad, messages);
    EXPECT_THROW(trap.run(156, [] { throw shell::EndProgram{3}; }), shell::EndProgram);
    EXPECT_TRUE(messages.shown().empty());
}

TEST(ContextNames, all_nineteen_are_distinct_and_spelled_as_the_report_shows_them) {
    QSet<QString> names;
    for (const char* name : shell::contexts::kAll) {
        const QString text = QString::fromLatin1(name);
        EXPECT_TRUE(text.startsWith(QStringLiteral("in Tarnwick2021/08/31."))) << name;
        EXPECT_TRUE(text.endsWith(QLatin1Char(' '))) << name;
        names.insert(text);
    }
    EXPECT_EQ(names.size(), 19);
    EXPECT_STREQ(shell::contexts::kForm2Picture1MouseDown, "in Tarnwick2021/08/31.Form2.picture1_MouseDown ");
    EXPECT_STREQ(shell::contexts::kForm2Picture1MouseMove, "in Tarnwick2021/08/31.Form2.picture1_MouseMove ");
    EXPECT_STREQ(shell::contexts::kForm2Picture1MouseUp, "in Tarnwick2021/08/31.Form2.Picture1_MouseUp ");
}
