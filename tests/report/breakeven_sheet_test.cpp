// The breakeven sheet written into the embedded spreadsheet and computed by
// it: the results the figures call for, whatever kind of text they are; and
// the whole workbook (sheet, pies, line chart sheet) saved to a file and read
// back the same.
#include "breakeven_fixture.h"

#include "report/generate_report.h"
#include "report/save_format.h"
#include "spreadsheet/formula/evaluator.h"
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/a1_notation.h"
#include "spreadsheet/numfmt/number_format.h"

#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>

using automation::ObjectRef;
using automation::Variant;
using breakeven_test::Fields;
using breakeven_test::kChartSheet;
using breakeven_test::kDataSheet;
using breakeven_test::kSample;
using breakeven_test::kWorkedExample;
using spreadsheet::model::Value;

namespace {

// One instance of the embedded spreadsheet with the breakeven workbook written
// into it by GenerateReport: the sheet, its charts and its page setup.
struct Sheet : breakeven_test::Instance {
    explicit Sheet(const QMap<QString, QString>& texts) { write(texts); }

    void write(const QMap<QString, QString>& texts) { report::GenerateReport(app, Fields(texts), messages); }

    ObjectRef range(const char* address) const { return app->get("Range", {address}).toObject(); }
    Variant value(const char* address) const { return range(address)->get("Value"); }
    double number(const char* address) const { return value(address).toDouble(); }
    std::string text(const char* address) const { return range(address)->get("Text").toString(); }

    spreadsheet::model::Sheet& model() const { return sheet(kDataSheet); }

    // Every stored cell with its content and look, plus sizes: what "the same sheet" means.
    std::string dump() const {
        std::string out;
        for (const auto& [address, cell] : model().cells()) {
            out += spreadsheet::model::formatA1(address) + "=" +
                   (cell.hasFormula() ? cell.formula->toR1C1(address) : cell.constant.debugString()) + " " +
                   cell.style.font.name + std::to_string(cell.style.font.size) + cell.style.numberFormat +
                   std::to_string(cell.style.fillColorIndex) + "\n";
        }
        for (const auto& [column, width] : model().columnWidths()) out += "col" + std::to_string(column) + "=" + std::to_string(width) + "\n";
        for (const auto& [row, height] : model().rowHeights()) out += "row" + std::to_string(row) + "=" + std::to_string(height) + "\n";
        return out;
    }
};

}  // namespace

TEST(BreakevenSheet, the_worked_example_gives_its_results) {
    Sheet sheet(kWorkedExample);
    const struct {
        const char* cell;
        double value;
    } expected[] = {{"G7", 10000}, {"F15", 3},   {"G16", 3000}, {"F18", 7},    {"G19", 7000}, {"G27", 4000},
                    {"G29", 3000}, {"D41", -4000}, {"I41", -500}, {"J41", 200}, {"N41", 3000}};
    for (const auto& row : expected) EXPECT_NEAR(sheet.number(row.cell), row.value, 1e-9) << row.cell;
    EXPECT_NEAR(sheet.number("F33"), 4000.0 / 7, 1e-9);
    EXPECT_EQ(sheet.text("F33"), "571");
    EXPECT_EQ(sheet.text("D41"), "(4,000.00)");
    EXPECT_EQ(sheet.text("N41"), "3,000.00 ");
    EXPECT_EQ(sheet.text("G7"), "10,000.00");
    // The loss shows in red: the negative section of the row's format carries colour index 3.
    const auto display = spreadsheet::numfmt::NumberFormat::parse(sheet.range("D41")->get("NumberFormat").toString())
                             .format(Value::number(sheet.number("D41")));
    EXPECT_EQ(display.colorIndex, 3);
}

TEST(BreakevenSheet, the_sample_data_gives_its_results) {
    Sheet sheet(kSample);
    EXPECT_EQ(sheet.value("B2"), Variant("Smith & Sons, Inc."));
    EXPECT_NEAR(sheet.number("F15"), 7.6, 1e-9);
    EXPECT_NEAR(sheet.number("G7"), 12500, 1e-9);
    EXPECT_NEAR(sheet.number("G16"), 7600, 1e-9);
    EXPECT_NEAR(sheet.number("F18"), 4.9, 1e-9);
    EXPECT_NEAR(sheet.number("G29"), 1500, 1e-9);
    EXPECT_EQ(sheet.text("F33"), "694");  // 3400 / 4.9 = 693.9 whole units
    EXPECT_NEAR(sheet.number("D41"), -3400, 1e-9);
    EXPECT_NEAR(sheet.number("N41"), 1500, 1e-9);
    EXPECT_TRUE(sheet.messages.texts().isEmpty());
}

