// Charts saved and read back: the chart sheet's chart and the embedded pies
// come back with their type, place, series references, titles, axis titles
// and format, legend, borders and data labels; a damaged chart substream is
// reported, not read past.
#include "chart_samples.h"
#include "chart_test_support.h"

#include "spreadsheet/xls/biff/charts/chart_fields.h"

#include <gmock/gmock.h>

using namespace biff_test;
using ::testing::IsEmpty;

namespace {

const model::Chart& chartSheetChart(const model::Workbook& book, int index) {
    const model::Chart* chart = book.sheet(index).chart();
    if (!chart) throw std::runtime_error("no chart sheet at " + std::to_string(index));
    return *chart;
}

model::Chart saveAndReadChartSheet(const model::Chart& chart) {
    model::Workbook book;
    buildChartData(book);
    book.addSheet("Chart", model::SheetKind::Chart, 1).setChart(chart);
    model::Workbook back;
    roundTrip(book, back);
    return chartSheetChart(back, 1);
}

}  // namespace

// Separate cells stay separate areas; a block stays one area.
TEST(ChartRoundTrip, references_keep_their_areas) {
    model::Chart chart;
    chart.series.push_back({std::nullopt,
                            {kDataSheet, {area("F15"), area("F18"), area("F10:F12")}},
                            model::ChartReference{kDataSheet, {area("C15"), area("C18"), area("C10:C12")}}});
    chart.series.push_back({model::ChartReference{kDataSheet, {area("B37")}}, {kDataSheet, {area("D37:N37")}}, std::nullopt});
    EXPECT_THAT(chartDifferences(chart, saveAndReadChartSheet(chart)), IsEmpty());
}

TEST(ChartRoundTrip, data_label_choices_and_borders) {
    model::Chart pie;
    pie.type = model::ChartType::Pie;
    pie.series.push_back({std::nullopt, {kDataSheet, {area("F10:F14")}}, model::ChartReference{kDataSheet, {area("C10:C14")}}});
    const model::DataLabels choices[] = {
        {true, true, true, false, false, true, true, false},    // the breakeven pies'
        {false, false, false, true, true, false, false, false},  // series and category names, fixed text
        {true, false, false, false, false, false, true, false},  // percentage only, no leader lines
        {},                                                       // none
    };
    for (const model::DataLabels& labels : choices) {
        pie.dataLabels = labels;
        EXPECT_THAT(chartDifferences(pie, saveAndReadChartSheet(pie)), IsEmpty());
    }
    pie.chartAreaBorder = {model::LineStyle::Dash, model::LineWeight::Medium, 3};  // dashed, medium, palette colour 3
    pie.legend.border = {model::LineStyle::Continuous, model::LineWeight::Thick, model::kColorAutomatic};
    EXPECT_THAT(chartDifferences(pie, saveAndReadChartSheet(pie)), IsEmpty());
    pie.legend.visible = false;
    pie.title = {true, "Ünïcode tïtle ✓"};
    EXPECT_THAT(chartDifferences(pie, saveAndReadChartSheet(pie)), IsEmpty());
}

TEST(ChartRoundTrip, line_chart_titles_and_axis_format) {
    model::Workbook book;
    buildChartData(book);
    model::Chart line = lineChart(book);
    EXPECT_THAT(chartDifferences(line, saveAndReadChartSheet(line)), IsEmpty());
    line.title.visible = false;
    line.categoryAxis.title.visible = false;
    line.valueAxis.numberFormat = "0.0%";
    EXPECT_THAT(chartDifferences(line, saveAndReadChartSheet(line)), IsEmpty());
    line.valueAxis.numberFormat = model::kGeneralFormat;
    EXPECT_THAT(chartDifferences(line, saveAndReadChartSheet(line)), IsEmpty());
    line.hasDataTable = true;  // its own legend does not show as the chart's
    EXPECT_THAT(chartDifferences(line, saveAndReadChartSheet(line)), IsEmpty());
    line.legend.visible = false;
    EXPECT_THAT(chartDifferences(line, saveAndReadChartSheet(line)), IsEmpty());
}

