// What a cell shows: the display text of its value under its number format,
// the colour (a format's section colour before the font's), where the text
// sits in the cell, and how a number too wide for its column shows.
//
//   CellText t = cellText(Value::number(-4000), style, palette);   // "(4,000.00)", red, right
//   fitNumberText(t, 40, widthOf);                                 // "#####" in a narrow cell
#pragma once

#include "spreadsheet/model/palette.h"
#include "spreadsheet/model/style.h"
#include "spreadsheet/model/value.h"

#include <QColor>
#include <functional>
#include <string>
#include <string_view>

namespace spreadsheet::render {

enum class TextAlignment { Left, Center, Right };

struct CellText {
    std::string text;  // as the format gives it, before fitting to the column
    QColor color;
    TextAlignment alignment = TextAlignment::Left;
    bool isNumber = false;         // numbers never run into neighbours: too wide, they show "#"s
    bool hasGeneralFormat = false;  // a General number gives up decimals before it gives up
    double number = 0;
};

// The display of a non-empty value; an unknown format code shows as General.
CellText cellText(const model::Value& value, const model::CellStyle& style, const model::Palette& palette);

// Text width in pixels, as the cell's font measures it.
using TextWidth = std::function<int(std::string_view)>;

// A number's text for `available` pixels: its text when it fits; a General
// number with fewer decimals, then in scientific form; otherwise as many "#"
// as fill the space.
std::string fitNumberText(const CellText& text, int available, const TextWidth& widthOf);

}  // namespace spreadsheet::render
