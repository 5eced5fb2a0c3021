// The input window's three commands: clearing and loading the sample store
// every change at once, and a template can be started once per run.
#include "form1_harness.h"
#include "input/sample_data.h"
#include "shell/app_title.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using testing_support::Form1Harness;
using testing_support::MemorySettingsStore;

namespace {

QString keyOf(Form1Harness& h, const char* field) { return QLatin1String(h.field(field).info().key); }

void click(Form1Harness& h, const char* button) { QTest::mouseClick(h.form->button(QLatin1String(button)), Qt::LeftButton); }

// A spreadsheet that is already running and says who it is.
class RunningSpreadsheet final : public automation::Object {
public:
    std::string typeName() const override { return "Application"; }
    automation::Variant get(std::string_view, const automation::Args& = {}) override { return "Microsoft Excel"; }
    void put(std::string_view, const automation::Variant&, const automation::Args& = {}) override {}
    automation::Variant call(std::string_view, const automation::Args& = {}, const automation::NamedArgs& = {}) override {
        return {};
    }
};

}  // namespace

TEST(Form1Commands, clear_writes_one_empty_value_per_field_that_had_text_and_nothing_for_empty_ones) {
    Form1Harness h;
    h.form->Form_Load();
    h.field("txtName").setText(QStringLiteral("Smith & Sons, Inc."));
    h.field("txtRent").clear();
    h.memory.writes.clear();

    click(h, "PushButton1");
    QStringList expected;
    for (const input::SampleEntry& entry : input::kSampleData)
        if (QLatin1String(entry.field) != QLatin1String("txtRent")) expected << keyOf(h, entry.field) + "=";
    EXPECT_EQ(h.memory.writes, expected);  // in the sample's order, the empty field skipped
    for (const input::InputField* field : h.form->fields()) EXPECT_TRUE(field->text().isEmpty());

    h.memory.writes.clear();
    click(h, "PushButton1");
    EXPECT_TRUE(h.memory.writes.isEmpty());
    EXPECT_TRUE(h.messages.shown().empty());
}

TEST(Form1Commands, the_sample_replaces_every_field_is_stored_and_comes_back_at_the_next_start) {
    MemorySettingsStore store;
    {
        Form1Harness first({}, &store);
        first.form->Form_Load();
        click(first, "PushButton1");
        first.field("txtSalesPrice").setText(QStringLiteral("12.5"));  // already the sample text
        store.writes.clear();
        click(first, "PushButton2");
        EXPECT_EQ(store.writes.size(), 12);  // every field but the one that already held its sample text
        EXPECT_EQ(store.writes.front(), keyOf(first, "txtName") + "=Smith & Sons, Inc.");
    }
    Form1Harness restarted({}, &store);
    restarted.form->Form_Load();
    for (const input::SampleEntry& entry : input::kSampleData)
        EXPECT_EQ(restarted.field(entry.field).text(), QString::fromUtf8(entry.text)) << entry.field;
}

TEST(Form1Commands, the_first_start_generates_with_the_hourglass_and_every_later_one_asks_for_a_restart) {
    Form1Harness h;
    h.form->Form_Load();
    int generations = 0;
    shell::MousePointer pointerDuringGeneration = shell::MousePointer::Default;
    h.form->setGenerateReport0([&] {
        ++generations;
        pointerDuringGeneration = h.form->pointer().pointer();
    });

    click(h, "PushButton22");
    EXPECT_EQ(generations, 1);
    EXPECT_TRUE(h.form->mCreated);
    EXPECT_EQ(pointerDuringGeneration, shell::MousePointer::Hourglass);
    EXPECT_EQ(h.form->pointer().pointer(), shell::MousePointer::Default);
    EXPECT_TRUE(h.messages.shown().empty());

    h.field("txtRent").setText(QStringLiteral("999"));
    click(h, "PushButton22");
    EXPECT_EQ(generations, 1);
    ASSERT_EQ(h.messages.shown().size(), 1u);
    const shell::Message& refusal = h.messages.shown()[0];
    EXPECT_EQ(refusal.text, QStringLiteral("You need to close the software to create another"));
    EXPECT_EQ(refusal.icon, shell::MessageIcon::None);
    EXPECT_EQ(refusal.buttons, shell::MessageButtons::Ok);
    EXPECT_EQ(refusal.title, shell::appTitle());
    EXPECT_EQ(h.field("txtRent").text(), QStringLiteral("999"));  // fields left as they are
}

TEST(Form1Commands, clicks_while_the_generation_lets_events_run_get_the_restart_message_or_change_the_fields) {
    Form1Harness h;
    h.form->Form_Load();
    h.form->setGenerateReport0([&] {
        click(h, "PushButton22");  // as though the driver let the window system run
        click(h, "PushButton1");
    });
    click(h, "PushButton22");
    ASSERT_EQ(h.messages.shown().size(), 1u);
    EXPECT_EQ(h.messages.shown()[0].text, QLatin1String(input::kOneTemplatePerRun));
    EXPECT_TRUE(h.field("txtSalesPrice").text().isEmpty());
    EXPECT_TRUE(h.memory.values.value(keyOf(h, "txtSalesPrice")).isEmpty());
}

TEST(Form1Commands, declining_while_a_spreadsheet_is_running_creates_nothing_and_still_uses_up_the_start) {
    Form1Harness h;
    h.form->Form_Load();
    const auto running = std::make_shared<RunningSpreadsheet>();  // the registry holds it weakly
    h.registry.announceRunning("Excel.Application", running);
    int generations = 0;
    h.form->setGenerateReport0([&] { ++generations; });

    h.messages.answerNext(shell::MessageAnswer::No);
    click(h, "PushButton22");
    EXPECT_EQ(generations, 0);
    ASSERT_EQ(h.messages.shown().size(), 1u);
    EXPECT_EQ(h.messages.shown()[0].buttons, shell::MessageButtons::YesNo);
    EXPECT_EQ(h.form->pointer().pointer(), shell::MousePointer::Default);

    click(h, "PushButton22");
    EXPECT_EQ(generations, 0);
    ASSERT_EQ(h.messages.shown().size(), 2u);
    EXPECT_EQ(h.messages.shown()[1].text, QLatin1String(input::kOneTemplatePerRun));
}

TEST(Form1Commands, going_on_despite_a_running_spreadsheet_generates) {
    Form1Harness h;
    h.form->Form_Load();
    const auto running = std::make_shared<RunningSpreadsheet>();
    h.registry.announceRunning("Excel.Application", running);
    int generations = 0;
    h.form->setGenerateReport0([&] { ++generations; });
    h.messages.answerNext(shell::MessageAnswer::Yes);
    click(h, "PushButton22");
    EXPECT_EQ(generations, 1);
    EXPECT_EQ(h.messages.shown().size(), 1u);
}
