// Charts in the file, as records: a chart sheet's own BOUNDSHEET8 entry and
// chart substream in the order of the chart grammar, series references as
// 3D tokens (separate cells a union, never the block between), the values
// the series show, titles, axis titles, the value axis format, the legend
// and data labels.
#include "chart_samples.h"
#include "chart_test_support.h"

#include "spreadsheet/xls/biff/charts/chart_fields.h"
#include "spreadsheet/xls/biff/records/record_fields.h"

#include <gmock/gmock.h>

#include <cstring>

using namespace biff_test;
namespace fields = spreadsheet::xls::biff;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

// A data sheet and a chart sheet whose chart has one series of three cells.
void buildSmallLineChart(model::Workbook& book) {
    model::Sheet& data = book.addSheet("Data", model::SheetKind::Worksheet, 0);
    put(data, "A1", model::Value::text("Cost"));
    for (int c = 2; c <= 4; ++c) data.setConstant({1, c}, model::Value::number(c * 10));
    model::Chart chart;
    chart.series.push_back({model::ChartReference{"Data", {area("A1")}}, {"Data", {area("B1:D1")}}, std::nullopt});
    chart.title = {true, "Costs"};
    chart.categoryAxis.title = {true, "Units"};
    chart.valueAxis.title = {true, "Dollars"};
    book.addSheet("Chart", model::SheetKind::Chart, 1).setChart(chart);
}

std::vector<uint8_t> braiTokens(const RecordInfo& brai) { return {brai.body.begin() + 8, brai.body.end()}; }

double numberIn(const RecordInfo& r) {
    double value = 0;
    std::memcpy(&value, r.body.data() + 6, sizeof value);
    return value;
}

}  // namespace

TEST(ChartSheet, has_its_own_boundsheet_entry_pointing_at_a_chart_substream) {
    model::Workbook book;
    buildSmallLineChart(book);
    const std::vector<uint8_t> stream = streamOf(book);
    std::vector<RecordInfo> entries = recordsWithId(records(stream), rec::kBoundSheet8);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].body[5], fields::boundsheet::kWorksheet);
    EXPECT_EQ(entries[1].body[5], fields::boundsheet::kChartSheet);
    const uint32_t offset = le32(entries[1].body, 0);
    EXPECT_EQ(le16(stream, offset), rec::kBof);
    EXPECT_EQ(le16(stream, offset + 6), fields::bof::kChartSheet);
}

TEST(ChartSheet, chart_substream_records_in_order) {
    model::Workbook book;
    buildSmallLineChart(book);
    EXPECT_THAT(
        chartTree(sheetSubstream(streamOf(book), 1)),
        ElementsAreArray({"BOF", "HEADER", "FOOTER", "HCENTER", "VCENTER", "LEFTMARGIN", "RIGHTMARGIN", "TOPMARGIN",
                          "BOTTOMMARGIN", "SETUP", "PrintSize", "Units", "Chart", "Begin",
                          "  Scl", "  PlotGrowth", "  Frame", "  Begin", "    LineFormat", "    AreaFormat", "  End",
                          "  Series", "  Begin", "    BRAI", "    SeriesText", "    BRAI", "    BRAI", "    BRAI",
                          "    SerToCrt", "  End",
                          "  ShtProps", "  AxesUsed", "  AxisParent", "  Begin", "    Pos",
                          "    Axis", "    Begin", "      CatSerRange", "      AxcExt", "      Tick", "    End",
                          "    Axis", "    Begin", "      ValueRange", "      IFmtRecord", "      Tick", "      AxisLine",
                          "      LineFormat", "    End",
                          "    Text", "    Begin", "      Pos", "      BRAI", "      SeriesText", "      ObjectLink", "    End",
                          "    Text", "    Begin", "      Pos", "      BRAI", "      SeriesText", "      ObjectLink", "    End",
                          "    PlotArea", "    Frame", "    Begin", "      LineFormat", "      AreaFormat", "    End",
                          "    ChartFormat", "    Begin", "      Line", "      CrtLink",
                          "      Legend", "      Begin", "        Pos", "        Text", "        Begin", "          Pos",
                          "          BRAI", "        End", "        Frame", "        Begin", "          LineFormat",
                          "          AreaFormat", "        End", "      End",
                          "    End", "  End",
                          "  Text", "  Begin", "    Pos", "    BRAI", "    SeriesText", "    ObjectLink", "  End",
                          "End", "Dimensions", "SIIndex", "Number", "Number", "Number", "SIIndex", "SIIndex", "WINDOW2",
                          "EOF"}));
}

