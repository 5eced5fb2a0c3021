// Finding a chart by its id on every use, so a handle never outlives its chart unnoticed.
#include "spreadsheet/objects/chart_handle.h"

#include "automation/automation_error.h"

namespace spreadsheet::objects {

model::Workbook& ChartHandle::workbook() const {
    if (!doc || doc->closed) throw automation::AutomationError("The workbook of this chart has been closed.");
    return doc->workbook;
}

model::Workbook::ChartPlace ChartHandle::place() const {
    const std::optional<model::Workbook::ChartPlace> found = workbook().findChart(id);
    if (!found) throw automation::AutomationError("The chart of this object has been deleted.");
    return *found;
}

const model::Chart& ChartHandle::get() const {
    return *workbook().sheet(place().sheet).findChart(id);
}

void ChartHandle::change(const std::function<void(model::Chart&)>& fn) const {
    workbook().sheet(place().sheet).changeChart(id, fn);
}

SheetHandle ChartHandle::sheet() const { return {app, doc, &workbook().sheet(place().sheet)}; }

ChartHandle chartOfSheet(const SheetHandle& sheet) {
    const model::Chart* chart = sheet.get().chart();
    if (!chart) throw automation::AutomationError("The sheet \"" + sheet.get().name() + "\" is not a chart sheet.");
    return {sheet.app, sheet.doc, chart->id};
}

}  // namespace spreadsheet::objects