// Embedded charts on two sheets come back on their own sheets, in z-order.
TEST(ChartRoundTrip, embedded_charts_stay_on_their_sheets) {
    model::Workbook book;
    buildBreakevenCharts(book, 1);
    model::Sheet& other = book.addSheet("Other", model::SheetKind::Worksheet, 2);
    other.setColumnWidth(2, 30);
    other.setRowHeight(3, 40);
    const model::Chart pie = pieChart(book, "C10,F10,C11,F11", "Two costs");
    book.embedChart(2, pie, {10, 5, 150, 90});
    book.embedChart(2, pie, {200.5, 300.25, 99.75, 45.5});
    model::Workbook back;
    roundTrip(book, back);
    ASSERT_EQ(back.sheetCount(), 3);
    EXPECT_EQ(back.sheet(0).shapes().size(), 1u);
    ASSERT_EQ(back.sheet(2).shapes().size(), 2u);
    EXPECT_EQ(back.sheet(2).shapes()[1].chart.title.text, "Two costs");
    const model::ShapeBounds b = back.sheet(2).shapes()[1].bounds;
    EXPECT_NEAR(b.top, 200.5, 0.05);
    EXPECT_NEAR(b.left, 300.25, 0.05);
    EXPECT_NEAR(b.width, 99.75, 0.1);
    EXPECT_NEAR(b.height, 45.5, 0.1);
}

// The labels of a whole series speak for the chart, also when one point's come first.
TEST(ChartRoundTrip, series_labels_outrank_a_points_labels) {
    model::Workbook book;
    buildChartData(book);
    book.addSheet(kChartSheet, model::SheetKind::Chart, 1).setChart(pieChart(book, "C15,F15,C18,F18", "Margin"));
    std::vector<uint8_t> stream = streamOf(book);
    const auto chart = sheetSubstream(stream, 1);  // the last sheet: bytes put in it move no other sheet
    const auto link = std::find_if(chart.begin(), chart.end(), [](const RecordInfo& r) {
        return r.id == rec::kObjectLink && le16(r.body, 0) == spreadsheet::xls::biff::objectlink::kDataLabels;
    });
    ASSERT_NE(link, chart.end());
    const auto text = std::find_if(std::make_reverse_iterator(link), chart.rend(),
                                   [](const RecordInfo& r) { return r.id == rec::kText; });
    ASSERT_NE(text, chart.rend());
    // A copy of the label block, for point 0 only and showing nothing but the value.
    std::vector<uint8_t> copy(stream.begin() + static_cast<std::ptrdiff_t>(text->offset),
                              stream.begin() + static_cast<std::ptrdiff_t>((link + 2)->offset));
    const std::size_t flags = 4 + 24, point = (link->offset - text->offset) + 4 + 4;
    copy[flags] = spreadsheet::xls::biff::textrec::kShowValue;
    copy[flags + 1] = 0;
    copy[point] = 0;
    copy[point + 1] = 0;
    stream.insert(stream.begin() + static_cast<std::ptrdiff_t>(text->offset), copy.begin(), copy.end());
    model::Workbook back;
    biff::loadWorkbookStream(stream, back);
    const model::DataLabels& labels = chartSheetChart(back, 1).dataLabels;
    EXPECT_TRUE(labels.legendKey);
    EXPECT_TRUE(labels.autoText);
}

// A chart substream cut short, or with an End before any Begin, is damage.
TEST(ChartRoundTrip, a_damaged_chart_substream_is_reported) {
    model::Workbook book;
    buildBreakevenCharts(book, 0);
    const std::vector<uint8_t> good = streamOf(book);
    const auto chart = sheetSubstream(good, 1);
    ASSERT_FALSE(chart.empty());

    std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(chart.back().offset));
    model::Workbook into;
    try {
        biff::loadWorkbookStream(cut, into);
        ADD_FAILURE() << "a chart without EOF was read";
    } catch (const biff::XlsError& e) {
        EXPECT_EQ(e.kind(), biff::XlsErrorKind::Damaged);
        EXPECT_THAT(e.what(), ::testing::HasSubstr("chart substream has no EOF"));
    }
    EXPECT_EQ(into.sheetCount(), 0);

    std::vector<uint8_t> unbalanced = good;
    const auto begin = std::find_if(chart.begin(), chart.end(), [](const RecordInfo& r) { return r.id == rec::kBegin; });
    unbalanced[begin->offset] = static_cast<uint8_t>(rec::kEnd);
    unbalanced[begin->offset + 1] = static_cast<uint8_t>(rec::kEnd >> 8);
    try {
        biff::loadWorkbookStream(unbalanced, into);
        ADD_FAILURE() << "an End without its Begin was read";
    } catch (const biff::XlsError& e) {
        EXPECT_EQ(e.kind(), biff::XlsErrorKind::Damaged);
        EXPECT_THAT(e.what(), ::testing::HasSubstr("End record without its Begin"));
    }
}

