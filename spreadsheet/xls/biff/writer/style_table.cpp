// Find-or-append tables of fonts, formats and XFs, keyed by every field.
// Fonts 0 to 3 are the default font, as readers expect four fonts before font 5.
#include "spreadsheet/xls/biff/writer/style_table.h"

#include "spreadsheet/model/style_key.h"
#include "spreadsheet/xls/biff/records/builtin_formats.h"
#include "spreadsheet/xls/biff/records/record_fields.h"
#include "spreadsheet/xls/biff/records/value_encodings.h"

namespace spreadsheet::xls::biff {

using model::fontKey;
using model::styleKey;

StyleTable::StyleTable() {
    for (int i = 0; i < fontrec::kStandardFonts; ++i) m_fonts.push_back(model::Font{});
    m_fontIndex.emplace(fontKey(model::Font{}), 0);
    m_xfs.push_back({0, builtin::kGeneral, model::CellStyle{}});
    m_xfIndex.emplace(styleKey(model::CellStyle{}), xf::kDefaultCellXf);
}

uint16_t StyleTable::add(const model::CellStyle& style) {
    const std::string key = styleKey(style);
    if (const auto it = m_xfIndex.find(key); it != m_xfIndex.end()) return it->second;
    // m_xfs holds the default cell XF, then the workbook's own from XF 21 on.
    const auto index = static_cast<uint16_t>(xf::kFirstUserXf + m_xfs.size() - 1);
    if (index >= xf::kMaxCount) return xf::kDefaultCellXf;
    m_xfs.push_back({addFont(style.font), addFormat(style.numberFormat), style});
    m_xfIndex.emplace(key, index);
    return index;
}

uint16_t StyleTable::xfOf(const model::CellStyle& style) const {
    const auto it = m_xfIndex.find(styleKey(style));
    return it == m_xfIndex.end() ? xf::kDefaultCellXf : it->second;
}

uint16_t StyleTable::addFont(const model::Font& f) {
    const std::string key = fontKey(f);
    if (const auto it = m_fontIndex.find(key); it != m_fontIndex.end()) return it->second;
    if (m_fonts.size() >= fontrec::kMaxFonts) return 0;
    const uint16_t index = fontIndexOfRecord(m_fonts.size());
    m_fonts.push_back(f);
    m_fontIndex.emplace(key, index);
    return index;
}

uint16_t StyleTable::addFormat(const std::string& code) {
    if (code.empty()) return builtin::kGeneral;  // an empty code means General
    if (const auto builtIn = neutralBuiltInId(code)) return *builtIn;
    if (const auto it = m_formatIds.find(code); it != m_formatIds.end()) return it->second;
    // The currency formats every file defines count against the cap.
    if (m_formats.size() + currencyFormats().size() >= formatrec::kMaxRecords) return builtin::kGeneral;
    const auto id = static_cast<uint16_t>(formatrec::kFirstCustom + m_formats.size());
    m_formats.push_back({id, code});
    m_formatIds.emplace(code, id);
    return id;
}

}  // namespace spreadsheet::xls::biff
