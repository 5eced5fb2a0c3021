// Column runs and row entries from the sheet's maps, clamped to the grid.
#include "spreadsheet/xlsx/sheet_style_layout.h"

#include "spreadsheet/xlsx/style_codes.h"

#include <map>

namespace spreadsheet::xlsx {
namespace {

ColumnRun columnAt(const model::Sheet& sheet, int column) {
    ColumnRun run{column, column, sheet.sheetStyle(), std::nullopt};
    if (const auto style = sheet.columnStyles().find(column); style != sheet.columnStyles().end())
        run.style = style->second;
    if (const auto width = sheet.columnWidths().find(column); width != sheet.columnWidths().end())
        run.width = storedColumnWidth(width->second);
    return run;
}

}  // namespace

std::vector<ColumnRun> columnRuns(const model::Sheet& sheet) {
    std::vector<ColumnRun> runs;
    for (int column = 1; column <= model::kMaxColumns; ++column) {
        ColumnRun next = columnAt(sheet, column);
        if (!runs.empty() && runs.back().style == next.style && runs.back().width == next.width)
            runs.back().last = column;
        else
            runs.push_back(std::move(next));
    }
    return runs;
}

std::vector<RowEntry> rowEntries(const model::Sheet& sheet) {
    std::map<int, RowEntry> rows;
    for (const auto& [row, height] : sheet.rowHeights())
        if (row >= 1 && row <= model::kMaxRows) rows[row] = {row, storedRowHeight(height), std::nullopt};
    for (const auto& [row, style] : sheet.rowStyles())
        if (row >= 1 && row <= model::kMaxRows) {
            RowEntry& entry = rows[row];
            entry.row = row;
            entry.style = style;
        }
    std::vector<RowEntry> ordered;
    for (auto& [row, entry] : rows) ordered.push_back(std::move(entry));
    return ordered;
}

}  // namespace spreadsheet::xlsx
