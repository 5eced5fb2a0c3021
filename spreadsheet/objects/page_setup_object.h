// PageSetupObject: the automation face of a sheet's print settings. Margins
// are in points, as clients give them; Zoom = False switches to fitting the
// sheet onto FitToPagesWide by FitToPagesTall pages.
#pragma once

#include "automation/member_table.h"
#include "spreadsheet/objects/sheet_handle.h"

namespace spreadsheet::objects {

automation::ObjectRef makePageSetup(const SheetHandle& sheet);

}  // namespace spreadsheet::objects
