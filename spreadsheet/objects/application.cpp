// Application's member table: flags, Workbooks, Sheets, Range, Selection, CopiedPicture, Quit.
#include "spreadsheet/objects/application.h"
#include "spreadsheet/objects/property_errors.h"

#include "automation/automation_error.h"
#include "spreadsheet/objects/chart_elements.h"
#include "spreadsheet/objects/chart_focus.h"
#include "spreadsheet/objects/chart_object.h"
#include "spreadsheet/objects/constants.h"
#include "spreadsheet/objects/picture_support.h"
#include "spreadsheet/objects/range_object.h"
#include "spreadsheet/objects/workbook_object.h"
#include "spreadsheet/objects/worksheet_object.h"

#include <clocale>

namespace spreadsheet::objects {

using automation::Args;
using automation::AutomationError;
using automation::NamedArgs;
using automation::ObjectRef;
using automation::Variant;

formula::NumberConventions numberConventionsFromLocale() {
    formula::NumberConventions conventions;
    if (const std::lconv* lc = std::localeconv()) {
        if (lc->decimal_point && *lc->decimal_point) conventions.decimalSeparator = *lc->decimal_point;
        const bool groupKnown = lc->thousands_sep && *lc->thousands_sep && *lc->thousands_sep != conventions.decimalSeparator;
        conventions.groupSeparator = groupKnown ? *lc->thousands_sep : (conventions.decimalSeparator == ',' ? '.' : ',');
    }
    return conventions;
}

namespace {

using T = automation::MemberTable<Application>;

T::Member flag(const char* name, bool ApplicationState::*field) {
    return T::property(
        name, [field](Application& a, const Args&) { return Variant(a.state().get()->*field); },
        [field](Application& a, const Variant& v, const Args&) { a.state().get()->*field = v.toBool(); });
}

T::Member choice(const char* name, int32_t ApplicationState::*field, std::initializer_list<int> allowed) {
    std::vector<int> values(allowed);
    return T::property(
        name, [field](Application& a, const Args&) { return Variant(a.state().get()->*field); },
        [field, values, name = std::string(name)](Application& a, const Variant& v, const Args&) {
            const int value = v.toI4();
            if (std::find(values.begin(), values.end(), value) == values.end())
                unableToSet(name, "Application", std::to_string(value) + " is not one of its values");
            a.state().get()->*field = value;
        });
}

// The active sheet, for a member that needs cells: a chart sheet has none.
SheetHandle activeWorksheet(const ApplicationStateRef& app, const std::string& member) {
    const SheetHandle sheet = SheetHandle::active(app);
    if (sheet.get().kind() != model::SheetKind::Worksheet)
        throw AutomationError("Method '" + member + "' of object 'Application' failed: the active sheet \"" +
                              sheet.get().name() + "\" is a chart sheet, which has no cells.");
    return sheet;
}

// A member that works on the cells of the active sheet of the active workbook.
T::Member onActiveSheet(const char* name, ObjectRef (*make)(const SheetHandle&, const Args&), int minArgs,
                        int maxArgs) {
    return T::property(name, [make, member = std::string(name)](Application& a, const Args& args) {
        return Variant(make(activeWorksheet(a.state(), member), args));
    }, {}, minArgs, maxArgs);
}

// The selected element of the active chart; on a chart sheet with nothing
// selected, its chart area; otherwise the selected cells.
ObjectRef selectionOf(const ApplicationStateRef& app) {
    const SheetHandle sheet = SheetHandle::active(app);
    if (const std::optional<ChartHandle> chart = activeChart(app)) {
        const ChartElement element = selectedChartElement(app);
        if (element != ChartElement::None) return makeChartElement(*chart, element);
        if (chart->onChartSheet()) return makeChartElement(*chart, ChartElement::ChartArea);
    }
    return makeRange(activeWorksheet(app, "Selection"), sheet.get().selection());
}

ObjectRef chartsOfActiveWorkbook(Application& a, const Args& args) {
    const SheetHandle active = SheetHandle::active(a.state());
    auto charts = std::make_shared<ChartsObject>(a.state(), active.doc);
    if (args.empty()) return charts;
    return charts->item(args[0]);
}

ObjectRef activeCellOf(const SheetHandle& sheet, const Args&) { return makeRange(sheet, {sheet.get().activeCell()}); }
ObjectRef activeSheetOf(const SheetHandle& sheet, const Args&) { return makeWorksheet(sheet); }
ObjectRef cellsOfSheet(const SheetHandle& sheet, const Args& a) { return cellsOf(sheet, model::CellRange::wholeSheet(), a); }
ObjectRef rowsOfSheet(const SheetHandle& sheet, const Args& a) {
    return rowsOrColumnsOf(sheet, model::CellRange::wholeSheet(), a, RangeMode::Rows);
}
ObjectRef columnsOfSheet(const SheetHandle& sheet, const Args& a) {
    return rowsOrColumnsOf(sheet, model::CellRange::wholeSheet(), a, RangeMode::Columns);
}

ObjectRef sheetsOfActiveWorkbook(Application& a, const Args& args) {
    const SheetHandle active = SheetHandle::active(a.state());
    auto sheets = std::make_shared<SheetsObject>(a.state(), active.doc);
    if (args.empty()) return sheets;
    return sheets->item(args[0]);
}

Variant constant(const char* value) { return Variant(value); }

}  // namespace

Application::Application() : m_state(std::make_shared<ApplicationState>()) {
    m_state->conventions = numberConventionsFromLocale();
}

const automation::MemberTable<Application>& Application::members() {
    static const T table("Application", {
        T::property("Name", [](Application&, const Args&) { return constant(kName); }),
        T::property("Value", [](Application&, const Args&) { return constant(kName); }),
        T::property("Version", [](Application&, const Args&) { return constant(kVersion); }),
        flag("Visible", &ApplicationState::visible),
        flag("ScreenUpdating", &ApplicationState::screenUpdating),
        flag("DisplayAlerts", &ApplicationState::displayAlerts),
        flag("EnableEvents", &ApplicationState::enableEvents),
        choice("EnableCancelKey", &ApplicationState::enableCancelKey,
               {xl::kCancelKeyDisabled, xl::kCancelKeyInterrupt, xl::kCancelKeyErrorHandler}),
        choice("Cursor", &ApplicationState::cursor,
               {xl::kCursorDefault, xl::kCursorNorthwestArrow, xl::kCursorWait, xl::kCursorIBeam}),
        T::property("Workbooks", [](Application& a, const Args&) {
            return Variant(ObjectRef(std::make_shared<WorkbooksObject>(a.state())));
        }),
        T::property("ActiveWorkbook", [](Application& a, const Args&) {
            const DocumentRef& doc = a.state()->activeWorkbook;
            return doc ? Variant(makeWorkbook(a.state(), doc)) : Variant(ObjectRef());
        }),
        T::property("ActiveSheet", [](Application& a, const Args& args) {
            if (!a.state()->activeWorkbook) return Variant(ObjectRef());  // Nothing, as with no workbook open
            return Variant(activeSheetOf(SheetHandle::active(a.state()), args));
        }),
        T::property("Sheets", [](Application& a, const Args& args) { return Variant(sheetsOfActiveWorkbook(a, args)); },
                    {}, 0, 1),
        T::property("Worksheets", [](Application& a, const Args& args) { return Variant(sheetsOfActiveWorkbook(a, args)); },
                    {}, 0, 1),
        onActiveSheet("Range", rangeOf, 1, 2),
        onActiveSheet("Cells", cellsOfSheet, 0, 2),
        onActiveSheet("Rows", rowsOfSheet, 0, 1),
        onActiveSheet("Columns", columnsOfSheet, 0, 1),
        T::property("Selection", [](Application& a, const Args&) { return Variant(selectionOf(a.state())); }),
        T::property("Charts", [](Application& a, const Args& args) { return Variant(chartsOfActiveWorkbook(a, args)); },
                    {}, 0, 1),
        T::property("ActiveChart", [](Application& a, const Args&) {
            const std::optional<ChartHandle> chart = activeChart(a.state());
            return chart ? Variant(makeChart(*chart)) : Variant(ObjectRef());  // Nothing when no chart is active
        }),
        onActiveSheet("ActiveCell", activeCellOf, 0, 0),
        T::property("CopiedPicture", [](Application& a, const Args&) {
            const PictureSupport& pictures = pictureSupport();
            if (!pictures.makePicture || !a.state()->copiedPicture) return Variant(automation::ObjectRef());
            return pictures.makePicture(a.state()->copiedPicture);
        }),
        T::method("InchesToPoints", [](Application&, const Args& a, const NamedArgs&) {
            return Variant(a[0].toDouble() * xl::kPointsPerInch);
        }, 1, 1),
        T::method("Quit", [](Application& a, const Args&, const NamedArgs&) {
            a.state()->quit = true;
            for (const DocumentRef& doc : a.state()->workbooks) doc->closed = true;
            a.state()->workbooks.clear();
            a.state()->activeWorkbook.reset();
            return Variant();
        }),
    });
    return table;
}

}  // namespace spreadsheet::objects
