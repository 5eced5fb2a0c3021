// How a sheet prints: orientation, paper, margins (the model's points become
// the file's inches), header and footer margins, fit-to-pages or zoom, and
// the print area. A chart sheet prints by the same settings but for the
// scaling and print area, which only worksheets have, and a portrait
// orientation, which is left to the file's default there (page_setup_writer.cpp).
#pragma once

#include "spreadsheet/model/sheet.h"

#include <xlsxwriter.h>

namespace spreadsheet::xlsx {

void writePageSetup(lxw_workbook* workbook, lxw_worksheet* worksheet, const model::Sheet& sheet);

}  // namespace spreadsheet::xlsx
