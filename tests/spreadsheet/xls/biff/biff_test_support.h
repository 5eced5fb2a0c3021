// Helpers shared by the workbook file tests: building models, saving and
// reading them back in memory, listing every difference between two models
// in words, walking a stream's records, and a scratch folder per test.
#pragma once

#include "scratch_folder.h"
#include "spreadsheet/formula/evaluator.h"
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/a1_notation.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/biff/workbook_file.h"
#include "spreadsheet/xls/little_endian.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace biff_test {

namespace model = spreadsheet::model;
namespace formula = spreadsheet::formula;
namespace biff = spreadsheet::xls::biff;

inline model::CellAddress at(std::string_view a1) { return model::parseA1Area(a1).value().first; }
inline model::CellRange area(std::string_view a1) { return model::parseA1Area(a1).value(); }

inline void put(model::Sheet& sheet, std::string_view cell, model::Value value) {
    sheet.setConstant(at(cell), std::move(value));
}
inline void putFormula(model::Sheet& sheet, std::string_view cell, std::string_view a1Formula) {
    sheet.setFormula(at(cell), formula::Formula::parseA1(a1Formula, at(cell)));
}
inline void styleCells(model::Sheet& sheet, std::string_view range, const std::function<void(model::CellStyle&)>& f) {
    sheet.applyStyle(area(range), f);
}

inline std::vector<uint8_t> streamOf(const model::Workbook& book) {
    formula::Evaluator evaluator(book);
    return biff::workbookStream(book, evaluator);
}

// Writes the workbook stream and reads it back into `into`.
inline void roundTrip(const model::Workbook& book, model::Workbook& into) {
    biff::loadWorkbookStream(streamOf(book), into);
}

// ---------------------------------------------------------------- describing models

inline std::string describe(const model::Value& v) { return v.debugString(); }

inline std::string describe(const model::CellStyle& s) {
    std::ostringstream out;
    out << s.font.name << ' ' << s.font.size << (s.font.bold ? " bold" : "") << (s.font.italic ? " italic" : "")
        << " colour " << s.font.colorIndex << ", fill " << s.fillColorIndex << ", format \"" << s.numberFormat
        << "\", align " << static_cast<int>(s.horizontal) << ", borders";
    for (const model::BorderLine& l : s.borders.lines) out << ' ' << static_cast<int>(l.lineStyle) << '/' << static_cast<int>(l.weight) << '/' << l.colorIndex;
    return out.str();
}

inline std::string describe(const model::Cell& c, model::CellAddress host) {
    return (c.formula ? c.formula->toA1(host) : describe(c.constant)) + " {" + describe(c.style) + "}";
}

inline std::string describe(const model::PageSetup& p) {
    std::ostringstream out;
    out << "area " << (p.printArea ? model::formatA1(*p.printArea) : "none") << ", margins " << p.leftMargin << ' '
        << p.rightMargin << ' ' << p.topMargin << ' ' << p.bottomMargin << ' ' << p.headerMargin << ' '
        << p.footerMargin << ", comments " << p.printComments << ", orientation " << static_cast<int>(p.orientation)
        << ", paper " << p.paperSize << ", fit " << p.fitToPages << ' ' << p.fitToPagesWide << 'x' << p.fitToPagesTall
        << ", zoom " << p.zoom;
    return out.str();
}

// ---------------------------------------------------------------- comparing models

class Differences {
public:
    template <typename T, typename Show>
    void check(const std::string& what, const T& expected, const T& actual, Show show) {
        if (!(expected == actual)) m_lines.push_back(what + ": expected " + show(expected) + ", got " + show(actual));
    }
    void note(std::string line) { m_lines.push_back(std::move(line)); }
    const std::vector<std::string>& lines() const { return m_lines; }

private:
    std::vector<std::string> m_lines;
};

template <typename Map, typename Show>
void compareMaps(Differences& d, const std::string& what, const Map& expected, const Map& actual, Show show) {
    for (const auto& [key, value] : expected) {
        const auto it = actual.find(key);
        if (it == actual.end()) d.note(what + " " + std::to_string(key) + ": missing, expected " + show(value));
        else if (!(it->second == value)) d.note(what + " " + std::to_string(key) + ": expected " + show(value) + ", got " + show(it->second));
    }
    for (const auto& [key, value] : actual)
        if (!expected.count(key)) d.note(what + " " + std::to_string(key) + ": unexpected " + show(value));
}

