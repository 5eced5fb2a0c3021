// The model's style values as the file stores them, resolved the way the
// 97-2003 writer resolves them so that both files show the same: font sizes
// and row heights in twentieths of a point, column widths within 0 to 255
// characters, border lines as the file's line styles.
#pragma once

#include "spreadsheet/model/style.h"

#include <cstdint>
#include <string>

namespace spreadsheet::xlsx {

// A font size in points: to the nearest twentieth, within 1 to 409.55.
double storedFontSize(double points);
// A row height in points: to the nearest twentieth, within 0 to 409.5.
double storedRowHeight(double points);
// A column width in characters, within 0 to 255.
double storedColumnWidth(double characters);

// The file's line style of a cell border (the library's LXW_BORDER_* values):
// dashes, dots and double lines by their style, continuous lines by weight.
uint8_t borderStyleOf(const model::BorderLine& line);

// The library's LXW_ALIGN_* value; 0 for General.
uint8_t alignmentOf(model::HorizontalAlignment alignment);

// An empty number format is General, as everywhere in the spreadsheet.
const std::string& numberFormatOf(const model::CellStyle& style);

}  // namespace spreadsheet::xlsx
