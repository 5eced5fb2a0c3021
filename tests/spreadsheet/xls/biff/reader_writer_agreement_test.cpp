// What the reader accepts, the writer saves back unchanged. Each case is a
// file the writer would never make (a saved stream with patched bytes) that
// the reader once took as it stood and the next save then refused, clamped or
// saved into something else. Now the reader refuses it naming the record and
// the sheet, or repairs it the way its header documents, and the repaired
// model survives save -> load.
#include "biff_test_support.h"
#include "chart_test_support.h"
#include "sample_workbooks.h"

#include "spreadsheet/xls/biff/charts/chart_fields.h"
#include "spreadsheet/xls/hex_text.h"

#include <gmock/gmock.h>

#include <functional>

using namespace biff_test;
using biff::XlsError;
using biff::XlsErrorKind;
using testing::HasSubstr;

namespace {

void put16(std::vector<uint8_t>& b, std::size_t at, uint16_t v) {
    b[at] = static_cast<uint8_t>(v);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
}

// The body offset of the nth record with this id.
std::size_t bodyOf(const std::vector<uint8_t>& stream, uint16_t id, int nth = 0) {
    for (const RecordInfo& r : records(stream))
        if (r.id == id && nth-- == 0) return r.offset + 4;
    ADD_FAILURE() << "no record " << spreadsheet::xls::hexText(id, 4);
    return 0;
}

constexpr std::size_t kBoundSheetType = 5;
constexpr std::size_t kBoundSheetNameLength = 6;
constexpr std::size_t kBoundSheetName = 8;  // after the length and the flags byte

// Gives sheet `index` another name of at most its own length in its BOUNDSHEET8 record.
void renameSheet(std::vector<uint8_t>& stream, int index, const std::string& name) {
    const std::size_t body = bodyOf(stream, rec::kBoundSheet8, index);
    ASSERT_LE(name.size(), stream[body + kBoundSheetNameLength]);
    stream[body + kBoundSheetNameLength] = static_cast<uint8_t>(name.size());
    std::copy(name.begin(), name.end(), stream.begin() + static_cast<std::ptrdiff_t>(body + kBoundSheetName));
}

std::vector<uint8_t> everythingStream() {
    model::Workbook book;
    buildEverything(book);  // "Figures", then "Notes"
    return streamOf(book);
}

std::string readError(const std::vector<uint8_t>& stream) {
    model::Workbook into;
    try {
        biff::loadWorkbookStream(stream, into);
    } catch (const XlsError& e) {
        EXPECT_EQ(e.kind(), XlsErrorKind::Damaged) << e.what();
        EXPECT_EQ(into.sheetCount(), 0);
        return e.what();
    }
    return "";
}

// Reads the stream, saves what was read and reads that again; both reads must agree.
void readAndSaveAgain(const std::vector<uint8_t>& stream, model::Workbook& read, model::Workbook& again) {
    biff::loadWorkbookStream(stream, read);
    roundTrip(read, again);
    EXPECT_THAT(differences(read, again), testing::IsEmpty());
}

std::string storeError(const std::function<void(model::Workbook&)>& build) {
    model::Workbook book;
    build(book);
    try {
        (void)streamOf(book);
    } catch (const XlsError& e) {
        EXPECT_EQ(e.kind(), XlsErrorKind::Unstorable);
        return e.what();
    }
    return "";
}

model::Chart pieWithLabels() {
    model::Chart pie;
    pie.type = model::ChartType::Pie;
    pie.series.push_back({std::nullopt, model::ChartReference{"Data", {area("B1:B3")}}, std::nullopt});
    pie.dataLabels.showValue = pie.dataLabels.legendKey = pie.dataLabels.hasLeaderLines = true;
    return pie;
}

// "Data" with three numbers and the charts embedded on it.
std::vector<uint8_t> chartStream(const std::vector<model::Chart>& charts) {
    model::Workbook book;
    model::Sheet& data = book.addSheet("Data", model::SheetKind::Worksheet, 0);
    for (const char* cell : {"B1", "B2", "B3"}) put(data, cell, model::Value::number(3));
    for (const model::Chart& chart : charts) book.embedChart(0, chart, {10, 10, 200, 150});
    return streamOf(book);
}

}  // namespace

// ---------------------------------------------------------------- sheet names

