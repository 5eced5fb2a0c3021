// A palette colour as the library takes it: 0 means "not set" there, so
// black has a value of its own.
#pragma once

#include "spreadsheet/model/palette.h"

#include <xlsxwriter.h>

namespace spreadsheet::xlsx {

inline lxw_color_t libraryColor(model::Rgb rgb) {
    return rgb == 0 ? static_cast<lxw_color_t>(LXW_COLOR_BLACK) : static_cast<lxw_color_t>(rgb);
}

}  // namespace spreadsheet::xlsx
