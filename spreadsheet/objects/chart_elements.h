// The parts of a chart a client reaches through it: ChartArea and Legend
// (Select, and the Border whose LineStyle outlines them), the chart title and
// the axis titles (Text, Characters.Text), and the axes (HasTitle, AxisTitle,
// TickLabels.NumberFormat). Each is a handle on its chart; the chart in the
// model holds every setting.
#pragma once

#include "automation/member_table.h"
#include "spreadsheet/objects/chart_handle.h"

namespace spreadsheet::objects {

// Which axis: the category axis or the value axis of the chart.
using AxisField = model::ChartAxis model::Chart::*;

// ChartArea or Legend.
automation::ObjectRef makeChartElement(const ChartHandle& chart, ChartElement element);
// The chart title (axis null) or an axis title; refused while the title is hidden.
automation::ObjectRef makeTitle(const ChartHandle& chart, AxisField axis, const std::string& owner);
automation::ObjectRef makeAxis(const ChartHandle& chart, AxisField axis);

}  // namespace spreadsheet::objects
