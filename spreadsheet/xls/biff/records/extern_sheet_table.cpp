// EXTERNSHEET entries: assigned while writing, looked up while reading.
// Entries are assigned in the order formulas first need them, so output is deterministic.
#include "spreadsheet/xls/biff/records/extern_sheet_table.h"

#include <algorithm>

namespace spreadsheet::xls::biff {

uint16_t WrittenExternSheets::indexOf(const std::string& name) {
    const std::optional<int> sheet = m_workbook.findSheet(name);
    if (!sheet) throw tokens::TokenError("the workbook has no sheet named \"" + name + "\"");
    const auto it = std::find(m_sheets.begin(), m_sheets.end(), *sheet);
    if (it != m_sheets.end()) return static_cast<uint16_t>(it - m_sheets.begin());
    m_sheets.push_back(*sheet);
    return static_cast<uint16_t>(m_sheets.size() - 1);
}

std::optional<std::string> WrittenExternSheets::sheetName(uint16_t index) const {
    if (index >= m_sheets.size()) return std::nullopt;
    return m_workbook.sheet(m_sheets[index]).name();
}

uint16_t ReadExternSheets::indexOf(const std::string& name) {
    for (std::size_t i = 0; i < m_names.size(); ++i)
        if (m_names[i] == name) return static_cast<uint16_t>(i);
    throw tokens::TokenError("no EXTERNSHEET entry names the sheet \"" + name + "\"");
}

std::optional<std::string> ReadExternSheets::sheetName(uint16_t index) const {
    if (index >= m_names.size()) return std::nullopt;
    return m_names[index];
}

}  // namespace spreadsheet::xls::biff
