// Chart: what one chart shows — its type, its series (each a reference into
// cells, so the chart follows them), its title, legend, data labels, axes and
// borders. A plain value; a chart sheet holds one, a worksheet holds embedded
// ones as shapes (shape.h). The sheet that holds a chart changes it, so every
// change advances the workbook's revision.
//
//   Chart pie;
//   pie.type = ChartType::Pie;
//   pie.title = {.visible = true, .text = "Unit Contribution Margin"};
#pragma once

#include "spreadsheet/model/cell_address.h"
#include "spreadsheet/model/style.h"

#include <optional>
#include <string>
#include <vector>

namespace spreadsheet::model {

// The kinds of chart the engine draws.
enum class ChartType { Pie, LineMarkers };

// Cells a chart reads: a sheet, by name, and one or more areas of it. Cells
// that are not next to each other stay separate areas, never the block between.
struct ChartReference {
    std::string sheet;
    RangeList areas;
    bool operator==(const ChartReference&) const = default;
};

struct ChartSeries {
    std::optional<ChartReference> name;        // one cell holding the series name
    ChartReference values;
    std::optional<ChartReference> categories;  // none: the points are numbered 1, 2, ...
    bool operator==(const ChartSeries&) const = default;
};

// The chart's title or an axis title; its text shows only while it is visible.
struct ChartTitle {
    bool visible = false;
    std::string text;
    bool operator==(const ChartTitle&) const = default;
};

// A chart element's outline, as a cell border describes a line; a new chart
// outlines its chart area and legend with a thin automatic line.
inline constexpr BorderLine kDefaultChartLine{LineStyle::Continuous, LineWeight::Thin, kColorAutomatic};

struct Legend {
    bool visible = true;
    BorderLine border = kDefaultChartLine;
    bool operator==(const Legend&) const = default;
};

// The labels on the data points of every series. They show when any of the
// show flags is set.
struct DataLabels {
    bool autoText = true;
    bool legendKey = false;
    bool hasLeaderLines = false;
    bool showSeriesName = false;
    bool showCategoryName = false;
    bool showValue = false;
    bool showPercentage = false;
    bool showBubbleSize = false;

    bool shown() const { return showSeriesName || showCategoryName || showValue || showPercentage || showBubbleSize; }
    bool operator==(const DataLabels&) const = default;
};

// The category (x) or value (y) axis of a chart that has axes (not a pie).
struct ChartAxis {
    ChartTitle title;
    std::string numberFormat = kGeneralFormat;  // of the tick labels
    bool operator==(const ChartAxis&) const = default;
};

struct Chart {
    int id = 0;  // unique in its workbook and kept wherever the chart moves; 0 until placed
    // A new chart draws lines with markers until it is told otherwise.
    ChartType type = ChartType::LineMarkers;
    std::vector<ChartSeries> series;
    ChartTitle title;
    Legend legend;
    BorderLine chartAreaBorder = kDefaultChartLine;
    DataLabels dataLabels;
    ChartAxis categoryAxis;
    ChartAxis valueAxis;
    bool hasDataTable = false;

    bool hasAxes() const { return type != ChartType::Pie; }
    bool operator==(const Chart&) const = default;
};

}  // namespace spreadsheet::model
