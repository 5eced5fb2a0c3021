// Resolving a sheet handle on each use, and the active workbook an instance works on.
#include "spreadsheet/objects/sheet_handle.h"

#include "automation/automation_error.h"

namespace spreadsheet::objects {

model::Sheet& SheetHandle::get() const {
    if (!doc || doc->closed) throw automation::AutomationError("The workbook of this object has been closed.");
    model::Workbook& workbook = doc->workbook;
    for (int i = 0; i < workbook.sheetCount(); ++i)
        if (&workbook.sheet(i) == sheet) return workbook.sheet(i);
    throw automation::AutomationError("The sheet of this object has been deleted.");
}

int SheetHandle::index() const { return doc->workbook.indexOf(get()); }

bool SheetHandle::isActive() const { return doc->workbook.activeSheetIndex() == index(); }

SheetHandle SheetHandle::active(const ApplicationStateRef& app) {
    const DocumentRef& doc = app->activeWorkbook;
    if (!doc || doc->closed || doc->workbook.sheetCount() == 0)
        throw automation::AutomationError("There is no active workbook: add or open one first.",
                                          automation::errors::kObjectVariableNotSet);
    return {app, doc, &doc->workbook.sheet(doc->workbook.activeSheetIndex())};
}

}  // namespace spreadsheet::objects
