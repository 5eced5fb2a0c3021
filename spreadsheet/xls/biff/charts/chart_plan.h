// What a chart needs written before the globals go out: the tokens of its
// series references (which add EXTERNSHEET entries for the sheets they
// read) and the values its cells show now, which the chart substream
// carries along for readers that do not calculate. The save plan adds the
// number format of the value axis (a FORMAT record in the globals).
//
//   ChartOutput out = planChart(chart, workbook, externs, evaluator);
//   out.series[0].values;  // tokens of ('Data'!$F$15,'Data'!$F$18)
#pragma once

#include "spreadsheet/formula/evaluator.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/biff/records/extern_sheet_table.h"

#include <cstdint>
#include <string>
#include <vector>

namespace spreadsheet::xls::biff {

struct SeriesOutput {
    std::vector<uint8_t> name;        // tokens of the name cell; empty when the series has none
    std::vector<uint8_t> values;      // tokens of the value cells
    std::vector<uint8_t> categories;  // tokens of the category cells; empty when the points are numbered
    model::Value nameCache;                   // what the name cell shows
    std::vector<model::Value> valueCache;     // what the value cells show, in reference order
    std::vector<model::Value> categoryCache;  // what the category cells show
};

struct ChartOutput {
    std::vector<SeriesOutput> series;
    uint16_t valueAxisFormat = 0;  // the number format id of the value axis labels, set by the save plan
};

// Throws XlsError (Unstorable) for a series that reads a sheet the workbook
// does not have, or that the file format cannot reference.
ChartOutput planChart(const model::Chart& chart, const model::Workbook& workbook, WrittenExternSheets& externs,
                      formula::Evaluator& evaluator);

// The tokens of a chart reference: a 3D reference or area for one area, a
// parenthesised union of them for several (never the block between).
std::vector<uint8_t> chartReferenceTokens(const model::ChartReference& reference, WrittenExternSheets& externs);

}  // namespace spreadsheet::xls::biff