// A file another program wrote (data/make_foreign_chart_file.py): its charts
// come in as that program shows them when it opens the file again.
TEST(ChartForeignFile, libreoffice_charts_are_read) {
    model::Workbook book;
    biff::loadWorkbook(std::filesystem::path(BIFF_TEST_DATA_DIR) / "foreign_libreoffice_charts.xls", book);
    ASSERT_EQ(book.sheetCount(), 1);
    const auto& shapes = book.sheet(0).shapes();
    ASSERT_EQ(shapes.size(), 2u);
    const model::Chart& pie = shapes[0].chart;
    EXPECT_EQ(pie.type, model::ChartType::Pie);
    ASSERT_EQ(pie.series.size(), 1u);
    EXPECT_EQ(describe(pie.series[0].values), "Data!F15:F17");
    EXPECT_EQ(describe(pie.series[0].categories), "Data!E15:E17");
    EXPECT_EQ(pie.title.text, "Costs per unit");
    EXPECT_TRUE(pie.title.visible);
    EXPECT_TRUE(pie.dataLabels.showValue);
    EXPECT_TRUE(pie.dataLabels.showPercentage);
    EXPECT_FALSE(pie.legend.visible);
    // LibreOffice places it at 80 x 10 mm, 100 x 70 mm.
    EXPECT_NEAR(shapes[0].bounds.left, 80 / 25.4 * 72, 15);
    EXPECT_NEAR(shapes[0].bounds.top, 10 / 25.4 * 72, 2);
    const model::Chart& line = shapes[1].chart;
    EXPECT_EQ(line.type, model::ChartType::LineMarkers);
    ASSERT_EQ(line.series.size(), 1u);
    EXPECT_EQ(describe(line.series[0].values), "Data!B39:F39");
    EXPECT_EQ(describe(line.series[0].categories), "Data!B37:F37");
    EXPECT_EQ(line.title.text, "Costs and sales");
    EXPECT_EQ(line.categoryAxis.title.text, "Volume");
    EXPECT_EQ(line.valueAxis.title.text, "Dollars");
}

// Every record of the chart and drawing part of a file, cut short or with a
// byte changed, is read as a workbook or refused as damaged: never another
// failure, a crash or a read past its bytes (the sanitizer build watches).
TEST(ChartDamage, changed_or_short_chart_records_are_read_or_refused) {
    model::Workbook book;
    buildBreakevenCharts(book);
    const std::vector<uint8_t> good = streamOf(book);
    const std::vector<RecordInfo> all = records(good);
    const auto first =
        std::find_if(all.begin(), all.end(), [](const RecordInfo& r) { return r.id == rec::kMsoDrawingGroup; });
    ASSERT_NE(first, all.end());
    std::size_t tried = 0, refused = 0;
    for (const RecordInfo& r : all) {
        if (r.offset < first->offset || r.body.empty()) continue;
        const bool chartPart = r.id == rec::kMsoDrawingGroup || r.id == rec::kMsoDrawing || r.id == rec::kObj ||
                               (r.id >= 0x1000 && r.id <= 0x10FF);
        if (!chartPart) continue;
        for (const std::size_t at : {std::size_t{0}, r.body.size() / 2, r.body.size() - 1}) {
            for (const uint8_t value : {uint8_t{0x00}, uint8_t{0xFF}, uint8_t{0x7F}}) {
                std::vector<uint8_t> changed = good;
                changed[r.offset + 4 + at] = value;
                model::Workbook into;
                ++tried;
                try {
                    biff::loadWorkbookStream(changed, into);
                } catch (const biff::XlsError& e) {
                    ++refused;
                    EXPECT_EQ(into.sheetCount(), 0) << e.what();
                }
            }
        }
        std::vector<uint8_t> shorter = good;
        shorter[r.offset + 2] = static_cast<uint8_t>(r.body.size() - 1);  // one byte less, the rest read as records
        shorter[r.offset + 3] = static_cast<uint8_t>((r.body.size() - 1) >> 8);
        model::Workbook into;
        ++tried;
        try {
            biff::loadWorkbookStream(shorter, into);
        } catch (const biff::XlsError&) {
            ++refused;
        }
    }
    EXPECT_GT(tried, 500u);
    EXPECT_GT(refused, 0u);
}
