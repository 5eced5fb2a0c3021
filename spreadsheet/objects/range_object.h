// RangeObject: the automation face of a range of cells — one or more areas of
// one sheet (Range, Cells, Rows, Columns, Selection, ActiveCell, UsedRange all
// hand one back). It holds no cell state of its own: every member reads or
// changes the sheet in the model.
#pragma once

#include "automation/member_table.h"
#include "spreadsheet/model/cell_address.h"
#include "spreadsheet/objects/sheet_handle.h"

namespace spreadsheet::objects {

// How Count and Item see the range: as cells, as rows or as columns.
enum class RangeMode { Cells, Rows, Columns };

class RangeObject final : public automation::TableObject<RangeObject> {
public:
    RangeObject(SheetHandle sheet, model::RangeList areas, RangeMode mode = RangeMode::Cells);
    static const automation::MemberTable<RangeObject>& members();

    const SheetHandle& sheetHandle() const { return m_sheet; }
    const model::RangeList& areas() const { return m_areas; }
    RangeMode mode() const { return m_mode; }
    model::CellAddress topLeft() const { return m_areas.front().first; }

private:
    SheetHandle m_sheet;
    model::RangeList m_areas;
    RangeMode m_mode;
};

automation::ObjectRef makeRange(const SheetHandle& sheet, model::RangeList areas,
                                RangeMode mode = RangeMode::Cells);

// An A1 address as a range list, or an AutomationError naming the address.
model::RangeList parseAddress(const automation::Variant& address, const std::string& member);

// Range(a) and Range(a, b) on a sheet: the area spanning both addresses.
automation::ObjectRef rangeOf(const SheetHandle& sheet, const automation::Args& args);
// Cells, Cells(row, column) and Cells(n), relative to a base area.
automation::ObjectRef cellsOf(const SheetHandle& sheet, const model::CellRange& base, const automation::Args& args);
// Rows/Columns with no argument, with an index or with an address ("3:4", "A:A").
automation::ObjectRef rowsOrColumnsOf(const SheetHandle& sheet, const model::CellRange& base,
                                      const automation::Args& args, RangeMode mode);

}  // namespace spreadsheet::objects
