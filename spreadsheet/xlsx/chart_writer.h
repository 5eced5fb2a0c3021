// A model chart as a library chart: its type (pie, or lines with markers),
// its series as references (separate cells stay a union, never the block
// between) with cached values, series names, title, legend, chart area
// border, data labels, axis titles and number formats, and data table.
// Throws XlsxError (Unstorable) for a title the file cannot hold as text.
#pragma once

#include "spreadsheet/model/chart.h"
#include "spreadsheet/xlsx/write_context.h"

#include <string>

namespace spreadsheet::xlsx {

// `where` names the chart in messages ("the chart on the sheet \"Data\"").
lxw_chart* makeChart(WriteContext& context, const model::Chart& chart, const std::string& where);

}  // namespace spreadsheet::xlsx
