// A chart element's outline, given as a cell border describes a line, as the
// library's line: none, or a colour, width and dash. The outline a new chart
// has (continuous, thin, automatic) is the file's own default and is left to it.
#pragma once

#include "spreadsheet/model/palette.h"
#include "spreadsheet/model/style.h"

#include <optional>
#include <xlsxwriter.h>

namespace spreadsheet::xlsx {

// nullopt: leave the element's default outline.
std::optional<lxw_chart_line> libraryLine(const model::BorderLine& line, const model::Palette& palette);

}  // namespace spreadsheet::xlsx
