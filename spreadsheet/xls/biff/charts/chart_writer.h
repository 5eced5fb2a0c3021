// The chart substream: one chart from BOF to EOF, in the order the format's
// chart grammar gives — page setup, then the chart's formats (its frame,
// each series with its references and data labels, the axis group with its
// axes, axis titles, plot area and chart group with the legend, the title
// and the data label texts), then the values the series show now. A chart
// sheet's substream ends with its window; an embedded chart's follows the
// OBJ record of its shape in the worksheet.
#pragma once

#include "spreadsheet/model/chart.h"
#include "spreadsheet/model/page_setup.h"
#include "spreadsheet/model/palette.h"
#include "spreadsheet/xls/biff/charts/chart_plan.h"
#include "spreadsheet/xls/biff/records/record_stream.h"

namespace spreadsheet::xls::biff {

struct ChartPlacement {
    double width = 0;  // the chart area, in points
    double height = 0;
    bool chartSheet = false;  // a chart sheet's own chart, with its window
    bool selected = false;    // the chart sheet is the active sheet
};

// Line colours are written as palette indexes with their colour from `palette`.
void writeChartSubstream(RecordStream& out, const model::Chart& chart, const ChartOutput& output,
                         const model::PageSetup& pageSetup, const ChartPlacement& placement,
                         const model::Palette& palette);

// The chart area of a chart sheet: the printable part of its page, in points.
ChartPlacement chartSheetPlacement(const model::PageSetup& pageSetup);

}  // namespace spreadsheet::xls::biff
