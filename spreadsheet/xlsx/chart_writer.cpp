// Series references: a single area goes by sheet, rows and columns, so the
// library quotes the sheet itself; a union goes as formula text. Every cache
// is ours (chart_cache.h).
#include "spreadsheet/xlsx/chart_writer.h"

#include "spreadsheet/xlsx/chart_cache.h"
#include "spreadsheet/xlsx/chart_lines.h"
#include "spreadsheet/xlsx/reference_text.h"
#include "spreadsheet/xlsx/xlsx_error.h"
#include "spreadsheet/xlsx/xml_text.h"

#include <new>

namespace spreadsheet::xlsx {
namespace {

uint8_t libraryType(model::ChartType type) { return type == model::ChartType::Pie ? LXW_CHART_PIE : LXW_CHART_LINE; }

// "=(...)" for a union; nullopt for a single area, which goes by rows and columns.
std::optional<std::string> unionFormula(const std::optional<model::ChartReference>& reference) {
    if (!reference || reference->areas.size() < 2) return std::nullopt;
    return "=(" + areaList(reference->sheet, reference->areas) + ")";
}

const char* textOrNull(const std::optional<std::string>& text) { return text ? text->c_str() : nullptr; }

void setArea(lxw_chart_series* series, const model::ChartReference& reference,
             void (*set)(lxw_chart_series*, const char*, lxw_row_t, lxw_col_t, lxw_row_t, lxw_col_t)) {
    if (reference.areas.size() != 1) return;
    const model::CellRange& a = reference.areas.front();
    set(series, reference.sheet.c_str(), a.first.row - 1, a.first.column - 1, a.last.row - 1, a.last.column - 1);
}

void setLabels(lxw_chart_series* series, const model::DataLabels& labels) {
    if (!labels.shown()) return;
    chart_series_set_labels(series);
    chart_series_set_labels_options(series, labels.showSeriesName, labels.showCategoryName, labels.showValue);
    if (labels.showPercentage) chart_series_set_labels_percentage(series);
    if (labels.hasLeaderLines) chart_series_set_labels_leader_line(series);
    if (labels.legendKey) chart_series_set_labels_legend(series);
}

void addSeries(WriteContext& context, lxw_chart* chart, const model::Chart& model, const model::ChartSeries& s) {
    if (s.values.areas.empty()) return;  // nothing to plot
    const std::optional<std::string> categories = unionFormula(s.categories);
    const std::optional<std::string> values = unionFormula(s.values);
    lxw_chart_series* series = chart_add_series(chart, textOrNull(categories), textOrNull(values));
    if (!series) throw std::bad_alloc();
    setArea(series, s.values, chart_series_set_values);
    storeCache(series->values, cachedPoints(context, s.values), false);
    if (s.categories && !s.categories->areas.empty()) {
        setArea(series, *s.categories, chart_series_set_categories);
        const std::vector<model::Value> points = cachedPoints(context, *s.categories);
        storeCache(series->categories, points, holdsText(points));
    }
    if (s.name && !s.name->areas.empty()) {
        const model::CellAddress cell = s.name->areas.front().first;
        const model::ChartReference nameCell{s.name->sheet, {model::CellRange(cell)}};
        chart_series_set_name_range(series, s.name->sheet.c_str(), cell.row - 1, cell.column - 1);
        storeCache(series->title.range, cachedPoints(context, nameCell), true);
    }
    if (model.type == model::ChartType::LineMarkers) chart_series_set_marker_type(series, LXW_CHART_MARKER_AUTOMATIC);
    setLabels(series, model.dataLabels);
}

// A title's text. The library takes a text that begins with "=" for a
// reference, so such a title cannot be written as the text it is.
std::string titleText(const model::ChartTitle& title, const std::string& which, const std::string& where) {
    const std::string text = plainText(title.text);
    if (text.starts_with('='))
        throw XlsxError(XlsxErrorKind::Unstorable, "the " + which + " \"" + title.text + "\" of " + where +
                                                       " begins with \"=\", which the file would take for a reference");
    return text;
}

void setAxis(lxw_chart_axis* axis, const model::ChartAxis& model, const std::string& which, const std::string& where) {
    if (model.title.visible && !model.title.text.empty())
        chart_axis_set_name(axis, titleText(model.title, which, where).c_str());
    if (!model.numberFormat.empty() && model.numberFormat != model::kGeneralFormat)
        chart_axis_set_num_format(axis, plainText(model.numberFormat).c_str());
}

}  // namespace

lxw_chart* makeChart(WriteContext& context, const model::Chart& model, const std::string& where) {
    lxw_chart* chart = workbook_add_chart(context.library, libraryType(model.type));
    if (!chart) throw std::bad_alloc();
    for (const model::ChartSeries& series : model.series) addSeries(context, chart, model, series);
    if (model.title.visible && !model.title.text.empty())
        chart_title_set_name(chart, titleText(model.title, "title", where).c_str());
    else
        chart_title_off(chart);
    if (!model.legend.visible) chart_legend_set_position(chart, LXW_CHART_LEGEND_NONE);
    if (std::optional<lxw_chart_line> line = libraryLine(model.chartAreaBorder, context.workbook.palette()))
        chart_chartarea_set_line(chart, &*line);
    if (model.hasAxes()) {
        setAxis(chart->x_axis, model.categoryAxis, "category axis title", where);
        setAxis(chart->y_axis, model.valueAxis, "value axis title", where);
    }
    if (model.hasDataTable) chart_set_table(chart);
    return chart;
}

}  // namespace spreadsheet::xlsx
