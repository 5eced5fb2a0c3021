// Writes the seed workbooks of the .xls fuzz targets, and the reproducers of
// faults found in the reader (files the writer would never make: patched
// bytes of a saved workbook), into a corpus folder. Run by hand when the
// seeds should change; the files it writes are kept in the tree.
//
//   make_xls_seeds tests/fuzz/corpus/xls_load
//   make_xls_seeds tests/fuzz/corpus/xls_round_trip
#include "spreadsheet/formula/evaluator.h"
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/biff/workbook_file.h"
#include "spreadsheet/xls/little_endian.h"
#include "spreadsheet/xls/ole/compound_file_writer.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace model = spreadsheet::model;
namespace formula = spreadsheet::formula;
namespace biff = spreadsheet::xls::biff;
using Bytes = std::vector<uint8_t>;

// Record ids and fields the patches touch, as the file format numbers them.
constexpr uint16_t kBoundSheet8 = 0x0085;
constexpr uint16_t kFont = 0x0031;
constexpr uint16_t kBrai = 0x1051;
constexpr uint16_t kCrtLink = 0x1022;
constexpr uint16_t kLine = 0x1018;
constexpr std::size_t kBoundSheetType = 5;        // after the stream offset and the visibility
constexpr std::size_t kBoundSheetNameLength = 6;  // the name's character count
constexpr uint8_t kMacroSheet = 0x01;
constexpr std::size_t kBraiFirstToken = 8;  // id, type, flags, format, token count
constexpr uint8_t kBraiValues = 0x01;

// ---------------------------------------------------------------- models

void put(model::Sheet& sheet, model::CellAddress at, model::Value value) { sheet.setConstant(at, std::move(value)); }
void putFormula(model::Sheet& sheet, model::CellAddress at, const char* a1) {
    sheet.setFormula(at, formula::Formula::parseA1(a1, at));
}

void buildCells(model::Workbook& book) {
    model::Sheet& data = book.addSheet("Data", model::SheetKind::Worksheet, 0);
    model::Sheet& notes = book.addSheet("Notes", model::SheetKind::Worksheet, 1);
    put(data, {1, 1}, model::Value::text("Price"));
    put(data, {1, 2}, model::Value::number(12.5));
    put(data, {2, 2}, model::Value::number(-40000));
    put(data, {3, 2}, model::Value::boolean(true));
    put(data, {4, 2}, model::Value::error(model::ErrorCode::Div0));
    put(data, {5, 2}, model::Value::number(1e300));
    putFormula(data, {1, 3}, "=B1*B2");
    putFormula(data, {2, 3}, "=IF(B3,\"yes\",\"no\")");
    putFormula(data, {3, 3}, "=SUM(B1:B2)+Notes!A1");
    putFormula(data, {4, 3}, "=ROUND(AVERAGE(B1,B2)/3,2)&\" units\"");
    data.applyStyle(model::CellRange({1, 1}, {1, 3}), [](model::CellStyle& s) {
        s.font.bold = true;
        s.font.size = 14;
        s.fillColorIndex = 15;
        s.borders[model::Edge::Bottom].lineStyle = model::LineStyle::Continuous;
        s.horizontal = model::HorizontalAlignment::Center;
    });
    data.applyStyle(model::CellRange({2, 2}, {5, 3}), [](model::CellStyle& s) { s.numberFormat = "#,##0.00_);[Red](#,##0.00)"; });
    data.applyStyle(model::CellRange::wholeColumns(5, 5), [](model::CellStyle& s) { s.font.italic = true; });
    data.setColumnWidth(1, 15.57);
    data.setRowHeight(1, 30);
    data.merge(model::CellRange({7, 1}, {8, 3}));
    data.select({model::CellRange({2, 2}, {3, 3})}, {3, 3});
    model::PageSetup setup;
    setup.orientation = model::Orientation::Landscape;
    setup.paperSize = model::kPaperA4;
    setup.fitToPages = true;
    setup.printArea = model::RangeList{model::CellRange({1, 1}, {8, 3})};
    data.setPageSetup(setup);
    put(notes, {1, 1}, model::Value::number(3));
    book.palette().setColor(20, 0x123456);
    book.setActiveSheet(1);
}

