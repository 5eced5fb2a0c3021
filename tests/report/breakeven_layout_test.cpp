// The steps of GenerateReport (worksheet layout, charts, page setup) against
// a permissive double: the automation type each member is given, every step
// that works on the selection or the active cell coming after the Select of
// the range it means, the step numbers the error reports give (100 to 612,
// then the page setup's own 100 to 126, each once and in order), what failing
// any call leaves out and that the next step still runs, and the moment each
// input field is read. Against the embedded spreadsheet: the same calls, no
// report, and the sheet and selection the steps end on.
#include "breakeven_fixture.h"
#include "failing_object.h"
#include "recording_object.h"
#include "fake_message_service.h"
#include "report/generate_report.h"
#include "scriptable_object.h"

#include <QMap>
#include <algorithm>
#include <functional>
#include <map>
#include <ostream>
#include <set>
#include <gtest/gtest.h>

using testing_support::CallKind;
using testing_support::CallLog;
using testing_support::CallRecord;
using automation::Variant;
using testing_support::FakeMessageService;

namespace {

using Lines = std::vector<std::string>;

Lines putsAndCalls(const CallLog& log) {
    Lines out;
    for (const CallRecord& record : log.records())
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

// A numbered step as the error report names it: the procedure and the line.
struct Step {
    std::string procedure;
    int line = 0;
    bool operator==(const Step&) const = default;
    friend void PrintTo(const Step& step, std::ostream* out) { *out << step.procedure << " " << step.line; }
};

const std::string kGenerateReport = "GenerateReport";
const std::string kPrinterSetup = "PrinterSetup0";

// Every step that can be reported, in the order the steps run: the layout and
// the charts at 100, 102, ... 612, then the page setup (step 614) under a trap
// of its own at 100, 102, ... 126. Step 614 itself never fails.
std::vector<Step> everyStep() {
    std::vector<Step> steps;
    for (int line = 100; line <= 612; line += 2) steps.push_back({kGenerateReport, line});
    for (int line = 100; line <= 126; line += 2) steps.push_back({kPrinterSetup, line});
    return steps;
}

// Steps that take a reference to the active chart, and the last step that
// works through it; the page setup's step 102 takes the page setup for all
// its later steps. When taking the reference fails, each of those steps fails too.
const std::map<int, int> kHeldChartUntil = {{512, 518}, {530, 536}, {546, 552}, {564, 570}, {580, 586}, {590, 606}};
constexpr int kPageSetupTaken = 102;
constexpr int kLastPageSetupLine = 126;

// The steps a failure of `step` reports: itself, and the steps working through
// the reference it takes.
std::vector<Step> failingWith(const Step& step) {
    int until = step.line;
    if (step.procedure == kGenerateReport && kHeldChartUntil.contains(step.line)) until = kHeldChartUntil.at(step.line);
    if (step.procedure == kPrinterSetup && step.line == kPageSetupTaken) until = kLastPageSetupLine;
    std::vector<Step> out;
    for (int line = step.line; line <= until; line += 2) out.push_back({step.procedure, line});
    return out;
}

// The steps named by the error reports shown, in order.
std::vector<Step> reportedSteps(const FakeMessageService& messages) {
    std::vector<Step> out;
    for (const QString& text : messages.texts()) {
        const qsizetype at = text.indexOf(QStringLiteral(" at line "));
        const qsizetype procedure = text.lastIndexOf(QLatin1Char('.'), at) + 1;
        out.push_back({text.mid(procedure, at - procedure).toStdString(),
                       text.mid(at + 9, text.indexOf(QLatin1Char('\r'), at) - at - 9).toInt()});
    }
    return out;
}

testing_support::FailurePlan failAt(int call, std::string member = {}) {
    return {.failAtCall = call, .failMember = std::move(member), .description = "Simulated failure"};
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
    std::vector<Step> reported() const { return reportedSteps(messages); }
};

// The steps reported when the call at this 1-based position fails; no call is recorded.
std::vector<Step> reportedWhenFailing(int call) {
    FakeMessageService messages;
    const FieldTexts fields;
    report::GenerateReport(testing_support::failCalls(spreadsheetDouble(), failAt(call)), fields, messages);
    return reportedSteps(messages);
}

// A clean run's full log (property reads included), each record with the step
// it belongs to: the first step reported when that record's call fails.
struct StepsOfCalls {
    std::vector<CallRecord> records;
    std::vector<Step> stepOf;
    std::vector<std::vector<Step>> reportedWhenFailed;

    // The 1-based position of the first record of this step.
    int firstCallOf(const Step& step) const {
        const auto it = std::find(stepOf.begin(), stepOf.end(), step);
        return it == stepOf.end() ? 0 : static_cast<int>(it - stepOf.begin()) + 1;
    }
};

const StepsOfCalls& stepsOfCalls() {
    static const StepsOfCalls steps = [] {
        StepsOfCalls out;
        Generation clean;
        clean.run();
        out.records = clean.log->records();
        for (std::size_t call = 1; call <= out.records.size(); ++call) {
            out.reportedWhenFailed.push_back(reportedWhenFailing(static_cast<int>(call)));
            out.stepOf.push_back(out.reportedWhenFailed.back().empty() ? Step{} : out.reportedWhenFailed.back().front());
        }
        return out;
    }();
    return steps;
}

// The log with the number of the newest shape left out: the double counts
// the shapes by the charts added, which a failing Add upsets.
std::string withoutShapeNumber(std::string line) {
    const std::string shapes = "Shapes(I4(";
    if (const std::size_t at = line.find(shapes); at != std::string::npos)
        line.replace(at + shapes.size(), line.find(')', at + shapes.size()) - at - shapes.size(), "n");
    return line;
}

// Reports the first place where two lists part, rather than two long lists;
// `seen` is what is compared of each entry.
template <typename T, typename Seen = std::identity>
void expectSameList(const std::vector<T>& actual, const std::vector<T>& expected, Seen seen = {}) {
    const std::size_t common = std::min(actual.size(), expected.size());
    for (std::size_t i = 0; i < common; ++i) ASSERT_EQ(seen(actual[i]), seen(expected[i])) << "first difference at " << i;
    EXPECT_EQ(actual.size(), expected.size());
}

void expectSameLog(const Lines& actual, const Lines& expected) { expectSameList(actual, expected, withoutShapeNumber); }

// The clean run's puts and calls without those the failure of call `failed`
// (1-based) should skip: from that call on, every record of the steps it fails.
Lines cleanCallsWithout(int failed, const std::vector<Step>& failing) {
    const StepsOfCalls& steps = stepsOfCalls();
    Lines out;
    for (std::size_t i = 0; i < steps.records.size(); ++i) {
        if (steps.records[i].kind == CallKind::Get) continue;
        const bool skipped = static_cast<int>(i) + 1 >= failed &&
                             std::find(failing.begin(), failing.end(), steps.stepOf[i]) != failing.end();
        if (!skipped) out.push_back(steps.records[i].describe());
    }
    return out;
}

// A record's argument and value types, as "(I2, I2)", "(Where:=I2, Name:=BSTR)" or "= R8".
std::string typesOf(const CallRecord& record) {
    const auto type = [](const Variant& v) { return v.typeName().substr(3); };  // without "VT_"
    std::string args;
    for (const Variant& arg : record.args) args += (args.empty() ? "" : ", ") + type(arg);
    for (const automation::NamedArg& arg : record.named) args += (args.empty() ? "" : ", ") + arg.name + ":=" + type(arg.value);
    std::string out = args.empty() ? "" : "(" + args + ")";
    if (record.kind == CallKind::Put) out += (out.empty() ? "= " : " = ") + type(record.value);
    return out;
}

// "Font.Size" for a record on "Application.Selection.Font" of member "Size":
// the object it is made on, without the arguments that picked it
// ("...Borders(I4(7))" is "Borders"), and the member.
std::string memberOf(const CallRecord& record) {
    std::string path;
    int depth = 0;
    for (const char c : record.path) {
        if (c == '(') ++depth;
        if (depth == 0) path += c;
        if (c == ')') --depth;
    }
    return path.substr(path.rfind('.') + 1) + "." + record.member;
}

}  // namespace

// The types belong to what the spreadsheet is told: sizes, colour indexes,
// positions, the chart enumerations and a chart element's outline as 16-bit
// integers, the chart type, border indexes and the cells' border line style as
// 32-bit integers, widths and heights as doubles, texts as strings, switches
// as Booleans. Each member listed here must be used, always with these types.
TEST(BreakevenLayout, every_member_is_given_its_automation_types) {
    const std::map<std::string, std::string> expected = {
        {"Application.Columns", "(BSTR)"}, {"Application.Rows", "(BSTR)"}, {"Application.Range", "(BSTR)"},
        {"Application.Cells", "(I2, I2)"}, {"Selection.Borders", "(I4)"}, {"ActiveChart.Axes", "(I2, I2)"},
        {"Selection.ColumnWidth", "= R8"}, {"Selection.RowHeight", "= R8"},
        {"ActiveCell.FormulaR1C1", "= BSTR"}, {"Font.Name", "= BSTR"}, {"Font.FontStyle", "= BSTR"},
        {"Selection.NumberFormat", "= BSTR"}, {"Characters.Text", "= BSTR"}, {"AxisTitle.Text", "= BSTR"},
        {"TickLabels.NumberFormat", "= BSTR"},
        {"Font.Size", "= I2"}, {"Font.ColorIndex", "= I2"}, {"Interior.ColorIndex", "= I2"},
        {"Borders.ColorIndex", "= I2"}, {"Border.LineStyle", "= I2"}, {"Borders.LineStyle", "= I4"},
        {"Shapes.Top", "= I2"}, {"Shapes.Left", "= I2"}, {"Shapes.Width", "= I2"}, {"Shapes.Height", "= I2"},
        {"ActiveChart.ChartType", "= I4"}, {"ActiveChart.HasTitle", "= BOOL"}, {"Axes.HasTitle", "= BOOL"},
        {"ActiveChart.HasDataTable", "= BOOL"},
        {"ActiveChart.SetSourceData", "(Source:=DISPATCH, PlotBy:=I2)"},
        {"ActiveChart.Location", "(Where:=I2, Name:=BSTR)"},
        {"ActiveChart.ApplyDataLabels",
         "(AutoText:=BOOL, LegendKey:=BOOL, HasLeaderLines:=BOOL, ShowSeriesName:=BOOL, ShowCategoryName:=BOOL, "
         "ShowValue:=BOOL, ShowPercentage:=BOOL, ShowBubbleSize:=BOOL)"},
        {"Sheets.Move", "(After:=DISPATCH)"},
    };
    Generation generation;
    generation.run();
    std::map<std::string, std::set<std::string>> seen;
    for (const CallRecord& record : generation.log->records()) {
        const std::string types = typesOf(record);
        if (!types.empty()) seen[memberOf(record)].insert(types);
    }
    for (const auto& [member, types] : expected)
        EXPECT_EQ(seen[member], std::set<std::string>{types}) << member;
}

// Formats, fonts, merges and the active cell's text land wherever the last
// Select left the selection: each of these must follow the Select of its range.
TEST(BreakevenLayout, each_step_on_the_selection_comes_after_the_select_of_the_range_it_means) {
    Generation generation;
    generation.run();
    // What was done to the selection and the active cell while each range (or chart element) was selected.
    std::map<std::string, std::set<std::string>> doneTo;
    std::string selected = "nothing";
    for (const CallRecord& record : generation.log->records()) {
        if (record.kind == CallKind::Call && record.member == "Select") {
            selected = record.path.substr(record.path.find('.') + 1);
        } else if (record.kind != CallKind::Get &&
                   (record.path.starts_with("Application.Selection") || record.path.starts_with("Application.ActiveCell"))) {
            doneTo[selected].insert(record.describe().substr(record.describe().find("Application.") + 12));
        }
    }
    const std::vector<std::pair<std::string, std::string>> pairs = {
        // The reset styles the whole sheet.
        {"Cells", "Selection.Font.Name = BSTR(\"Arial\")"},
        {"Cells", "Selection.Font.Size = I2(10)"},
        {"Columns(BSTR(\"B:B\"))", "Selection.ColumnWidth = R8(15.57)"},
        {"Rows(BSTR(\"1:1\"))", "Selection.RowHeight = R8(61.5)"},
        // A font step styles the cell the step before it wrote.
        {"Range(BSTR(\"B1:B1\"))", "Selection.Font.ColorIndex = I2(11)"},
        {"Range(BSTR(\"B2:B2\"))", "Selection.Font.ColorIndex = I2(13)"},
        {"Range(BSTR(\"C7:C7\"))", "Selection.Font.FontStyle = BSTR(\"Bold\")"},
        {"Range(BSTR(\"F33:F33\"))", "Selection.Font.Size = I2(16)"},
        // ... or the bar the step before it filled.
        {"Range(BSTR(\"B4:E4\"))", "Selection.Interior.ColorIndex = I2(11)"},
        {"Range(BSTR(\"B4:E4\"))", "Selection.Font.ColorIndex = I2(2)"},
        // Writes, formats and boxes select their own range.
        {"Range(BSTR(\"G7:G7\"))",
         "ActiveCell.FormulaR1C1 = BSTR(\"=IF(OR(R[-2]C[-1]<>0,R[-1]C[-1]<>0),R[-2]C[-1]*R[-1]C[-1],0)\")"},
        {"Range(BSTR(\"G7:G7\"))", "Selection.Merge()"},
        {"Range(BSTR(\"F33:F33\"))", "Selection.NumberFormat = BSTR(\"#\")"},
        {"Range(BSTR(\"F5:F6\"))", "Selection.Borders(I4(12)).LineStyle = I4(1)"},
        {"Range(BSTR(\"D35:N41\"))", "Selection.Borders(I4(11)).LineStyle = I4(1)"},
        {"Range(BSTR(\"D41:N41\"))", "Selection.NumberFormat = BSTR(\"#,##0.00_);[Red](#,##0.00)\")"},
        // The chart area and the legend lose their outline once selected.
        {"ActiveChart.ChartArea", "Selection.Border.LineStyle = I2(0)"},
        {"ActiveChart.Legend", "Selection.Border.LineStyle = I2(0)"},
    };
    for (const auto& [range, step] : pairs)
        EXPECT_TRUE(doneTo[range].contains(step)) << step << " while " << range << " is selected";
}

// The step numbers are what the error report shows: they run in the order the
// steps do, each step's calls together, without a gap or a repeat.
TEST(BreakevenLayout, failing_any_call_reports_its_step_and_the_steps_follow_in_order_without_gaps) {
    const StepsOfCalls& steps = stepsOfCalls();
    std::vector<Step> run;
    for (std::size_t i = 0; i < steps.records.size(); ++i) {
        ASSERT_EQ(steps.reportedWhenFailed[i], failingWith(steps.stepOf[i]))
            << "failing call " << i + 1 << ": " << steps.records[i].describe();
        if (run.empty() || !(run.back() == steps.stepOf[i])) run.push_back(steps.stepOf[i]);
    }
    expectSameList(run, everyStep());
}

TEST(BreakevenLayout, a_failing_step_shows_its_procedure_and_line_and_only_the_rest_of_it_is_skipped) {
    const StepsOfCalls& steps = stepsOfCalls();
    for (const Step& step : everyStep()) {
        const int first = steps.firstCallOf(step);
        ASSERT_NE(first, 0) << "no call of step " << step.procedure << " " << step.line;
        Generation generation;
        const testing_support::FailurePlan plan = failAt(first);
        generation.run(&plan);
        const std::vector<Step> failing = failingWith(step);
        ASSERT_EQ(generation.reported(), failing);
        const QString context = QStringLiteral("in Tarnwick2021/08/31.BreakEvenAnalysis.") +
                                QString::fromStdString(step.procedure) + QStringLiteral(" at line ") +
                                QString::number(step.line) + QLatin1Char('\r');
        EXPECT_TRUE(generation.messages.texts()[0].startsWith(QStringLiteral("Simulated failure\r\n") + context))
            << generation.messages.texts()[0].toStdString();
        expectSameLog(putsAndCalls(*generation.log), cleanCallsWithout(plan.failAtCall, failing));
        if (HasFailure()) FAIL() << "while step " << step.procedure << " " << step.line << " failed";
    }
}

TEST(BreakevenLayout, a_failure_inside_a_primitive_skips_only_the_rest_of_that_primitive) {
    // Step 196 boxes F5:F6: the bottom edge fails after the left and top edges are drawn.
    const StepsOfCalls& steps = stepsOfCalls();
    const std::string bottomEdge = "put Application.Selection.Borders(I4(9)).LineStyle = I4(1)";
    const auto it = std::find_if(steps.records.begin(), steps.records.end(),
                                 [&](const CallRecord& r) { return r.describe() == bottomEdge; });
    ASSERT_NE(it, steps.records.end());
    const int call = static_cast<int>(it - steps.records.begin()) + 1;
    Generation generation;
    const testing_support::FailurePlan plan = failAt(call);
    generation.run(&plan);
    EXPECT_EQ(generation.reported(), (std::vector<Step>{{kGenerateReport, 196}}));

    const Lines calls = putsAndCalls(*generation.log);
    const auto select = std::find(calls.begin(), calls.end(), "call Application.Range(BSTR(\"F5:F6\")).Select()");
    ASSERT_NE(select, calls.end());
    EXPECT_EQ(Lines(select + 1, select + 6),
              (Lines{"put Application.Selection.Borders(I4(7)).LineStyle = I4(1)",
                     "put Application.Selection.Borders(I4(7)).ColorIndex = I2(-4105)",
                     "put Application.Selection.Borders(I4(8)).LineStyle = I4(1)",
                     "put Application.Selection.Borders(I4(8)).ColorIndex = I2(-4105)",
                     "call Application.Range(BSTR(\"G7:G7\")).Select()"}));
    expectSameLog(calls, cleanCallsWithout(call, {{kGenerateReport, 196}}));
}

TEST(BreakevenLayout, two_failing_steps_give_two_boxes_in_step_order) {
    Generation twoFailures;
    const testing_support::FailurePlan clearAndLater =
        failAt(stepsOfCalls().firstCallOf({kGenerateReport, 400}), "Clear");
    twoFailures.run(&clearAndLater);
    EXPECT_EQ(twoFailures.reported(), (std::vector<Step>{{kGenerateReport, 102}, {kGenerateReport, 400}}));
}

TEST(BreakevenLayout, without_an_instance_every_step_is_reported_in_turn) {
    Generation generation;
    report::GenerateReport(nullptr, generation.fields, generation.messages);
    expectSameList(generation.reported(), everyStep());
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

    // Each field is read once, after every call of the steps before its own:
    // the next calls select its cell and write what was read.
    const Lines calls = putsAndCalls(*generation.log);
    std::set<std::string> fields;
    for (const auto& [field, before] : reads) {
        fields.insert(field);
        ASSERT_LT(before + 1, calls.size()) << field;
        EXPECT_TRUE(calls[before].starts_with("call Application.Range(") && calls[before].ends_with(".Select()"))
            << field << ": " << calls[before];
        const std::string text = field == "txtSalesVolume" ? "250" : "<" + field + ">";
        EXPECT_EQ(calls[before + 1], "put Application.ActiveCell.FormulaR1C1 = BSTR(\"" + text + "\")") << field;
    }
    EXPECT_EQ(reads.size(), 13u);
    EXPECT_EQ(fields.size(), 13u);
}

// The embedded spreadsheet is given exactly the calls the double is (the steps
// never go by what the spreadsheet answers, the newest shape's number aside,
// which both count alike), refuses none of them, and is left on the data sheet
// with the loss row, formatted last, selected.
TEST(BreakevenLayout, the_engine_gets_the_same_calls_reports_nothing_and_ends_on_the_data_sheet_with_D41_N41_selected) {
    Generation onTheDouble;
    onTheDouble.run();
    breakeven_test::Instance engine;
    auto log = std::make_shared<CallLog>();
    report::GenerateReport(testing_support::recordCalls(engine.app, log, "Application"), onTheDouble.fields,
                           engine.messages);
    const Lines calls = putsAndCalls(*log);
    log->clear();  // it keeps the recorded objects passed as arguments, which keep it
    EXPECT_TRUE(engine.messages.texts().isEmpty()) << engine.messages.texts().join("\n").toStdString();
    EXPECT_EQ(calls, putsAndCalls(*onTheDouble.log));

    EXPECT_EQ(engine.sheetNames(), (std::vector<std::string>{breakeven_test::kDataSheet, breakeven_test::kChartSheet}));
    EXPECT_EQ(engine.book().sheet(engine.book().activeSheetIndex()).name(), breakeven_test::kDataSheet);
    EXPECT_EQ(engine.app->get("ActiveSheet").toObject()->get("Name").toString(), breakeven_test::kDataSheet);
    EXPECT_EQ(engine.app->get("Selection").toObject()->get("Address").toString(), "$D$41:$N$41");
    EXPECT_EQ(engine.app->get("ActiveCell").toObject()->get("Address").toString(), "$D$41");
}
