// The texts the breakeven workbook is known by, each written once: its two
// sheets and the number format that shows losses red in parentheses.
#pragma once

namespace report {

inline constexpr const char* kDataSheetName = "Breakeven Analysis Data";
inline constexpr const char* kChartSheetName = "Breakeven Analysis Chart";
inline constexpr const char* kAmountWithLossesInRed = "#,##0.00_);[Red](#,##0.00)";

}  // namespace report
