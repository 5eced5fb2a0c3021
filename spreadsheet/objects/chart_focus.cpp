// Which chart is active and which of its elements is selected, following the spreadsheet's rules.
#include "spreadsheet/objects/chart_focus.h"

#include "automation/automation_error.h"

namespace spreadsheet::objects {

std::optional<ChartHandle> activeChart(const ApplicationStateRef& app) {
    const DocumentRef& doc = app->activeWorkbook;
    if (!doc || doc->closed || doc->workbook.sheetCount() == 0) return std::nullopt;
    const model::Sheet& active = doc->workbook.sheet(doc->workbook.activeSheetIndex());
    if (const model::Chart* own = active.chart()) return ChartHandle{app, doc, own->id};
    const ChartFocus& focus = app->chartFocus;
    if (focus.chartId != 0 && focus.doc.lock() == doc && active.findChart(focus.chartId))
        return ChartHandle{app, doc, focus.chartId};
    return std::nullopt;
}

ChartElement selectedChartElement(const ApplicationStateRef& app) {
    const std::optional<ChartHandle> chart = activeChart(app);
    const ChartFocus& focus = app->chartFocus;
    if (!chart || focus.chartId != chart->id || focus.doc.lock() != chart->doc) return ChartElement::None;
    return focus.selected;
}

void focusChart(const ChartHandle& chart) { chart.app->chartFocus = {chart.doc, chart.id, ChartElement::None}; }

void selectChartElement(const ChartHandle& chart, ChartElement element, const std::string& className) {
    const std::optional<ChartHandle> active = activeChart(chart.app);
    if (!active || active->id != chart.id || active->doc != chart.doc)
        throw automation::AutomationError("Select method of " + className +
                                          " class failed: its chart is not the active chart.");
    chart.app->chartFocus = {chart.doc, chart.id, element};
}

void clearChartFocus(ApplicationState& app) { app.chartFocus = {}; }

}  // namespace spreadsheet::objects
