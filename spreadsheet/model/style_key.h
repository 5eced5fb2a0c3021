// Texts that stand for a font or a cell style, holding every field: equal
// keys mean equal values. The writers find a style they already stored by
// its key, so each distinct style is stored once.
#pragma once

#include "spreadsheet/model/style.h"

#include <string>

namespace spreadsheet::model {

std::string fontKey(const Font& font);
std::string styleKey(const CellStyle& style);

}  // namespace spreadsheet::model
