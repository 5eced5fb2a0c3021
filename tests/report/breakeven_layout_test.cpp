// The breakeven worksheet steps: the whole call log against a reference typed
// from the layout, the line each failing step reports, resuming after
// failures, and the moment each input field is read.
#include "automation/failing_object.h"
#include "automation/recording_object.h"
#include "fake_message_service.h"
#include "report/generate_report.h"
#include "scriptable_object.h"

#include <QMap>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

using automation::CallKind;
using automation::CallLog;
using testing_support::FakeMessageService;

namespace {

using Lines = std::vector<std::string>;

struct ReferenceStep {
    int line;
    Lines calls;  // puts and calls, as the recording decorator describes them
};

std::vector<ReferenceStep> loadReference() {
    std::ifstream in(QUORVANE_REPORT_TEST_DATA "/breakeven_layout_calls.txt");
    EXPECT_TRUE(in.good());
    std::vector<ReferenceStep> steps;
    for (std::string text; std::getline(in, text);) {
        if (text.empty() || text.starts_with("#")) continue;
        if (text.starts_with("@ ")) steps.push_back({std::stoi(text.substr(2)), {}});
        else if (!steps.empty()) steps.back().calls.push_back(text);
    }
    return steps;
}

const std::vector<ReferenceStep>& reference() {
    static const std::vector<ReferenceStep> steps = loadReference();
    return steps;
}

// The reference log, leaving out the steps for which skip answers true.
Lines referenceCalls(const std::function<bool(const ReferenceStep&)>& skip = {}) {
    Lines out;
    for (const ReferenceStep& step : reference())
        if (!skip || !skip(step)) out.insert(out.end(), step.calls.begin(), step.calls.end());
    return out;
}

Lines putsAndCalls(const CallLog& log) {
    Lines out;
    for (const automation::CallRecord& record : log.records())
        if (record.kind != CallKind::Get) out.push_back(record.describe());
    return out;
}

// Answers "<fieldName>" unless told otherwise; onRead watches every read.
class FieldTexts final : public report::InputFieldsSource {
public:
    QString fieldText(const QString& fieldName) const override {
        if (onRead) onRead(fieldName);
        return texts.value(fieldName, QLatin1Char('<') + fieldName + QLatin1Char('>'));
    }
    QMap<QString, QString> texts;
    std::function<void(const QString&)> onRead;
};

struct Generation {
    std::shared_ptr<CallLog> log = std::make_shared<CallLog>();
    FakeMessageService messages;
    FieldTexts fields;

    // Runs GenerateReport on a recorded double, optionally through a failing decorator.
    void run(const automation::FailurePlan* plan = nullptr) {
        automation::ObjectRef app = automation::recordCalls(std::make_shared<report_testing::ScriptableObject>(), log,
                                                            "Application");
        if (plan) app = automation::failCalls(app, *plan);
        report::GenerateReport(app, fields, messages);
    }
    std::vector<int> reportedLines() const;
};

// The step numbers the error reports name, in the order shown.
std::vector<int> Generation::reportedLines() const {
    std::vector<int> out;
    for (const QString& text : messages.texts()) {
        const qsizetype at = text.indexOf(QStringLiteral(" at line "));
        out.push_back(text.mid(at + 9, text.indexOf(QLatin1Char('\r'), at) - at - 9).toInt());
    }
    return out;
}

// Where each step's calls begin in a clean run's full log (property reads
// included): the record after the previous step's last put or call.
std::vector<int> firstRecordOfEachStep() {
    Generation clean;
    clean.run();
    std::vector<int> lastPutOrCall;
    std::size_t step = 0, inStep = 0;
    const auto& records = clean.log->records();
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (records[i].kind == CallKind::Get) continue;
        if (inStep == reference()[step].calls.size()) ++step, inStep = 0;
        if (++inStep == reference()[step].calls.size()) lastPutOrCall.push_back(static_cast<int>(i));
    }
    std::vector<int> first = {0};
    for (std::size_t s = 0; s + 1 < lastPutOrCall.size(); ++s) first.push_back(lastPutOrCall[s] + 1);
    return first;
}

// The 1-based position in a clean run's full log of the first record with this description.
int positionOf(const std::string& description) {
    Generation clean;
    clean.run();
    const Lines all = clean.log->lines();
    return static_cast<int>(std::find(all.begin(), all.end(), description) - all.begin()) + 1;
}

automation::FailurePlan failAt(int call, std::string member = {}) {
    return {.failAtCall = call, .failMember = std::move(member), .description = "Simulated failure"};
}

