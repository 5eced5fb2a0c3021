// The values a chart shows, stored with its references so that a reader
// that does not calculate draws the right chart. The library fills these
// caches itself only from constant cells (a formula cell gives 0 there) and
// only for single areas; here every series reference gets the evaluator's
// values instead, written through the library's own cache records.
//
//   cachedPoints(context, {"Data", {F15, F18}})  -> {7.6, 4.9}
#pragma once

#include "spreadsheet/model/chart.h"
#include "spreadsheet/model/value.h"
#include "spreadsheet/xlsx/write_context.h"

#include <vector>

namespace spreadsheet::xlsx {

// The values of the reference's cells: area by area, row by row. A sheet
// that is not in the workbook gives no values.
std::vector<model::Value> cachedPoints(WriteContext& context, const model::ChartReference& reference);

// Fills a library range's cache with the points and keeps the library from
// filling it again. Numbers are numbers; when `asText` holds, every point is
// the text it shows (for category and name references that hold text).
void storeCache(lxw_series_range* range, const std::vector<model::Value>& points, bool asText);

// True when any point is a text: the reference is cached as texts.
bool holdsText(const std::vector<model::Value>& points);

}  // namespace spreadsheet::xlsx
