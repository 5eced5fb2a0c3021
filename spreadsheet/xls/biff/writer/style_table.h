// StyleTable: the fonts, number formats and cell XFs a workbook needs, found
// or appended as cell styles are added, so that equal styles share one XF,
// equal fonts one FONT record and equal codes one FORMAT record. Past the
// format's caps a style falls back to the default font, General or the
// default XF rather than making a file other programs refuse.
#pragma once

#include "spreadsheet/model/style.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace spreadsheet::xls::biff {

class StyleTable {
public:
    struct CustomFormat {
        uint16_t id;
        std::string code;
    };
    struct CellXf {
        uint16_t font;    // font index (there is no font 4)
        uint16_t format;  // number format id
        model::CellStyle style;
    };

    StyleTable();  // the default font and the default cell XF are there from the start

    // The XF index of a style, appending it (and its font and format) when new.
    uint16_t add(const model::CellStyle& style);
    // The XF index of a style added before; the default XF for one never added.
    uint16_t xfOf(const model::CellStyle& style) const;
    // The id of a number format that no cell needs to carry (a chart axis's),
    // appending its FORMAT record when new.
    uint16_t addNumberFormat(const std::string& code) { return addFormat(code); }

    // FONT records in order: record k is font index k, or k + 1 from the fifth on.
    const std::vector<model::Font>& fonts() const { return m_fonts; }
    const std::vector<CustomFormat>& customFormats() const { return m_formats; }
    // The default cell XF (XF 15), then the workbook's own (XF 21, 22, ...).
    const std::vector<CellXf>& cellXfs() const { return m_xfs; }

private:
    uint16_t addFont(const model::Font& font);
    uint16_t addFormat(const std::string& code);

    std::vector<model::Font> m_fonts;
    std::map<std::string, uint16_t> m_fontIndex;
    std::vector<CustomFormat> m_formats;
    std::map<std::string, uint16_t> m_formatIds;
    std::vector<CellXf> m_xfs;
    std::map<std::string, uint16_t> m_xfIndex;
};

}  // namespace spreadsheet::xls::biff
