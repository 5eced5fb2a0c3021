// The screen font of a cell's font: its family, its size in points as whole
// pixels at 96 dpi, bold and italic. Families missing on the machine fall back
// to metric-compatible stand-ins (Arial to Liberation Sans); a missing heavy
// family such as "Arial Black" becomes its plain family at the heaviest weight.
//
//   QFont f = screenFont(model::Font{.name = "Arial", .size = 10});   // 13 px
#pragma once

#include "spreadsheet/model/style.h"

#include <QFont>

namespace spreadsheet::render {

// Points to the whole pixel size a 96-dpi screen gives a font.
int fontPixelSize(double points);
QFont screenFont(const model::Font& font);

}  // namespace spreadsheet::render
