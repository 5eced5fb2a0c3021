// The spreadsheet application's numeric constants and class name that the
// workbook generation passes, each named once. The automation type a value
// travels with is chosen where the call is made.
#pragma once

#include <cstdint>

namespace report::xl {

inline constexpr const char* kApplicationClass = "Excel.Application";
// What a running instance's default member reads.
inline constexpr const char* kApplicationName = "Microsoft Excel";

// Border indexes of Range.Borders.
inline constexpr int32_t kEdgeLeft = 7;
inline constexpr int32_t kEdgeTop = 8;
inline constexpr int32_t kEdgeBottom = 9;
inline constexpr int32_t kEdgeRight = 10;
inline constexpr int32_t kInsideVertical = 11;
inline constexpr int32_t kInsideHorizontal = 12;

// Border LineStyle: a continuous line.
inline constexpr int32_t kContinuous = 1;

// The automatic colour, as a ColorIndex.
inline constexpr int16_t kColorIndexAutomatic = -4105;

// SaveAs FileFormat values: the 97-2003 workbook, and the normal workbook of
// versions up to 11.
inline constexpr int32_t kExcel8 = 56;
inline constexpr int32_t kWorkbookNormal = -4143;

}  // namespace report::xl
