// The breakeven sheet written into the embedded spreadsheet and computed by
// it: the same calls as against the double, no failures, and the results the
// figures call for.
#include "automation/recording_object.h"
#include "automation/registry.h"
#include "fake_message_service.h"
#include "report/breakeven_layout.h"
#include "report/generate_report.h"
#include "report/page_setup.h"
#include "report/save_format.h"
#include "shell/context_names.h"
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/a1_notation.h"
#include "spreadsheet/numfmt/number_format.h"
#include "spreadsheet/objects/application.h"
#include "spreadsheet/objects/class_registration.h"

#include <QMap>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using automation::ObjectRef;
using automation::Variant;
using spreadsheet::model::Value;

namespace {

class Fields final : public report::InputFieldsSource {
public:
    explicit Fields(QMap<QString, QString> texts) : m_texts(std::move(texts)) {}
    QString fieldText(const QString& name) const override { return m_texts.value(name); }

private:
    QMap<QString, QString> m_texts;
};

const QMap<QString, QString> kSample = {
    {"txtName", "Smith & Sons, Inc."}, {"txtSalesPrice", "12.5"},   {"txtSalesVolume", "1000"},
    {"txtCommission", "2"},            {"txtDirectMaterial", "2.5"}, {"txtShipping", "1.1"},
    {"txtSupplies", "0.8"},            {"txtOtherVariable", "1.2"},  {"txtAdministrativeCost", "1200"},
    {"txtInsurance", "500"},           {"txtPropertyTax", "150"},   {"txtRent", "800"},
    {"txtOtherFixedCost", "750"}};

const QMap<QString, QString> kWorkedExample = {{"txtSalesPrice", "10"},  {"txtSalesVolume", "1000"},
                                               {"txtCommission", "2"},   {"txtDirectMaterial", "1"},
                                               {"txtAdministrativeCost", "3000"}, {"txtInsurance", "1000"}};

// One instance of the embedded spreadsheet with the breakeven sheet written into it.
struct Sheet {
    automation::Registry registry;
    ObjectRef app;
    testing_support::FakeMessageService messages;

    // A workbook cut down to one sheet named as the data sheet, as the driver leaves it.
    explicit Sheet(const QMap<QString, QString>& texts, std::shared_ptr<automation::CallLog> log = nullptr,
                   bool withCharts = true)
        : m_withCharts(withCharts) {
        spreadsheet::objects::registerApplicationClass(registry);
        app = registry.CreateObject("Excel.Application");
        automation::member(app, "Workbooks")->call("Add");
        const ObjectRef sheets = app->get("Sheets").toObject();
        while (sheets->get("Count").toI4() > 1) sheets->get("Item", {int16_t{2}}).toObject()->call("Delete");
        sheets->get("Item", {int16_t{1}}).toObject()->put("Name", "Breakeven Analysis Data");
        write(texts, log);
    }

    void write(const QMap<QString, QString>& texts, std::shared_ptr<automation::CallLog> log = nullptr) {
        const ObjectRef target = log ? automation::recordCalls(app, log, "Application") : app;
        if (m_withCharts) return report::GenerateReport(target, Fields(texts), messages);
        shell::ErrorTrap trap(shell::contexts::kGenerateReport, messages);
        report::writeBreakevenLayout(trap, target, Fields(texts));
    }

    bool m_withCharts;

    ObjectRef range(const char* address) const { return app->get("Range", {address}).toObject(); }
    Variant value(const char* address) const { return range(address)->get("Value"); }
    double number(const char* address) const { return value(address).toDouble(); }
    std::string text(const char* address) const { return range(address)->get("Text").toString(); }

    spreadsheet::model::Sheet& model() const {
        auto& state = *dynamic_cast<spreadsheet::objects::Application&>(*app).state();
        auto& workbook = state.activeWorkbook->workbook;
        return workbook.sheet(workbook.findSheet("Breakeven Analysis Data").value());
    }

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

std::vector<std::string> referencePutsAndCalls() {
    std::ifstream in(QUORVANE_REPORT_TEST_DATA "/breakeven_layout_calls.txt");
    std::vector<std::string> lines;
    for (std::string text; std::getline(in, text);)
        if (!text.empty() && !text.starts_with("#") && !text.starts_with("@ ")) lines.push_back(text);
    return lines;
}

}  // namespace

TEST(BreakevenSheet, the_engine_answers_every_call_of_the_report_without_a_failure) {
    auto log = std::make_shared<automation::CallLog>();
    QMap<QString, QString> placeholders;
    for (const char* name : {"txtName", "txtSalesPrice", "txtSalesVolume", "txtCommission", "txtDirectMaterial",
                             "txtShipping", "txtSupplies", "txtOtherVariable", "txtAdministrativeCost", "txtInsurance",
                             "txtPropertyTax", "txtRent", "txtOtherFixedCost"})
        placeholders.insert(name, QLatin1Char('<') + QLatin1String(name) + QLatin1Char('>'));
    Sheet sheet(placeholders, log);
    EXPECT_TRUE(sheet.messages.texts().isEmpty()) << sheet.messages.texts().join("\n").toStdString();
    std::vector<std::string> actual;
    for (const automation::CallRecord& record : log->records())
        if (record.kind != automation::CallKind::Get) actual.push_back(record.describe());
    EXPECT_EQ(actual, referencePutsAndCalls());
    log->clear();  // it keeps the recorded objects passed as arguments, which keep it
}

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

// The breakeven sheet's cells, styles, sizes, merges, selection and page setup
// as saved to a file and read back in a second instance.
struct SavedAndReopened {
    Sheet written;
    automation::Registry secondRegistry;
    ObjectRef second;

    // The charts are left out: the file writer stores cells, formats and page setup.
    SavedAndReopened(const QMap<QString, QString>& texts, const std::string& path) : written(texts, nullptr, false) {
        report::PrinterSetup0(written.app, written.messages);
        written.range("C5")->call("Select");
        automation::member(written.app, "ActiveWorkbook")->call("SaveAs", {path}, {{"FileFormat", int32_t{56}}});
        spreadsheet::objects::registerApplicationClass(secondRegistry);
        second = report::OpenWorkbookInNewInstance(secondRegistry, QString::fromStdString(path));
    }

    spreadsheet::model::Sheet& reopened() const {
        auto& state = *dynamic_cast<spreadsheet::objects::Application&>(*second).state();
        return state.activeWorkbook->workbook.sheet(0);
    }
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
        expectSameSheet(file.written.model(), file.reopened());
        EXPECT_EQ(file.second->get("Range", {"F33"}).toObject()->get("Text").toString(),
                  file.written.text("F33"));
    }
    std::filesystem::remove_all(folder);
}
