// SharedStringTable: the texts of the workbook's text cells, each stored once
// in the SST; cells refer to them by index. It also counts every reference,
// which the SST record states next to the number of distinct strings.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace spreadsheet::xls::biff {

class SharedStringTable {
public:
    // The index of the text, appending it when new; every call counts as one reference.
    uint32_t add(const std::u16string& text);

    const std::vector<std::u16string>& strings() const { return m_strings; }
    uint32_t referenceCount() const { return m_references; }

private:
    std::vector<std::u16string> m_strings;
    std::unordered_map<std::u16string, uint32_t> m_index;
    uint32_t m_references = 0;
};

}  // namespace spreadsheet::xls::biff
