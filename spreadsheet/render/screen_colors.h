// Colour indexes of the workbook's palette as screen colours, and the fixed
// colours of the sheet's surface.
#pragma once

#include "spreadsheet/model/palette.h"

#include <QColor>
#include <optional>

namespace spreadsheet::render {

inline const QColor kSheetBackground{0xFF, 0xFF, 0xFF};
inline const QColor kGridlineColor{0xC0, 0xC0, 0xC0};
// Text and lines in the automatic colour.
inline const QColor kAutomaticColor{0x00, 0x00, 0x00};

QColor qColorFromRgb(model::Rgb rgb);
// The palette's colour for an index from 1 to 56; nullopt for the automatic
// colour, "no colour" and anything else.
std::optional<QColor> paletteColor(const model::Palette& palette, int colorIndex);
// Text and line colours: a palette entry, else the automatic colour.
QColor inkColor(const model::Palette& palette, int colorIndex);

}  // namespace spreadsheet::render
