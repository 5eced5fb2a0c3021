// Field values, flag bits and limits of the workbook stream's records, one
// namespace per record, each named once (facts of the public [MS-XLS]
// document, BIFF8). Record ids live in record_ids.h.
#pragma once

#include <cstddef>
#include <cstdint>

namespace spreadsheet::xls::biff {

// ---------------------------------------------------------------- records in general

namespace limits {
inline constexpr std::size_t kRecordHeaderSize = 4;  // id, then body size, 16 bits each
inline constexpr std::size_t kRecordSizeOffset = 2;  // where the body size sits in the header
inline constexpr std::size_t kMaxRecordBody = 8224;  // longer bodies go on in CONTINUE records
inline constexpr int kMaxRows = 65536;
inline constexpr int kMaxColumns = 256;
inline constexpr std::size_t kMaxCellText = 32767;   // UTF-16 units a cell's text may hold
}  // namespace limits

// Unicode strings: a count, a flags byte, then 8-bit characters (each at most
// U+00FF) or UTF-16LE; rich text runs and phonetic data may follow.
namespace str {
inline constexpr uint8_t kHighByte = 0x01;  // 16-bit characters
inline constexpr uint8_t kExtSt = 0x04;     // phonetic data (a 32-bit size, then the data after the runs)
inline constexpr uint8_t kRichSt = 0x08;    // formatting runs (a 16-bit count, then 4 bytes each)
inline constexpr std::size_t kRunSize = 4;
inline constexpr uint8_t kMaxCompressedUnit = 0xFF;  // the largest code unit an 8-bit character holds
inline constexpr std::size_t kFlagsSize = 1;
inline constexpr std::size_t kShortHeaderSize = 2;  // 8-bit count, flags
inline constexpr std::size_t kHeaderSize = 3;       // 16-bit count, flags
inline constexpr std::size_t kMaxShortLength = 0xFF;
inline constexpr std::size_t kMaxLength = 0xFFFF;
}  // namespace str

// ---------------------------------------------------------------- BOF

namespace bof {
inline constexpr uint16_t kVersionBiff8 = 0x0600;
inline constexpr uint16_t kVersionBiff5 = 0x0500;
inline constexpr uint16_t kGlobals = 0x0005;
inline constexpr uint16_t kWorksheet = 0x0010;
inline constexpr uint16_t kChartSheet = 0x0020;
inline constexpr uint16_t kBuild = 0x0DBB;  // the build of the writing application; readers ignore it
inline constexpr uint16_t kYear = 0x07CC;
inline constexpr uint32_t kHistoryWindows = 0x00000001 | 0x00000008;  // fWin, fWinAny: saved on Windows
inline constexpr uint32_t kLowestVersion = 0x00000006;                // verLowestBiff: BIFF8
}  // namespace bof

// ---------------------------------------------------------------- globals

namespace globals {
inline constexpr uint16_t kCodePageUnicode = 1200;  // every string of the file is UTF-16 or its 8-bit subset
inline constexpr std::size_t kWriteAccessSize = 112;  // the user name, padded with spaces
inline constexpr uint8_t kWriteAccessPadding = 0x20;
inline constexpr uint16_t kBuiltInFunctionGroups = 14;
inline constexpr uint16_t kFullPrecision = 1;  // calculate with full precision, not as displayed
inline constexpr uint16_t kCountryUnitedStates = 1;
}  // namespace globals

namespace window1 {
inline constexpr int16_t kLeft = 0;  // window position and size, in twips
inline constexpr int16_t kTop = 0;
inline constexpr uint16_t kWidth = 15360;
inline constexpr uint16_t kHeight = 9000;
inline constexpr uint16_t kHorizontalScrollBar = 0x0008;
inline constexpr uint16_t kVerticalScrollBar = 0x0010;
inline constexpr uint16_t kSheetTabs = 0x0020;
inline constexpr uint16_t kSelectedTabs = 1;
inline constexpr uint16_t kTabRatio = 600;  // thousandths of the window width given to the sheet tabs
}  // namespace window1

// ---------------------------------------------------------------- formatting

namespace fontrec {
inline constexpr uint16_t kBoldFlag = 0x0001;  // set with the bold weight: some readers look at this bit only
inline constexpr uint16_t kItalic = 0x0002;
inline constexpr uint16_t kWeightNormal = 400;
inline constexpr uint16_t kWeightBold = 700;
inline constexpr uint16_t kWeightBoldFrom = 600;  // a weight read as bold from here on
inline constexpr int kSkippedIndex = 4;           // no font has index 4: the fifth FONT record is font 5
inline constexpr int kStandardFonts = 4;          // fonts 0 to 3, all the default font
inline constexpr std::size_t kMaxFonts = 510;
inline constexpr uint16_t kTwipsPerPoint = 20;
inline constexpr uint16_t kMinHeight = 20;    // 1 point; a height of 0 is allowed too
inline constexpr uint16_t kMaxHeight = 8191;  // 409.55 points
}  // namespace fontrec

namespace formatrec {
inline constexpr uint16_t kFirstCustom = 164;  // ids below are built-in formats
inline constexpr std::size_t kMaxRecords = 218;
}  // namespace formatrec

// Colour indexes (icv) of fonts, borders and fills: palette entry n (1-based)
// is icv n + 7; the first eight icv values are fixed colours.
namespace icv {
inline constexpr uint16_t kPaletteOffset = 7;
inline constexpr uint16_t kFixedColors = 8;        // icv 0 to 7: black, white, red, green, blue, yellow, magenta, cyan
inline constexpr uint16_t kWindowText = 64;        // the system foreground: automatic border and pattern colour
inline constexpr uint16_t kWindowBackground = 65;  // the system background: a solid fill's background colour
inline constexpr uint16_t kFontAutomatic = 0x7FFF;
inline constexpr uint16_t kMask = 0x7F;            // border and fill colours are 7-bit fields
}  // namespace icv

namespace xf {
// The table every workbook starts with: style XFs 0 to 14 (0 is the Normal
// style), the default cell XF 15, then the style XFs of the built-in number
// styles (Comma, Comma [0], Currency, Currency [0], Percent), 16 to 20.
inline constexpr std::size_t kStyleXfCount = 15;
inline constexpr uint16_t kDefaultCellXf = 15;  // a cell with the Normal style as it is
inline constexpr uint16_t kFirstNumberStyleXf = 16;
inline constexpr uint16_t kFirstUserXf = 21;
inline constexpr std::size_t kMaxCount = 4050;
// Type and protection: 16 bits.
inline constexpr uint16_t kLocked = 0x0001;
inline constexpr uint16_t kStyle = 0x0004;
inline constexpr unsigned kParentShift = 4;
inline constexpr uint16_t kNoParent = 0x0FFF;  // a style XF's parent field
inline constexpr uint16_t kNormalStyleXf = 0;
// Alignment byte.
inline constexpr uint8_t kHorizontalMask = 0x07;
inline constexpr unsigned kVerticalShift = 4;
inline constexpr uint8_t kVerticalBottom = 2;
// Horizontal alignment values.
inline constexpr uint8_t kAlignGeneral = 0;
inline constexpr uint8_t kAlignLeft = 1;
inline constexpr uint8_t kAlignCenter = 2;
inline constexpr uint8_t kAlignRight = 3;
inline constexpr uint8_t kAlignJustify = 5;
inline constexpr uint8_t kAlignCenterAcross = 6;
inline constexpr uint8_t kAlignDistributed = 7;
// Which attribute groups a cell XF sets itself rather than taking from its
// style; in a style XF a set bit means the style leaves the group out.
inline constexpr uint8_t kUsesNumberFormat = 0x04;
inline constexpr uint8_t kUsesFont = 0x08;
inline constexpr uint8_t kUsesAlignment = 0x10;
inline constexpr uint8_t kUsesBorder = 0x20;
inline constexpr uint8_t kUsesFill = 0x40;
inline constexpr uint8_t kOutlineStyleOmits = 0xF4;  // the built-in slots 1 to 14 define only a font
inline constexpr uint8_t kNumberStyleOmits = 0xF8;   // the number styles define only a number format
// Border line styles (4 bits each) and colours (7 bits each) in two 32-bit words.
inline constexpr unsigned kLeftLineShift = 0;
inline constexpr unsigned kRightLineShift = 4;
inline constexpr unsigned kTopLineShift = 8;
inline constexpr unsigned kBottomLineShift = 12;
inline constexpr unsigned kLeftColorShift = 16;
inline constexpr unsigned kRightColorShift = 23;
inline constexpr unsigned kTopColorShift = 0;
inline constexpr unsigned kBottomColorShift = 7;
inline constexpr unsigned kFillPatternShift = 26;
inline constexpr uint32_t kLineMask = 0x0F;
inline constexpr uint32_t kFillPatternMask = 0x3F;
// Fill colours in the last 16 bits.
inline constexpr unsigned kFillBackShift = 7;
inline constexpr uint8_t kPatternNone = 0;
inline constexpr uint8_t kPatternSolid = 1;
}  // namespace xf

// Border line styles of an XF (dg values).
namespace dg {
inline constexpr uint8_t kNone = 0;
inline constexpr uint8_t kThin = 1;
inline constexpr uint8_t kMedium = 2;
inline constexpr uint8_t kDashed = 3;
inline constexpr uint8_t kDotted = 4;
inline constexpr uint8_t kThick = 5;
inline constexpr uint8_t kDouble = 6;
inline constexpr uint8_t kHair = 7;
inline constexpr uint8_t kMediumDashed = 8;
inline constexpr uint8_t kDashDot = 9;
inline constexpr uint8_t kMediumDashDot = 10;
inline constexpr uint8_t kDashDotDot = 11;
inline constexpr uint8_t kMediumDashDotDot = 12;
inline constexpr uint8_t kSlantDashDot = 13;
}  // namespace dg

namespace stylerec {
inline constexpr uint16_t kBuiltIn = 0x8000;  // in the XF field: a built-in style follows as two bytes
inline constexpr uint16_t kXfMask = 0x0FFF;
// Built-in style numbers.
inline constexpr uint8_t kNormal = 0;
inline constexpr uint8_t kComma = 3;
inline constexpr uint8_t kCurrency = 4;
inline constexpr uint8_t kPercent = 5;
inline constexpr uint8_t kCommaNoDecimals = 6;
inline constexpr uint8_t kCurrencyNoDecimals = 7;
inline constexpr uint8_t kNoOutlineLevel = 0xFF;
}  // namespace stylerec

// ---------------------------------------------------------------- sheets, links and names

namespace boundsheet {
inline constexpr uint8_t kVisible = 0;
inline constexpr uint8_t kWorksheet = 0;
inline constexpr uint8_t kChartSheet = 2;
}  // namespace boundsheet

namespace supbook {
inline constexpr uint16_t kSelfReference = 0x0401;  // in the count field: the book itself, no path follows
}  // namespace supbook

namespace lbl {
inline constexpr uint16_t kBuiltIn = 0x0020;
inline constexpr uint8_t kPrintArea = 0x06;  // the one-character name of the built-in Print_Area
}  // namespace lbl

namespace sst {
inline constexpr uint16_t kMinBucketSize = 8;  // strings per EXTSST entry
inline constexpr std::size_t kMaxBuckets = 128;
}  // namespace sst

// ---------------------------------------------------------------- worksheet settings

namespace calc {
inline constexpr uint16_t kAutomatic = 1;
inline constexpr uint16_t kIterationCount = 100;
inline constexpr uint16_t kA1References = 1;
inline constexpr uint16_t kNoIteration = 0;
inline constexpr double kIterationDelta = 0.001;
inline constexpr uint16_t kRecalcBeforeSave = 1;
}  // namespace calc

namespace sheetrec {
inline constexpr uint16_t kGridSetByUser = 1;
inline constexpr uint16_t kDefaultColumnWidth = 8;       // DefColWidth: characters, padding not counted
inline constexpr int kDefaultWidthPixelStep = 8;         // a default width rounds up to whole 8 pixels
}  // namespace sheetrec

namespace wsbool {
inline constexpr uint16_t kShowAutoBreaks = 0x0001;
inline constexpr uint16_t kRowSumsBelow = 0x0040;
inline constexpr uint16_t kColumnSumsRight = 0x0080;
inline constexpr uint16_t kFitToPage = 0x0100;
inline constexpr uint16_t kShowOutlineSymbols = 0x0400;
inline constexpr uint16_t kStandard = kShowAutoBreaks | kRowSumsBelow | kColumnSumsRight | kShowOutlineSymbols;
}  // namespace wsbool

namespace setuprec {
inline constexpr uint16_t kPortrait = 0x0002;
inline constexpr uint16_t kNoPrinterSettings = 0x0004;  // paper, scale and orientation are not valid
inline constexpr uint16_t kPrintNotes = 0x0020;
inline constexpr uint16_t kNoOrientation = 0x0040;
inline constexpr uint16_t kFirstPageNumber = 1;
inline constexpr uint16_t kResolution = 600;  // dots per inch
inline constexpr uint16_t kCopies = 1;
inline constexpr double kPointsPerInch = 72.0;
}  // namespace setuprec

// ---------------------------------------------------------------- columns, rows and cells

namespace colinfo {
inline constexpr uint16_t kHidden = 0x0001;
inline constexpr uint16_t kUserSet = 0x0002;
inline constexpr std::size_t kMaxRecords = 255;
}  // namespace colinfo

// Column widths are stored in 1/256 of the default font's widest digit, the
// cell padding included; Arial 10's widest digit is 7 pixels at 96 dpi.
namespace colwidth {
inline constexpr int kDigitPixels = 7;
inline constexpr int kPaddingPixels = 5;
inline constexpr int kUnitsPerDigit = 256;
inline constexpr int kPixelCorrection = kUnitsPerDigit / 2 / kDigitPixels;  // rounds a stored width to a pixel
}  // namespace colwidth

namespace rowrec {
inline constexpr uint16_t kHeightMask = 0x7FFF;
inline constexpr uint16_t kHidden = 0x0020;
inline constexpr uint16_t kUnsynced = 0x0040;    // the height was set, not taken from the fonts
inline constexpr uint16_t kHasStyle = 0x0080;    // the XF field applies to the whole row
inline constexpr uint16_t kAlwaysSet = 0x0100;   // a reserved bit that is always 1
inline constexpr uint16_t kXfMask = 0x0FFF;
inline constexpr int kBlockSize = 32;            // rows per row block
inline constexpr uint16_t kDefaultHeightTwips = 255;  // 12.75 points
}  // namespace rowrec

namespace cellrec {
inline constexpr uint8_t kBoolean = 0;  // BoolErr: the byte holds a Boolean
inline constexpr uint8_t kError = 1;    // BoolErr: the byte holds an error code
}  // namespace cellrec

// RK numbers: 30 bits of a double's high word or of a signed integer, either divided by 100.
namespace rk {
inline constexpr uint32_t kTimes100 = 0x01;
inline constexpr uint32_t kInteger = 0x02;
inline constexpr uint32_t kFlagMask = 0x03;
inline constexpr int kIntegerBits = 30;
}  // namespace rk

namespace fmla {
inline constexpr uint16_t kAlwaysCalc = 0x0001;   // recalculate at the next calculation, that is when opened
inline constexpr uint16_t kResultMarker = 0xFFFF; // in the top 16 bits of the result: not a number
inline constexpr uint8_t kResultString = 0;       // a STRING record follows
inline constexpr uint8_t kResultBoolean = 1;
inline constexpr uint8_t kResultError = 2;
inline constexpr uint8_t kResultEmptyString = 3;
inline constexpr std::size_t kResultSize = 8;
inline constexpr std::size_t kFixedBodySize = 22;  // cell, result, flags, reserved, token length
inline constexpr std::size_t kMaxTokenBytes = limits::kMaxRecordBody - kFixedBodySize;  // a FORMULA never continues
}  // namespace fmla

// ---------------------------------------------------------------- window

namespace window2 {
inline constexpr uint16_t kShowGridlines = 0x0002;
inline constexpr uint16_t kShowHeadings = 0x0004;
inline constexpr uint16_t kShowZeros = 0x0010;
inline constexpr uint16_t kDefaultGridColor = 0x0020;
inline constexpr uint16_t kShowOutlineSymbols = 0x0080;
inline constexpr uint16_t kSelected = 0x0200;
inline constexpr uint16_t kShownInWindow = 0x0400;
inline constexpr uint16_t kStandard =
    kShowGridlines | kShowHeadings | kShowZeros | kDefaultGridColor | kShowOutlineSymbols;
inline constexpr uint16_t kGridColor = 64;
inline constexpr uint16_t kDefaultZoom = 0;  // page break preview and normal zoom: the default, 100 %
}  // namespace window2

namespace selectionrec {
inline constexpr uint8_t kTopLeftPane = 3;  // the only pane of a window that is neither split nor frozen
inline constexpr std::size_t kFixedSize = 9;  // pane, active cell, its range's position, range count
inline constexpr std::size_t kRangeSize = 6;  // two 16-bit rows, two 8-bit columns
inline constexpr std::size_t kMaxRanges = (limits::kMaxRecordBody - kFixedSize) / kRangeSize;
}  // namespace selectionrec

namespace mergerec {
inline constexpr std::size_t kMaxRangesPerRecord = 1026;
}  // namespace mergerec

}  // namespace spreadsheet::xls::biff
