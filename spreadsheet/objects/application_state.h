// ApplicationState: what one running instance of the embedded spreadsheet
// holds beyond its workbooks' contents — the application flags, the open
// workbooks in order and which one is active, and the user's number
// conventions for reading typed entries.
#pragma once

#include "spreadsheet/formula/typed_entry.h"
#include "spreadsheet/objects/document.h"

#include <vector>

namespace spreadsheet::objects {

struct ApplicationState {
    bool screenUpdating = true;
    bool displayAlerts = true;
    bool enableEvents = true;
    int32_t enableCancelKey = 1;  // interrupt
    int32_t cursor = -4143;       // default
    bool visible = false;
    bool quit = false;

    std::vector<DocumentRef> workbooks;
    DocumentRef activeWorkbook;
    int nextBookNumber = 1;
    formula::NumberConventions conventions;
};

using ApplicationStateRef = std::shared_ptr<ApplicationState>;

// The user's number conventions, from the process locale.
formula::NumberConventions numberConventionsFromLocale();

}  // namespace spreadsheet::objects
