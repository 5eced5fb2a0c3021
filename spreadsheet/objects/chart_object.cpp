// Chart's member table: type, source data, titles, legend, axes, data table and location.
#include "spreadsheet/objects/chart_object.h"
#include "spreadsheet/objects/property_errors.h"

#include "automation/automation_error.h"
#include "spreadsheet/model/chart_source.h"
#include "spreadsheet/objects/arguments.h"
#include "spreadsheet/objects/chart_elements.h"
#include "spreadsheet/objects/chart_focus.h"
#include "spreadsheet/objects/chart_location.h"
#include "spreadsheet/objects/constants.h"
#include "spreadsheet/objects/line_codes.h"
#include "spreadsheet/objects/own_object.h"
#include "spreadsheet/objects/page_setup_object.h"
#include "spreadsheet/objects/range_entries.h"
#include "spreadsheet/objects/range_object.h"
#include "spreadsheet/objects/shape_object.h"
#include "spreadsheet/objects/sheet_actions.h"

#include <array>
#include <stdexcept>

namespace spreadsheet::objects {

using automation::Args;
using automation::AutomationError;
using automation::NamedArgs;
using automation::ObjectRef;
using automation::Variant;

namespace {

constexpr const char* kClass = "Chart";

// The sheet of a chart that is a sheet of its own; the sheet members refuse an embedded chart.
SheetHandle chartSheet(const ChartHandle& chart, const std::string& member) {
    if (!chart.onChartSheet())
        throw AutomationError(member + " applies to a chart sheet; this chart is embedded in the sheet \"" +
                              chart.sheet().get().name() + "\".");
    return chart.sheet();
}

// A chart sheet's name, or for an embedded chart its sheet's and shape's ("Data Chart 1").
std::string chartName(const ChartHandle& chart) {
    const model::Workbook::ChartPlace place = chart.place();
    const model::Sheet& sheet = chart.workbook().sheet(place.sheet);
    return place.shape ? sheet.name() + " " + sheet.shapes()[*place.shape].name : sheet.name();
}

// Select and Activate: a chart sheet becomes the active sheet; an embedded
// chart's worksheet does, and the chart the active chart.
void activateChart(const ChartHandle& chart) {
    const SheetHandle sheet = chart.sheet();
    if (chart.onChartSheet()) return activateSheet(sheet);
    sheet.doc->workbook.setActiveSheet(sheet.index());
    focusChart(chart);
}

void deleteChart(const ChartHandle& chart) {
    const model::Workbook::ChartPlace place = chart.place();
    if (!place.shape) return deleteSheet(chart.sheet(), kClass);
    chart.workbook().sheet(place.sheet).removeShape(*place.shape);
}

void setChartType(const ChartHandle& chart, const Variant& v) {
    const int number = v.toI4();
    const std::optional<model::ChartType> type = chartTypeFromAutomation(number);
    if (!type)
        unableToSet("ChartType", "Chart",
                    std::to_string(number) + " is not a chart type this spreadsheet draws (5 pie, 65 line with markers)");
    chart.change([&](model::Chart& c) { c.type = *type; });
}

// SetSourceData(Source, PlotBy): the chart's series, from a range of its workbook.
void setSourceData(const ChartHandle& chart, const Args& args, const NamedArgs& named) {
    const std::string failure = "SetSourceData method of Chart class failed: ";
    const auto* range = ownObject<RangeObject>(argument(args, named, 0, "Source"));
    if (!range) throw AutomationError(failure + "Source must be a range of cells.");
    const SheetHandle& sheet = range->sheetHandle();
    if (sheet.doc != chart.doc) throw AutomationError(failure + "the source is in another workbook.");
    model::PlotBy plotBy = model::naturalPlotBy(range->areas());
    if (const Variant by = argument(args, named, 1, "PlotBy"); !isLeftOut(by)) {
        const int value = by.toI4();
        if (value != xl::kRows && value != xl::kColumns)
            throw AutomationError(failure + "PlotBy is 1 (rows) or 2 (columns), not " + std::to_string(value) + ".");
        plotBy = static_cast<model::PlotBy>(value);
    }
    std::vector<model::ChartSeries> series;
    try {
        series = model::seriesFromSource(sheet.get().name(), range->areas(), plotBy,
                                         [&](model::CellAddress a) { return computedValue(sheet, a); });
    } catch (const std::invalid_argument& e) {
        throw AutomationError(failure + e.what() + ".");
    }
    chart.change([&](model::Chart& c) { c.series = std::move(series); });
}

// ApplyDataLabels(Type, LegendKey, AutoText, HasLeaderLines, ShowSeriesName,
// ShowCategoryName, ShowValue, ShowPercentage, ShowBubbleSize): the type
// picks what the labels show, and each flag given overrides it.
void applyDataLabels(const ChartHandle& chart, const Args& args, const NamedArgs& named) {
    model::DataLabels labels;
    const Variant type = argument(args, named, 0, "Type");
    switch (const int value = isLeftOut(type) ? xl::kDataLabelsShowValue : type.toI4()) {
    case xl::kDataLabelsShowNone: break;
    case xl::kDataLabelsShowValue: labels.showValue = true; break;
    case xl::kDataLabelsShowPercent: labels.showPercentage = true; break;
    case xl::kDataLabelsShowLabel: labels.showCategoryName = true; break;
    case xl::kDataLabelsShowLabelAndPercent: labels.showCategoryName = labels.showPercentage = true; break;
    case xl::kDataLabelsShowBubbleSizes: labels.showBubbleSize = true; break;
    default:
        throw AutomationError("ApplyDataLabels method of Chart class failed: " + std::to_string(value) +
                              " is not a kind of data label.");
    }
    using Flag = std::pair<const char*, bool model::DataLabels::*>;
    static constexpr std::array<Flag, 8> kFlags = {{
        {"LegendKey", &model::DataLabels::legendKey},
        {"AutoText", &model::DataLabels::autoText},
        {"HasLeaderLines", &model::DataLabels::hasLeaderLines},
        {"ShowSeriesName", &model::DataLabels::showSeriesName},
        {"ShowCategoryName", &model::DataLabels::showCategoryName},
        {"ShowValue", &model::DataLabels::showValue},
        {"ShowPercentage", &model::DataLabels::showPercentage},
        {"ShowBubbleSize", &model::DataLabels::showBubbleSize},
    }};
    for (size_t i = 0; i < kFlags.size(); ++i)
        if (const Variant flag = argument(args, named, i + 1, kFlags[i].first); !isLeftOut(flag))
            labels.*kFlags[i].second = flag.toBool();
    chart.change([&](model::Chart& c) { c.dataLabels = labels; });
}

// Axes(Type, AxisGroup): the category (1) or value (2) axis of the primary group.
ObjectRef axisOf(const ChartHandle& chart, const Args& args, const NamedArgs& named) {
    const std::string failure = "Axes method of Chart class failed: ";
    const Variant type = argument(args, named, 0, "Type");
    if (isLeftOut(type)) throw AutomationError(failure + "give the axis Type: 1 (category) or 2 (value).");
    if (!chart.get().hasAxes()) throw AutomationError(failure + "a pie chart has no axes.");
    const Variant group = argument(args, named, 1, "AxisGroup");
    if (!isLeftOut(group) && group.toI4() != xl::kPrimary)
        throw AutomationError(failure + "the chart has only its primary axes (AxisGroup 1).");
    switch (const int value = type.toI4()) {
    case xl::kCategory: return makeAxis(chart, &model::Chart::categoryAxis);
    case xl::kValue: return makeAxis(chart, &model::Chart::valueAxis);
    default: throw AutomationError(failure + "the chart has no axis of type " + std::to_string(value) + ".");
    }
}

ObjectRef legendOf(const ChartHandle& chart) {
    if (!chart.get().legend.visible)
        throw AutomationError("Unable to get the Legend property of the Chart class: the chart has no legend.");
    return makeChartElement(chart, ChartElement::Legend);
}

using T = automation::MemberTable<ChartObject>;

// A property of the chart that is a plain flag; `field` reaches it in a chart, const or not.
template <typename Field>
T::Member flag(const char* name, Field field) {
    return T::property(
        name, [field](ChartObject& c, const Args&) { return Variant(bool(field(c.chart().get()))); },
        [field](ChartObject& c, const Variant& v, const Args&) {
            const bool value = v.toBool();
            c.chart().change([&](model::Chart& chart) { field(chart) = value; });
        });
}

T::Member action(const char* name, void (*run)(const ChartHandle&), int maxArgs = 0,
                 std::vector<std::string> namedArgs = {}) {
    return T::method(name, [run](ChartObject& c, const Args&, const NamedArgs&) {
        run(c.chart());
        return Variant();
    }, 0, maxArgs, std::move(namedArgs));
}

}  // namespace

const automation::MemberTable<ChartObject>& ChartObject::members() {
    static const T table(kClass, {
        // As a sheet.
        T::property("Name", [](ChartObject& c, const Args&) { return Variant(chartName(c.chart())); },
                    [](ChartObject& c, const Variant& v, const Args&) {
                        renameSheet(chartSheet(c.chart(), "Name"), v, kClass);
                    }),
        T::property("Index", [](ChartObject& c, const Args&) {
            return Variant(int32_t(chartSheet(c.chart(), "Index").index() + 1));
        }),
        action("Select", activateChart, 1, {"Replace"}),
        action("Activate", activateChart),
        action("Delete", deleteChart),
        T::method("Move", [](ChartObject& c, const Args& a, const NamedArgs& n) {
            moveSheet(chartSheet(c.chart(), "Move"), a, n, kClass);
            return Variant();
        }, 0, 2, {"Before", "After"}),
        T::property("Shapes", [](ChartObject& c, const Args& a) {
            return Variant(shapesOf(chartSheet(c.chart(), "Shapes"), a));
        }, {}, 0, 1),
        T::property("PageSetup", [](ChartObject& c, const Args&) {
            return Variant(makePageSetup(chartSheet(c.chart(), "PageSetup")));
        }),
        // As a chart.
        T::property("ChartType", [](ChartObject& c, const Args&) { return Variant(int32_t(automationChartType(c.chart().get().type))); },
                    [](ChartObject& c, const Variant& v, const Args&) { setChartType(c.chart(), v); }),
        T::method("SetSourceData", [](ChartObject& c, const Args& a, const NamedArgs& n) {
            setSourceData(c.chart(), a, n);
            return Variant();
        }, 0, 2, {"Source", "PlotBy"}),
        T::method("Location", [](ChartObject& c, const Args& a, const NamedArgs& n) {
            locateChart(c.chart(), a, n);
            return Variant(makeChart(c.chart()));
        }, 0, 2, {"Where", "Name"}),
        T::property("ChartArea", [](ChartObject& c, const Args&) {
            return Variant(makeChartElement(c.chart(), ChartElement::ChartArea));
        }),
        T::property("Legend", [](ChartObject& c, const Args&) { return Variant(legendOf(c.chart())); }),
        flag("HasLegend", [](auto& c) -> auto& { return c.legend.visible; }),
        flag("HasTitle", [](auto& c) -> auto& { return c.title.visible; }),
        T::property("ChartTitle", [](ChartObject& c, const Args&) {
            return Variant(makeTitle(c.chart(), nullptr, "ChartTitle"));
        }),
        T::method("ApplyDataLabels", [](ChartObject& c, const Args& a, const NamedArgs& n) {
            applyDataLabels(c.chart(), a, n);
            return Variant();
        }, 0, 9, {"Type", "LegendKey", "AutoText", "HasLeaderLines", "ShowSeriesName", "ShowCategoryName",
                  "ShowValue", "ShowPercentage", "ShowBubbleSize"}),
        T::method("Axes", [](ChartObject& c, const Args& a, const NamedArgs& n) { return Variant(axisOf(c.chart(), a, n)); },
                  0, 2, {"Type", "AxisGroup"}),
        flag("HasDataTable", [](auto& c) -> auto& { return c.hasDataTable; }),
    });
    return table;
}

ObjectRef makeChart(const ChartHandle& chart) { return std::make_shared<ChartObject>(chart); }

// ---------------------------------------------------------------- Charts

const DocumentRef& ChartsObject::doc() const {
    if (m_doc->closed) throw AutomationError("The workbook \"" + m_doc->name + "\" has been closed.");
    return m_doc;
}

std::vector<int> ChartsObject::chartSheets() const {
    std::vector<int> out;
    const model::Workbook& workbook = doc()->workbook;
    for (int i = 0; i < workbook.sheetCount(); ++i)
        if (workbook.sheet(i).kind() == model::SheetKind::Chart) out.push_back(i);
    return out;
}

ObjectRef ChartsObject::item(const Variant& key) const {
    model::Workbook& workbook = doc()->workbook;
    if (key.type() == automation::VarType::String) {
        const std::optional<int> index = workbook.findSheet(key.toString());
        if (!index || workbook.sheet(*index).kind() != model::SheetKind::Chart)
            throw AutomationError("Subscript out of range: there is no chart sheet named \"" + key.toString() + "\".", 9);
        return makeChart(chartOfSheet({m_app, m_doc, &workbook.sheet(*index)}));
    }
    const std::vector<int> sheets = chartSheets();
    const int number = key.toI4();
    if (number < 1 || number > static_cast<int>(sheets.size()))
        throw AutomationError("Subscript out of range: there is no chart sheet number " + std::to_string(number) + ".", 9);
    return makeChart(chartOfSheet({m_app, m_doc, &workbook.sheet(sheets[number - 1])}));
}

const automation::MemberTable<ChartsObject>& ChartsObject::members() {
    using C = automation::MemberTable<ChartsObject>;
    static const C table("Charts", {
        C::method("Add", [](ChartsObject& c, const Args& a, const NamedArgs& n) {
            return Variant(makeChart(addChartSheet(c.app(), c.doc(), a, n)));
        }, 0, 3, {"Before", "After", "Count"}),
        C::property("Count", [](ChartsObject& c, const Args&) { return Variant(int32_t(c.chartSheets().size())); }),
        C::property("Item", [](ChartsObject& c, const Args& a) { return Variant(c.item(a[0])); }, {}, 1, 1),
    });
    return table;
}

}  // namespace spreadsheet::objects
