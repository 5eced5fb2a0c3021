// The chart steps, as the error report numbers them. Each chart is added,
// typed, given its cells and placed through a reference to the active chart
// held for a few steps; positions go to the newest shape of the active sheet,
// and borders to whatever chart element the step before selected. Types are
// fixed here: positions, sizes, enumerations and line styles as 16-bit
// integers, the chart type as a 32-bit integer.
#include "report/breakeven_charts.h"

#include "report/breakeven_names.h"

#include "report/excel_constants.h"
#include "report/formatting_primitives.h"

#include <array>
#include <utility>

namespace report {
namespace {

using automation::NamedArgs;

constexpr int16_t kSecondSheet = 2;

// What sets the two pie charts apart; their steps are the same, 34 lines apart.
struct PieChart {
    int firstLine;
    const char* source;
    int16_t top;
    const char* title;
};

constexpr std::array<PieChart, 2> kPieCharts = {{
    {510, "C15,F15,C18,F18", 50, "Unit Contribution Margin"},
    {544, "C10,F10,C11,F11,C12,F12,C13,F13,C14,F14", 300, "Variable Cost Per Unit"},
}};
constexpr int16_t kPieLeft = 420;
constexpr int16_t kPieWidth = 300;
constexpr int16_t kPieHeight = 200;

constexpr int kLineChartFirstLine = 578;
constexpr const char* kLineChartSource = "B37,D37:N37,B39:B41,D39:N41";
constexpr int kFinishFirstLine = 608;

// The lines run on without gaps: 17 steps per pie chart, 16 for the line
// chart, three to finish.
constexpr int kPieChartLines = 17 * 2;
static_assert(kPieCharts[0].firstLine == kFirstChartLine);
static_assert(kPieCharts[1].firstLine == kPieCharts[0].firstLine + kPieChartLines);
static_assert(kLineChartFirstLine == kPieCharts[1].firstLine + kPieChartLines);
static_assert(kFinishFirstLine == kLineChartFirstLine + 15 * 2);
static_assert(kLastChartLine == kFinishFirstLine + 2 * 2);

// What the chart steps share: the trap, the application, and the chart
// reference that a few steps in a row hold.
class ChartSteps {
public:
    ChartSteps(shell::ErrorTrap& trap, ObjectRef application) : m_trap(trap), m_app(std::move(application)) {}

    void run(int line, const std::function<void()>& statement) { m_trap.run(line, statement); }

    // Takes the active chart and holds it; Nothing when no chart is active. A
    // step that fails to take it leaves nothing held.
    void holdActiveChart(int line) {
        m_held.reset();
        run(line, [&] { m_held = app()->get("ActiveChart").toObject(); });
    }
    void release() { m_held.reset(); }
    // The held chart; "Object variable not set" when nothing is held.
    ObjectRef held() const { return automation::member(m_held, {}); }

    ObjectRef app() const { return requireApplication(m_app); }
    ObjectRef sheetNamed(const char* name) const {
        return automation::requireObject(app()->get("Sheets", {Variant(name)}));
    }

    // ActiveSheet.Shapes(ActiveSheet.Shapes.Count).<property> = points
    void setNewestShape(const char* property, int16_t points) const {
        const ObjectRef sheet = automation::member(app(), "ActiveSheet");
        const Variant count = automation::member(sheet, "Shapes")->get("Count");
        automation::requireObject(sheet->get("Shapes", {count}))->put(property, Variant(points));
    }

