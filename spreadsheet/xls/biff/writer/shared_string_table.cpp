// The shared string table: find or append, counting references.
// The index of a text is the order of its first use.
#include "spreadsheet/xls/biff/writer/shared_string_table.h"

namespace spreadsheet::xls::biff {

uint32_t SharedStringTable::add(const std::u16string& text) {
    ++m_references;
    const auto [it, inserted] = m_index.try_emplace(text, static_cast<uint32_t>(m_strings.size()));
    if (inserted) m_strings.push_back(text);
    return it->second;
}

}  // namespace spreadsheet::xls::biff
