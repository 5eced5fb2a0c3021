// ShapesObject: a worksheet's shapes in z-order, the newest last (Count, and
// Item by 1-based number or by name); ShapeObject: one shape, with its Name
// and its Top, Left, Width and Height in points. A chart sheet has no shapes.
#pragma once

#include "automation/member_table.h"
#include "spreadsheet/objects/sheet_handle.h"

namespace spreadsheet::objects {

// Shapes, or Shapes(index) for one of them.
automation::ObjectRef shapesOf(const SheetHandle& sheet, const automation::Args& args);

}  // namespace spreadsheet::objects
