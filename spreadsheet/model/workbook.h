// Workbook: sheets in order (worksheets and chart sheets), the active sheet,
// the colour palette, and when it was created. Every change anywhere in it advances revision().
// Each chart carries an id unique in its workbook, so it can be found again
// after it moves between a chart sheet and a worksheet.
#pragma once

#include "spreadsheet/model/palette.h"
#include "spreadsheet/model/revision.h"
#include "spreadsheet/model/sheet.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace spreadsheet::model {

class Workbook {
public:
    Workbook() = default;
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    int sheetCount() const { return static_cast<int>(m_sheets.size()); }
    // 0-based here; the object model turns 1-based numbers into these.
    Sheet& sheet(int index) { return *m_sheets.at(index); }
    const Sheet& sheet(int index) const { return *m_sheets.at(index); }
    // By name, ignoring case as the spreadsheet does.
    std::optional<int> findSheet(std::string_view name) const;
    int indexOf(const Sheet& sheet) const;

    // A chart sheet starts with an empty chart that has a fresh id.
    Sheet& addSheet(std::string name, SheetKind kind, int position);
    void removeSheet(int index);
    void moveSheet(int from, int to);

    int activeSheetIndex() const { return m_activeSheet; }
    void setActiveSheet(int index);

    // --- charts
    // A fresh chart id, unique in this workbook.
    int newChartId() { return ++m_lastChartId; }
    // Embeds the chart in the worksheet at this index as its newest shape; a
    // chart without an id gets one.
    const Shape& embedChart(int sheetIndex, Chart chart, const ShapeBounds& bounds);
    // Where a chart is: its sheet, and its shape when it is embedded.
    struct ChartPlace {
        int sheet = 0;
        std::optional<size_t> shape;
        bool operator==(const ChartPlace&) const = default;
    };
    std::optional<ChartPlace> findChart(int chartId) const;

    Palette& palette() { return m_palette; }
    const Palette& palette() const { return m_palette; }

    uint64_t revision() const { return m_revision.value(); }

    // When the workbook was made, or, read from a file, when that file says it
    // was. Saved files carry it; it changes nothing the sheets show.
    std::chrono::system_clock::time_point createdAt() const { return m_createdAt; }
    void setCreatedAt(std::chrono::system_clock::time_point at) { m_createdAt = at; }

private:
    std::vector<std::unique_ptr<Sheet>> m_sheets;
    int m_activeSheet = 0;
    Palette m_palette;
    Revision m_revision;
    int m_lastChartId = 0;
    std::chrono::system_clock::time_point m_createdAt = std::chrono::system_clock::now();
};

}  // namespace spreadsheet::model