// The series' name, values and categories are 3D references into the data
// sheet; separate cells form a union (PtgUnion 10, in PtgParen 15), never
// the area between them.
TEST(ChartSeries, references_are_3d_tokens_and_separate_cells_a_union) {
    model::Workbook book;
    buildChartData(book);
    book.addSheet(kChartSheet, model::SheetKind::Chart, 1).setChart(pieChart(book, "C15,F15,C18,F18", "Margin"));
    const auto brais = recordsWithId(sheetSubstream(streamOf(book), 1), rec::kBrai);
    ASSERT_EQ(brais.size(), 4u + 3u) << "four for the series, one each for the legend, the title and the data labels";
    EXPECT_EQ(hexOf(brais[0].body, 0, 2), "00 01") << "no name: a literal without text";
    EXPECT_EQ(hexOf(braiTokens(brais[1])), "3A 00 00 0E 00 05 00 3A 00 00 11 00 05 00 10 15") << "F15 and F18";
    EXPECT_EQ(hexOf(braiTokens(brais[2])), "3A 00 00 0E 00 02 00 3A 00 00 11 00 02 00 10 15") << "C15 and C18";
    EXPECT_EQ(hexOf(brais[1].body, 0, 2), "01 02");
    EXPECT_EQ(hexOf(brais[2].body, 0, 2), "02 02");
}

TEST(ChartSeries, line_series_are_named_by_a_cell_and_read_a_row) {
    model::Workbook book;
    buildBreakevenCharts(book, 0);
    const auto sheet = sheetSubstream(streamOf(book), 1);
    const auto brais = recordsWithId(sheet, rec::kBrai);
    ASSERT_GE(brais.size(), 16u);
    for (int s = 0; s < 4; ++s) {
        const uint16_t row = static_cast<uint16_t>(s == 0 ? 36 : 37 + s);  // rows 37, 39, 40, 41
        EXPECT_EQ(hexOf(brais[4 * s].body, 0, 2), "00 02") << "series " << s;
        EXPECT_EQ(le16(braiTokens(brais[4 * s]), 3), row) << "name of series " << s;
        EXPECT_EQ(le16(braiTokens(brais[4 * s]), 5), 1) << "column B";
        const std::vector<uint8_t> values = braiTokens(brais[4 * s + 1]);
        EXPECT_EQ(values[0], 0x3B) << "an area";
        EXPECT_EQ(le16(values, 3), row);
        EXPECT_EQ(le16(values, 5), row);
        EXPECT_EQ(le16(values, 7), 3) << "D";
        EXPECT_EQ(le16(values, 9), 13) << "N";
        EXPECT_EQ(hexOf(brais[4 * s + 2].body, 0, 2), "02 00") << "numbered categories";
    }
    // Each name's text travels with its reference, for readers that do not look it up.
    std::vector<std::string> names;
    bool inSeries = false;
    for (const RecordInfo& r : sheet) {
        if (r.id == rec::kSeries) inSeries = true;
        if (r.id == rec::kSerToCrt) inSeries = false;
        if (inSeries && r.id == rec::kSeriesText) names.push_back(seriesText(r));
    }
    EXPECT_THAT(names, ElementsAre("Fixed cost per period", "Total costs", "Total sales", "Net profit (loss)"));
    const auto series = recordsWithId(sheet, rec::kSeries);
    ASSERT_EQ(series.size(), 4u);
    EXPECT_EQ(hexOf(series[0].body), "01 00 01 00 0B 00 0B 00 01 00 00 00");
}

