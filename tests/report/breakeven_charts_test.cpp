// The three breakeven charts built by the embedded spreadsheet: the cells each
// series reads, where the charts are placed, how they are titled, the final
// order of the sheets, and what a failing Location or Add leaves behind.
#include "breakeven_fixture.h"

#include "failing_object.h"
#include "recording_object.h"
#include "report/generate_report.h"
#include "spreadsheet/model/a1_notation.h"

#include <gtest/gtest.h>

using breakeven_test::Fields;
using breakeven_test::kChartSheet;
using breakeven_test::kDataSheet;
using breakeven_test::kSample;
using spreadsheet::model::Chart;
using spreadsheet::model::ChartReference;
using spreadsheet::model::ChartType;
using spreadsheet::model::Shape;
using spreadsheet::model::ShapeBounds;

namespace {

// The workbook the driver prepares, and GenerateReport run on it, optionally
// through a failing decorator.
struct Report : breakeven_test::Instance {
    void run(const QMap<QString, QString>& texts, const testing_support::FailurePlan* plan = nullptr) {
        report::GenerateReport(plan ? testing_support::failCalls(app, *plan) : app, Fields(texts), messages);
    }

    std::vector<int> reportedLines() const {
        std::vector<int> out;
        for (const QString& text : messages.texts()) {
            const qsizetype at = text.indexOf(QStringLiteral(" at line "));
            out.push_back(text.mid(at + 9, text.indexOf(QLatin1Char('\r'), at) - at - 9).toInt());
        }
        return out;
    }
};

// The 1-based number of the call that makes the nth put or call starting with
// `prefix`, in a clean run's full log.
int callNumberOf(const std::string& prefix, int nth) {
    Report clean;
    auto log = std::make_shared<testing_support::CallLog>();
    report::GenerateReport(testing_support::recordCalls(clean.app, log, "Application"), Fields(kSample), clean.messages);
    const std::vector<std::string> lines = log->lines();
    log->clear();  // it keeps the recorded objects passed as arguments, which keep it
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].starts_with(prefix) && --nth == 0) return static_cast<int>(i) + 1;
    ADD_FAILURE() << "no call " << prefix;
    return 0;
}

ChartReference data(const char* areas) { return {kDataSheet, spreadsheet::model::parseA1(areas).value()}; }

constexpr ShapeBounds kTopPie{50, 420, 300, 200};
constexpr ShapeBounds kLowerPie{300, 420, 300, 200};

void expectContributionPie(const Chart& pie) {
    EXPECT_EQ(pie.type, ChartType::Pie);
    ASSERT_EQ(pie.series.size(), 1u);
    EXPECT_EQ(pie.series[0].values, data("F15,F18"));
    EXPECT_EQ(pie.series[0].categories, data("C15,C18"));
    EXPECT_EQ(pie.title, (spreadsheet::model::ChartTitle{true, "Unit Contribution Margin"}));
}

}  // namespace

TEST(BreakevenCharts, two_pies_in_the_data_sheet_and_a_line_chart_sheet_after_it_without_a_report) {
    Report report;
    report.run(kSample);
    EXPECT_TRUE(report.messages.texts().isEmpty()) << report.messages.texts().join("\n").toStdString();
    EXPECT_EQ(report.sheetNames(), (std::vector<std::string>{kDataSheet, kChartSheet}));
    EXPECT_EQ(report.book().activeSheetIndex(), 0);

    const std::vector<Shape>& shapes = report.sheet(kDataSheet).shapes();
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(shapes[0].bounds, kTopPie);
    EXPECT_EQ(shapes[1].bounds, kLowerPie);
    EXPECT_FALSE(shapes[0].bounds.overlaps(shapes[1].bounds));

    const Chart& contribution = shapes[0].chart;
    expectContributionPie(contribution);
    const spreadsheet::model::DataLabels labels = contribution.dataLabels;
    EXPECT_TRUE(labels.autoText && labels.legendKey && labels.hasLeaderLines && labels.showValue && labels.showPercentage);
    EXPECT_FALSE(labels.showSeriesName || labels.showCategoryName || labels.showBubbleSize);
    EXPECT_FALSE(contribution.chartAreaBorder.isVisible());
    EXPECT_FALSE(contribution.legend.border.isVisible());

    const Chart& costs = shapes[1].chart;
    EXPECT_EQ(costs.type, ChartType::Pie);
    ASSERT_EQ(costs.series.size(), 1u);
    EXPECT_EQ(costs.series[0].values, data("F10:F14"));
    EXPECT_EQ(costs.series[0].categories, data("C10:C14"));
    EXPECT_EQ(costs.title.text, "Variable Cost Per Unit");
    EXPECT_EQ(costs.dataLabels, labels);

    const Chart& line = *report.sheet(kChartSheet).chart();
    EXPECT_EQ(line.type, ChartType::LineMarkers);
    ASSERT_EQ(line.series.size(), 4u);
    const char* names[] = {"B37", "B39", "B40", "B41"};
    const char* values[] = {"D37:N37", "D39:N39", "D40:N40", "D41:N41"};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(line.series[i].name, data(names[i])) << i;
        EXPECT_EQ(line.series[i].values, data(values[i])) << i;
        EXPECT_EQ(line.series[i].categories, std::nullopt) << i;  // the points are numbered 1 to 11
    }
    EXPECT_EQ(line.title, (spreadsheet::model::ChartTitle{true, kChartSheet}));
    EXPECT_EQ(line.categoryAxis.title, (spreadsheet::model::ChartTitle{true, "Sales Volume (Units)"}));
    EXPECT_EQ(line.valueAxis.title, (spreadsheet::model::ChartTitle{true, "Dollars"}));
    EXPECT_EQ(line.valueAxis.numberFormat, "#,##0.00_);[Red](#,##0.00)");
    EXPECT_FALSE(line.hasDataTable);
    EXPECT_FALSE(line.dataLabels.shown());
    EXPECT_TRUE(line.chartAreaBorder.isVisible());  // not set: the default outline stays

    // The page setup went to the data sheet only.
    EXPECT_EQ(report.sheet(kDataSheet).pageSetup().orientation, spreadsheet::model::Orientation::Landscape);
    EXPECT_EQ(report.sheet(kChartSheet).pageSetup(), spreadsheet::model::newChartSheetPageSetup());  // as made
}

