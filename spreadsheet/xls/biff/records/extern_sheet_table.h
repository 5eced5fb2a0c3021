// The workbook's EXTERNSHEET table on both sides. Every entry points through
// the self-reference SUPBOOK at one sheet of this workbook: the writer adds
// entries as formulas and print areas need them; the reader maps the entries
// it read back to sheet names.
#pragma once

#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/tokens/formula_tokens.h"

#include <optional>
#include <string>
#include <vector>

namespace spreadsheet::xls::biff {

class WrittenExternSheets final : public tokens::ExternSheets {
public:
    explicit WrittenExternSheets(const model::Workbook& workbook) : m_workbook(workbook) {}

    uint16_t indexOf(const std::string& sheetName) override;
    std::optional<std::string> sheetName(uint16_t index) const override;

    // The sheet index (0-based) of each entry, in entry order.
    const std::vector<int>& sheets() const { return m_sheets; }

private:
    const model::Workbook& m_workbook;
    std::vector<int> m_sheets;
};

class ReadExternSheets final : public tokens::ExternSheets {
public:
    // One name per entry; nullopt for entries that point outside this workbook
    // or at several sheets at once.
    explicit ReadExternSheets(std::vector<std::optional<std::string>> names) : m_names(std::move(names)) {}

    // Reading never adds entries.
    uint16_t indexOf(const std::string& sheetName) override;
    std::optional<std::string> sheetName(uint16_t index) const override;

private:
    std::vector<std::optional<std::string>> m_names;
};

}  // namespace spreadsheet::xls::biff
