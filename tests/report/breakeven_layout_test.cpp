// The steps of GenerateReport (worksheet layout, charts, page setup): the
// whole call log against a reference typed from the step tables, the line
// each failing step reports, resuming after failures, and the moment each
// input field is read.
#include "failing_object.h"
#include "recording_object.h"
#include "fake_message_service.h"
#include "report/generate_report.h"
#include "scriptable_object.h"

#include <QMap>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <gtest/gtest.h>

using testing_support::CallKind;
using testing_support::CallLog;
using automation::Variant;
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
    for (const testing_support::CallRecord& record : log.records())
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

// The double as far as the steps read answers back: inches become points, and
// the data sheet holds one embedded chart per chart added.
std::shared_ptr<report_testing::ScriptableObject> spreadsheetDouble() {
    auto excel = std::make_shared<report_testing::ScriptableObject>();
    excel->answerWith("InchesToPoints", [](const automation::Args& a) { return Variant(a.at(0).toDouble() * 72); });
    const auto charts = excel->child("Charts");
    excel->child("ActiveSheet")->child("Shapes")->answerWith("Count", [charts](const automation::Args&) {
        return Variant(int32_t(charts->callCount("Add")));
    });
    return excel;
}

struct Generation {
    std::shared_ptr<CallLog> log = std::make_shared<CallLog>();
    FakeMessageService messages;
    FieldTexts fields;

    // The log keeps the recorded objects passed as arguments, which keep the log.
    ~Generation() { log->clear(); }

    // Runs GenerateReport on a recorded double, optionally through a failing decorator.
    void run(const testing_support::FailurePlan* plan = nullptr) {
        automation::ObjectRef app = testing_support::recordCalls(spreadsheetDouble(), log, "Application");
        if (plan) app = testing_support::failCalls(app, *plan);
        report::GenerateReport(app, fields, messages);
    }
    std::vector<int> reportedLines() const;
};

const QString kGenerateReportContext = QStringLiteral("in Tarnwick2021/08/31.BreakEvenAnalysis.GenerateReport ");
const QString kPrinterSetupContext = QStringLiteral("in Tarnwick2021/08/31.BreakEvenAnalysis.PrinterSetup0 ");

// The page setup runs at this line under a trap of its own: its failures
// name its context and its own lines.
constexpr int kPageSetupStep = 614;
const std::vector<int> kPageSetupLines = {100, 102, 104, 106, 108, 110, 112, 114, 116, 118, 120, 122, 124, 126};

// Steps that take a reference to the active chart, and the last step that
// works through it: when taking it fails, each of those steps fails too.
const std::map<int, int> kHeldChartUntil = {{512, 518}, {530, 536}, {546, 552}, {564, 570}, {580, 586}, {590, 606}};

// The step numbers the error reports name, in the order shown.
std::vector<int> Generation::reportedLines() const {
    std::vector<int> out;
    for (const QString& text : messages.texts()) {
        const qsizetype at = text.indexOf(QStringLiteral(" at line "));
        out.push_back(text.mid(at + 9, text.indexOf(QLatin1Char('\r'), at) - at - 9).toInt());
    }
    return out;
}

testing_support::FailurePlan failAt(int call, std::string member = {}) {
    return {.failAtCall = call, .failMember = std::move(member), .description = "Simulated failure"};
}

// The line the first report names when the call at this 1-based position fails.
int firstReportedLineWhenFailing(int call) {
    Generation generation;
    const testing_support::FailurePlan plan = failAt(call);
    generation.run(&plan);
    const std::vector<int> lines = generation.reportedLines();
    return lines.empty() ? 0 : lines.front();
}

// Where each step's calls begin in a clean run's full log (property reads
// included): the record after the previous step's last put or call. A step
// that only reads (taking the active chart) is followed by the first record
// whose failure the next step reports.
std::vector<int> firstRecordOfEachStep() {
    Generation clean;
    clean.run();
    const auto& records = clean.log->records();
    const std::size_t steps = reference().size();
    std::vector<int> lastPutOrCall(steps, -1);
    std::size_t step = 0, inStep = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (records[i].kind == CallKind::Get) continue;
        while (inStep == reference()[step].calls.size()) ++step, inStep = 0;
        ++inStep;
        lastPutOrCall[step] = static_cast<int>(i);
    }
    std::vector<int> first = {0};
    for (std::size_t s = 1; s < steps; ++s) {
        if (!reference()[s - 1].calls.empty()) {
            first.push_back(lastPutOrCall[s - 1] + 1);
            continue;
        }
        int record = first.back() + 1;
        while (record < static_cast<int>(records.size()) && firstReportedLineWhenFailing(record + 1) != reference()[s].line)
            ++record;
        first.push_back(record);
    }
    return first;
}

