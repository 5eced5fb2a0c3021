// FormatTable: one library format per distinct cell style, made when a style
// is first asked for, so equal styles share one cell format in the file.
// Colours come from the workbook's palette; an automatic colour is left to
// the file's own default.
#pragma once

#include "spreadsheet/model/palette.h"
#include "spreadsheet/model/style.h"

#include <map>
#include <string>
#include <xlsxwriter.h>

namespace spreadsheet::xlsx {

class FormatTable {
public:
    FormatTable(lxw_workbook* workbook, const model::Palette& palette) : m_workbook(workbook), m_palette(palette) {}

    // The workbook owns the format; it lives until the workbook is closed.
    lxw_format* formatOf(const model::CellStyle& style);
    std::size_t size() const { return m_formats.size(); }

private:
    lxw_format* made(const model::CellStyle& style);
    void setFont(lxw_format* format, const model::Font& font);
    void setFill(lxw_format* format, int colorIndex);
    void setBorders(lxw_format* format, const model::Borders& borders);

    lxw_workbook* m_workbook;
    const model::Palette& m_palette;
    std::map<std::string, lxw_format*> m_formats;
};

}  // namespace spreadsheet::xlsx
