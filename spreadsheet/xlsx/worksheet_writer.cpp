// The order matters to the library: merged areas before the cells (merging
// writes the top-left cell), row heights before the charts (it anchors them
// by the heights it knows).
#include "spreadsheet/xlsx/worksheet_writer.h"

#include "spreadsheet/model/a1_notation.h"
#include "spreadsheet/xlsx/cell_writer.h"
#include "spreadsheet/xlsx/chart_anchor.h"
#include "spreadsheet/xlsx/chart_writer.h"
#include "spreadsheet/xlsx/page_setup_writer.h"
#include "spreadsheet/xlsx/selection_view.h"
#include "spreadsheet/xlsx/sheet_style_layout.h"

#include <algorithm>

namespace spreadsheet::xlsx {
namespace {

// The library sizes a chart from a default of 480 by 288 pixels and a scale.
constexpr double kChartDefaultWidth = 480;
constexpr double kChartDefaultHeight = 288;
// It takes a scale of 0 for "unscaled", so a chart with no width or height keeps this much.
constexpr double kSmallestPixels = 0.01;

void writeColumns(WriteContext& context, const model::Sheet& sheet, lxw_worksheet* worksheet) {
    for (const ColumnRun& run : columnRuns(sheet)) {
        lxw_row_col_options options{};
        options.hidden = run.width && *run.width <= 0;
        checkLibrary(worksheet_set_column_opt(worksheet, run.first - 1, run.last - 1,
                                              run.width.value_or(model::kDefaultColumnWidth),
                                              context.formats.formatOf(run.style), &options),
                     "the columns " + model::formatA1(model::CellRange::wholeColumns(run.first, run.last)) + " of " +
                         sheetWords(sheet));
    }
}

void writeRows(WriteContext& context, const model::Sheet& sheet, lxw_worksheet* worksheet) {
    worksheet_set_default_row(worksheet, model::kDefaultRowHeight, LXW_FALSE);
    for (const RowEntry& entry : rowEntries(sheet)) {
        lxw_row_col_options options{};
        options.hidden = entry.height && *entry.height <= 0;
        const double height = entry.height && !options.hidden ? *entry.height : model::kDefaultRowHeight;
        lxw_format* format = entry.style ? context.formats.formatOf(*entry.style) : nullptr;
        checkLibrary(worksheet_set_row_opt(worksheet, entry.row - 1, height, format, &options),
                     "row " + std::to_string(entry.row) + " of " + sheetWords(sheet));
    }
}

void writeMerges(const model::Sheet& sheet, lxw_worksheet* worksheet) {
    for (const model::CellRange& merge : sheet.merges()) {
        const model::CellRange area({std::clamp(merge.first.row, 1, model::kMaxRows), std::clamp(merge.first.column, 1, model::kMaxColumns)},
                                    {std::clamp(merge.last.row, 1, model::kMaxRows), std::clamp(merge.last.column, 1, model::kMaxColumns)});
        if (area.isSingleCell()) continue;
        // An empty text without a format writes no cell: only the area is recorded.
        checkLibrary(worksheet_merge_range(worksheet, area.first.row - 1, area.first.column - 1, area.last.row - 1,
                                           area.last.column - 1, "", nullptr),
                     "the merged area " + model::formatA1(area) + " of " + sheetWords(sheet));
    }
}

void writeSelection(const model::Sheet& sheet, lxw_worksheet* worksheet) {
    const SelectionView view = selectionView(sheet.selection(), sheet.activeCell());
    worksheet_set_selection(worksheet, view.active.row - 1, view.active.column - 1, view.oppositeCorner.row - 1,
                            view.oppositeCorner.column - 1);
}

void writeCharts(WriteContext& context, const model::Sheet& sheet, lxw_worksheet* worksheet) {
    for (const model::Shape& shape : sheet.shapes()) {
        const std::string where = "the chart \"" + shape.name + "\" on " + sheetWords(sheet);
        lxw_chart* chart = makeChart(context, shape.chart, where);
        const LibraryPlacement place = libraryPlacement(sheet, anchorOf(sheet, shape.bounds));
        lxw_chart_options options{};
        options.x_offset = place.xOffset;
        options.y_offset = place.yOffset;
        options.x_scale = std::max(place.width, kSmallestPixels) / kChartDefaultWidth;
        options.y_scale = std::max(place.height, kSmallestPixels) / kChartDefaultHeight;
        checkLibrary(worksheet_insert_chart_opt(worksheet, place.row, place.column, chart, &options), where);
    }
}

}  // namespace

void writeWorksheet(WriteContext& context, int sheetIndex, lxw_worksheet* worksheet) {
    const model::Sheet& sheet = context.workbook.sheet(sheetIndex);
    writeColumns(context, sheet, worksheet);
    writeRows(context, sheet, worksheet);
    writeMerges(sheet, worksheet);
    writeCells(context, sheetIndex, worksheet);
    writeSelection(sheet, worksheet);
    writePageSetup(context.library, worksheet, sheet);
    writeCharts(context, sheet, worksheet);
}

}  // namespace spreadsheet::xlsx
