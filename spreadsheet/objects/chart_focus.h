// The active chart and its selected element, by the spreadsheet's rules: a
// chart sheet's chart is active while its sheet is; adding a chart or moving
// it with Location makes it the active chart; selecting cells or a sheet ends
// an embedded chart's turn. Selecting an element (ChartArea.Select,
// Legend.Select) needs its chart to be the active one, and Selection then
// answers that element.
#pragma once

#include "spreadsheet/objects/chart_handle.h"

#include <optional>

namespace spreadsheet::objects {

// The active chart of the active workbook, if there is one.
std::optional<ChartHandle> activeChart(const ApplicationStateRef& app);
// The selected element of the active chart; None when there is none.
ChartElement selectedChartElement(const ApplicationStateRef& app);

// Makes the chart the active chart, with none of its elements selected.
void focusChart(const ChartHandle& chart);
// Selects an element of the active chart; refused for any other chart.
void selectChartElement(const ChartHandle& chart, ChartElement element, const std::string& className);
// Cells or a worksheet were selected: no chart is active any more.
void clearChartFocus(ApplicationState& app);

}  // namespace spreadsheet::objects
