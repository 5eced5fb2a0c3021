// Range's member table, and how addresses and ranges passed as arguments become areas.
#include "spreadsheet/objects/range_object.h"
#include "spreadsheet/objects/property_errors.h"

#include "automation/automation_error.h"
#include "spreadsheet/model/a1_notation.h"
#include "spreadsheet/numfmt/number_format.h"
#include "spreadsheet/objects/cell_format_objects.h"
#include "spreadsheet/objects/chart_focus.h"
#include "spreadsheet/objects/range_entries.h"
#include "spreadsheet/objects/own_object.h"
#include "spreadsheet/objects/picture_support.h"
#include "spreadsheet/objects/worksheet_object.h"

namespace spreadsheet::objects {

using automation::Args;
using automation::AutomationError;
using automation::NamedArgs;
using automation::ObjectRef;
using automation::Variant;
using model::CellAddress;
using model::CellRange;

namespace {

using Table = automation::MemberTable<RangeObject>;

// The 1-based index argument of Item, Rows(n), Columns(n) or Cells(n).
int indexArgument(const Variant& v, const std::string& member) {
    const int n = v.toI4();
    if (n < 1) throw AutomationError("Unable to get the " + member + " property: " + std::to_string(n) + " is below 1");
    return n;
}

CellRange offsetCell(const CellRange& base, int row, int column) {
    const CellAddress a{base.first.row + row - 1, base.first.column + column - 1};
    if (!model::isOnGrid(a)) throw AutomationError("Unable to get the Item property: the cell is off the sheet");
    return CellRange(a);
}

// The nth row, column or cell of the first area, as Item reads it.
CellRange itemOf(const RangeObject& range, const Args& args) {
    const CellRange& area = range.areas().front();
    if (args.size() == 2) return offsetCell(area, indexArgument(args[0], "Item"), indexArgument(args[1], "Item"));
    const int n = indexArgument(args[0], "Item");
    switch (range.mode()) {
    case RangeMode::Rows: {
        const int row = offsetCell(area, n, 1).first.row;
        return CellRange({row, area.first.column}, {row, area.last.column});
    }
    case RangeMode::Columns: {
        const int column = offsetCell(area, 1, n).first.column;
        return CellRange({area.first.row, column}, {area.last.row, column});
    }
    case RangeMode::Cells: break;
    }
    const int width = area.columnCount();
    return offsetCell(area, (n - 1) / width + 1, (n - 1) % width + 1);
}

int32_t countOf(const RangeObject& range) {
    long long count = 0;
    for (const CellRange& area : range.areas()) {
        switch (range.mode()) {
        case RangeMode::Rows: count += area.rowCount(); break;
        case RangeMode::Columns: count += area.columnCount(); break;
        case RangeMode::Cells: count += area.cellCount(); break;
        }
    }
    return static_cast<int32_t>(count);
}

// Select makes the range the sheet's selection, its top-left cell active; no
// chart stays active.
void select(RangeObject& range) {
    if (!range.sheetHandle().isActive())
        throw AutomationError("Select method of Range class failed: the range is not on the active sheet");
    range.sheetHandle().get().select(range.areas(), range.topLeft());
    clearChartFocus(*range.sheetHandle().app);
}

void setRowHeight(RangeObject& range, const Variant& value) {
    const double height = value.toDouble();
    if (height < 0) unableToSet("RowHeight", automation::formatNumber(height) + " is below 0");
    if (height > model::kMaxRowHeight) unableToSet("RowHeight", automation::formatNumber(height) + " is above 409.5");
    model::Sheet& sheet = range.sheetHandle().get();
    for (const CellRange& area : range.areas())
        for (int r = area.first.row; r <= area.last.row; ++r) sheet.setRowHeight(r, height);
}

void setColumnWidth(RangeObject& range, const Variant& value) {
    const double width = value.toDouble();
    if (width < 0) unableToSet("ColumnWidth", automation::formatNumber(width) + " is below 0");
    if (width > model::kMaxColumnWidth) unableToSet("ColumnWidth", automation::formatNumber(width) + " is above 255");
    model::Sheet& sheet = range.sheetHandle().get();
    for (const CellRange& area : range.areas())
        for (int c = area.first.column; c <= area.last.column; ++c) sheet.setColumnWidth(c, width);
}

void setNumberFormat(RangeObject& range, const Variant& value) {
    const std::string code = value.toString();
    try {
        numfmt::NumberFormat::parse(code);
    } catch (const numfmt::NumberFormatError& e) {
        unableToSet("NumberFormat", e.what());
    }
    for (const CellRange& area : range.areas())
        range.sheetHandle().get().applyStyle(area, [&](model::CellStyle& s) { s.numberFormat = code; });
}

void clear(RangeObject& range) {
    for (const CellRange& area : range.areas()) range.sheetHandle().get().clear(area);
}

void clearContents(RangeObject& range) {
    model::Sheet& sheet = range.sheetHandle().get();
    for (const CellRange& area : range.areas()) {
        std::vector<CellAddress> filled;
        sheet.forEachCell(area, [&](CellAddress a, const model::Cell& cell) {
            if (cell.hasContent()) filled.push_back(a);
        });
        for (CellAddress a : filled) sheet.setConstant(a, model::Value());
    }
}

Variant entryProperty(RangeObject& r, Notation notation) { return readFormula(r.sheetHandle(), r.topLeft(), notation); }

Table::Member entry(const char* name, Notation notation) {
    return Table::property(
        name, [notation](RangeObject& r, const Args&) { return entryProperty(r, notation); },
        [notation, name](RangeObject& r, const Variant& v, const Args&) {
            writeEntry(r.sheetHandle(), r.areas(), v, notation, name);
        });
}

Table::Member action(const char* name, void (*run)(RangeObject&)) {
    return Table::method(name, [run](RangeObject& r, const Args&, const NamedArgs&) {
        run(r);
        return Variant(true);
    }, 0, 1);
}

}  // namespace

RangeObject::RangeObject(SheetHandle sheet, model::RangeList areas, RangeMode mode)
    : m_sheet(std::move(sheet)), m_areas(std::move(areas)), m_mode(mode) {
    if (m_areas.empty()) throw AutomationError("A range needs at least one cell.");
}

const automation::MemberTable<RangeObject>& RangeObject::members() {
    static const Table table("Range", {
        action("Select", select),
        action("Activate", select),
        action("Clear", clear),
        action("ClearContents", clearContents),
        Table::method("Merge", [](RangeObject& r, const Args&, const NamedArgs&) {
            for (const CellRange& area : r.areas()) r.sheetHandle().get().merge(area);
            return Variant();
        }, 0, 1, {"Across"}),
        Table::method("CopyPicture", [](RangeObject& r, const Args& a, const NamedArgs& n) {
            const PictureSupport& pictures = pictureSupport();
            if (!pictures.copyRangePicture)
                throw AutomationError("CopyPicture method of Range class failed: this process paints no pictures");
            pictures.copyRangePicture(r, a, n);
            return Variant(true);
        }, 0, 2, {"Appearance", "Format"}),
        entry("FormulaR1C1", Notation::R1C1),
        entry("Formula", Notation::A1),
        Table::property("Value", [](RangeObject& r, const Args&) { return readValue(r.sheetHandle(), r.topLeft()); },
                        [](RangeObject& r, const Variant& v, const Args&) {
                            writeEntry(r.sheetHandle(), r.areas(), v, Notation::A1, "Value");
                        }),
        Table::property("Text", [](RangeObject& r, const Args&) { return Variant(readText(r.sheetHandle(), r.topLeft())); }),
        Table::property("Count", [](RangeObject& r, const Args&) { return Variant(countOf(r)); }),
        Table::property("Row", [](RangeObject& r, const Args&) { return Variant(int32_t(r.topLeft().row)); }),
        Table::property("Column", [](RangeObject& r, const Args&) { return Variant(int32_t(r.topLeft().column)); }),
        Table::property("Address", [](RangeObject& r, const Args&) { return Variant(model::formatA1(r.areas(), true)); }),
        Table::property("Item", [](RangeObject& r, const Args& a) { return makeRange(r.sheetHandle(), {itemOf(r, a)}); },
                        {}, 1, 2),
        Table::property("Cells", [](RangeObject& r, const Args& a) { return Variant(cellsOf(r.sheetHandle(), r.areas().front(), a)); },
                        {}, 0, 2),
        Table::property("Rows", [](RangeObject& r, const Args& a) {
            return Variant(rowsOrColumnsOf(r.sheetHandle(), r.areas().front(), a, RangeMode::Rows));
        }, {}, 0, 1),
        Table::property("Columns", [](RangeObject& r, const Args& a) {
            return Variant(rowsOrColumnsOf(r.sheetHandle(), r.areas().front(), a, RangeMode::Columns));
        }, {}, 0, 1),
        Table::property("RowHeight",
                        [](RangeObject& r, const Args&) { return Variant(r.sheetHandle().get().rowHeight(r.topLeft().row)); },
                        [](RangeObject& r, const Variant& v, const Args&) { setRowHeight(r, v); }),
        Table::property("ColumnWidth",
                        [](RangeObject& r, const Args&) { return Variant(r.sheetHandle().get().columnWidth(r.topLeft().column)); },
                        [](RangeObject& r, const Variant& v, const Args&) { setColumnWidth(r, v); }),
        Table::property("NumberFormat",
                        [](RangeObject& r, const Args&) {
                            return Variant(r.sheetHandle().get().effectiveStyle(r.topLeft()).numberFormat);
                        },
                        [](RangeObject& r, const Variant& v, const Args&) { setNumberFormat(r, v); }),
        Table::property("Font", [](RangeObject& r, const Args&) { return Variant(makeFont(r.sheetHandle(), r.areas())); }),
        Table::property("Interior", [](RangeObject& r, const Args&) { return Variant(makeInterior(r.sheetHandle(), r.areas())); }),
        Table::property("Borders", [](RangeObject& r, const Args& a) { return Variant(makeBorders(r.sheetHandle(), r.areas(), a)); },
                        {}, 0, 1),
        Table::property("Worksheet", [](RangeObject& r, const Args&) { return Variant(makeWorksheet(r.sheetHandle())); }),
        Table::property("Parent", [](RangeObject& r, const Args&) { return Variant(makeWorksheet(r.sheetHandle())); }),
    });
    return table;
}

ObjectRef makeRange(const SheetHandle& sheet, model::RangeList areas, RangeMode mode) {
    return std::make_shared<RangeObject>(sheet, std::move(areas), mode);
}

model::RangeList parseAddress(const Variant& address, const std::string& member) {
    if (address.isObject())
        if (const RangeObject* range = ownObject<RangeObject>(address)) return range->areas();
    const std::string text = address.toString();
    const std::optional<model::RangeList> areas = model::parseA1(text);
    if (!areas) throw AutomationError("Method '" + member + "' failed: \"" + text + "\" is not a cell address");
    return *areas;
}

ObjectRef rangeOf(const SheetHandle& sheet, const Args& args) {
    model::RangeList areas = parseAddress(args.at(0), "Range");
    if (args.size() == 2) {
        // Range(a, b): the block spanning both.
        const model::RangeList other = parseAddress(args[1], "Range");
        const CellRange span({std::min(areas.front().first.row, other.front().first.row),
                          std::min(areas.front().first.column, other.front().first.column)},
                         {std::max(areas.front().last.row, other.front().last.row),
                          std::max(areas.front().last.column, other.front().last.column)});
        areas = {span};
    }
    return makeRange(sheet, std::move(areas));
}

ObjectRef cellsOf(const SheetHandle& sheet, const CellRange& base, const Args& args) {
    if (args.empty()) {
        if (base == CellRange::wholeSheet() || base.isSingleCell()) return makeRange(sheet, {CellRange::wholeSheet()});
        return makeRange(sheet, {base});
    }
    if (args.size() == 2) return makeRange(sheet, {offsetCell(base, indexArgument(args[0], "Cells"), indexArgument(args[1], "Cells"))});
    const int n = indexArgument(args[0], "Cells");
    const int width = base.columnCount();
    return makeRange(sheet, {offsetCell(base, (n - 1) / width + 1, (n - 1) % width + 1)});
}

ObjectRef rowsOrColumnsOf(const SheetHandle& sheet, const CellRange& base, const Args& args, RangeMode mode) {
    const bool rows = mode == RangeMode::Rows;
    if (args.empty()) return makeRange(sheet, {base}, mode);
    if (args[0].type() == automation::VarType::String) {
        model::RangeList areas = parseAddress(args[0], rows ? "Rows" : "Columns");
        for (CellRange& a : areas)
            a = rows ? CellRange::wholeRows(a.first.row, a.last.row) : CellRange::wholeColumns(a.first.column, a.last.column);
        return makeRange(sheet, std::move(areas), mode);
    }
    const int n = indexArgument(args[0], rows ? "Rows" : "Columns");
    if (rows) {
        const int row = base.first.row + n - 1;
        if (row > model::kMaxRows) throw AutomationError("Unable to get the Rows property: the row is off the sheet");
        return makeRange(sheet, {CellRange({row, base.first.column}, {row, base.last.column})});
    }
    const int column = base.first.column + n - 1;
    if (column > model::kMaxColumns) throw AutomationError("Unable to get the Columns property: the column is off the sheet");
    return makeRange(sheet, {CellRange({base.first.row, column}, {base.last.row, column})});
}

}  // namespace spreadsheet::objects