TEST(BreakevenSheet, all_empty_inputs_give_zero_totals_and_no_breakeven_point) {
    Sheet sheet({});
    for (const char* cell : {"G7", "F15", "G16", "F18", "G19", "G27", "G29"}) EXPECT_EQ(sheet.value(cell), Variant(0.0)) << cell;
    EXPECT_EQ(sheet.value("F33"), Variant(std::string()));
    for (const char* row : {"35", "36", "37", "38", "39", "40", "41"})
        for (char column = 'D'; column <= 'N'; ++column) {
            const std::string cell = std::string(1, column) + row;
            EXPECT_EQ(sheet.value(cell.c_str()), Variant(0.0)) << cell;
        }
    EXPECT_TRUE(sheet.value("B2").isEmpty());
}

TEST(BreakevenSheet, text_and_formula_inputs_reach_the_sheet_as_typed) {
    QMap<QString, QString> texts = kWorkedExample;
    texts.insert("txtSalesPrice", "ten dollars");
    texts.insert("txtRent", "=400*2");
    Sheet sheet(texts);
    EXPECT_EQ(sheet.value("F5"), Variant("ten dollars"));
    EXPECT_EQ(sheet.value("G7").typeName(), "VT_ERROR");  // text in arithmetic
    EXPECT_EQ(sheet.text("G7"), "#VALUE!");
    EXPECT_EQ(sheet.range("F25")->get("Formula").toString(), "=400*2");
    EXPECT_NEAR(sheet.number("G27"), 4800, 1e-9);
    EXPECT_TRUE(sheet.messages.texts().isEmpty());  // no report: the spreadsheet computes what it is given
}

TEST(BreakevenSheet, writing_the_layout_twice_gives_the_same_sheet) {
    Sheet sheet(kSample);
    const std::string first = sheet.dump();
    sheet.write(kSample);
    EXPECT_EQ(sheet.dump(), first);
    EXPECT_GT(first.size(), 1000u);
}

namespace {

// The whole breakeven workbook (the sheet's cells, styles, sizes, merges,
// selection and page setup, its two pies, the line chart sheet) as saved to a
// file and read back in a second instance.
struct SavedAndReopened {
    Sheet written;
    automation::Registry secondRegistry;
    ObjectRef second;

    // Saved as the driver saves it: C5 current on the data sheet, the first
    // sheet selected, the format the instance's version calls for.
    SavedAndReopened(const QMap<QString, QString>& texts, const std::string& path) : written(texts) {
        written.range("C5")->call("Select");
        written.app->get("Sheets").toObject()->get("Item", {int16_t{1}}).toObject()->call("Select");
        const int32_t format = report::GetSaveFileFormat(written.registry, written.app);
        automation::member(written.app, "ActiveWorkbook")->call("SaveAs", {path}, {{"FileFormat", format}});
        spreadsheet::objects::registerApplicationClass(secondRegistry);
        second = report::OpenWorkbookInNewInstance(secondRegistry, QString::fromStdString(path));
    }

