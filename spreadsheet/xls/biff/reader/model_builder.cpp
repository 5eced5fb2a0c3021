// ReadSheet contents -> model sheets.
// Styles go from the widest (sheet) to the narrowest (cell), as the model resolves them.
#include "spreadsheet/xls/biff/reader/model_builder.h"

#include "spreadsheet/xls/biff/reader/style_reader.h"
#include "spreadsheet/xls/biff/records/record_fields.h"
#include "spreadsheet/xls/biff/records/value_encodings.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>

namespace spreadsheet::xls::biff {
namespace {

using ColumnXfs = std::array<std::optional<uint16_t>, limits::kMaxColumns + 1>;  // by 1-based column

void setStyle(model::Sheet& sheet, const model::CellRange& range, const model::CellStyle& style) {
    sheet.applyStyle(range, [&](model::CellStyle& s) { s = style; });
}

// The XF most columns share becomes the sheet style when every column has one
// (that is how a style of the whole sheet is stored); the others are column
// styles. A column style that looks like the sheet's is not kept: the writer
// could not tell it apart from none.
void applyColumnStyles(model::Sheet& sheet, const ColumnXfs& xfs, StyleResolver& styles) {
    std::map<uint16_t, int> counts;
    bool everyColumn = true;
    for (int c = 1; c <= limits::kMaxColumns; ++c) {
        if (!xfs[c]) everyColumn = false;
        else ++counts[*xfs[c]];
    }
    uint16_t sheetXf = xf::kDefaultCellXf;
    if (everyColumn)
        sheetXf = std::max_element(counts.begin(), counts.end(),
                                   [](const auto& a, const auto& b) { return a.second < b.second; })->first;
    const model::CellStyle sheetStyle = sheetXf == xf::kDefaultCellXf ? model::CellStyle{} : styles.style(sheetXf);
    if (!(sheetStyle == model::CellStyle{})) setStyle(sheet, model::CellRange::wholeSheet(), sheetStyle);
    for (int c = 1; c <= limits::kMaxColumns; ++c) {
        if (!xfs[c] || *xfs[c] == sheetXf) continue;
        const model::CellStyle& style = styles.style(*xfs[c]);
        if (!(style == sheetStyle)) setStyle(sheet, model::CellRange::wholeColumns(c, c), style);
    }
}

// The width columns without a COLINFO record show.
double fileDefaultWidth(const SheetContents& contents) {
    if (contents.standardWidth) return columnWidthFromStored(*contents.standardWidth);
    if (contents.defaultColumnCharacters) return defaultColumnWidthFromCharacters(*contents.defaultColumnCharacters);
    return model::kDefaultColumnWidth;
}

void applyColumns(model::Sheet& sheet, const SheetContents& contents, StyleResolver& styles) {
    ColumnXfs xfs{};
    std::array<bool, limits::kMaxColumns + 1> described{};
    for (const ReadColumns& c : contents.columns) {
        const double width = (c.flags & colinfo::kHidden) ? 0 : columnWidthFromStored(c.width);
        const bool ownWidth = (c.flags & colinfo::kUserSet) || width != model::kDefaultColumnWidth;
        for (int column = c.first; column <= std::min(c.last, limits::kMaxColumns); ++column) {
            described[column] = true;
            if (ownWidth) sheet.setColumnWidth(column, width);
            xfs[column] = c.xf;
        }
    }
    const double defaultWidth = fileDefaultWidth(contents);
    if (defaultWidth != model::kDefaultColumnWidth)
        for (int column = 1; column <= limits::kMaxColumns; ++column)
            if (!described[column]) sheet.setColumnWidth(column, defaultWidth);
    applyColumnStyles(sheet, xfs, styles);
}

void applyRows(model::Sheet& sheet, const SheetContents& contents, StyleResolver& styles) {
    const uint16_t defaultTwips = contents.defaultRowHeight.value_or(rowrec::kDefaultHeightTwips);
    for (const ReadRow& r : contents.rows) {
        const uint16_t twips = r.height & rowrec::kHeightMask;
        if (r.flags & rowrec::kHidden) sheet.setRowHeight(r.row, 0);
        else if ((r.flags & rowrec::kUnsynced) || twips != defaultTwips) sheet.setRowHeight(r.row, pointsFromTwips(twips));
        if (r.flags & rowrec::kHasStyle) setStyle(sheet, model::CellRange::wholeRows(r.row, r.row), styles.style(r.xf));
    }
}

void applyCells(model::Sheet& sheet, const SheetContents& contents, StyleResolver& styles) {
    for (const ReadCell& cell : contents.cells) {
        setStyle(sheet, model::CellRange(cell.address), styles.style(cell.xf));
        if (cell.formula) sheet.setFormula(cell.address, cell.formula);
        else if (!cell.value.isEmpty()) sheet.setConstant(cell.address, cell.value);
    }
}

std::optional<model::RangeList> printArea(const WorkbookGlobals& globals, int boundIndex) {
    for (const DefinedName& name : globals.names)
        if (name.isPrintArea() && name.sheet == boundIndex) return printAreaFromTokens(name.tokens);
    return std::nullopt;
}

void buildWorksheet(const WorkbookGlobals& globals, const ReadSheet& read,
                    const std::optional<model::RangeList>& printArea, model::Sheet& sheet) {
    const SheetContents& contents = *read.contents;
    StyleResolver styles(globals);
    applyColumns(sheet, contents, styles);
    applyRows(sheet, contents, styles);
    // Merged first, so that a value a file keeps under a merged area is kept too.
    for (const model::CellRange& range : contents.merges) sheet.merge(range);
    applyCells(sheet, contents, styles);
    if (contents.selection) sheet.select(*contents.selection, contents.activeCell);
    model::PageSetup setup = contents.pageSetup;
    setup.printArea = printArea;
    sheet.setPageSetup(setup);
}

}  // namespace

void buildWorkbook(const WorkbookGlobals& globals, const std::vector<ReadSheet>& sheets, model::Workbook& into) {
    // Print areas are decoded, and a damaged one refused, before the model changes.
    std::vector<std::optional<model::RangeList>> printAreas;
    for (const ReadSheet& read : sheets) printAreas.push_back(printArea(globals, read.boundIndex));
    if (globals.palette) into.palette() = *globals.palette;
    int active = 0;
    for (const ReadSheet& read : sheets) {
        const bool chart = !read.contents.has_value();
        if (read.boundIndex == globals.activeSheet) active = into.sheetCount();
        const int index = into.sheetCount();
        model::Sheet& sheet = into.addSheet(read.entry->name, chart ? model::SheetKind::Chart : model::SheetKind::Worksheet,
                                            index);
        if (chart) {
            if (read.chart) sheet.setChart(*read.chart);
            sheet.setPageSetup(read.chartPageSetup);
            continue;
        }
        buildWorksheet(globals, read, printAreas[static_cast<std::size_t>(index)], sheet);
        for (const ReadShape& shape : read.contents->shapes)
            into.embedChart(index, shape.chart, readBounds(sheet, shape.anchor));
    }
    into.setActiveSheet(active);
}

}  // namespace spreadsheet::xls::biff
