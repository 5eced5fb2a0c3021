// Sheet: one worksheet or chart sheet. A worksheet holds its cells (only those
// with content or a style of their own), the styles of whole rows, whole
// columns and the sheet, column widths in character units, row heights in
// points, merged areas, the selection with its active cell, which the saved
// file carries, and its embedded charts as shapes. A chart sheet holds one
// chart and starts with a landscape page (newChartSheetPageSetup).
#pragma once

#include "spreadsheet/model/cell.h"
#include "spreadsheet/model/cell_address.h"
#include "spreadsheet/model/page_setup.h"
#include "spreadsheet/model/revision.h"
#include "spreadsheet/model/shape.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace spreadsheet::model {

enum class SheetKind { Worksheet, Chart };

inline constexpr double kDefaultColumnWidth = 8.43;  // characters of the default font
inline constexpr double kDefaultRowHeight = 12.75;   // points, for Arial 10
inline constexpr double kMaxColumnWidth = 255;
inline constexpr double kMaxRowHeight = 409.5;

class Sheet {
public:
    Sheet(std::string name, SheetKind kind, Revision& revision);

    const std::string& name() const { return m_name; }
    void setName(std::string name);
    SheetKind kind() const { return m_kind; }

    // --- cells
    const Cell* findCell(CellAddress address) const;
    const std::map<CellAddress, Cell>& cells() const { return m_cells; }
    // Visits the stored cells inside the range, row by row.
    void forEachCell(const CellRange& range, const std::function<void(CellAddress, const Cell&)>& visit) const;
    void setConstant(CellAddress address, Value value);
    void setFormula(CellAddress address, std::shared_ptr<const formula::Formula> formula);
    // Contents and formats; column widths and row heights stay.
    void clear(const CellRange& range);

    // --- styles
    CellStyle effectiveStyle(CellAddress address) const;
    // Changes the style of every cell of the range; whole rows, whole columns
    // and the whole sheet change their row, column or sheet style instead of
    // creating millions of cells.
    void applyStyle(const CellRange& range, const std::function<void(CellStyle&)>& change);
    const CellStyle& sheetStyle() const { return m_sheetStyle; }
    const std::map<int, CellStyle>& rowStyles() const { return m_rowStyles; }
    const std::map<int, CellStyle>& columnStyles() const { return m_columnStyles; }

    // --- layout
    double columnWidth(int column) const;
    void setColumnWidth(int column, double width);
    const std::map<int, double>& columnWidths() const { return m_columnWidths; }
    double rowHeight(int row) const;
    void setRowHeight(int row, double height);
    const std::map<int, double>& rowHeights() const { return m_rowHeights; }

    // --- merged areas
    void merge(const CellRange& range);
    const std::vector<CellRange>& merges() const { return m_merges; }

    // --- selection
    const RangeList& selection() const { return m_selection; }
    CellAddress activeCell() const { return m_activeCell; }
    void select(RangeList ranges, CellAddress activeCell);

    // The smallest range holding every stored cell; nullopt when there is none.
    std::optional<CellRange> usedRange() const;

    // --- printing
    const PageSetup& pageSetup() const { return m_pageSetup; }
    void setPageSetup(const PageSetup& setup);

    // --- charts
    // The chart a chart sheet shows; nullptr on a worksheet.
    const Chart* chart() const { return m_chart ? &*m_chart : nullptr; }
    // Replaces a chart sheet's chart. The chart keeps its id; an id of 0 takes
    // the id of the chart it replaces. Throws std::logic_error on a worksheet.
    void setChart(Chart chart);
    // Embedded charts in z-order, the newest last.
    const std::vector<Shape>& shapes() const { return m_shapes; }
    // Puts an embedded chart on top of the others and names it "Chart <n>".
    // The chart must have its id (Workbook::embedChart gives one); throws
    // std::logic_error on a chart sheet.
    const Shape& addShape(Chart chart, const ShapeBounds& bounds);
    void setShapeBounds(size_t index, const ShapeBounds& bounds);
    // Takes the shape off the sheet and hands it back.
    Shape removeShape(size_t index);
    // The chart with this id on this sheet, its own or an embedded one; nullptr when it is not here.
    const Chart* findChart(int chartId) const;
    // Changes the chart with this id; false when it is not on this sheet.
    bool changeChart(int chartId, const std::function<void(Chart&)>& change);

private:
    Cell& cellForWriting(CellAddress address);
    void forEachStoredCell(const CellRange& range, const std::function<void(CellStyle&)>& change);
    void touch() { m_revision.bump(); }

    std::string m_name;
    SheetKind m_kind;
    Revision& m_revision;
    std::map<CellAddress, Cell> m_cells;
    CellStyle m_sheetStyle;
    std::map<int, CellStyle> m_rowStyles;
    std::map<int, CellStyle> m_columnStyles;
    std::map<int, double> m_columnWidths;
    std::map<int, double> m_rowHeights;
    std::vector<CellRange> m_merges;
    RangeList m_selection{CellRange({1, 1})};
    CellAddress m_activeCell{1, 1};
    PageSetup m_pageSetup;
    std::optional<Chart> m_chart;  // chart sheets only
    std::vector<Shape> m_shapes;
    int m_lastShapeId = 0;
};

}  // namespace spreadsheet::model
