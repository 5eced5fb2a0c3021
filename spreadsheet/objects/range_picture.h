// Range.CopyPicture: the range as the sheet shows it on screen, painted into a
// bitmap that the application instance keeps (Application.CopiedPicture), in
// place of the system clipboard. Only the on-screen look as a bitmap is made;
// a printer look or a metafile is refused with a clear error rather than
// answered with a picture that is not what was asked for.
#pragma once

#include "automation/member_table.h"
#include "spreadsheet/objects/range_object.h"

namespace spreadsheet::objects {

// Appearance and Format by position or by name; both default as the
// spreadsheet's do (screen, metafile), so leaving Format out is refused.
void copyRangePicture(RangeObject& range, const automation::Args& args, const automation::NamedArgs& named);

}  // namespace spreadsheet::objects
