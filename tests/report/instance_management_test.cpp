// Instance management: the instance reference, the running-instance warning,
// the save format by version (under "." and "," decimal separators), the
// locale text conversion, and the second instance that opens a saved workbook.
#include "automation/automation_error.h"
#include "failing_object.h"
#include "recording_object.h"
#include "automation/registry.h"
#include "fake_message_service.h"
#include "report/decimal_text.h"
#include "report/excel_instance.h"
#include "report/running_excel.h"
#include "report/save_format.h"
#include "scriptable_object.h"
#include "shell/app_title.h"

#include <QLocale>
#include <gtest/gtest.h>

using automation::Variant;
using report_testing::ScriptableObject;
using testing_support::FakeMessageService;

namespace {

using Lines = std::vector<std::string>;

// Makes a locale the user's for the life of the guard.
class UserLocale {
public:
    explicit UserLocale(QLocale::Language language, QLocale::Territory territory) {
        QLocale::setDefault(QLocale(language, territory));
    }
    ~UserLocale() { QLocale::setDefault(m_saved); }
    UserLocale(const UserLocale&) = delete;
    UserLocale& operator=(const UserLocale&) = delete;

private:
    QLocale m_saved;
};

std::shared_ptr<ScriptableObject> excelAnswering(const char* member, Variant value) {
    auto excel = std::make_shared<ScriptableObject>();
    excel->answer(member, std::move(value));
    return excel;
}

// A registry whose "Excel.Application" instances answer Version, all calls going to one log.
struct RecordedRegistry {
    automation::Registry registry;
    std::shared_ptr<testing_support::CallLog> log = std::make_shared<testing_support::CallLog>();
    testing_support::FailurePlan failure = {.failAtCall = 0, .failMember = "", .description = "Refused"};

    explicit RecordedRegistry(const char* version) {
        registry.registerClass("Excel.Application", [this, version] {
            return testing_support::failCalls(testing_support::recordCalls(excelAnswering("Version", version), log,
                                                                 "Application"),
                                         failure);
        });
    }
};

}  // namespace

TEST(ExcelInstance, create_fills_the_reference_release_empties_it_and_a_failed_creation_leaves_it_empty) {
    automation::Registry registry;
    report::ExcelInstance instance(registry);
    EXPECT_THROW(instance.CreateExcelInstance(), automation::AutomationError);
    EXPECT_TRUE(instance.isEmpty());

    auto excel = std::make_shared<ScriptableObject>();
    registry.registerClass("Excel.Application", [excel] { return excel; });
    instance.CreateExcelInstance();
    EXPECT_EQ(instance.application(), excel);
    instance.ReleaseExcelInstance();
    EXPECT_TRUE(instance.isEmpty());
    EXPECT_EQ(excel->callCount("Quit"), 0);  // released, not quit
}

TEST(SaveFormat, versions_up_to_11_save_normal_workbooks_later_ones_the_97_2003_format_under_either_separator) {
    const std::vector<std::pair<const char*, int32_t>> cases = {
        {"11.0", -4143}, {"12.0", 56}, {"16.0", 56}, {"9.0", -4143}};
    for (QLocale::Language language : {QLocale::English, QLocale::German}) {
        UserLocale locale(language, language == QLocale::German ? QLocale::Germany : QLocale::UnitedStates);
        for (const auto& [version, format] : cases) {
            automation::Registry unused;
            EXPECT_EQ(report::GetSaveFileFormat(unused, excelAnswering("Version", version)), format)
                << version << " in " << QLocale().name().toStdString();
        }
    }
}

TEST(SaveFormat, without_an_application_asks_a_separate_instance_and_quits_it_even_when_the_question_fails) {
    RecordedRegistry excel("16.0");
    EXPECT_EQ(report::GetSaveFileFormat(excel.registry), 56);
    EXPECT_EQ(excel.log->lines(), (Lines{"get Application.Version", "call Application.Quit()"}));

    RecordedRegistry mute("16.0");
    mute.failure.failMember = "Version";
    EXPECT_THROW(report::GetSaveFileFormat(mute.registry), automation::AutomationError);
    EXPECT_EQ(mute.log->lines(), (Lines{"call Application.Quit()"}));
}

