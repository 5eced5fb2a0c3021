// Worksheet's and Sheets' member tables: cells, names, counting, items, adding and deleting.
#include "spreadsheet/objects/worksheet_object.h"

#include "automation/automation_error.h"
#include "spreadsheet/objects/chart_object.h"
#include "spreadsheet/objects/page_setup_object.h"
#include "spreadsheet/objects/range_object.h"
#include "spreadsheet/objects/shape_object.h"
#include "spreadsheet/objects/sheet_actions.h"

namespace spreadsheet::objects {

using automation::Args;
using automation::AutomationError;
using automation::NamedArgs;
using automation::ObjectRef;
using automation::Variant;

namespace {

constexpr const char* kClass = "Worksheet";

// The used range, or A1 on a sheet with no cells, as the spreadsheet answers.
ObjectRef usedRange(const SheetHandle& handle) {
    const std::optional<model::CellRange> used = handle.get().usedRange();
    return makeRange(handle, {used ? *used : model::CellRange({1, 1})});
}

}  // namespace

const automation::MemberTable<WorksheetObject>& WorksheetObject::members() {
    using T = automation::MemberTable<WorksheetObject>;
    static const T table("Worksheet", {
        T::property("Name", [](WorksheetObject& w, const Args&) { return Variant(w.sheetHandle().get().name()); },
                    [](WorksheetObject& w, const Variant& v, const Args&) { renameSheet(w.sheetHandle(), v, kClass); }),
        T::property("Index", [](WorksheetObject& w, const Args&) { return Variant(int32_t(w.sheetHandle().index() + 1)); }),
        T::method("Delete", [](WorksheetObject& w, const Args&, const NamedArgs&) {
            deleteSheet(w.sheetHandle(), kClass);
            return Variant(true);
        }),
        T::method("Select", [](WorksheetObject& w, const Args&, const NamedArgs&) {
            activateSheet(w.sheetHandle());
            return Variant();
        }, 0, 1, {"Replace"}),
        T::method("Activate", [](WorksheetObject& w, const Args&, const NamedArgs&) {
            activateSheet(w.sheetHandle());
            return Variant();
        }),
        T::method("Move", [](WorksheetObject& w, const Args& a, const NamedArgs& n) {
            moveSheet(w.sheetHandle(), a, n, kClass);
            return Variant();
        }, 0, 2, {"Before", "After"}),
        T::property("Range", [](WorksheetObject& w, const Args& a) { return Variant(rangeOf(w.sheetHandle(), a)); },
                    {}, 1, 2),
        T::property("Cells", [](WorksheetObject& w, const Args& a) {
            return Variant(cellsOf(w.sheetHandle(), model::CellRange::wholeSheet(), a));
        }, {}, 0, 2),
        T::property("Rows", [](WorksheetObject& w, const Args& a) {
            return Variant(rowsOrColumnsOf(w.sheetHandle(), model::CellRange::wholeSheet(), a, RangeMode::Rows));
        }, {}, 0, 1),
        T::property("Columns", [](WorksheetObject& w, const Args& a) {
            return Variant(rowsOrColumnsOf(w.sheetHandle(), model::CellRange::wholeSheet(), a, RangeMode::Columns));
        }, {}, 0, 1),
        T::property("UsedRange", [](WorksheetObject& w, const Args&) { return Variant(usedRange(w.sheetHandle())); }),
        T::property("PageSetup", [](WorksheetObject& w, const Args&) { return Variant(makePageSetup(w.sheetHandle())); }),
        T::property("Shapes", [](WorksheetObject& w, const Args& a) { return Variant(shapesOf(w.sheetHandle(), a)); },
                    {}, 0, 1),
    });
    return table;
}

ObjectRef makeWorksheet(const SheetHandle& sheet) {
    if (sheet.get().kind() == model::SheetKind::Chart) return makeChart(chartOfSheet(sheet));
    return std::make_shared<WorksheetObject>(sheet);
}

int SheetsObject::count() const { return m_doc->workbook.sheetCount(); }

ObjectRef SheetsObject::item(const Variant& key) const {
    model::Workbook& workbook = m_doc->workbook;
    if (key.type() == automation::VarType::String) {
        const std::optional<int> index = workbook.findSheet(key.toString());
        if (!index) throw AutomationError("Subscript out of range: there is no sheet named \"" + key.toString() + "\".", 9);
        return makeWorksheet({m_app, m_doc, &workbook.sheet(*index)});
    }
    const int number = key.toI4();
    if (number < 1 || number > workbook.sheetCount())
        throw AutomationError("Subscript out of range: there is no sheet number " + std::to_string(number) + ".", 9);
    return makeWorksheet({m_app, m_doc, &workbook.sheet(number - 1)});
}

const automation::MemberTable<SheetsObject>& SheetsObject::members() {
    using T = automation::MemberTable<SheetsObject>;
    static const T table("Sheets", {
        T::property("Count", [](SheetsObject& s, const Args&) { return Variant(int32_t(s.count())); }),
        T::property("Item", [](SheetsObject& s, const Args& a) { return Variant(s.item(a[0])); }, {}, 1, 1),
    });
    return table;
}

}  // namespace spreadsheet::objects
