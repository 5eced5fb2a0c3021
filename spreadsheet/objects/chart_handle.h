// ChartHandle: how every chart handle refers to a chart — the instance, the
// open workbook and the chart's id in it. The chart is looked up on every use,
// so a handle follows its chart when it moves between a chart sheet and a
// worksheet, and gives a clear error once the chart or its workbook is gone.
#pragma once

#include "spreadsheet/objects/sheet_handle.h"

#include <functional>

namespace spreadsheet::objects {

struct ChartHandle {
    ApplicationStateRef app;
    DocumentRef doc;
    int id = 0;

    model::Workbook& workbook() const;
    model::Workbook::ChartPlace place() const;
    const model::Chart& get() const;
    void change(const std::function<void(model::Chart&)>& fn) const;
    // The sheet that holds the chart: its chart sheet, or the worksheet it is embedded in.
    SheetHandle sheet() const;
    bool onChartSheet() const { return !place().shape; }
};

// The chart a chart sheet shows.
ChartHandle chartOfSheet(const SheetHandle& sheet);

}  // namespace spreadsheet::objects
