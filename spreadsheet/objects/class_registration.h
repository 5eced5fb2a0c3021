// Makes the embedded spreadsheet creatable under its automation class name.
//
//   registerApplicationClass(registry);          // with pictures of ranges (links the renderer)
//   registerWorkbookApplicationClass(registry);  // workbooks only: no fonts, no paint device
#pragma once

#include "automation/registry.h"

namespace spreadsheet::objects {

inline constexpr const char* kApplicationClassName = "Excel.Application";

// The whole application, Range.CopyPicture and Application.CopiedPicture
// included. Defined by the picture part (target spreadsheet_objects).
void registerApplicationClass(automation::Registry& registry);

// The same application without pictures of ranges (target spreadsheet_objects_core).
void registerWorkbookApplicationClass(automation::Registry& registry);

}  // namespace spreadsheet::objects
