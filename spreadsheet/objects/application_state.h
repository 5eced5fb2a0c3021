// ApplicationState: what one running instance of the embedded spreadsheet
// holds beyond its workbooks' contents — the application flags, the open
// workbooks in order and which one is active, the active chart and its
// selected element, the user's number conventions for reading typed
// entries, and the picture last copied from a range.
#pragma once

#include "spreadsheet/formula/typed_entry.h"
#include "spreadsheet/objects/document.h"

#include <memory>
#include <vector>

class QImage;

namespace spreadsheet::objects {

// The parts of a chart a client can select.
enum class ChartElement { None, ChartArea, Legend };

// The chart last made active (by adding it, moving it or selecting its sheet)
// and which of its elements is selected. Whether it is still the active chart
// is decided when asked (chart_focus.h): selecting cells or a sheet ends it.
struct ChartFocus {
    std::weak_ptr<Document> doc;
    int chartId = 0;
    ChartElement selected = ChartElement::None;
};

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
    ChartFocus chartFocus;
    formula::NumberConventions conventions;
    // Range.CopyPicture's result; kept here rather than on the system clipboard.
    std::shared_ptr<const QImage> copiedPicture;
};

using ApplicationStateRef = std::shared_ptr<ApplicationState>;

// The user's number conventions, from the process locale.
formula::NumberConventions numberConventionsFromLocale();

}  // namespace spreadsheet::objects
