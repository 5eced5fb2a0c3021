// WorksheetObject: the automation face of one worksheet (an item of Sheets,
// ActiveSheet, Range.Worksheet), and SheetsObject, the workbook's sheets in
// order, worksheets and chart sheets alike.
#pragma once

#include "automation/member_table.h"
#include "spreadsheet/objects/sheet_handle.h"

namespace spreadsheet::objects {

class WorksheetObject final : public automation::TableObject<WorksheetObject> {
public:
    explicit WorksheetObject(SheetHandle sheet) : m_sheet(std::move(sheet)) {}
    static const automation::MemberTable<WorksheetObject>& members();
    const SheetHandle& sheetHandle() const { return m_sheet; }

private:
    SheetHandle m_sheet;
};

class SheetsObject final : public automation::TableObject<SheetsObject> {
public:
    SheetsObject(ApplicationStateRef app, DocumentRef doc) : m_app(std::move(app)), m_doc(std::move(doc)) {}
    static const automation::MemberTable<SheetsObject>& members();

    // Item by 1-based number or by name (ignoring case).
    automation::ObjectRef item(const automation::Variant& key) const;
    int count() const;

private:
    ApplicationStateRef m_app;
    DocumentRef m_doc;
};

// The object for a sheet: a Worksheet, or for a chart sheet its Chart.
automation::ObjectRef makeWorksheet(const SheetHandle& sheet);

}  // namespace spreadsheet::objects
