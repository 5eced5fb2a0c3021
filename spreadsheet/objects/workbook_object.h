// WorkbookObject (one open workbook) and WorkbooksObject (the instance's open
// workbooks: Add, Count, Item).
#pragma once

#include "automation/member_table.h"
#include "spreadsheet/objects/application_state.h"

namespace spreadsheet::objects {

class WorkbookObject final : public automation::TableObject<WorkbookObject> {
public:
    WorkbookObject(ApplicationStateRef app, DocumentRef doc) : m_app(std::move(app)), m_doc(std::move(doc)) {}
    static const automation::MemberTable<WorkbookObject>& members();

    const ApplicationStateRef& app() const { return m_app; }
    const DocumentRef& doc() const;  // throws once the workbook is closed

private:
    ApplicationStateRef m_app;
    DocumentRef m_doc;
};

class WorkbooksObject final : public automation::TableObject<WorkbooksObject> {
public:
    explicit WorkbooksObject(ApplicationStateRef app) : m_app(std::move(app)) {}
    static const automation::MemberTable<WorkbooksObject>& members();
    const ApplicationStateRef& app() const { return m_app; }

private:
    ApplicationStateRef m_app;
};

// A new workbook with three empty worksheets, made the active workbook.
DocumentRef addWorkbook(ApplicationState& app);
// Closes the workbook: it leaves the list, and the last one left becomes active.
void closeWorkbook(ApplicationState& app, const DocumentRef& doc);

automation::ObjectRef makeWorkbook(const ApplicationStateRef& app, const DocumentRef& doc);
automation::ObjectRef makeSheets(const ApplicationStateRef& app, const DocumentRef& doc);

}  // namespace spreadsheet::objects