inline void compareCells(Differences& d, const std::string& sheet, const model::Sheet& e, const model::Sheet& a) {
    for (const auto& [address, cell] : e.cells()) {
        const std::string where = sheet + "!" + model::formatA1(address);
        const model::Cell* other = a.findCell(address);
        if (!other) d.note(where + ": missing, expected " + describe(cell, address));
        else if (describe(cell, address) != describe(*other, address))
            d.note(where + ": expected " + describe(cell, address) + ", got " + describe(*other, address));
    }
    for (const auto& [address, cell] : a.cells())
        if (!e.findCell(address)) d.note(sheet + "!" + model::formatA1(address) + ": unexpected " + describe(cell, address));
}

inline void compareSheets(Differences& d, const model::Sheet& e, const model::Sheet& a) {
    const std::string s = e.name();
    const auto num = [](double v) { std::ostringstream o; o << v; return o.str(); };
    const auto style = [](const model::CellStyle& st) { return describe(st); };
    d.check(s + " kind", static_cast<int>(e.kind()), static_cast<int>(a.kind()), [](int k) { return std::to_string(k); });
    compareCells(d, s, e, a);
    d.check(s + " sheet style", e.sheetStyle(), a.sheetStyle(), style);
    compareMaps(d, s + " row style", e.rowStyles(), a.rowStyles(), style);
    compareMaps(d, s + " column style", e.columnStyles(), a.columnStyles(), style);
    compareMaps(d, s + " column width", e.columnWidths(), a.columnWidths(), num);
    compareMaps(d, s + " row height", e.rowHeights(), a.rowHeights(), num);
    d.check(s + " merges", model::formatA1(e.merges()), model::formatA1(a.merges()), [](const std::string& t) { return t; });
    d.check(s + " selection", model::formatA1(e.selection()), model::formatA1(a.selection()), [](const std::string& t) { return t; });
    d.check(s + " active cell", e.activeCell(), a.activeCell(), [](model::CellAddress c) { return model::formatA1(c); });
    d.check(s + " page setup", e.pageSetup(), a.pageSetup(), [](const model::PageSetup& p) { return describe(p); });
}

// Every difference between two workbooks, one line each; empty when they agree.
inline std::vector<std::string> differences(const model::Workbook& e, const model::Workbook& a) {
    Differences d;
    d.check("sheet count", e.sheetCount(), a.sheetCount(), [](int n) { return std::to_string(n); });
    for (int i = 0; i < std::min(e.sheetCount(), a.sheetCount()); ++i) {
        d.check("sheet " + std::to_string(i) + " name", e.sheet(i).name(), a.sheet(i).name(), [](const std::string& t) { return t; });
        compareSheets(d, e.sheet(i), a.sheet(i));
    }
    d.check("active sheet", e.activeSheetIndex(), a.activeSheetIndex(), [](int n) { return std::to_string(n); });
    d.check("palette", e.palette(), a.palette(), [](const model::Palette& p) { return p.isDefault() ? std::string("default") : std::string("changed"); });
    return d.lines();
}

// ---------------------------------------------------------------- streams

struct RecordInfo {
    uint16_t id;
    std::size_t offset;
    std::vector<uint8_t> body;
};

// Every record of a stream in order (CONTINUE records included, as they are).
inline std::vector<RecordInfo> records(const std::vector<uint8_t>& stream) {
    std::vector<RecordInfo> out;
    for (std::size_t at = 0; at + 4 <= stream.size();) {
        const uint16_t id = spreadsheet::xls::getU16(stream, at);
        const std::size_t size = spreadsheet::xls::getU16(stream, at + 2);
        out.push_back({id, at, std::vector<uint8_t>(stream.begin() + at + 4, stream.begin() + at + 4 + size)});
        at += 4 + size;
    }
    return out;
}

inline uint16_t le16(std::span<const uint8_t> b, std::size_t at) { return spreadsheet::xls::getU16(b, at); }
inline uint32_t le32(std::span<const uint8_t> b, std::size_t at) { return spreadsheet::xls::getU32(b, at); }

using ScratchFolder = testing_support::ScratchFolder;

}  // namespace biff_test