// The values each series shows now travel with the chart: values under
// SIIndex 1 (point, series), category labels under SIIndex 2.
TEST(ChartSeries, cached_values_follow_each_series_data_index) {
    model::Workbook book;
    buildChartData(book);
    book.addSheet(kChartSheet, model::SheetKind::Chart, 1).setChart(pieChart(book, "C15,F15,C18,F18", "Margin"));
    const auto sheet = sheetSubstream(streamOf(book), 1);
    std::vector<std::string> data;
    for (const RecordInfo& r : sheet) {
        if (r.id == rec::kSiIndex) data.push_back("index " + std::to_string(le16(r.body, 0)));
        if (r.id == rec::kNumber)
            data.push_back(std::to_string(le16(r.body, 0)) + "," + std::to_string(le16(r.body, 2)) + " " +
                           std::to_string(numberIn(r)));
        if (r.id == rec::kLabel)
            data.push_back(std::to_string(le16(r.body, 0)) + "," + std::to_string(le16(r.body, 2)) + " " +
                           std::string(r.body.begin() + 9, r.body.end()));
        if (r.id == rec::kDimensions) data.push_back("rows " + std::to_string(le32(r.body, 4)) + " series " +
                                                     std::to_string(le16(r.body, 10)));
    }
    EXPECT_THAT(data, ElementsAre("rows 2 series 1", "index 1", "0,0 7.600000", "1,0 4.900000", "index 2",
                                  "0,0 Variable cost per unit", "1,0 Unit contribution margin", "index 3"));
    EXPECT_EQ(hexOf(recordsWithId(sheet, rec::kSeries)[0].body), "03 00 01 00 02 00 02 00 01 00 00 00")
        << "text categories, two of them, two values";
}

TEST(ChartTexts, titles_are_linked_to_their_element) {
    model::Workbook book;
    buildBreakevenCharts(book, 0);
    const auto sheet = sheetSubstream(streamOf(book), 1);
    std::vector<std::string> texts;
    std::string pending;
    for (const RecordInfo& r : sheet) {
        if (r.id == rec::kSeriesText) pending = seriesText(r);
        if (r.id == rec::kObjectLink) texts.push_back(std::to_string(le16(r.body, 0)) + " " + pending);
    }
    EXPECT_THAT(texts, ElementsAre("3 Sales Volume (Units)", "2 Dollars", "1 Breakeven Analysis Chart"));
    const auto labels = recordsWithId(sheet, rec::kText);
    ASSERT_EQ(labels.size(), 4u) << "two axis titles, the legend's text, the title";
    EXPECT_EQ(le16(labels[1].body, 30), fields::textrec::kRotationUpward) << "the value axis title reads upward";
}

// The value axis shows its numbers in the chart's format: a FORMAT record of the globals.
TEST(ChartTexts, the_value_axis_format_is_a_format_of_the_workbook) {
    model::Workbook book;
    buildBreakevenCharts(book, 0);
    const std::vector<uint8_t> stream = streamOf(book);
    const auto ifmt = recordsWithId(sheetSubstream(stream, 1), rec::kIFmtRecord);
    ASSERT_EQ(ifmt.size(), 1u);
    const uint16_t id = le16(ifmt[0].body, 0);
    std::string code;
    for (const RecordInfo& r : records(stream))
        if (r.id == rec::kFormat && le16(r.body, 0) == id) code.assign(r.body.begin() + 5, r.body.end());
    EXPECT_EQ(code, kAmountWithLossesInRed);
}

// A pie's labels show value, percentage and the legend key, with leader lines;
// its chart area and legend have no border.
TEST(ChartTexts, pie_data_labels_and_borders) {
    model::Workbook book;
    buildChartData(book);
    book.addSheet(kChartSheet, model::SheetKind::Chart, 1).setChart(pieChart(book, "C15,F15,C18,F18", "Margin"));
    const auto sheet = sheetSubstream(streamOf(book), 1);
    const auto attached = recordsWithId(sheet, rec::kAttachedLabel);
    ASSERT_EQ(attached.size(), 1u);
    EXPECT_EQ(le16(attached[0].body, 0), fields::attachedlabel::kValue | fields::attachedlabel::kPercent);
    const auto pie = recordsWithId(sheet, rec::kPie);
    ASSERT_EQ(pie.size(), 1u);
    EXPECT_EQ(le16(pie[0].body, 4), fields::pierec::kLeaderLines);
    const auto texts = recordsWithId(sheet, rec::kText);
    const auto links = recordsWithId(sheet, rec::kObjectLink);
    ASSERT_EQ(links.size(), 2u);
    EXPECT_EQ(hexOf(links[1].body), "04 00 00 00 FF FF") << "the data labels of every point of series 0";
    const uint16_t labelFlags = le16(texts.back().body, 24);
    EXPECT_EQ(labelFlags & (fields::textrec::kShowKey | fields::textrec::kShowValue | fields::textrec::kShowPercent),
              fields::textrec::kShowKey | fields::textrec::kShowValue | fields::textrec::kShowPercent);
    const auto lines = recordsWithId(sheet, rec::kLineFormat);
    ASSERT_EQ(lines.size(), 2u) << "the chart area's and the legend's";
    for (const RecordInfo& line : lines) EXPECT_EQ(le16(line.body, 4), fields::linefmt::kNone);
    EXPECT_TRUE(recordsWithId(sheet, rec::kAxis).empty()) << "a pie has no axes";
}

