// Filling the model from what the reader gathered: sheets in order with their
// styles (sheet, column, row and cell), contents, widths and heights, merged
// areas, selection, page setup and embedded charts (placed once the widths
// and heights are in); chart sheets with their charts; then the palette and
// the active sheet.
#pragma once

#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/biff/reader/read_model.h"

#include <optional>
#include <vector>

namespace spreadsheet::xls::biff {

struct ReadSheet {
    const SheetEntry* entry = nullptr;
    int boundIndex = 0;                      // position among the BOUNDSHEET8 records
    std::optional<SheetContents> contents;  // none for a chart sheet
    std::optional<model::Chart> chart;      // a chart sheet's chart
    model::PageSetup chartPageSetup;        // a chart sheet's page setup
};

void buildWorkbook(const WorkbookGlobals& globals, const std::vector<ReadSheet>& sheets, model::Workbook& into);

}  // namespace spreadsheet::xls::biff
