// Workbook: sheets in order (worksheets and chart sheets), the active sheet,
// and the colour palette. Every change anywhere in it advances revision().
#pragma once

#include "spreadsheet/model/palette.h"
#include "spreadsheet/model/revision.h"
#include "spreadsheet/model/sheet.h"

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

    Sheet& addSheet(std::string name, SheetKind kind, int position);
    void removeSheet(int index);
    void moveSheet(int from, int to);

    int activeSheetIndex() const { return m_activeSheet; }
    void setActiveSheet(int index);

    Palette& palette() { return m_palette; }
    const Palette& palette() const { return m_palette; }

    uint64_t revision() const { return m_revision.value(); }

private:
    std::vector<std::unique_ptr<Sheet>> m_sheets;
    int m_activeSheet = 0;
    Palette m_palette;
    Revision m_revision;
};

}  // namespace spreadsheet::model
