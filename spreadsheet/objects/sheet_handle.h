// SheetHandle: how every automation handle refers to a sheet — the instance,
// the open workbook (shared, so it stays alive), and the sheet within it. The
// sheet is checked on every use: a handle to a deleted sheet or a closed
// workbook gives a clear error instead of touching freed memory.
#pragma once

#include "spreadsheet/objects/application_state.h"

namespace spreadsheet::objects {

struct SheetHandle {
    ApplicationStateRef app;
    DocumentRef doc;
    const model::Sheet* sheet = nullptr;  // identity only; use get() to reach it

    model::Sheet& get() const;
    int index() const;  // 0-based position in the workbook
    bool isActive() const;

    // The active sheet of the active workbook; throws when there is none.
    static SheetHandle active(const ApplicationStateRef& app);
};

}  // namespace spreadsheet::objects