// Before: each loaded without complaint; the save then refused the empty name,
// and formulas on "Notes" were saved as reading "Figures" under the case twin.
TEST(ReaderWriterAgreement, sheet_names_the_writer_cannot_save_are_refused_naming_the_record_and_sheet) {
    const struct {
        int sheet;
        std::string name;
        std::string message;
    } table[] = {
        {1, "", "the BOUNDSHEET8 record of sheet 2 gives the name \"\", which has 0 characters; a sheet name has 1 to 31"},
        {0, "NOTES", "the BOUNDSHEET8 record of sheet 2 gives the name \"Notes\", which sheet 1 already has "
                     "(\"NOTES\"; sheet names are compared ignoring case)"},
        {1, "'Note", "the BOUNDSHEET8 record of sheet 2 gives the name \"'Note\", which begins or ends with an apostrophe"},
    };
    for (const auto& row : table) {
        std::vector<uint8_t> stream = everythingStream();
        renameSheet(stream, row.sheet, row.name);
        EXPECT_EQ(readError(stream), "the workbook is damaged: " + row.message) << row.name;
    }
    for (const char c : std::string("*?/\\[]:")) {
        std::vector<uint8_t> stream = everythingStream();
        renameSheet(stream, 1, std::string("No") + c + "es");
        EXPECT_THAT(readError(stream), HasSubstr(std::string("sheet 2 gives the name \"No") + c + "es\", which holds '" +
                                                 c + "', which no sheet name may hold"));
    }
}

TEST(ReaderWriterAgreement, the_writer_refuses_the_same_sheet_names) {
    EXPECT_EQ(storeError([](model::Workbook& b) { b.addSheet("Q1/Q2", model::SheetKind::Worksheet, 0); }),
              "cannot store the workbook: the sheet name \"Q1/Q2\" holds '/', which no sheet name may hold "
              "(: \\ / ? * [ ])");
    EXPECT_EQ(storeError([](model::Workbook& b) {
                  b.addSheet("Data", model::SheetKind::Worksheet, 0);
                  b.addSheet("dATA", model::SheetKind::Chart, 1);
              }),
              "cannot store the workbook: the sheet names \"Data\" and \"dATA\" differ only in case");
}

TEST(ReaderWriterAgreement, a_macro_sheets_name_is_not_checked_or_referred_to) {
    model::Workbook book;
    model::Sheet& data = book.addSheet("Data", model::SheetKind::Worksheet, 0);
    model::Sheet& macro = book.addSheet("Macro", model::SheetKind::Worksheet, 1);
    book.addSheet("Spare", model::SheetKind::Worksheet, 2);
    put(macro, "A1", model::Value::number(21));
    putFormula(data, "A1", "=Macro!A1*2");
    model::Chart chart;
    chart.series.push_back({std::nullopt, model::ChartReference{"Macro", {area("A1:A3")}}, std::nullopt});
    chart.series.push_back({std::nullopt, model::ChartReference{"Data", {area("A1")}}, std::nullopt});
    book.embedChart(0, chart, {10, 10, 200, 150});
    std::vector<uint8_t> stream = streamOf(book);
    stream[bodyOf(stream, rec::kBoundSheet8, 1) + kBoundSheetType] = 0x01;  // a macro sheet
    renameSheet(stream, 2, "DATA");  // equal to "Data" but for case, yet not read: also a macro sheet
    stream[bodyOf(stream, rec::kBoundSheet8, 2) + kBoundSheetType] = 0x01;

    // Before: the formula came back reading the macro sheet and was saved as its
    // value; the series made the save fail ("the workbook has no sheet named Macro").
    model::Workbook read, again;
    readAndSaveAgain(stream, read, again);
    ASSERT_EQ(read.sheetCount(), 1);
    const model::Cell* a1 = read.sheet(0).findCell(at("A1"));
    ASSERT_NE(a1, nullptr);
    EXPECT_FALSE(a1->hasFormula());
    EXPECT_EQ(a1->constant, model::Value::number(42));  // the value it showed
    ASSERT_EQ(read.sheet(0).shapes().size(), 1u);
    const model::Chart& kept = read.sheet(0).shapes()[0].chart;
    ASSERT_EQ(kept.series.size(), 1u);
    EXPECT_EQ(kept.series[0].values.sheet, "Data");
    EXPECT_EQ(again.sheet(0).shapes()[0].chart, kept);
}

// ---------------------------------------------------------------- fonts

// Before: 47040 twips came in as 2352 pt and left as 1638.35 pt (the writer's clamp).
TEST(ReaderWriterAgreement, font_heights_outside_the_format_are_read_as_the_nearest_size_the_writer_stores) {
    const struct {
        uint16_t twips;
        double points;
    } table[] = {{47040, 409.55}, {8192, 409.55}, {8191, 409.55}, {200, 10}, {19, 1}, {1, 1}, {0, 0}};
    for (const auto& row : table) {
        std::vector<uint8_t> stream = everythingStream();
        put16(stream, bodyOf(stream, rec::kFont, 4), row.twips);  // the bold 12 pt heading font
        model::Workbook read, again;
        readAndSaveAgain(stream, read, again);
        EXPECT_DOUBLE_EQ(read.sheet(0).findCell(at("A1"))->style.font.size, row.points) << row.twips;
    }
}

