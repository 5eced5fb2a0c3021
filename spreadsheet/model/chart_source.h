// Series from a source range, the way the spreadsheet builds them when a chart
// is given its data. The rows and columns the areas cover form a compact grid
// (rows and columns in between that no area covers are left out). Plotted by
// columns, each grid column is a series and each grid row a point; by rows,
// the other way round. The first line across the series holds the category
// labels, and the first line along them the series names, when their cells
// hold text (empty cells allowed, at least one text).
//
//   "C15,F15,C18,F18" by columns, C holding labels and F numbers:
//     one series, values (F15,F18), categories (C15,C18), no name.
//   "B37,D37:N37,B39:B41,D39:N41" by rows, B holding labels:
//     four series named B37, B39, B40, B41, values D:N of their row, no categories.
#pragma once

#include "spreadsheet/model/chart.h"
#include "spreadsheet/model/value.h"

#include <functional>
#include <string>
#include <vector>

namespace spreadsheet::model {

enum class PlotBy { Rows = 1, Columns = 2 };

// The file format's limits for one chart.
inline constexpr int kMaxChartSeries = 255;
inline constexpr int kMaxSeriesPoints = 32000;

// What a cell shows, for telling labels from data.
using CellValueOf = std::function<Value(CellAddress)>;

// The series of `areas` on the sheet named `sheet`. Throws std::invalid_argument
// when the areas are empty or give more series or points than a chart can hold.
std::vector<ChartSeries> seriesFromSource(const std::string& sheet, const RangeList& areas, PlotBy plotBy,
                                          const CellValueOf& valueOf);

// How the spreadsheet plots a source when not told: series along the longer
// side, by columns when the grid has more rows than columns.
PlotBy naturalPlotBy(const RangeList& areas);

}  // namespace spreadsheet::model