// Reports the first line where two logs part, rather than two long lists.
void expectSameLog(const Lines& actual, const Lines& expected) {
    const std::size_t common = std::min(actual.size(), expected.size());
    for (std::size_t i = 0; i < common; ++i)
        ASSERT_EQ(actual[i], expected[i]) << "first difference at call " << i;
    EXPECT_EQ(actual.size(), expected.size());
}

}  // namespace

TEST(BreakevenLayout, makes_exactly_the_reference_puts_and_calls_with_their_types_and_reports_nothing) {
    Generation generation;
    generation.run();
    expectSameLog(putsAndCalls(*generation.log), referenceCalls());
    EXPECT_TRUE(generation.messages.shown().empty());
}

TEST(BreakevenLayout, every_failing_step_gives_one_report_with_its_line_and_the_next_step_runs) {
    const std::vector<int> first = firstRecordOfEachStep();
    ASSERT_EQ(first.size(), reference().size());
    for (std::size_t s = 0; s < reference().size(); ++s) {
        const int line = reference()[s].line;
        Generation generation;
        const automation::FailurePlan plan = failAt(first[s] + 1);
        generation.run(&plan);
        ASSERT_EQ(generation.reportedLines(), std::vector<int>{line}) << "failing the first call of step " << line;
        EXPECT_TRUE(generation.messages.texts()[0].startsWith(QStringLiteral(
            "Simulated failure\r\nin Tarnwick2021/08/31.BreakEvenAnalysis.GenerateReport at line ")));
        expectSameLog(putsAndCalls(*generation.log),
                      referenceCalls([&](const ReferenceStep& step) { return step.line == line; }));
        if (HasFailure()) FAIL() << "while step " << line << " failed";
    }
}

TEST(BreakevenLayout, a_failure_inside_a_primitive_skips_only_the_rest_of_that_primitive) {
    // Step 196 boxes F5:F6: the bottom edge fails after the left and top edges are drawn.
    Generation generation;
    const automation::FailurePlan plan =
        failAt(positionOf("put Application.Selection.Borders(I4(9)).LineStyle = I4(1)"));
    generation.run(&plan);
    EXPECT_EQ(generation.reportedLines(), std::vector<int>{196});

    Lines expected;
    for (const ReferenceStep& step : reference()) {
        const std::size_t kept = step.line == 196 ? 5 : step.calls.size();  // Select, edges 7 and 8
        expected.insert(expected.end(), step.calls.begin(), step.calls.begin() + kept);
    }
    expectSameLog(putsAndCalls(*generation.log), expected);
}

TEST(BreakevenLayout, two_failing_steps_give_two_boxes_in_step_order) {
    Generation twoFailures;
    const automation::FailurePlan clearAndLater = failAt(firstRecordOfEachStep()[150] + 1, "Clear");
    twoFailures.run(&clearAndLater);
    EXPECT_EQ(twoFailures.reportedLines(), (std::vector<int>{102, 400}));
}

TEST(BreakevenLayout, without_an_instance_every_step_is_reported_in_turn) {
    Generation generation;
    report::GenerateReport(nullptr, generation.fields, generation.messages);
    std::vector<int> allLines;
    for (const ReferenceStep& step : reference()) allLines.push_back(step.line);
    EXPECT_EQ(generation.reportedLines(), allLines);
    EXPECT_TRUE(generation.messages.texts()[0].startsWith(QStringLiteral("Object variable not set\r\n")));
}

TEST(BreakevenLayout, reads_each_field_right_before_its_cell_is_written_so_a_late_edit_shows) {
    using Read = std::pair<std::string, std::size_t>;  // field, and the puts and calls made before reading it
    Generation generation;
    std::vector<Read> reads;
    generation.fields.onRead = [&](const QString& field) {
        reads.emplace_back(field.toStdString(), putsAndCalls(*generation.log).size());
        // The user edits the sales volume while the price is being written.
        if (field == QStringLiteral("txtSalesPrice")) generation.fields.texts[QStringLiteral("txtSalesVolume")] = "250";
    };
    generation.run();

    // Each input cell's step writes "<field>" in the reference: read after every
    // call of the steps before it, and before any of its own.
    std::vector<Read> expected;
    std::size_t callsBefore = 0;
    for (const ReferenceStep& step : reference()) {
        const std::string& text = step.calls.size() > 1 ? step.calls[1] : step.calls[0];
        const auto open = text.find("BSTR(\"<");
        if (open != std::string::npos)
            expected.emplace_back(text.substr(open + 7, text.size() - open - 10), callsBefore);
        callsBefore += step.calls.size();
    }
    EXPECT_EQ(expected.size(), 13u);
    EXPECT_EQ(reads, expected);
    const Lines calls = putsAndCalls(*generation.log);
    EXPECT_NE(std::find(calls.begin(), calls.end(), "put Application.ActiveCell.FormulaR1C1 = BSTR(\"250\")"),
              calls.end());
}
