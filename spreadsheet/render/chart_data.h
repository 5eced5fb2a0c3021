// The numbers and labels a chart plots, read through its references from the
// cells they name: each series' values with the text their cells show, its
// name, and the category labels of the points.
//
//   ChartData d = readChartData(workbook, evaluator, pie);
//   d.series[0].values;       // {7.6, 4.9} for F15 and F18
//   d.categories;             // {"Variable cost per unit", "Unit contribution margin"}
#pragma once

#include "spreadsheet/formula/evaluator.h"
#include "spreadsheet/model/chart.h"
#include "spreadsheet/model/workbook.h"

#include <optional>
#include <string>
#include <vector>

namespace spreadsheet::render {

struct SeriesData {
    std::string name;
    std::vector<std::optional<double>> values;  // nullopt: the cell holds no number
    std::vector<std::string> valueTexts;        // as the cells show them, in their number formats
};

struct ChartData {
    std::vector<std::string> categories;  // one per point of the longest series
    std::vector<SeriesData> series;
};

ChartData readChartData(const model::Workbook& workbook, formula::Evaluator& evaluator, const model::Chart& chart);

}  // namespace spreadsheet::render
