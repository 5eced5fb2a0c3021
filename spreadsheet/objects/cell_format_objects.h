// The format objects a range hands out: Font, Interior, Borders and one
// Border. Each is a handle on the range's cells; reading gives the top-left
// cell's setting, writing changes every cell of the range.
#pragma once

#include "automation/member_table.h"
#include "spreadsheet/objects/sheet_handle.h"

#include <optional>

namespace spreadsheet::objects {

automation::ObjectRef makeFont(const SheetHandle& sheet, const model::RangeList& areas);
automation::ObjectRef makeInterior(const SheetHandle& sheet, const model::RangeList& areas);
// Borders, or Borders(index) when an index is given.
automation::ObjectRef makeBorders(const SheetHandle& sheet, const model::RangeList& areas, const automation::Args& args);

// "Bold", "Italic", "Bold Italic", "Regular" in any case set bold and italic;
// any other text ("General") gives a regular font.
struct FontStyleFlags {
    bool bold = false;
    bool italic = false;
};
FontStyleFlags parseFontStyle(const std::string& style);
std::string fontStyleName(bool bold, bool italic);

// Sets one border (7 left edge, 8 top, 9 bottom, 10 right, 11 inside
// vertical, 12 inside horizontal) on every area of the range.
void applyBorder(model::Sheet& sheet, const model::RangeList& areas, int borderIndex,
                 const std::function<void(model::BorderLine&)>& change);

}  // namespace spreadsheet::objects
