// The enumeration values clients pass to the object model, named once.
#pragma once

#include <cstddef>

namespace spreadsheet::objects::xl {

inline constexpr int kCursorDefault = -4143;
inline constexpr int kCursorIBeam = 3;
inline constexpr int kCursorNorthwestArrow = 1;
inline constexpr int kCursorWait = 2;

inline constexpr int kCancelKeyDisabled = 0;
inline constexpr int kCancelKeyInterrupt = 1;
inline constexpr int kCancelKeyErrorHandler = 2;

inline constexpr int kDiagonalDown = 5;
inline constexpr int kDiagonalUp = 6;
inline constexpr int kEdgeLeft = 7;
inline constexpr int kEdgeTop = 8;
inline constexpr int kEdgeBottom = 9;
inline constexpr int kEdgeRight = 10;
inline constexpr int kInsideVertical = 11;
inline constexpr int kInsideHorizontal = 12;

inline constexpr int kLineStyleContinuous = 1;
inline constexpr int kLineStyleDashDot = 4;
inline constexpr int kLineStyleDashDotDot = 5;
inline constexpr int kLineStyleSlantDashDot = 13;
inline constexpr int kLineStyleDash = -4115;
inline constexpr int kLineStyleDot = -4118;
inline constexpr int kLineStyleDouble = -4119;
inline constexpr int kLineStyleNone = -4142;

inline constexpr int kWeightHairline = 1;
inline constexpr int kWeightThin = 2;
inline constexpr int kWeightMedium = -4138;
inline constexpr int kWeightThick = 4;

inline constexpr int kColorIndexAutomatic = -4105;
inline constexpr int kColorIndexNone = -4142;

inline constexpr int kChartLineNone = 0;  // what clients pass for no outline on a chart element

inline constexpr int kChartTypePie = 5;
inline constexpr int kChartTypeLineMarkers = 65;

inline constexpr int kRows = 1;     // PlotBy
inline constexpr int kColumns = 2;

inline constexpr int kLocationAsNewSheet = 1;
inline constexpr int kLocationAsObject = 2;

inline constexpr int kCategory = 1;     // Axes type
inline constexpr int kValue = 2;
inline constexpr int kPrimary = 1;      // Axes group

inline constexpr int kDataLabelsShowNone = -4142;
inline constexpr int kDataLabelsShowValue = 2;
inline constexpr int kDataLabelsShowPercent = 3;
inline constexpr int kDataLabelsShowLabel = 4;
inline constexpr int kDataLabelsShowLabelAndPercent = 5;
inline constexpr int kDataLabelsShowBubbleSizes = 6;

inline constexpr double kPointsPerInch = 72.0;

inline constexpr int kPictureAppearanceScreen = 1;   // CopyPicture Appearance
inline constexpr int kPictureAppearancePrinter = 2;
inline constexpr int kPictureFormatBitmap = 2;       // CopyPicture Format
inline constexpr int kPictureFormatPicture = -4147;
inline constexpr int kSheetsInNewWorkbook = 3;

// Where Location puts a chart it embeds, in points: the sheet's top-left
// corner, 5 by 3 inches.
inline constexpr double kEmbeddedChartTop = 0;
inline constexpr double kEmbeddedChartLeft = 0;
inline constexpr double kEmbeddedChartWidth = 360;
inline constexpr double kEmbeddedChartHeight = 216;
// The largest position and size a shape may take, in points.
inline constexpr double kMaxShapePosition = 100000;
inline constexpr double kMaxShapeSize = 10000;
// The longest chart or axis title, in characters.
inline constexpr size_t kMaxTitleLength = 255;

}  // namespace spreadsheet::objects::xl
