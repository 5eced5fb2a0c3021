// The number formats every reader knows by id without a FORMAT record, and
// the eight currency formats whose codes depend on the locale and so are
// always written out. Ids 164 and up are the workbook's own formats.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace spreadsheet::xls::biff {

// The built-in ids the built-in number styles use.
namespace builtin {
inline constexpr uint16_t kGeneral = 0;
inline constexpr uint16_t kPercent = 9;
inline constexpr uint16_t kCommaNoDecimals = 41;
inline constexpr uint16_t kCurrencyNoDecimals = 42;
inline constexpr uint16_t kComma = 43;
inline constexpr uint16_t kCurrency = 44;
}  // namespace builtin

struct BuiltInFormat {
    uint16_t id;
    std::string_view code;
};

// The built-in id a format code is written with: a locale-neutral built-in, or
// one of the currency formats every file defines. Dates are written as custom
// codes, since readers show ids 14 to 22 in their own locale's style.
std::optional<uint16_t> neutralBuiltInId(std::string_view code);

// The locale-dependent built-ins, written as FORMAT records in this order.
std::span<const BuiltInFormat> currencyFormats();

// The code of a built-in id when a file has no FORMAT record for it.
std::optional<std::string_view> builtInCode(uint16_t id);

}  // namespace spreadsheet::xls::biff
