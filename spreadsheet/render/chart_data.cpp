// Reading a chart's values and labels from the cells its series refer to.
#include "spreadsheet/render/chart_data.h"

#include "spreadsheet/render/cell_text.h"

#include <algorithm>

namespace spreadsheet::render {
namespace {

// What one referenced cell holds and shows.
struct CellReading {
    model::Value value;
    std::string text;
};

// The cells of a reference, area by area, each row by row.
std::vector<CellReading> readCells(const model::Workbook& workbook, formula::Evaluator& evaluator,
                                   const model::ChartReference& reference) {
    std::vector<CellReading> cells;
    const std::optional<int> sheetIndex = workbook.findSheet(reference.sheet);
    for (const model::CellRange& area : reference.areas)
        for (int r = area.first.row; r <= area.last.row; ++r)
            for (int c = area.first.column; c <= area.last.column; ++c) {
                CellReading reading;
                if (sheetIndex) {
                    reading.value = evaluator.cellValue(*sheetIndex, {r, c});
                    if (!reading.value.isEmpty())
                        reading.text = cellText(reading.value, workbook.sheet(*sheetIndex).effectiveStyle({r, c}),
                                                workbook.palette())
                                           .text;
                }
                cells.push_back(std::move(reading));
            }
    return cells;
}

std::string joinedTexts(const std::vector<CellReading>& cells) {
    std::string text;
    for (const CellReading& cell : cells) text += (text.empty() ? "" : " ") + cell.text;
    return text;
}

}  // namespace

ChartData readChartData(const model::Workbook& workbook, formula::Evaluator& evaluator, const model::Chart& chart) {
    ChartData data;
    std::vector<std::string> categories;
    size_t points = 0;
    for (size_t i = 0; i < chart.series.size(); ++i) {
        const model::ChartSeries& source = chart.series[i];
        SeriesData series;
        series.name = source.name ? joinedTexts(readCells(workbook, evaluator, *source.name))
                                  : "Series" + std::to_string(i + 1);
        for (CellReading& cell : readCells(workbook, evaluator, source.values)) {
            series.values.push_back(cell.value.isNumber() ? std::optional(cell.value.asNumber()) : std::nullopt);
            series.valueTexts.push_back(std::move(cell.text));
        }
        points = std::max(points, series.values.size());
        if (categories.empty() && source.categories)
            for (const CellReading& cell : readCells(workbook, evaluator, *source.categories))
                categories.push_back(cell.text);
        data.series.push_back(std::move(series));
    }
    // Points without a label of their own are numbered from 1.
    for (size_t p = 0; p < points; ++p)
        data.categories.push_back(p < categories.size() ? categories[p] : std::to_string(p + 1));
    return data;
}

}  // namespace spreadsheet::render
