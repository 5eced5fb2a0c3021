// Where charts live: Charts.Add puts a new chart on a chart sheet of its own,
// and Chart.Location moves a chart onto a chart sheet or into a worksheet.
// Either way the chart becomes the active chart and its sheet the active sheet.
#pragma once

#include "automation/object.h"
#include "spreadsheet/objects/chart_handle.h"

namespace spreadsheet::objects {

// Charts.Add(Before, After, Count): a new, empty chart on a new chart sheet
// named "Chart1", "Chart2", ... in turn, before the active sheet unless told
// otherwise.
ChartHandle addChartSheet(const ApplicationStateRef& app, const DocumentRef& doc, const automation::Args& args,
                          const automation::NamedArgs& named);

// Location(Where, Name). Where 1: the chart fills a chart sheet of that name
// (its own sheet is renamed; an embedded chart gets a new sheet before its
// worksheet). Where 2: the chart is embedded in the worksheet of that name as
// its newest shape (a chart sheet's chart at the default place and size, and
// its chart sheet removed). Names follow the sheet naming rules; nothing
// changes when the call is refused.
void locateChart(const ChartHandle& chart, const automation::Args& args, const automation::NamedArgs& named);

}  // namespace spreadsheet::objects