model::Chart pieChart(const std::string& sheet) {
    model::Chart pie;
    pie.type = model::ChartType::Pie;
    pie.series.push_back({model::ChartReference{sheet, {model::CellRange({1, 2})}},
                          model::ChartReference{sheet, {model::CellRange({2, 2}, {4, 2})}},
                          model::ChartReference{sheet, {model::CellRange({2, 1}, {4, 1})}}});
    pie.title = {true, "Unit Contribution Margin"};
    pie.dataLabels.showValue = pie.dataLabels.showPercentage = true;
    pie.dataLabels.legendKey = pie.dataLabels.hasLeaderLines = true;
    pie.chartAreaBorder.lineStyle = model::LineStyle::None;
    return pie;
}

model::Chart lineChart(const std::string& sheet) {
    model::Chart line;
    line.series.push_back({std::nullopt, model::ChartReference{sheet, {model::CellRange({2, 2}, {4, 2})}}, std::nullopt});
    line.series.push_back({model::ChartReference{sheet, {model::CellRange({1, 3})}},
                           model::ChartReference{sheet, {model::CellRange({2, 3}), model::CellRange({4, 3})}},
                           std::nullopt});
    line.categoryAxis.title = {true, "Units"};
    line.valueAxis.title = {true, "Amount"};
    line.valueAxis.numberFormat = "#,##0";
    line.hasDataTable = true;
    line.legend.border.weight = model::LineWeight::Thick;
    return line;
}

void buildCharts(model::Workbook& book) {
    model::Sheet& data = book.addSheet("Data", model::SheetKind::Worksheet, 0);
    put(data, {1, 2}, model::Value::text("Share"));
    put(data, {1, 3}, model::Value::text("Cost"));
    const char* labels[] = {"Rent", "Wages", "Power"};
    for (int row = 2; row <= 4; ++row) {
        put(data, {row, 1}, model::Value::text(labels[row - 2]));
        put(data, {row, 2}, model::Value::number(row * 10));
        putFormula(data, {row, 3}, "=B2*2");
    }
    book.embedChart(0, pieChart("Data"), {40, 20, 300, 200});
    book.embedChart(0, pieChart("Data"), {260, 20, 300, 200});
    model::Sheet& sheet = book.addSheet("Chart1", model::SheetKind::Chart, 1);
    sheet.setChart(lineChart("Data"));
}

Bytes streamOf(const model::Workbook& book) {
    formula::Evaluator evaluator(book);
    return biff::workbookStream(book, evaluator);
}

Bytes fileOf(Bytes stream) {
    spreadsheet::xls::ole::CompoundFileWriter writer;
    writer.addStream("Workbook", std::move(stream));
    return writer.bytes();
}

// ---------------------------------------------------------------- patching saved streams

uint16_t le16(const Bytes& b, std::size_t at) { return spreadsheet::xls::getU16(b, at); }

// Calls `patch(stream, body offset)` for the nth record with this id; throws when there is none.
void patchRecord(Bytes& stream, uint16_t id, int nth, const std::function<void(Bytes&, std::size_t)>& patch) {
    for (std::size_t at = 0; at + 4 <= stream.size(); at += 4 + le16(stream, at + 2)) {
        if (le16(stream, at) == id && nth-- == 0) return patch(stream, at + 4);
    }
    throw std::runtime_error("no such record to patch");
}

// Renames a sheet in its BOUNDSHEET8 record to a name of the same length or shorter.
void renameSheet(Bytes& stream, int sheet, const std::string& name) {
    patchRecord(stream, kBoundSheet8, sheet, [&](Bytes& b, std::size_t body) {
        if (name.size() > b[body + kBoundSheetNameLength]) throw std::runtime_error("the new name is longer");
        b[body + kBoundSheetNameLength] = static_cast<uint8_t>(name.size());
        for (std::size_t i = 0; i < name.size(); ++i) b[body + kBoundSheetNameLength + 2 + i] = static_cast<uint8_t>(name[i]);
    });
}

