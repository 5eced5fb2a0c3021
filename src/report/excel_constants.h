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

// Chart types: a pie, and a line chart with markers.
inline constexpr int32_t kPie = 5;
inline constexpr int32_t kLineMarkers = 65;

// SetSourceData PlotBy: a series per row, or per column.
inline constexpr int16_t kRows = 1;
inline constexpr int16_t kColumns = 2;

// Location Where: a chart sheet of its own, or an object in a worksheet.
inline constexpr int16_t kLocationAsNewSheet = 1;
inline constexpr int16_t kLocationAsObject = 2;

// Axes type and group.
inline constexpr int16_t kCategory = 1;
inline constexpr int16_t kValue = 2;
inline constexpr int16_t kPrimary = 1;

// Border LineStyle of a chart element: no line.
inline constexpr int16_t kChartLineNone = 0;

// EnableCancelKey and Cursor of the application.
inline constexpr int16_t kCancelKeyDisabled = 0;
inline constexpr int16_t kCancelKeyInterrupt = 1;
inline constexpr int32_t kCursorWait = 2;
inline constexpr int32_t kCursorDefault = -4143;

// PageSetup values.
inline constexpr int32_t kLandscape = 2;
inline constexpr int16_t kPaperA4 = 9;
inline constexpr int16_t kPrintNoComments = -4142;

// Range.CopyPicture: the range as shown on screen, as a bitmap.
inline constexpr int16_t kPictureAppearanceScreen = 1;
inline constexpr int16_t kPictureFormatBitmap = 2;

// SaveAs FileFormat values: the 97-2003 workbook, the normal workbook of
// versions up to 11, and the Office Open XML workbook (.xlsx).
inline constexpr int32_t kExcel8 = 56;
inline constexpr int32_t kWorkbookNormal = -4143;
inline constexpr int32_t kOpenXmlWorkbook = 51;

}  // namespace report::xl
