// An embedded chart painted into its rectangle of the picture: the chart area
// in white, outlined unless its border is off; the title on top; the legend
// on the right, centred down the room under the title; the plot in the room
// that is left. Pies run from twelve o'clock clockwise in the palette's chart
// fill colours, outlined in black, as large as the plot allows, with their
// data labels (and legend keys) outside the slices where pie_layout puts
// them; line charts draw each series as a line with square markers over
// value gridlines.
#pragma once

#include "spreadsheet/model/chart.h"
#include "spreadsheet/model/palette.h"
#include "spreadsheet/render/chart_data.h"
#include "spreadsheet/render/pie_layout.h"

#include <QColor>
#include <QPainter>
#include <QRect>
#include <string>

namespace spreadsheet::render {

// Fills of pie slices (and other filled points) and colours of series lines,
// taken in turn from the palette's chart colours.
QColor chartFillColor(const model::Palette& palette, size_t index);
QColor chartLineColor(const model::Palette& palette, size_t index);

// The text of a pie point's data label: the parts the chart shows, in the
// order series name, category, value, percentage.
std::string pieLabelText(const model::DataLabels& labels, const std::string& seriesName, const std::string& category,
                         const std::string& valueText, double share);

// Where a pie chart in `area` puts its pie and data labels, as paintChart draws them.
PieLayout layoutPieChart(const QRect& area, const model::Chart& chart, const ChartData& data,
                         const model::Palette& palette);

void paintChart(QPainter& painter, const QRect& area, const model::Chart& chart, const ChartData& data,
                const model::Palette& palette);

}  // namespace spreadsheet::render