Bytes savedCells() {
    model::Workbook book;
    buildCells(book);
    return streamOf(book);
}

Bytes savedCharts() {
    model::Workbook book;
    buildCharts(book);
    return streamOf(book);
}

// "Macro" is saved as a worksheet that a formula and a chart series read, then marked a macro sheet.
Bytes readsMacroSheet() {
    model::Workbook book;
    model::Sheet& data = book.addSheet("Data", model::SheetKind::Worksheet, 0);
    model::Sheet& macro = book.addSheet("Macro", model::SheetKind::Worksheet, 1);
    for (int row = 1; row <= 3; ++row) put(macro, {row, 1}, model::Value::number(row));
    putFormula(data, {1, 1}, "=Macro!A1*2");
    model::Chart chart;
    chart.series.push_back({std::nullopt, model::ChartReference{"Macro", {model::CellRange({1, 1}, {3, 1})}}, std::nullopt});
    book.embedChart(0, chart, {20, 20, 200, 150});
    Bytes stream = streamOf(book);
    patchRecord(stream, kBoundSheet8, 1, [](Bytes& b, std::size_t body) { b[body + kBoundSheetType] = kMacroSheet; });
    return stream;
}

struct Seed {
    const char* name;
    std::function<Bytes()> make;
};

std::vector<Seed> seeds() {
    std::vector<Seed> out = {
        {"seed-cells.xls", savedCells},
        {"seed-charts.xls", savedCharts},
        {"sheet-name-empty.xls", [] { Bytes s = savedCells(); renameSheet(s, 1, ""); return s; }},
        {"sheet-names-equal-but-for-case.xls", [] { Bytes s = savedCells(); renameSheet(s, 1, "DATA"); return s; }},
        {"sheet-reads-macro-sheet.xls", readsMacroSheet},
        {"font-size-2352pt.xls", [] {
             Bytes s = savedCells();
             patchRecord(s, kFont, 4, [](Bytes& b, std::size_t body) { b[body] = 47040 & 0xFF; b[body + 1] = 47040 >> 8; });
             return s;
         }},
        {"pie-labels-damaged-series.xls", [] {
             Bytes s = savedCharts();
             // The values reference of the first pie's only series.
             for (int nth = 0;; ++nth) {
                 bool values = false;
                 patchRecord(s, kBrai, nth, [&](Bytes& b, std::size_t body) {
                     values = b[body] == kBraiValues;
                     if (values) b[body + kBraiFirstToken] = 0xFF;
                 });
                 if (values) return s;
             }
         }},
        {"line-chart-leader-lines.xls", [] {
             // The pie group's CrtLink becomes a Line record: a line chart with the pie's leader lines.
             Bytes s = savedCharts();
             patchRecord(s, kCrtLink, 0, [](Bytes& b, std::size_t body) { b[body - 4] = kLine & 0xFF; b[body - 3] = kLine >> 8; });
             return s;
         }},
    };
    const std::string forbidden = "*?/\\[]:";
    for (const char c : forbidden) {
        const std::string name = std::string("Note") + c;
        out.push_back({nullptr, [name] { Bytes s = savedCells(); renameSheet(s, 1, name); return s; }});
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    int forbidden = 0;
    for (const Seed& seed : seeds()) {
        const std::string name = seed.name ? seed.name : "sheet-name-forbidden-" + std::to_string(++forbidden) + ".xls";
        const Bytes bytes = fileOf(seed.make());
        std::ofstream(folder / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                            static_cast<std::streamsize>(bytes.size()));
        std::printf("%s (%zu bytes)\n", (folder / name).c_str(), bytes.size());
    }
    return 0;
}