TEST(ReaderWriterAgreement, the_writer_stores_a_font_size_in_the_formats_range) {
    const struct {
        double size;
        double stored;
    } table[] = {{2352, 409.55}, {0.4, 1}, {409, 409}};
    for (const auto& row : table) {
        model::Workbook book, read;
        model::Sheet& sheet = book.addSheet("Data", model::SheetKind::Worksheet, 0);
        put(sheet, "A1", model::Value::number(1));
        styleCells(sheet, "A1", [&](model::CellStyle& s) { s.font.size = row.size; });
        roundTrip(book, read);
        EXPECT_DOUBLE_EQ(read.sheet(0).findCell(at("A1"))->style.font.size, row.stored) << row.size;
    }
}

// ---------------------------------------------------------------- charts

// Before: the labels of a pie whose only series was left out came back shown,
// and the next save lost them (nothing to attach them to).
TEST(ReaderWriterAgreement, data_labels_go_with_the_series_that_is_left_out) {
    std::vector<uint8_t> stream = chartStream({pieWithLabels()});
    for (int nth = 0;; ++nth) {  // damage the values reference's first token
        const std::size_t body = bodyOf(stream, rec::kBrai, nth);
        if (stream[body] != biff::brai::kValues) continue;
        stream[body + 8] = 0xFF;
        break;
    }
    model::Workbook read, again;
    readAndSaveAgain(stream, read, again);
    const model::Chart& chart = read.sheet(0).shapes().at(0).chart;
    EXPECT_TRUE(chart.series.empty());
    model::DataLabels none;
    none.hasLeaderLines = true;  // the pie's own flag stays
    EXPECT_EQ(chart.dataLabels, none);
    EXPECT_EQ(again.sheet(0).shapes().at(0).chart, chart);
}

TEST(ReaderWriterAgreement, labels_of_a_kept_series_stay_when_another_is_left_out) {
    model::Chart pie = pieWithLabels();
    pie.series.push_back(pie.series.front());
    std::vector<uint8_t> stream = chartStream({pie});
    stream[bodyOf(stream, rec::kBrai, 1) + 8] = 0xFF;  // the first series' values
    model::Workbook read, again;
    readAndSaveAgain(stream, read, again);
    const model::Chart& chart = read.sheet(0).shapes().at(0).chart;
    EXPECT_EQ(chart.series.size(), 1u);
    EXPECT_EQ(chart.dataLabels, pieWithLabels().dataLabels);
}

// Before: the writer stored the flag only in a pie's record, so a line chart lost it.
TEST(ReaderWriterAgreement, a_line_charts_leader_lines_survive) {
    model::Chart line = pieWithLabels();
    line.type = model::ChartType::LineMarkers;
    const std::vector<uint8_t> stream = chartStream({line, pieWithLabels()});
    model::Workbook read, again;
    readAndSaveAgain(stream, read, again);
    EXPECT_EQ(read.sheet(0).shapes().at(0).chart.dataLabels, line.dataLabels);
    EXPECT_EQ(read.sheet(0).shapes().at(1).chart.dataLabels, pieWithLabels().dataLabels);

    line.dataLabels.hasLeaderLines = false;  // and only when the chart has them
    const std::vector<RecordInfo> without = records(chartStream({line}));
    EXPECT_EQ(std::count_if(without.begin(), without.end(), [](const RecordInfo& r) { return r.id == rec::kCrtLine; }), 0);
}

// A pie made of a line chart's records: its axis titles, value format and data
// table have no place in a pie, which the writer saves without axes.
TEST(ReaderWriterAgreement, a_pie_keeps_no_axis_titles_or_data_table) {
    model::Chart line;
    line.series.push_back({std::nullopt, model::ChartReference{"Data", {area("B1:B3")}}, std::nullopt});
    line.valueAxis = {{true, "Amount"}, "0.0"};
    line.categoryAxis.title = {true, "Units"};
    line.hasDataTable = true;
    std::vector<uint8_t> stream = chartStream({line});
    put16(stream, bodyOf(stream, rec::kLine) - 4, rec::kPie);
    model::Workbook read, again;
    readAndSaveAgain(stream, read, again);
    const model::Chart& chart = read.sheet(0).shapes().at(0).chart;
    EXPECT_EQ(chart.type, model::ChartType::Pie);
    EXPECT_EQ(chart.valueAxis, model::ChartAxis{});
    EXPECT_EQ(chart.categoryAxis, model::ChartAxis{});
    EXPECT_FALSE(chart.hasDataTable);
    EXPECT_EQ(again.sheet(0).shapes().at(0).chart, chart);
}

