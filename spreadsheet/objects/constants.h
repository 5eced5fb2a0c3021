// The enumeration values clients pass to the object model, named once.
#pragma once

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

inline constexpr int kColorIndexAutomatic = -4105;
inline constexpr int kColorIndexNone = -4142;

inline constexpr double kPointsPerInch = 72.0;
inline constexpr int kSheetsInNewWorkbook = 3;

}  // namespace spreadsheet::objects::xl
