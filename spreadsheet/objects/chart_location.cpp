// Charts.Add and Chart.Location: creating chart sheets and moving charts between sheets.
#include "spreadsheet/objects/chart_location.h"

#include "automation/automation_error.h"
#include "spreadsheet/objects/arguments.h"
#include "spreadsheet/objects/chart_focus.h"
#include "spreadsheet/objects/constants.h"
#include "spreadsheet/objects/sheet_actions.h"
#include "spreadsheet/objects/sheet_names.h"

namespace spreadsheet::objects {

using automation::AutomationError;
using automation::Variant;

namespace {

const std::string kLocationFailed = "Location method of Chart class failed: ";

constexpr model::ShapeBounds kEmbeddedChart{xl::kEmbeddedChartTop, xl::kEmbeddedChartLeft, xl::kEmbeddedChartWidth,
                                            xl::kEmbeddedChartHeight};

// The workbook's next chart sheet name: its counter goes on from the last
// one given, skipping names already taken.
std::string nextChartSheetName(Document& doc) {
    for (;; ++doc.nextChartSheetNumber) {
        const std::string name = "Chart" + std::to_string(doc.nextChartSheetNumber);
        if (!doc.workbook.findSheet(name)) {
            ++doc.nextChartSheetNumber;
            return name;
        }
    }
}

void toChartSheet(const ChartHandle& chart, const std::string& name) {
    model::Workbook& workbook = chart.workbook();
    const model::Workbook::ChartPlace place = chart.place();
    if (!place.shape) {  // already on a chart sheet: the sheet takes the name
        const SheetHandle sheet = chart.sheet();
        if (!name.empty()) {
            if (const auto problem = sheetNameProblem(workbook, place.sheet, name))
                throw AutomationError(kLocationFailed + *problem);
            sheet.get().setName(name);
        }
        activateSheet(sheet);
        return;
    }
    const std::string sheetName = name.empty() ? nextChartSheetName(*chart.doc) : name;
    if (const auto problem = sheetNameProblem(workbook, -1, sheetName)) throw AutomationError(kLocationFailed + *problem);
    model::Sheet& from = workbook.sheet(place.sheet);
    model::Shape shape = from.removeShape(*place.shape);
    model::Sheet& added = workbook.addSheet(sheetName, model::SheetKind::Chart, workbook.indexOf(from));
    added.setChart(std::move(shape.chart));
    activateSheet({chart.app, chart.doc, &added});
}

void intoWorksheet(const ChartHandle& chart, const std::string& name) {
    if (name.empty()) throw AutomationError(kLocationFailed + "give the Name of the worksheet to embed the chart in.");
    model::Workbook& workbook = chart.workbook();
    const std::optional<int> target = workbook.findSheet(name);
    if (!target) throw AutomationError(kLocationFailed + "there is no sheet named \"" + name + "\".");
    model::Sheet& into = workbook.sheet(*target);
    if (into.kind() != model::SheetKind::Worksheet)
        throw AutomationError(kLocationFailed + "\"" + name +
                              "\" is a chart sheet; a chart is embedded only in a worksheet.");
    const model::Workbook::ChartPlace place = chart.place();
    model::Sheet& from = workbook.sheet(place.sheet);
    if (place.shape) {
        // Already embedded: it keeps its place and size and comes to the top.
        model::Shape shape = from.removeShape(*place.shape);
        workbook.embedChart(workbook.indexOf(into), std::move(shape.chart), shape.bounds);
    } else {
        workbook.embedChart(*target, *from.chart(), kEmbeddedChart);
        workbook.removeSheet(workbook.indexOf(from));
    }
    workbook.setActiveSheet(workbook.indexOf(into));
    focusChart(chart);
}

}  // namespace

ChartHandle addChartSheet(const ApplicationStateRef& app, const DocumentRef& doc, const automation::Args& args,
                          const automation::NamedArgs& named) {
    const Variant count = argument(args, named, 2, "Count");
    if (!isLeftOut(count) && count.toI4() != 1)
        throw AutomationError("Add method of Charts class failed: charts are added one at a time (Count 1).");
    model::Workbook& workbook = doc->workbook;
    const int position =
        insertPosition(doc, args, named, "Add method of Charts class").value_or(workbook.activeSheetIndex());
    model::Sheet& sheet = workbook.addSheet(nextChartSheetName(*doc), model::SheetKind::Chart, position);
    const SheetHandle handle{app, doc, &sheet};
    activateSheet(handle);
    return chartOfSheet(handle);
}

void locateChart(const ChartHandle& chart, const automation::Args& args, const automation::NamedArgs& named) {
    const Variant where = argument(args, named, 0, "Where");
    if (isLeftOut(where))
        throw AutomationError(kLocationFailed + "give Where: 1 (a new chart sheet) or 2 (an object in a worksheet).");
    const Variant name = argument(args, named, 1, "Name");
    const std::string sheetName = isLeftOut(name) ? std::string() : name.toString();
    switch (const int value = where.toI4()) {
    case xl::kLocationAsNewSheet: toChartSheet(chart, sheetName); break;
    case xl::kLocationAsObject: intoWorksheet(chart, sheetName); break;
    default:
        throw AutomationError(kLocationFailed + std::to_string(value) + " is not a place for a chart: Where is 1 " +
                              "(a new chart sheet) or 2 (an object in a worksheet).");
    }
}

}  // namespace spreadsheet::objects