// The lines of the steps from `from` to `to`, both included.
std::vector<int> linesBetween(int from, int to) {
    std::vector<int> out;
    for (const ReferenceStep& step : reference())
        if (step.line >= from && step.line <= to) out.push_back(step.line);
    return out;
}

// The 1-based position in a clean run's full log of the first record with this description.
int positionOf(const std::string& description) {
    Generation clean;
    clean.run();
    const Lines all = clean.log->lines();
    return static_cast<int>(std::find(all.begin(), all.end(), description) - all.begin()) + 1;
}

// The log with the number of the newest shape left out: the double counts
// the shapes by the charts added, which a failing step may upset.
Lines withoutShapeNumbers(Lines lines) {
    static const std::regex number(R"(Shapes\(I4\(-?\d+\)\))");
    for (std::string& line : lines) line = std::regex_replace(line, number, "Shapes(n)");
    return lines;
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
        const testing_support::FailurePlan plan = failAt(first[s] + 1);
        generation.run(&plan);
        if (line == kPageSetupStep) {
            // The page setup's first step fails under its own trap; the rest of it runs.
            ASSERT_EQ(generation.reportedLines(), std::vector<int>{kPageSetupLines.front()});
            EXPECT_TRUE(generation.messages.texts()[0].startsWith(QStringLiteral("Simulated failure\r\n") +
                                                                   kPrinterSetupContext + QStringLiteral("at line 100")));
            Lines expected = referenceCalls();
            expected.erase(std::find(expected.begin(), expected.end(),
                                     "put Application.ActiveSheet.PageSetup.PrintArea = BSTR(\"\")"));
            expectSameLog(putsAndCalls(*generation.log), expected);
            continue;
        }
        // Failing to take the active chart fails every step that works through it.
        const auto held = kHeldChartUntil.find(line);
        const std::vector<int> failing = held == kHeldChartUntil.end() ? std::vector<int>{line}
                                                                       : linesBetween(line, held->second);
        ASSERT_EQ(generation.reportedLines(), failing) << "failing the first call of step " << line;
        EXPECT_TRUE(generation.messages.texts()[0].startsWith(QStringLiteral("Simulated failure\r\n") +
                                                               kGenerateReportContext + QStringLiteral("at line ")));
        expectSameLog(withoutShapeNumbers(putsAndCalls(*generation.log)),
                      withoutShapeNumbers(referenceCalls([&](const ReferenceStep& step) {
                          return std::find(failing.begin(), failing.end(), step.line) != failing.end();
                      })));
        if (HasFailure()) FAIL() << "while step " << line << " failed";
    }
}

TEST(BreakevenLayout, a_failure_inside_a_primitive_skips_only_the_rest_of_that_primitive) {
    // Step 196 boxes F5:F6: the bottom edge fails after the left and top edges are drawn.
    Generation generation;
    const testing_support::FailurePlan plan =
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
    const testing_support::FailurePlan clearAndLater = failAt(firstRecordOfEachStep()[150] + 1, "Clear");
    twoFailures.run(&clearAndLater);
    EXPECT_EQ(twoFailures.reportedLines(), (std::vector<int>{102, 400}));
}

TEST(BreakevenLayout, without_an_instance_every_step_is_reported_in_turn) {
    Generation generation;
    report::GenerateReport(nullptr, generation.fields, generation.messages);
    std::vector<int> allLines;
    for (const ReferenceStep& step : reference())
        if (step.line != kPageSetupStep) allLines.push_back(step.line);
    allLines.insert(allLines.end(), kPageSetupLines.begin(), kPageSetupLines.end());
    EXPECT_EQ(generation.reportedLines(), allLines);
    const QStringList texts = generation.messages.texts();
    EXPECT_TRUE(texts[0].startsWith(QStringLiteral("Object variable not set\r\n")));
    // The page setup reports its own steps, under its own context.
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const bool pageSetup = i >= texts.size() - static_cast<qsizetype>(kPageSetupLines.size());
        EXPECT_TRUE(texts[i].contains(pageSetup ? kPrinterSetupContext : kGenerateReportContext)) << i;
    }
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
        if (step.calls.empty()) continue;
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
