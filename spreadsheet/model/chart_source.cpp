// A chart's series from its source range: the grid the areas cover, split by rows or columns.
#include "spreadsheet/model/chart_source.h"

#include <algorithm>
#include <stdexcept>

namespace spreadsheet::model {
namespace {

using Lines = std::vector<int>;  // sheet rows or columns, ascending

// The sheet rows (or columns) that the areas cover, each once, in order.
Lines covered(const RangeList& areas, bool rows) {
    std::vector<std::pair<int, int>> spans;
    for (const CellRange& area : areas)
        spans.emplace_back(rows ? area.first.row : area.first.column, rows ? area.last.row : area.last.column);
    std::sort(spans.begin(), spans.end());
    Lines out;
    for (const auto& [first, last] : spans)
        for (int n = std::max(first, out.empty() ? first : out.back() + 1); n <= last; ++n) out.push_back(n);
    return out;
}

// The compact grid seen as series lines (one per series) crossed by point lines.
struct Grid {
    Lines seriesLines;
    Lines pointLines;
    bool byColumns;

    CellAddress at(int seriesLine, int pointLine) const {
        return byColumns ? CellAddress{pointLine, seriesLine} : CellAddress{seriesLine, pointLine};
    }
};

bool isText(const Value& v) { return v.isText() && !v.asText().empty(); }
bool isBlank(const Value& v) { return v.isEmpty() || (v.isText() && v.asText().empty()); }

// A line of labels: every cell text or empty, and at least one text.
bool holdsLabels(const std::vector<CellAddress>& cells, const CellValueOf& valueOf) {
    bool anyText = false;
    for (CellAddress a : cells) {
        const Value v = valueOf(a);
        if (!isText(v) && !isBlank(v)) return false;
        anyText = anyText || isText(v);
    }
    return anyText;
}

// One reference for the cells of a series line at the given points: runs of
// adjacent cells make one area each.
ChartReference referenceAlong(const Grid& grid, const std::string& sheet, int seriesLine, Lines::const_iterator from,
                              Lines::const_iterator to) {
    ChartReference ref{sheet, {}};
    for (auto run = from; run != to;) {
        auto end = run + 1;
        while (end != to && *end == *(end - 1) + 1) ++end;
        ref.areas.emplace_back(grid.at(seriesLine, *run), grid.at(seriesLine, *(end - 1)));
        run = end;
    }
    return ref;
}

}  // namespace

PlotBy naturalPlotBy(const RangeList& areas) {
    return covered(areas, true).size() > covered(areas, false).size() ? PlotBy::Columns : PlotBy::Rows;
}

std::vector<ChartSeries> seriesFromSource(const std::string& sheet, const RangeList& areas, PlotBy plotBy,
                                          const CellValueOf& valueOf) {
    if (areas.empty()) throw std::invalid_argument("the source has no cells");
    const bool byColumns = plotBy == PlotBy::Columns;
    const Grid grid{covered(areas, !byColumns), covered(areas, byColumns), byColumns};
    const Lines& lines = grid.seriesLines;
    const Lines& points = grid.pointLines;

    // The first series line holds category labels: judged without the corner
    // cell when there is more than one point, since the corner may be a name.
    std::vector<CellAddress> firstLine;
    for (size_t p = points.size() > 1 ? 1 : 0; p < points.size(); ++p) firstLine.push_back(grid.at(lines[0], points[p]));
    const bool hasCategories = lines.size() > 1 && holdsLabels(firstLine, valueOf);
    const size_t firstSeries = hasCategories ? 1 : 0;

    std::vector<CellAddress> firstPoint;
    for (size_t l = firstSeries; l < lines.size(); ++l) firstPoint.push_back(grid.at(lines[l], points[0]));
    const bool hasNames = points.size() > 1 && holdsLabels(firstPoint, valueOf);
    const auto firstValue = points.begin() + (hasNames ? 1 : 0);

    const size_t seriesCount = lines.size() - firstSeries;
    const auto pointCount = points.end() - firstValue;
    if (seriesCount > static_cast<size_t>(kMaxChartSeries))
        throw std::invalid_argument("the source gives " + std::to_string(seriesCount) + " series; a chart holds at most " +
                                    std::to_string(kMaxChartSeries));
    if (pointCount > kMaxSeriesPoints)
        throw std::invalid_argument("the source gives " + std::to_string(pointCount) +
                                    " points per series; a series holds at most " + std::to_string(kMaxSeriesPoints));

    std::vector<ChartSeries> out;
    for (size_t l = firstSeries; l < lines.size(); ++l) {
        ChartSeries series;
        if (hasNames) series.name = ChartReference{sheet, {CellRange(grid.at(lines[l], points[0]))}};
        series.values = referenceAlong(grid, sheet, lines[l], firstValue, points.end());
        if (hasCategories) series.categories = referenceAlong(grid, sheet, lines[0], firstValue, points.end());
        out.push_back(std::move(series));
    }
    return out;
}

}  // namespace spreadsheet::model