    spreadsheet::model::Workbook& reopenedBook() const {
        return dynamic_cast<spreadsheet::objects::Application&>(*second).state()->activeWorkbook->workbook;
    }
    spreadsheet::model::Sheet& reopened() const { return reopenedBook().sheet(0); }
};

void expectSameSheet(const spreadsheet::model::Sheet& a, const spreadsheet::model::Sheet& b) {
    ASSERT_EQ(a.cells().size(), b.cells().size());
    for (const auto& [address, cell] : a.cells()) {
        const std::string where = spreadsheet::model::formatA1(address);
        const spreadsheet::model::Cell* other = b.findCell(address);
        ASSERT_NE(other, nullptr) << where;
        EXPECT_EQ(cell.hasFormula(), other->hasFormula()) << where;
        if (cell.hasFormula()) EXPECT_EQ(cell.formula->toR1C1(address), other->formula->toR1C1(address)) << where;
        else EXPECT_EQ(cell.constant, other->constant) << where;
        EXPECT_EQ(cell.style, other->style) << where;
    }
    for (const auto& [column, width] : a.columnWidths()) EXPECT_NEAR(b.columnWidth(column), width, 1.0 / 256) << column;
    for (const auto& [row, height] : a.rowHeights()) EXPECT_DOUBLE_EQ(b.rowHeight(row), height) << row;
    EXPECT_EQ(a.merges(), b.merges());
    EXPECT_EQ(a.selection(), b.selection());
    EXPECT_EQ(a.activeCell(), b.activeCell());
    EXPECT_EQ(a.pageSetup(), b.pageSetup());
    EXPECT_EQ(a.name(), b.name());
}

std::string describe(const spreadsheet::model::ChartReference& r) {
    return r.sheet + "!" + spreadsheet::model::formatA1(r.areas);
}
std::string describe(const std::optional<spreadsheet::model::ChartReference>& r) { return r ? describe(*r) : "none"; }
std::string describe(const spreadsheet::model::ChartTitle& t) { return (t.visible ? "shown " : "hidden ") + t.text; }
std::string describe(const spreadsheet::model::BorderLine& l) {
    return std::to_string(static_cast<int>(l.lineStyle)) + "/" + std::to_string(static_cast<int>(l.weight)) + "/" + std::to_string(l.colorIndex);
}
std::string describe(const spreadsheet::model::DataLabels& l) {
    std::string out;
    for (const bool flag : {l.autoText, l.legendKey, l.hasLeaderLines, l.showSeriesName, l.showCategoryName,
                            l.showValue, l.showPercentage, l.showBubbleSize})
        out += flag ? '1' : '0';
    return out;
}

// What the cells behind a reference show, in the workbook that holds it.
std::vector<std::string> valuesAt(const spreadsheet::model::Workbook& book,
                                  const std::optional<spreadsheet::model::ChartReference>& reference) {
    std::vector<std::string> out;
    if (!reference) return out;
    spreadsheet::formula::Evaluator evaluator(book);
    const int sheet = book.findSheet(reference->sheet).value();
    for (const spreadsheet::model::CellRange& area : reference->areas)
        for (int row = area.first.row; row <= area.last.row; ++row)
            for (int column = area.first.column; column <= area.last.column; ++column)
                out.push_back(evaluator.cellValue(sheet, {row, column}).debugString());
    return out;
}

// The chart `back` read from the file against the chart `saved` in the first instance: everything but
// the id, and the cells its series read.
void expectSameChart(const spreadsheet::model::Workbook& savedBook, const spreadsheet::model::Chart& saved,
                     const spreadsheet::model::Workbook& backBook, const spreadsheet::model::Chart& back) {
    EXPECT_EQ(static_cast<int>(back.type), static_cast<int>(saved.type));
    ASSERT_EQ(back.series.size(), saved.series.size());
    for (size_t i = 0; i < saved.series.size(); ++i) {
        SCOPED_TRACE("series " + std::to_string(i));
        const spreadsheet::model::ChartSeries& s = saved.series[i];
        const spreadsheet::model::ChartSeries& b = back.series[i];
        EXPECT_EQ(describe(b.name), describe(s.name));
        EXPECT_EQ(describe(b.values), describe(s.values));
        EXPECT_EQ(describe(b.categories), describe(s.categories));
        EXPECT_EQ(valuesAt(backBook, b.name), valuesAt(savedBook, s.name));
        EXPECT_EQ(valuesAt(backBook, b.values), valuesAt(savedBook, s.values));
        EXPECT_EQ(valuesAt(backBook, b.categories), valuesAt(savedBook, s.categories));
    }
    EXPECT_EQ(describe(back.title), describe(saved.title));
    EXPECT_EQ(back.legend.visible, saved.legend.visible);
    EXPECT_EQ(describe(back.legend.border), describe(saved.legend.border));
    EXPECT_EQ(describe(back.chartAreaBorder), describe(saved.chartAreaBorder));
    EXPECT_EQ(describe(back.dataLabels), describe(saved.dataLabels));
    EXPECT_EQ(describe(back.categoryAxis.title), describe(saved.categoryAxis.title));
    EXPECT_EQ(describe(back.valueAxis.title), describe(saved.valueAxis.title));
    EXPECT_EQ(back.categoryAxis.numberFormat, saved.categoryAxis.numberFormat);
    EXPECT_EQ(back.valueAxis.numberFormat, saved.valueAxis.numberFormat);
    EXPECT_EQ(back.hasDataTable, saved.hasDataTable);
    EXPECT_NE(back.id, 0) << "a chart read back has its id";
}

// Sheets in the same order and kinds, the same sheet active, each chart sheet's
// chart and page setup, and the embedded charts in z-order, placed within what
// the cell anchor keeps (1/1024 of a column, 1/256 of a row).
void expectSameCharts(const spreadsheet::model::Workbook& saved, const spreadsheet::model::Workbook& back) {
    ASSERT_EQ(back.sheetCount(), saved.sheetCount());
    EXPECT_EQ(back.activeSheetIndex(), saved.activeSheetIndex());
    for (int i = 0; i < saved.sheetCount(); ++i) {
        const spreadsheet::model::Sheet& s = saved.sheet(i);
        const spreadsheet::model::Sheet& b = back.sheet(i);
        SCOPED_TRACE(s.name());
        EXPECT_EQ(b.name(), s.name());
        EXPECT_EQ(b.kind(), s.kind());
        ASSERT_EQ(b.chart() != nullptr, s.chart() != nullptr);
        if (s.chart()) {
            expectSameChart(saved, *s.chart(), back, *b.chart());
            EXPECT_EQ(b.pageSetup(), s.pageSetup());
        }
        ASSERT_EQ(b.shapes().size(), s.shapes().size());
        for (size_t n = 0; n < s.shapes().size(); ++n) {
            const spreadsheet::model::Shape& shape = s.shapes()[n];
            const spreadsheet::model::Shape& other = b.shapes()[n];
            SCOPED_TRACE(shape.name);
            EXPECT_EQ(other.name, shape.name);
            EXPECT_NEAR(other.bounds.top, shape.bounds.top, 0.05);
            EXPECT_NEAR(other.bounds.left, shape.bounds.left, 0.05);
            EXPECT_NEAR(other.bounds.width, shape.bounds.width, 0.1);
            EXPECT_NEAR(other.bounds.height, shape.bounds.height, 0.1);
            expectSameChart(saved, shape.chart, back, other.chart);
        }
    }
}

QString longUnicodeName() {
    const QString piece = QStringLiteral("Ünïcödé ✓ 株式会社 Ωμέγα 😀 ");
    QString name;
    while (name.size() < 300) name += piece;
    return name.left(300);
}

}  // namespace

