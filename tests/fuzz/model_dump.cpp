// The text dump of a workbook, part by part.
#include "model_dump.h"

#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/a1_notation.h"

#include <cstdio>
#include <sstream>

namespace quorvane::fuzz {
namespace {

namespace model = spreadsheet::model;

// Exact: two numbers print alike only when they are the same double.
std::string exact(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%a", value);
    return text;
}

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

std::string describe(const model::Value& v) {
    switch (v.kind()) {
    case model::ValueKind::Empty: return "empty";
    case model::ValueKind::Number: return "number " + exact(v.asNumber());
    case model::ValueKind::Text: return "text " + quoted(v.asText());
    case model::ValueKind::Boolean: return v.asBoolean() ? "TRUE" : "FALSE";
    case model::ValueKind::Error: return "error " + std::string(model::errorText(v.asError()));
    }
    return "?";
}

std::string describe(const model::BorderLine& l) {
    return std::to_string(static_cast<int>(l.lineStyle)) + "/" + std::to_string(static_cast<int>(l.weight)) + "/" + std::to_string(l.colorIndex);
}

std::string describe(const model::CellStyle& s) {
    std::ostringstream out;
    out << "font " << quoted(s.font.name) << ' ' << exact(s.font.size) << (s.font.bold ? " bold" : "")
        << (s.font.italic ? " italic" : "") << " colour " << s.font.colorIndex << ", fill " << s.fillColorIndex
        << ", format " << quoted(s.numberFormat) << ", align " << static_cast<int>(s.horizontal) << ", borders";
    for (const model::BorderLine& l : s.borders.lines) out << ' ' << describe(l);
    return out.str();
}

std::string describe(const model::PageSetup& p) {
    std::ostringstream out;
    out << "area " << (p.printArea ? model::formatA1(*p.printArea) : "none") << ", margins " << exact(p.leftMargin)
        << ' ' << exact(p.rightMargin) << ' ' << exact(p.topMargin) << ' ' << exact(p.bottomMargin) << ' '
        << exact(p.headerMargin) << ' ' << exact(p.footerMargin) << ", comments " << p.printComments
        << ", orientation " << static_cast<int>(p.orientation) << ", paper " << p.paperSize << ", fit "
        << p.fitToPages << ' ' << p.fitToPagesWide << 'x' << p.fitToPagesTall << ", zoom " << p.zoom;
    return out.str();
}

std::string describe(const model::ChartReference& r) { return quoted(r.sheet) + "!" + model::formatA1(r.areas); }

std::string describe(const model::ChartTitle& t) { return (t.visible ? "shown " : "hidden ") + quoted(t.text); }

void dumpChart(std::ostream& out, const std::string& prefix, const model::Chart& c) {
    out << prefix << "type " << static_cast<int>(c.type) << '\n';
    for (std::size_t i = 0; i < c.series.size(); ++i) {
        const model::ChartSeries& s = c.series[i];
        out << prefix << "series " << i << " name " << (s.name ? describe(*s.name) : "none") << " values "
            << describe(s.values) << " categories " << (s.categories ? describe(*s.categories) : "none") << '\n';
    }
    out << prefix << "title " << describe(c.title) << '\n';
    out << prefix << "legend " << c.legend.visible << ' ' << describe(c.legend.border) << '\n';
    out << prefix << "chart area border " << describe(c.chartAreaBorder) << '\n';
    const model::DataLabels& d = c.dataLabels;
    out << prefix << "data labels auto " << d.autoText << " key " << d.legendKey << " leader lines "
        << d.hasLeaderLines << " series " << d.showSeriesName << " category " << d.showCategoryName << " value "
        << d.showValue << " percent " << d.showPercentage << " bubble " << d.showBubbleSize << '\n';
    out << prefix << "category axis " << describe(c.categoryAxis.title) << ' ' << quoted(c.categoryAxis.numberFormat)
        << '\n';
    out << prefix << "value axis " << describe(c.valueAxis.title) << ' ' << quoted(c.valueAxis.numberFormat) << '\n';
    out << prefix << "data table " << c.hasDataTable << '\n';
}

template <typename Map, typename Show>
void dumpMap(std::ostream& out, const std::string& prefix, const Map& map, Show show) {
    for (const auto& [key, value] : map) out << prefix << key << ' ' << show(value) << '\n';
}

void dumpCells(std::ostream& out, const std::string& prefix, const model::Sheet& sheet) {
    for (const auto& [address, cell] : sheet.cells()) {
        out << prefix << "cell " << model::formatA1(address) << ' '
            << (cell.formula ? "formula " + cell.formula->toR1C1(address) : describe(cell.constant)) << " {"
            << describe(cell.style) << "}\n";
    }
}

void dumpSheet(std::ostream& out, int index, const model::Sheet& sheet) {
    const std::string p = "sheet " + std::to_string(index) + " ";
    out << p << "name " << quoted(sheet.name()) << " kind " << static_cast<int>(sheet.kind()) << '\n';
    dumpCells(out, p, sheet);
    out << p << "sheet style {" << describe(sheet.sheetStyle()) << "}\n";
    const auto style = [](const model::CellStyle& s) { return "{" + describe(s) + "}"; };
    dumpMap(out, p + "row style ", sheet.rowStyles(), style);
    dumpMap(out, p + "column style ", sheet.columnStyles(), style);
    dumpMap(out, p + "column width ", sheet.columnWidths(), exact);
    dumpMap(out, p + "row height ", sheet.rowHeights(), exact);
    out << p << "merges " << model::formatA1(sheet.merges()) << '\n';
    out << p << "selection " << model::formatA1(sheet.selection()) << " active "
        << model::formatA1(sheet.activeCell()) << '\n';
    out << p << "page setup " << describe(sheet.pageSetup()) << '\n';
    if (const model::Chart* chart = sheet.chart()) dumpChart(out, p + "chart ", *chart);
    for (std::size_t i = 0; i < sheet.shapes().size(); ++i) {
        const model::Shape& s = sheet.shapes()[i];
        const std::string sp = p + "shape " + std::to_string(i) + " ";
        out << sp << "id " << s.id << " name " << quoted(s.name) << " bounds " << exact(s.bounds.top) << ' '
            << exact(s.bounds.left) << ' ' << exact(s.bounds.width) << ' ' << exact(s.bounds.height) << '\n';
        dumpChart(out, sp + "chart ", s.chart);
    }
}

}  // namespace

std::string dumpWorkbook(const model::Workbook& workbook) {
    std::ostringstream out;
    out << "sheets " << workbook.sheetCount() << " active " << workbook.activeSheetIndex() << '\n';
    for (int i = 0; i < workbook.sheetCount(); ++i) dumpSheet(out, i, workbook.sheet(i));
    out << "palette";
    for (int i = 1; i <= model::kPaletteSize; ++i) out << ' ' << workbook.palette().color(i).value_or(0);
    out << '\n';
    return out.str();
}

std::string firstDifference(const std::string& expected, const std::string& actual) {
    std::istringstream e(expected), a(actual);
    std::string before, le, la;
    for (int line = 1;; ++line) {
        const bool moreE = static_cast<bool>(std::getline(e, le));
        const bool moreA = static_cast<bool>(std::getline(a, la));
        if (!moreE && !moreA) return "";
        if (!moreE || !moreA || le != la) {
            return "line " + std::to_string(line) + " (after \"" + before + "\"):\n  expected \"" +
                   (moreE ? le : "<end>") + "\"\n  got      \"" + (moreA ? la : "<end>") + "\"";
        }
        before = le;
    }
}

}  // namespace quorvane::fuzz
