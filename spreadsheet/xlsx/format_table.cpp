// Styles keyed by every field, so equal keys mean equal styles.
#include "spreadsheet/xlsx/format_table.h"

#include "spreadsheet/model/style_key.h"
#include "spreadsheet/xlsx/library_color.h"
#include "spreadsheet/xlsx/style_codes.h"
#include "spreadsheet/xlsx/xml_text.h"

#include <new>

namespace spreadsheet::xlsx {

using model::styleKey;

lxw_format* FormatTable::formatOf(const model::CellStyle& style) {
    const std::string key = styleKey(style);
    if (const auto it = m_formats.find(key); it != m_formats.end()) return it->second;
    lxw_format* format = made(style);
    m_formats.emplace(key, format);
    return format;
}

lxw_format* FormatTable::made(const model::CellStyle& style) {
    lxw_format* format = workbook_add_format(m_workbook);
    if (!format) throw std::bad_alloc();
    setFont(format, style.font);
    setFill(format, style.fillColorIndex);
    setBorders(format, style.borders);
    format_set_num_format(format, plainText(numberFormatOf(style)).c_str());
    if (const uint8_t align = alignmentOf(style.horizontal)) format_set_align(format, align);
    return format;
}

void FormatTable::setFont(lxw_format* format, const model::Font& font) {
    format_set_font_name(format, plainText(font.name).c_str());
    format_set_font_size(format, storedFontSize(font.size));
    if (font.bold) format_set_bold(format);
    if (font.italic) format_set_italic(format);
    if (const auto rgb = m_palette.color(font.colorIndex)) format_set_font_color(format, libraryColor(*rgb));
}

void FormatTable::setFill(lxw_format* format, int colorIndex) {
    const auto rgb = m_palette.color(colorIndex);
    if (!rgb) return;
    format_set_pattern(format, LXW_PATTERN_SOLID);
    format_set_bg_color(format, libraryColor(*rgb));
}

void FormatTable::setBorders(lxw_format* format, const model::Borders& borders) {
    using model::Edge;
    struct Side {
        Edge edge;
        void (*style)(lxw_format*, uint8_t);
        void (*color)(lxw_format*, lxw_color_t);
    };
    static constexpr Side kSides[] = {{Edge::Left, format_set_left, format_set_left_color},
                                      {Edge::Top, format_set_top, format_set_top_color},
                                      {Edge::Bottom, format_set_bottom, format_set_bottom_color},
                                      {Edge::Right, format_set_right, format_set_right_color}};
    for (const Side& side : kSides) {
        const model::BorderLine& line = borders[side.edge];
        const uint8_t code = borderStyleOf(line);
        if (code == LXW_BORDER_NONE) continue;
        side.style(format, code);
        if (const auto rgb = m_palette.color(line.colorIndex)) side.color(format, libraryColor(*rgb));
    }
}

}  // namespace spreadsheet::xlsx
