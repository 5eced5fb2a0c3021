// Workbook's and Workbooks' member tables: Add, Count, Item, Name, SaveAs, Close.
#include "spreadsheet/objects/workbook_object.h"

#include "automation/automation_error.h"
#include "spreadsheet/objects/constants.h"
#include "spreadsheet/objects/workbook_files.h"
#include "spreadsheet/objects/worksheet_object.h"

#include <algorithm>
#include <filesystem>

namespace spreadsheet::objects {

using automation::Args;
using automation::AutomationError;
using automation::NamedArgs;
using automation::ObjectRef;
using automation::Variant;

DocumentRef addWorkbook(ApplicationState& app) {
    auto doc = std::make_shared<Document>();
    doc->name = "Book" + std::to_string(app.nextBookNumber++);
    for (int i = 0; i < xl::kSheetsInNewWorkbook; ++i)
        doc->workbook.addSheet("Sheet" + std::to_string(i + 1), model::SheetKind::Worksheet, i);
    doc->workbook.setActiveSheet(0);
    app.workbooks.push_back(doc);
    app.activeWorkbook = doc;
    return doc;
}

void closeWorkbook(ApplicationState& app, const DocumentRef& doc) {
    doc->closed = true;
    std::erase(app.workbooks, doc);
    if (app.activeWorkbook == doc) app.activeWorkbook = app.workbooks.empty() ? nullptr : app.workbooks.back();
}

ObjectRef makeWorkbook(const ApplicationStateRef& app, const DocumentRef& doc) {
    return std::make_shared<WorkbookObject>(app, doc);
}

ObjectRef makeSheets(const ApplicationStateRef& app, const DocumentRef& doc) {
    return std::make_shared<SheetsObject>(app, doc);
}

const DocumentRef& WorkbookObject::doc() const {
    if (m_doc->closed) throw AutomationError("The workbook \"" + m_doc->name + "\" has been closed.");
    return m_doc;
}

namespace {

ObjectRef sheetsOf(WorkbookObject& w, const Args& args) {
    auto sheets = std::make_shared<SheetsObject>(w.app(), w.doc());
    if (args.empty()) return sheets;
    return sheets->item(args[0]);
}

ObjectRef activeSheetOf(WorkbookObject& w) {
    model::Workbook& workbook = w.doc()->workbook;
    return makeWorksheet({w.app(), w.doc(), &workbook.sheet(workbook.activeSheetIndex())});
}

ObjectRef workbookItem(const ApplicationStateRef& app, const Variant& key) {
    if (key.type() == automation::VarType::String) {
        for (const DocumentRef& doc : app->workbooks)
            if (doc->name == key.toString()) return makeWorkbook(app, doc);
        throw AutomationError("Subscript out of range: no open workbook is named \"" + key.toString() + "\".", 9);
    }
    const int number = key.toI4();
    if (number < 1 || number > static_cast<int>(app->workbooks.size()))
        throw AutomationError("Subscript out of range: there is no open workbook number " + std::to_string(number) + ".", 9);
    return makeWorkbook(app, app->workbooks[number - 1]);
}

}  // namespace

const automation::MemberTable<WorkbookObject>& WorkbookObject::members() {
    using T = automation::MemberTable<WorkbookObject>;
    static const T table("Workbook", {
        T::property("Name", [](WorkbookObject& w, const Args&) { return Variant(w.doc()->name); }),
        T::property("FullName", [](WorkbookObject& w, const Args&) {
            return Variant(w.doc()->path.empty() ? w.doc()->name : w.doc()->path);
        }),
        T::property("Sheets", [](WorkbookObject& w, const Args& a) { return Variant(sheetsOf(w, a)); }, {}, 0, 1),
        T::property("Worksheets", [](WorkbookObject& w, const Args& a) { return Variant(sheetsOf(w, a)); }, {}, 0, 1),
        T::property("ActiveSheet", [](WorkbookObject& w, const Args&) { return Variant(activeSheetOf(w)); }),
        T::method("Activate", [](WorkbookObject& w, const Args&, const NamedArgs&) {
            w.app()->activeWorkbook = w.doc();
            return Variant();
        }),
        T::method("SaveAs", [](WorkbookObject& w, const Args& a, const NamedArgs& n) {
            saveWorkbookAs(*w.doc(), a, n);
            return Variant();
        }, 0, 12, {"Filename", "FileFormat", "Password", "WriteResPassword", "ReadOnlyRecommended", "CreateBackup",
                   "AccessMode", "ConflictResolution", "AddToMru", "TextCodepage", "TextVisualLayout", "Local"}),
        T::property("Path", [](WorkbookObject& w, const Args&) {
            return Variant(std::filesystem::path(w.doc()->path).parent_path().string());
        }),
        T::method("Close", [](WorkbookObject& w, const Args&, const NamedArgs&) {
            closeWorkbook(*w.app(), w.doc());
            return Variant();
        }, 0, 3, {"SaveChanges", "Filename", "RouteWorkbook"}),
    });
    return table;
}

const automation::MemberTable<WorkbooksObject>& WorkbooksObject::members() {
    using T = automation::MemberTable<WorkbooksObject>;
    static const T table("Workbooks", {
        T::method("Add", [](WorkbooksObject& w, const Args&, const NamedArgs&) {
            return Variant(makeWorkbook(w.app(), addWorkbook(*w.app())));
        }, 0, 1, {"Template"}),
        T::method("Open", [](WorkbooksObject& w, const Args& a, const NamedArgs& n) {
            return Variant(makeWorkbook(w.app(), openWorkbook(*w.app(), a, n)));
        }, 0, 15, {"Filename", "UpdateLinks", "ReadOnly", "Format", "Password", "WriteResPassword",
                   "IgnoreReadOnlyRecommended", "Origin", "Delimiter", "Editable", "Notify", "Converter", "AddToMru",
                   "Local", "CorruptLoad"}),
        T::property("Count", [](WorkbooksObject& w, const Args&) { return Variant(int32_t(w.app()->workbooks.size())); }),
        T::property("Item", [](WorkbooksObject& w, const Args& a) { return Variant(workbookItem(w.app(), a[0])); }, {}, 1, 1),
    });
    return table;
}

}  // namespace spreadsheet::objects
