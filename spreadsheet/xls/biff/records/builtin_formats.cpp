// The built-in number format table (ids 0 to 49 of BIFF8, US codes).
// Codes are those of the US English locale, as files without FORMAT records mean them.
#include "spreadsheet/xls/biff/records/builtin_formats.h"

#include <algorithm>
#include <array>

namespace spreadsheet::xls::biff {
namespace {

struct Entry {
    uint16_t id;
    std::string_view code;
    bool neutral;  // the same in every locale, so no FORMAT record is needed
};

constexpr std::array<Entry, 36> kBuiltIns = {{
    {0, "General", true},
    {1, "0", true},
    {2, "0.00", true},
    {3, "#,##0", true},
    {4, "#,##0.00", true},
    {5, "\"$\"#,##0_);\\(\"$\"#,##0\\)", false},
    {6, "\"$\"#,##0_);[Red]\\(\"$\"#,##0\\)", false},
    {7, "\"$\"#,##0.00_);\\(\"$\"#,##0.00\\)", false},
    {8, "\"$\"#,##0.00_);[Red]\\(\"$\"#,##0.00\\)", false},
    {9, "0%", true},
    {10, "0.00%", true},
    {11, "0.00E+00", true},
    {12, "# ?/?", true},
    {13, "# ?\?/?\?", true},
    {14, "m/d/yy", false},
    {15, "d-mmm-yy", false},
    {16, "d-mmm", false},
    {17, "mmm-yy", false},
    {18, "h:mm AM/PM", true},
    {19, "h:mm:ss AM/PM", true},
    {20, "h:mm", true},
    {21, "h:mm:ss", true},
    {22, "m/d/yy h:mm", false},
    {37, "#,##0 ;(#,##0)", true},
    {38, "#,##0 ;[Red](#,##0)", true},
    {39, "#,##0.00;(#,##0.00)", true},
    {40, "#,##0.00;[Red](#,##0.00)", true},
    {41, "_(* #,##0_);_(* \\(#,##0\\);_(* \"-\"_);_(@_)", false},
    {42, "_(\"$\"* #,##0_);_(\"$\"* \\(#,##0\\);_(\"$\"* \"-\"_);_(@_)", false},
    {43, "_(* #,##0.00_);_(* \\(#,##0.00\\);_(* \"-\"?\?_);_(@_)", false},
    {44, "_(\"$\"* #,##0.00_);_(\"$\"* \\(#,##0.00\\);_(\"$\"* \"-\"?\?_);_(@_)", false},
    {45, "mm:ss", true},
    {46, "[h]:mm:ss", true},
    {47, "mm:ss.0", true},
    {48, "##0.0E+0", true},
    {49, "@", true},
}};

constexpr std::string_view codeOf(uint16_t id) {
    for (const Entry& e : kBuiltIns)
        if (e.id == id) return e.code;
    return {};
}

// Written in the order the format's own files use: 5 to 8, then 42, 41, 44, 43.
constexpr std::array<BuiltInFormat, 8> kCurrency = {{
    {5, codeOf(5)},
    {6, codeOf(6)},
    {7, codeOf(7)},
    {8, codeOf(8)},
    {42, codeOf(42)},
    {41, codeOf(41)},
    {44, codeOf(44)},
    {43, codeOf(43)},
}};

}  // namespace

std::optional<uint16_t> neutralBuiltInId(std::string_view code) {
    for (const Entry& e : kBuiltIns)
        if (e.neutral && e.code == code) return e.id;
    for (const BuiltInFormat& f : kCurrency)
        if (f.code == code) return f.id;
    return std::nullopt;
}

std::span<const BuiltInFormat> currencyFormats() { return kCurrency; }

std::optional<std::string_view> builtInCode(uint16_t id) {
    const auto it = std::find_if(kBuiltIns.begin(), kBuiltIns.end(), [&](const Entry& e) { return e.id == id; });
    if (it == kBuiltIns.end()) return std::nullopt;
    return it->code;
}

}  // namespace spreadsheet::xls::biff