// Before: a chart anchored to the far edge of column IV came back 0.08 pt
// narrower at every save (the writer can anchor at most 1023/1024 into a column).
TEST(ReaderWriterAgreement, shape_bounds_are_read_as_the_writer_anchors_them) {
    model::Workbook book;
    model::Sheet& data = book.addSheet("Data", model::SheetKind::Worksheet, 0);
    data.setColumnWidth(2, 0.1);  // offset units finer than a hundredth of a point
    book.embedChart(0, pieWithLabels(), {10, 3.333, 1e6, 150});  // past the last column
    model::Workbook read, again, third;
    roundTrip(book, read);
    roundTrip(read, again);
    roundTrip(again, third);
    EXPECT_EQ(again.sheet(0).shapes().at(0).bounds, read.sheet(0).shapes().at(0).bounds);
    EXPECT_EQ(third.sheet(0).shapes().at(0).bounds, read.sheet(0).shapes().at(0).bounds);
}

// ---------------------------------------------------------------- cell values

// Before: a NUMBER record holding NaN came in as NaN and was saved as #NUM!.
TEST(ReaderWriterAgreement, a_number_that_is_not_finite_is_read_as_the_num_error_the_writer_stores) {
    for (const uint64_t bits : {uint64_t{0x7FF8000000000000}, uint64_t{0xFFF0000000000000}}) {
        model::Workbook book;
        put(book.addSheet("Data", model::SheetKind::Worksheet, 0), "A1", model::Value::number(1.0 / 3));
        std::vector<uint8_t> stream = streamOf(book);
        const std::size_t body = bodyOf(stream, rec::kNumber);
        for (int i = 0; i < 8; ++i) stream[body + 6 + i] = static_cast<uint8_t>(bits >> (8 * i));
        model::Workbook read, again;
        readAndSaveAgain(stream, read, again);
        EXPECT_EQ(read.sheet(0).findCell(at("A1"))->constant, model::Value::error(model::ErrorCode::Num));
    }
}

// ---------------------------------------------------------------- column styles

// Before: the plain column was written with the default XF, which the reader
// took for no style at all, and so found no sheet style: 255 bold column styles came back.
TEST(ReaderWriterAgreement, a_plain_column_under_a_bold_sheet_style_survives) {
    model::Workbook book, read, again;
    model::Sheet& sheet = book.addSheet("Data", model::SheetKind::Worksheet, 0);
    sheet.applyStyle(model::CellRange::wholeSheet(), [](model::CellStyle& s) { s.font.bold = true; });
    sheet.applyStyle(model::CellRange::wholeColumns(5, 5), [](model::CellStyle& s) { s.font.bold = false; });
    roundTrip(book, read);
    EXPECT_THAT(differences(book, read), testing::IsEmpty());
    EXPECT_EQ(read.sheet(0).columnStyles().size(), 1u);
    roundTrip(read, again);
    EXPECT_THAT(differences(read, again), testing::IsEmpty());
}

// ---------------------------------------------------------------- refusing leaves nothing behind

// Before: the print area was decoded while the model was being filled, so the
// refusal left the sheets read before it in the workbook.
TEST(ReaderWriterAgreement, a_damaged_print_area_is_refused_before_the_workbook_changes) {
    model::Workbook book;
    model::Sheet& sheet = book.addSheet("Data", model::SheetKind::Worksheet, 0);
    put(sheet, "A1", model::Value::number(1));
    model::PageSetup setup;
    setup.printArea = model::RangeList{area("A1:B2")};
    sheet.setPageSetup(setup);
    std::vector<uint8_t> stream = streamOf(book);
    put16(stream, bodyOf(stream, rec::kLbl) + 4, 1);  // the token count: one byte of an 11-byte area
    EXPECT_THAT(readError(stream), HasSubstr("the tokens of a print area"));  // and the workbook stays empty
}

// Before: a COLINFO width of 255.29 characters came in as it stood and was saved as 255.
TEST(ReaderWriterAgreement, a_column_wider_than_255_characters_is_read_as_255) {
    model::Workbook book;
    model::Sheet& sheet = book.addSheet("Data", model::SheetKind::Worksheet, 0);
    sheet.setColumnWidth(5, 100);
    std::vector<uint8_t> stream = streamOf(book);
    for (const RecordInfo& r : records(stream))
        if (r.id == rec::kColInfo) put16(stream, r.offset + 4 + 4, 0xFFFF);  // the width
    model::Workbook read, again;
    readAndSaveAgain(stream, read, again);
    EXPECT_EQ(read.sheet(0).columnWidth(5), model::kMaxColumnWidth);
}
