// Shared by the token tests: a sheet table standing in for the workbook's
// EXTERNSHEET list, hex text for token bytes, and A1 host cells.
#pragma once

#include "spreadsheet/model/a1_notation.h"
#include "spreadsheet/xls/tokens/formula_tokens.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace token_test {

using spreadsheet::model::CellAddress;
using spreadsheet::xls::tokens::TokenError;

// Sheets by position: the index of a sheet is its place in the list.
class SheetList : public spreadsheet::xls::tokens::ExternSheets {
public:
    explicit SheetList(std::vector<std::string> names) : m_names(std::move(names)) {}
    uint16_t indexOf(const std::string& sheetName) override {
        const auto same = [](unsigned char a, unsigned char b) { return std::tolower(a) == std::tolower(b); };
        for (size_t i = 0; i < m_names.size(); ++i)
            if (std::equal(m_names[i].begin(), m_names[i].end(), sheetName.begin(), sheetName.end(), same))
                return static_cast<uint16_t>(i);
        throw TokenError("no sheet " + sheetName);
    }
    std::optional<std::string> sheetName(uint16_t index) const override {
        if (index >= m_names.size()) return std::nullopt;
        return m_names[index];
    }

private:
    std::vector<std::string> m_names;
};

// "44 04 00 05 C0": bytes as upper-case hex pairs separated by spaces.
inline std::string toHex(const std::vector<uint8_t>& bytes) {
    std::string out;
    char pair[4];
    for (const uint8_t b : bytes) {
        std::snprintf(pair, sizeof pair, "%02X", b);
        out += (out.empty() ? "" : " ") + std::string(pair);
    }
    return out;
}

// The inverse of toHex; spaces are optional.
inline std::vector<uint8_t> fromHex(std::string_view text) {
    std::vector<uint8_t> bytes;
    std::string digits;
    for (const char c : text)
        if (std::isxdigit(static_cast<unsigned char>(c))) digits += c;
    for (size_t i = 0; i + 1 < digits.size(); i += 2)
        bytes.push_back(static_cast<uint8_t>(std::stoi(digits.substr(i, 2), nullptr, 16)));
    return bytes;
}

inline CellAddress at(std::string_view a1) { return spreadsheet::model::parseA1Area(a1).value().first; }

}  // namespace token_test
