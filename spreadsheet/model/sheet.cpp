// One sheet's contents: cells, layered styles (cell, row, column, sheet), sizes, merges, selection, shapes.
#include "spreadsheet/model/sheet.h"

#include <algorithm>
#include <stdexcept>

namespace spreadsheet::model {

Sheet::Sheet(std::string name, SheetKind kind, Revision& revision)
    : m_name(std::move(name)), m_kind(kind), m_revision(revision) {
    if (kind != SheetKind::Chart) return;
    m_chart.emplace();
    m_pageSetup = newChartSheetPageSetup();
}

void Sheet::setName(std::string name) {
    m_name = std::move(name);
    touch();
}

// ---------------------------------------------------------------- cells

const Cell* Sheet::findCell(CellAddress address) const {
    const auto it = m_cells.find(address);
    return it == m_cells.end() ? nullptr : &it->second;
}

void Sheet::forEachCell(const CellRange& range, const std::function<void(CellAddress, const Cell&)>& visit) const {
    // The map is ordered row by row, so one pass from the first row suffices.
    for (auto it = m_cells.lower_bound(CellAddress{range.first.row, 1});
         it != m_cells.end() && it->first.row <= range.last.row; ++it)
        if (range.contains(it->first)) visit(it->first, it->second);
}

// A new cell starts with the style it already shows (row, column or sheet style).
Cell& Sheet::cellForWriting(CellAddress address) {
    const auto it = m_cells.find(address);
    if (it != m_cells.end()) return it->second;
    Cell cell;
    cell.style = effectiveStyle(address);
    return m_cells.emplace(address, std::move(cell)).first->second;
}

void Sheet::setConstant(CellAddress address, Value value) {
    Cell& cell = cellForWriting(address);
    cell.formula.reset();
    cell.constant = std::move(value);
    touch();
}

void Sheet::setFormula(CellAddress address, std::shared_ptr<const formula::Formula> formula) {
    Cell& cell = cellForWriting(address);
    cell.constant = Value();
    cell.formula = std::move(formula);
    touch();
}

void Sheet::clear(const CellRange& range) {
    if (range == CellRange::wholeSheet()) {
        m_cells.clear();
        m_rowStyles.clear();
        m_columnStyles.clear();
        m_sheetStyle = CellStyle();
        m_merges.clear();
        touch();
        return;
    }
    for (auto it = m_cells.begin(); it != m_cells.end();)
        it = range.contains(it->first) ? m_cells.erase(it) : std::next(it);
    if (range.spansAllRows())
        for (int c = range.first.column; c <= range.last.column; ++c) m_columnStyles.erase(c);
    if (range.spansAllColumns())
        for (int r = range.first.row; r <= range.last.row; ++r) m_rowStyles.erase(r);
    std::erase_if(m_merges, [&](const CellRange& m) { return range.intersects(m); });
    touch();
}

// ---------------------------------------------------------------- styles

CellStyle Sheet::effectiveStyle(CellAddress address) const {
    if (const Cell* cell = findCell(address)) return cell->style;
    if (const auto row = m_rowStyles.find(address.row); row != m_rowStyles.end()) return row->second;
    if (const auto column = m_columnStyles.find(address.column); column != m_columnStyles.end())
        return column->second;
    return m_sheetStyle;
}

void Sheet::applyStyle(const CellRange& range, const std::function<void(CellStyle&)>& change) {
    const bool allRows = range.spansAllRows();
    const bool allColumns = range.spansAllColumns();
    if (allRows && allColumns) {
        change(m_sheetStyle);
        for (auto& [column, style] : m_columnStyles) change(style);
        for (auto& [row, style] : m_rowStyles) change(style);
    } else if (allRows) {
        // Where a row style meets these columns the row style shows: those cells get their own first.
        for (const auto& [row, style] : m_rowStyles)
            for (int c = range.first.column; c <= range.last.column; ++c) cellForWriting({row, c});
        for (int c = range.first.column; c <= range.last.column; ++c)
            change(m_columnStyles.try_emplace(c, m_sheetStyle).first->second);
    } else if (allColumns) {
        for (const auto& [column, style] : m_columnStyles)
            for (int r = range.first.row; r <= range.last.row; ++r) cellForWriting({r, column});
        for (int r = range.first.row; r <= range.last.row; ++r)
            change(m_rowStyles.try_emplace(r, m_sheetStyle).first->second);
    } else {
        for (int r = range.first.row; r <= range.last.row; ++r)
            for (int c = range.first.column; c <= range.last.column; ++c) cellForWriting({r, c});
    }
    forEachStoredCell(range, change);
    touch();
}

void Sheet::forEachStoredCell(const CellRange& range, const std::function<void(CellStyle&)>& change) {
    for (auto it = m_cells.lower_bound(CellAddress{range.first.row, 1});
         it != m_cells.end() && it->first.row <= range.last.row; ++it)
        if (range.contains(it->first)) change(it->second.style);
}

// ---------------------------------------------------------------- layout

double Sheet::columnWidth(int column) const {
    const auto it = m_columnWidths.find(column);
    return it == m_columnWidths.end() ? kDefaultColumnWidth : it->second;
}

void Sheet::setColumnWidth(int column, double width) {
    m_columnWidths[column] = width;
    touch();
}

double Sheet::rowHeight(int row) const {
    const auto it = m_rowHeights.find(row);
    return it == m_rowHeights.end() ? kDefaultRowHeight : it->second;
}

void Sheet::setRowHeight(int row, double height) {
    m_rowHeights[row] = height;
    touch();
}

// ---------------------------------------------------------------- merges and selection

void Sheet::merge(const CellRange& range) {
    if (range.isSingleCell()) return;  // one cell stays one cell
    std::erase_if(m_merges, [&](const CellRange& m) { return range.intersects(m); });
    m_merges.push_back(range);
    // Only the top-left cell keeps its content.
    for (auto& [address, cell] : m_cells)
        if (range.contains(address) && address != range.first) {
            cell.constant = Value();
            cell.formula.reset();
        }
    touch();
}

void Sheet::select(RangeList ranges, CellAddress activeCell) {
    if (ranges.empty()) throw std::invalid_argument("a selection needs at least one range");
    m_selection = std::move(ranges);
    m_activeCell = activeCell;
    touch();
}

void Sheet::setPageSetup(const PageSetup& setup) {
    m_pageSetup = setup;
    touch();
}

std::optional<CellRange> Sheet::usedRange() const {
    if (m_cells.empty()) return std::nullopt;
    CellRange used(m_cells.begin()->first);
    for (const auto& [address, cell] : m_cells) {
        used.first.row = std::min(used.first.row, address.row);
        used.first.column = std::min(used.first.column, address.column);
        used.last.row = std::max(used.last.row, address.row);
        used.last.column = std::max(used.last.column, address.column);
    }
    return used;
}

// ---------------------------------------------------------------- charts

void Sheet::setChart(Chart chart) {
    if (!m_chart) throw std::logic_error("only a chart sheet holds a chart of its own");
    if (chart.id == 0) chart.id = m_chart->id;
    m_chart = std::move(chart);
    touch();
}

const Shape& Sheet::addShape(Chart chart, const ShapeBounds& bounds) {
    if (m_kind != SheetKind::Worksheet) throw std::logic_error("only a worksheet holds embedded charts");
    if (chart.id == 0) throw std::invalid_argument("an embedded chart needs its workbook id");
    Shape shape;
    shape.id = ++m_lastShapeId;
    shape.name = "Chart " + std::to_string(shape.id);
    shape.bounds = bounds;
    shape.chart = std::move(chart);
    m_shapes.push_back(std::move(shape));
    touch();
    return m_shapes.back();
}

void Sheet::setShapeBounds(size_t index, const ShapeBounds& bounds) {
    m_shapes.at(index).bounds = bounds;
    touch();
}

Shape Sheet::removeShape(size_t index) {
    Shape shape = std::move(m_shapes.at(index));
    m_shapes.erase(m_shapes.begin() + static_cast<std::ptrdiff_t>(index));
    touch();
    return shape;
}

const Chart* Sheet::findChart(int chartId) const {
    if (m_chart && m_chart->id == chartId) return &*m_chart;
    for (const Shape& shape : m_shapes)
        if (shape.chart.id == chartId) return &shape.chart;
    return nullptr;
}

bool Sheet::changeChart(int chartId, const std::function<void(Chart&)>& change) {
    Chart* chart = const_cast<Chart*>(findChart(chartId));
    if (!chart) return false;
    change(*chart);
    chart->id = chartId;  // the id names the chart wherever it goes; a change cannot take it
    touch();
    return true;
}

}  // namespace spreadsheet::model