TEST(BreakevenSheet, saving_then_opening_gives_the_same_sheet_for_every_kind_of_input) {
    QMap<QString, QString> textAndFormula = kWorkedExample;
    textAndFormula.insert("txtSalesPrice", "ten dollars");
    textAndFormula.insert("txtRent", "=400*2");
    QMap<QString, QString> longName = kSample;
    longName.insert("txtName", longUnicodeName());
    const std::vector<std::pair<const char*, QMap<QString, QString>>> inputs = {
        {"sample", kSample}, {"worked", kWorkedExample}, {"empty", {}}, {"text", textAndFormula}, {"unicode", longName}};
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "quorvane-round-trip";
    std::filesystem::create_directories(folder);
    for (const auto& [name, texts] : inputs) {
        SCOPED_TRACE(name);
        SavedAndReopened file(texts, (folder / (std::string(name) + ".xls")).string());
        EXPECT_TRUE(file.written.messages.texts().isEmpty()) << file.written.messages.texts().join("\n").toStdString();
        expectSameSheet(file.written.model(), file.reopened());
        ASSERT_EQ(file.written.sheetNames(), (std::vector<std::string>{kDataSheet, kChartSheet}));
        ASSERT_EQ(file.written.sheet(kDataSheet).shapes().size(), 2u);
        ASSERT_NE(file.written.sheet(kChartSheet).chart(), nullptr);
        expectSameCharts(file.written.book(), file.reopenedBook());
        EXPECT_EQ(file.second->get("Range", {"F33"}).toObject()->get("Text").toString(),
                  file.written.text("F33"));
    }
    std::filesystem::remove_all(folder);
}