    // ActiveChart.<element>.Select, then Selection.Border.LineStyle in the next step.
    void selectActiveChartElement(const char* element) const {
        automation::member(app(), "ActiveChart", element)->call("Select");
    }
    void removeSelectedBorder() const {
        automation::member(app(), "Selection", "Border")->put("LineStyle", Variant(xl::kChartLineNone));
    }

private:
    shell::ErrorTrap& m_trap;
    ObjectRef m_app;
    ObjectRef m_held;
};

// Lines +0 to +16 of a pie chart: added, typed, given its cells, embedded in
// the data sheet and placed there.
void addPieChart(ChartSteps& s, const PieChart& pie) {
    const int l = pie.firstLine;
    s.run(l, [&] { automation::member(s.app(), "Charts")->call("Add"); });
    s.holdActiveChart(l + 2);
    s.run(l + 4, [&] { s.held()->put("ChartType", Variant(xl::kPie)); });
    s.run(l + 6, [&] {
        // The data sheet is the workbook's last sheet.
        const Variant count = automation::member(s.app(), "Sheets")->get("Count");
        const ObjectRef sheet = automation::requireObject(s.app()->get("Sheets", {count}));
        const Variant source = sheet->get("Range", {Variant(pie.source)});
        s.held()->call("SetSourceData", {}, NamedArgs{{"Source", source}, {"PlotBy", Variant(xl::kColumns)}});
    });
    s.run(l + 8, [&] {
        s.held()->call("Location", {},
                       NamedArgs{{"Where", Variant(xl::kLocationAsObject)}, {"Name", Variant(kDataSheetName)}});
    });
    s.release();
    s.run(l + 10, [&] { s.setNewestShape("Top", pie.top); });
    s.run(l + 12, [&] { s.setNewestShape("Left", kPieLeft); });
    s.run(l + 14, [&] { s.setNewestShape("Width", kPieWidth); });
    s.run(l + 16, [&] { s.setNewestShape("Height", kPieHeight); });
}

// Lines +18 to +32: title and data labels, and no outline on the chart area or the legend.
void stylePieChart(ChartSteps& s, const PieChart& pie) {
    const int l = pie.firstLine;
    s.run(l + 18, [&] { s.selectActiveChartElement("ChartArea"); });
    s.holdActiveChart(l + 20);
    s.run(l + 22, [&] { s.held()->put("HasTitle", Variant(true)); });
    s.run(l + 24, [&] { automation::member(s.held(), "ChartTitle", "Characters")->put("Text", Variant(pie.title)); });
    s.run(l + 26, [&] {
        s.held()->call("ApplyDataLabels", {},
                       NamedArgs{{"AutoText", Variant(true)},
                                 {"LegendKey", Variant(true)},
                                 {"HasLeaderLines", Variant(true)},
                                 {"ShowSeriesName", Variant(false)},
                                 {"ShowCategoryName", Variant(false)},
                                 {"ShowValue", Variant(true)},
                                 {"ShowPercentage", Variant(true)},
                                 {"ShowBubbleSize", Variant(false)}});
    });
    s.release();
    s.run(l + 28, [&] { s.removeSelectedBorder(); });  // of the chart area
    s.run(l + 30, [&] { s.selectActiveChartElement("Legend"); });
    s.run(l + 32, [&] { s.removeSelectedBorder(); });
}

// Axes(type, primary) of the held chart.
ObjectRef axisOf(const ChartSteps& s, int16_t type) {
    return automation::requireObject(s.held()->get("Axes", {Variant(type), Variant(xl::kPrimary)}));
}

void writeLineChart(ChartSteps& s) {
    const int l = kLineChartFirstLine;
    s.run(l, [&] { automation::member(s.app(), "Charts")->call("Add"); });
    s.holdActiveChart(l + 2);
    s.run(l + 4, [&] { s.held()->put("ChartType", Variant(xl::kLineMarkers)); });
    s.run(l + 6, [&] {
        const Variant source = s.sheetNamed(kDataSheetName)->get("Range", {Variant(kLineChartSource)});
        s.held()->call("SetSourceData", {}, NamedArgs{{"Source", source}, {"PlotBy", Variant(xl::kRows)}});
    });
    s.run(l + 8, [&] {
        s.held()->call("Location", {},
                       NamedArgs{{"Where", Variant(xl::kLocationAsNewSheet)}, {"Name", Variant(kChartSheetName)}});
    });
    s.release();
    s.run(l + 10, [&] { s.selectActiveChartElement("ChartArea"); });
    s.holdActiveChart(l + 12);
    s.run(l + 14, [&] { s.held()->put("HasTitle", Variant(true)); });
    s.run(l + 16, [&] { automation::member(s.held(), "ChartTitle", "Characters")->put("Text", Variant(kChartSheetName)); });
    s.run(l + 18, [&] { axisOf(s, xl::kCategory)->put("HasTitle", Variant(true)); });
    s.run(l + 20, [&] {
        automation::member(axisOf(s, xl::kCategory), "AxisTitle")->put("Text", Variant("Sales Volume (Units)"));
    });
    s.run(l + 22, [&] { axisOf(s, xl::kValue)->put("HasTitle", Variant(true)); });
    s.run(l + 24, [&] { automation::member(axisOf(s, xl::kValue), "AxisTitle")->put("Text", Variant("Dollars")); });
    s.run(l + 26, [&] { s.held()->put("HasDataTable", Variant(false)); });
    s.run(l + 28, [&] {
        automation::member(axisOf(s, xl::kValue), "TickLabels")->put("NumberFormat", Variant(kAmountWithLossesInRed));
    });
    s.release();
}

// The chart sheet goes after the second sheet, the data sheet, which is selected again.
void finish(ChartSteps& s) {
    const int l = kFinishFirstLine;
    s.run(l, [&] { s.sheetNamed(kChartSheetName)->call("Select"); });
    s.run(l + 2, [&] {
        const Variant second = s.app()->get("Sheets", {Variant(kSecondSheet)});
        s.sheetNamed(kChartSheetName)->call("Move", {}, NamedArgs{{"After", second}});
    });
    s.run(l + 4, [&] { s.sheetNamed(kDataSheetName)->call("Select"); });
}

}  // namespace

void writeBreakevenCharts(shell::ErrorTrap& trap, const ObjectRef& application) {
    ChartSteps steps(trap, application);
    for (const PieChart& pie : kPieCharts) {
        addPieChart(steps, pie);
        stylePieChart(steps, pie);
    }
    writeLineChart(steps);
    finish(steps);
}

}  // namespace report
