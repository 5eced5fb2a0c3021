// The whole workbook stream: the globals substream, then one substream per
// sheet, with each sheet's stream offset patched into its BOUNDSHEET8 record
// once the sheet is laid out. Sheets are written by their kind: a worksheet
// substream, or a chart sheet's chart substream.
#pragma once

#include "spreadsheet/formula/evaluator.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/biff/writer/save_plan.h"

#include <cstdint>
#include <vector>

namespace spreadsheet::xls::biff {

std::vector<uint8_t> buildWorkbookStream(const model::Workbook& workbook, const SavePlan& plan);

}  // namespace spreadsheet::xls::biff