TEST(DecimalText, converts_between_the_invariant_point_and_the_users_separator) {
    {
        UserLocale locale(QLocale::German, QLocale::Germany);
        EXPECT_EQ(report::GetDecimalSeparator(), QStringLiteral(","));
        EXPECT_EQ(report::ConvertDecimalText("16.0", false), QStringLiteral("16,0"));
        EXPECT_EQ(report::ConvertDecimalText("1.234.5", false), QStringLiteral("1,234,5"));
        EXPECT_EQ(report::ConvertDecimalText("1,5,0", true), QStringLiteral("1.5.0"));
    }
    UserLocale locale(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(report::GetDecimalSeparator(), QStringLiteral("."));
    EXPECT_EQ(report::ConvertDecimalText("16.0", false), QStringLiteral("16.0"));
    EXPECT_EQ(report::ConvertDecimalText("1,5", false), QStringLiteral("1.5"));
    EXPECT_EQ(report::ConvertDecimalText("1,5", true), QStringLiteral("1,5"));
}

TEST(RunningExcel, a_running_instance_asks_yes_no_with_the_exact_text_and_stops_the_caller_on_no) {
    automation::Registry registry;
    const auto running = excelAnswering("Value", "Microsoft Excel");
    registry.announceRunning("Excel.Application", running);
    EXPECT_TRUE(report::IsExcelRunning(registry));

    FakeMessageService messages;
    messages.answerNext(shell::MessageAnswer::Yes);
    messages.answerNext(shell::MessageAnswer::No);
    EXPECT_FALSE(report::WarnExcelOpen(registry, messages));
    EXPECT_TRUE(report::WarnExcelOpen(registry, messages));

    ASSERT_EQ(messages.shown().size(), 2u);
    const shell::Message& box = messages.shown()[0];
    EXPECT_EQ(box.text.toStdString(),
              "Excel may be open. It is recommended that you close Excel first.\r"
              "Use Ctrl+Alt+Del > Task Manager > EXCEL.EXE if necessary.\r\n\r\n"
              "Would you like to proceed anyway?");
    EXPECT_EQ(box.buttons, shell::MessageButtons::YesNo);
    EXPECT_EQ(box.title, shell::appTitle());
    EXPECT_FALSE(box.title.isEmpty());
}

TEST(RunningExcel, shows_nothing_when_none_is_running_or_the_running_one_is_another_program_or_mute) {
    automation::Registry registry;
    EXPECT_FALSE(report::IsExcelRunning(registry));  // the lookup itself fails
    FakeMessageService messages;
    EXPECT_FALSE(report::WarnExcelOpen(registry, messages));

    const auto other = excelAnswering("Value", "Some Other Sheet");
    registry.announceRunning("Excel.Application", other);
    EXPECT_FALSE(report::IsExcelRunning(registry));

    const auto mute = testing_support::failCalls(std::make_shared<ScriptableObject>(),
                                            {.failAtCall = 0, .failMember = "Value", .description = "Busy"});
    registry.announceRunning("Excel.Application", mute);
    EXPECT_FALSE(report::WarnExcelOpen(registry, messages));
    EXPECT_TRUE(messages.shown().empty());
}

TEST(SecondInstance, each_call_opens_the_path_in_a_new_instance_and_one_whose_open_fails_is_quit) {
    RecordedRegistry excel("16.0");
    const auto first = report::OpenWorkbookInNewInstance(excel.registry, QStringLiteral("/tmp/halden12345678.xls"));
    const auto second = report::OpenWorkbookInNewInstance(excel.registry, QStringLiteral("/tmp/other.xls"));
    EXPECT_NE(first, second);
    EXPECT_EQ(excel.log->lines(), (Lines{"get Application.Workbooks",
                                         "call Application.Workbooks.Open(BSTR(\"/tmp/halden12345678.xls\"))",
                                         "get Application.Workbooks",
                                         "call Application.Workbooks.Open(BSTR(\"/tmp/other.xls\"))"}));

    RecordedRegistry refusing("16.0");
    refusing.failure.failMember = "Open";
    EXPECT_THROW(report::OpenWorkbookInNewInstance(refusing.registry, QStringLiteral("/tmp/missing.xls")),
                 automation::AutomationError);
    EXPECT_EQ(refusing.log->lines(), (Lines{"get Application.Workbooks", "call Application.Quit()"}));
}