TEST(BreakevenCharts, all_empty_inputs_still_give_three_titled_placed_charts) {
    Report report;
    report.run({});
    EXPECT_TRUE(report.messages.texts().isEmpty()) << report.messages.texts().join("\n").toStdString();
    const std::vector<Shape>& shapes = report.sheet(kDataSheet).shapes();
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(shapes[0].bounds, kTopPie);
    EXPECT_EQ(shapes[1].bounds, kLowerPie);
    expectContributionPie(shapes[0].chart);
    EXPECT_EQ(shapes[1].chart.series.at(0).values, data("F10:F14"));  // empty inputs name no series
    EXPECT_EQ(shapes[1].chart.title.text, "Variable Cost Per Unit");
    EXPECT_EQ(report.sheet(kChartSheet).chart()->series.size(), 4u);
    EXPECT_EQ(report.sheet(kChartSheet).chart()->title.text, kChartSheet);
}

TEST(BreakevenCharts, a_failed_location_leaves_the_chart_on_its_sheet_and_the_position_steps_find_no_shape) {
    const testing_support::FailurePlan plan = {
        .failAtCall = callNumberOf("call Application.ActiveChart.Location(", 1),
        .failMember = "",
        .description = "Simulated failure"};
    Report report;
    report.run(kSample, &plan);
    // Location, then Top, Left, Width and Height on a chart sheet, which has no shapes.
    EXPECT_EQ(report.reportedLines(), (std::vector<int>{518, 520, 522, 524, 526}));
    EXPECT_TRUE(report.messages.texts()[1].startsWith(
        QStringLiteral("The index into the specified collection is out of bounds: the sheet \"Chart1\" has 0 shapes")));

    // The first chart stays on the chart sheet Add gave it, finished there.
    expectContributionPie(*report.sheet("Chart1").chart());
    EXPECT_FALSE(report.sheet("Chart1").chart()->legend.border.isVisible());
    // The second chart is the data sheet's only shape, placed as its own steps say.
    const std::vector<Shape>& shapes = report.sheet(kDataSheet).shapes();
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0].bounds, kLowerPie);
    EXPECT_EQ(shapes[0].chart.title.text, "Variable Cost Per Unit");
    // "After the second sheet" is then after itself; the data sheet is still selected at the end.
    EXPECT_EQ(report.sheetNames(), (std::vector<std::string>{"Chart1", kChartSheet, kDataSheet}));
    EXPECT_EQ(report.book().sheet(report.book().activeSheetIndex()).name(), kDataSheet);
}

TEST(BreakevenCharts, a_failed_add_of_the_second_chart_turns_its_steps_on_the_first_chart_as_newest_shape) {
    const testing_support::FailurePlan plan = {.failAtCall = callNumberOf("call Application.Charts.Add(", 2),
                                          .failMember = "",
                                          .description = "Simulated failure"};
    Report report;
    report.run(kSample, &plan);
    EXPECT_EQ(report.reportedLines(), std::vector<int>{544});
    // The first chart, still the active chart, took the second chart's data,
    // title and place: the failure the report warned of, not a silent one.
    const std::vector<Shape>& shapes = report.sheet(kDataSheet).shapes();
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0].bounds, kLowerPie);
    EXPECT_EQ(shapes[0].chart.series.at(0).values, data("F10:F14"));
    EXPECT_EQ(shapes[0].chart.title.text, "Variable Cost Per Unit");
    EXPECT_EQ(report.sheetNames(), (std::vector<std::string>{kDataSheet, kChartSheet}));
}