// Every position in our charts is automatic: ShtProps asks for no manual plot
// area (LibreOffice would squeeze the plot into the empty rectangle of the
// axis group's Pos record), for the chart sheet's chart and an embedded one.
TEST(ChartSheet, the_plot_area_is_left_to_the_reader) {
    model::Workbook book;
    buildBreakevenCharts(book, 1);
    const std::vector<uint8_t> stream = streamOf(book);
    for (const int index : {0, 1}) {
        const auto props = recordsWithId(sheetSubstream(stream, index), rec::kShtProps);
        ASSERT_EQ(props.size(), 1u) << index;
        EXPECT_EQ(le16(props[0].body, 0), fields::shtprops::kPlotVisibleOnly) << index;
        EXPECT_EQ(le16(props[0].body, 0) & (fields::shtprops::kManualPlotArea | fields::shtprops::kPlotAreaFromPos), 0)
            << index;
    }
}

// A chart sheet added to a workbook starts with an empty chart; it is stored as one.
TEST(ChartSheet, an_empty_chart_sheet_is_stored) {
    model::Workbook book;
    book.addSheet("Data", model::SheetKind::Worksheet, 0);
    book.addSheet("Chart1", model::SheetKind::Chart, 1);
    const auto sheet = sheetSubstream(streamOf(book), 1);
    ASSERT_FALSE(sheet.empty());
    EXPECT_TRUE(recordsWithId(sheet, rec::kSeries).empty());
    EXPECT_EQ(sheet.back().id, rec::kEof);
    EXPECT_EQ(recordsWithId(sheet, rec::kWindow2).at(0).body.size(), fields::chartrec::kWindow2ChartSize);
    EXPECT_EQ(le16(recordsWithId(sheet, rec::kWindow2).at(0).body, 0), 0) << "the data sheet is the selected one";
    book.setActiveSheet(1);
    const auto active = sheetSubstream(streamOf(book), 1);
    EXPECT_EQ(le16(recordsWithId(active, rec::kWindow2).at(0).body, 0), fields::window2::kSelected);
}

// A new chart sheet's page: landscape Letter, the chart filling it inside the
// margins (691.2 by 504 points; 511.2 by 684 on the portrait page it had
// before), and PrintSize saying so. Read back, the page setup is the same.
TEST(ChartSheet, a_new_chart_sheet_prints_its_chart_across_a_landscape_page) {
    model::Workbook book;
    buildSmallLineChart(book);
    const auto sheet = sheetSubstream(streamOf(book), 1);
    const auto setup = recordsWithId(sheet, rec::kSetup);
    ASSERT_EQ(setup.size(), 1u);
    EXPECT_EQ(le16(setup[0].body, 0), 1) << "Letter";
    EXPECT_EQ(le16(setup[0].body, 10) & (fields::setuprec::kPortrait | fields::setuprec::kNoPrinterSettings), 0)
        << "landscape, and the printer settings valid";
    const auto printSize = recordsWithId(sheet, rec::kPrintSize);
    ASSERT_EQ(printSize.size(), 1u);
    EXPECT_EQ(le16(printSize[0].body, 0), fields::chartrec::kPrintSizeFullPage);
    const auto chart = recordsWithId(sheet, rec::kChart);
    ASSERT_EQ(chart.size(), 1u);
    EXPECT_NEAR(le32(chart[0].body, 8) / 65536.0, 11 * 72 - 2 * 0.7 * 72, 0.001) << "width";
    EXPECT_NEAR(le32(chart[0].body, 12) / 65536.0, 8.5 * 72 - 2 * 0.75 * 72, 0.001) << "height";

    model::Workbook back;
    roundTrip(book, back);
    EXPECT_EQ(back.sheet(1).pageSetup(), book.sheet(1).pageSetup());
    EXPECT_EQ(back.sheet(1).pageSetup().orientation, model::Orientation::Landscape);
}
