// Field values, flag bits and limits of the chart records, of the OBJ record
// and of the drawing layer's OfficeArt records (facts of the public [MS-XLS]
// and [MS-ODRAW] documents), one namespace per record or structure, each
// named once. Record ids live in chart_record_ids.h.
#pragma once

#include <cstddef>
#include <cstdint>

namespace spreadsheet::xls::biff {

// ---------------------------------------------------------------- chart substream in general

namespace chartrec {
inline constexpr uint32_t kFixedOne = 0x00010000;  // 1.0 as a 16.16 fixed-point number
inline constexpr uint16_t kIcvForeground = 0x004D;  // the chart's automatic line and text colour
inline constexpr uint16_t kIcvBackground = 0x004E;  // the chart's automatic fill colour
inline constexpr uint16_t kPrintSizeFullPage = 1;   // PrintSize: the chart fills the page inside its margins
inline constexpr uint16_t kPrintSizeAsSized = 3;    // PrintSize: at the size the Chart record gives
inline constexpr uint16_t kUnitsScreen = 0;
inline constexpr std::size_t kReservedAxis = 16;          // Axis: four unused 32-bit fields
inline constexpr std::size_t kReservedAxisParent = 16;    // AxisParent: the unused rectangle
inline constexpr std::size_t kReservedChartFormat = 16;   // ChartFormat: the unused rectangle
inline constexpr std::size_t kReservedTick = 16;
inline constexpr std::size_t kCrtLinkSize = 10;  // CrtLink: unused, all zero
inline constexpr std::size_t kWindow2ChartSize = 10;  // a chart sheet's WINDOW2 holds the first 10 bytes only
inline constexpr int kSprcUnits = 4000;  // positions inside a chart: 1/4000 of the chart area
}  // namespace chartrec

// Frame: the border and fill around the chart area, plot area and legend.
namespace framerec {
inline constexpr uint16_t kNoShadow = 0;
inline constexpr uint16_t kAutoSize = 0x0001;
inline constexpr uint16_t kAutoPosition = 0x0002;
}  // namespace framerec

namespace linefmt {
inline constexpr uint16_t kSolid = 0;
inline constexpr uint16_t kDash = 1;
inline constexpr uint16_t kDot = 2;
inline constexpr uint16_t kDashDot = 3;
inline constexpr uint16_t kDashDotDot = 4;
inline constexpr uint16_t kNone = 5;
inline constexpr int16_t kHairline = -1;
inline constexpr int16_t kNarrow = 0;
inline constexpr int16_t kMedium = 1;
inline constexpr int16_t kWide = 2;
inline constexpr uint16_t kAuto = 0x0001;
inline constexpr uint16_t kAxisOn = 0x0004;
inline constexpr uint16_t kAutoColor = 0x0008;
}  // namespace linefmt

namespace areafmt {
inline constexpr uint16_t kPatternSolid = 1;
inline constexpr uint16_t kAuto = 0x0001;
}  // namespace areafmt

// Series: what kind of data the categories and values hold.
namespace seriesrec {
inline constexpr uint16_t kNumeric = 1;
inline constexpr uint16_t kText = 3;
}  // namespace seriesrec

// BRAI: which part of a series a reference feeds, and how it is given.
namespace brai {
inline constexpr uint8_t kName = 0;
inline constexpr uint8_t kValues = 1;
inline constexpr uint8_t kCategories = 2;
inline constexpr uint8_t kBubbleSizes = 3;
inline constexpr uint8_t kAutomatic = 0;  // nothing given: numbered categories, "Series n"
inline constexpr uint8_t kLiteral = 1;    // text in a SeriesText record, or none
inline constexpr uint8_t kReference = 2;  // the formula refers to cells
inline constexpr std::size_t kFixedSize = 8;  // id, rt, flags, ifmt, formula length
inline constexpr std::size_t kFlagsAndFormatSize = 4;  // between rt and the formula's length
}  // namespace brai

// SeriesText: the literal name of a series or the text of a Text block.
namespace seriestext {
inline constexpr std::size_t kReservedSize = 2;  // before the short string
}  // namespace seriestext

namespace dataformat {
inline constexpr uint16_t kWholeSeries = 0xFFFF;  // xi: the format applies to every point
}  // namespace dataformat

// AttachedLabel: what the data labels of a series show.
namespace attachedlabel {
inline constexpr uint16_t kValue = 0x0001;
inline constexpr uint16_t kPercent = 0x0002;
inline constexpr uint16_t kLabelAndPercent = 0x0004;
inline constexpr uint16_t kCategory = 0x0010;
inline constexpr uint16_t kBubbleSize = 0x0020;
inline constexpr uint16_t kSeriesName = 0x0040;
}  // namespace attachedlabel

// DataLabExtContents: the same choices in a future record (after its 12-byte header).
namespace datalabext {
inline constexpr std::size_t kHeaderSize = 12;
inline constexpr uint16_t kSeriesName = 0x0001;
inline constexpr uint16_t kCategoryName = 0x0002;
inline constexpr uint16_t kValue = 0x0004;
inline constexpr uint16_t kPercent = 0x0008;
inline constexpr uint16_t kBubbleSizes = 0x0010;
}  // namespace datalabext

namespace shtprops {
inline constexpr uint16_t kPlotVisibleOnly = 0x0002;
// fManPlotArea and fAlwaysAutoPlotArea. Neither is written: every position in
// our charts is automatic, and LibreOffice takes 0x0010 to mean "the plot area
// is where the axis group's Pos record says" (its EXC_CHPROPS_USEMANPLOTAREA),
// which then squeezes the plot into the empty rectangle of that record.
inline constexpr uint16_t kManualPlotArea = 0x0008;
inline constexpr uint16_t kPlotAreaFromPos = 0x0010;
inline constexpr uint8_t kBlankAsGap = 0;
}  // namespace shtprops

namespace axisrec {
inline constexpr uint16_t kCategory = 0;
inline constexpr uint16_t kValue = 1;
inline constexpr uint16_t kPrimaryGroup = 0;  // AxisParent's iax
inline constexpr uint16_t kAxisLine = 0;      // AxisLine ids
inline constexpr uint16_t kMajorGridlines = 1;
}  // namespace axisrec

namespace catserrange {
inline constexpr uint16_t kCrossAtFirst = 1;
inline constexpr uint16_t kEveryLabel = 1;
inline constexpr uint16_t kEveryMark = 1;
inline constexpr uint16_t kBetween = 0x0001;  // the value axis crosses between categories
}  // namespace catserrange

namespace axcext {
inline constexpr uint16_t kOne = 1;
inline constexpr uint16_t kAllAutomatic = 0x00EF;  // minimum to date handling all automatic, not a date axis
}  // namespace axcext

namespace valuerange {
inline constexpr uint16_t kAllAutomatic = 0x011F;  // minimum, maximum, units and crossing automatic
}  // namespace valuerange

namespace tick {
inline constexpr uint8_t kMarkNone = 0;
inline constexpr uint8_t kMarkOutside = 2;
inline constexpr uint8_t kLabelsNextToAxis = 3;
inline constexpr uint8_t kTransparent = 1;
inline constexpr uint16_t kAutomatic = 0x0023;  // colour, background and rotation automatic
}  // namespace tick

namespace chartformat {
inline constexpr uint16_t kVaryColors = 0x0001;  // each point its own colour, as pies draw
}  // namespace chartformat

namespace pierec {
inline constexpr std::size_t kFlagsOffset = 4;  // after the first slice's angle and the hole size
inline constexpr uint16_t kLeaderLines = 0x0002;
}  // namespace pierec

// CrtLine: a kind of line a chart group draws; the leader lines of its data labels here.
namespace crtline {
inline constexpr uint16_t kLeaderLines = 0x0003;
}  // namespace crtline

// Dat: the data table under the plot area, with all its borders and legend keys.
namespace datrec {
inline constexpr uint16_t kAllBordersAndKeys = 0x000F;
}  // namespace datrec

namespace legendrec {
inline constexpr uint8_t kRight = 3;
inline constexpr uint8_t kMediumSpacing = 1;
inline constexpr uint16_t kAutomatic = 0x000F;  // placed automatically, entries stacked
inline constexpr uint16_t kDataTable = 0x0010;  // the legend of a data table
inline constexpr uint8_t kBottom = 0;
}  // namespace legendrec

// Pos: where a chart element sits; zero offsets from the parent's place mean "where it goes by default".
namespace posrec {
inline constexpr uint16_t kParent = 2;  // MDPARENT
inline constexpr uint16_t kChart = 5;   // MDCHART
}  // namespace posrec

namespace textrec {
inline constexpr std::size_t kFlagsOffset = 2 + 2 + 4 + 16;  // after alignment, background, colour, position
inline constexpr uint8_t kCenter = 2;
inline constexpr uint16_t kTransparent = 1;
inline constexpr uint16_t kAutoColor = 0x0001;
inline constexpr uint16_t kShowKey = 0x0002;
inline constexpr uint16_t kShowValue = 0x0004;
inline constexpr uint16_t kAutoText = 0x0010;
inline constexpr uint16_t kGenerated = 0x0020;
inline constexpr uint16_t kDeleted = 0x0040;
inline constexpr uint16_t kAutoMode = 0x0080;
inline constexpr uint16_t kShowLabelAndPercent = 0x0800;
inline constexpr uint16_t kShowPercent = 0x1000;
inline constexpr uint16_t kShowBubbleSizes = 0x2000;
inline constexpr uint16_t kShowLabel = 0x4000;
inline constexpr uint16_t kRotationUpward = 90;  // trot of a vertical axis title
}  // namespace textrec

// ObjectLink: which element a Text record labels.
namespace objectlink {
inline constexpr uint16_t kChartTitle = 1;
inline constexpr uint16_t kValueAxis = 2;
inline constexpr uint16_t kCategoryAxis = 3;
inline constexpr uint16_t kDataLabels = 4;
inline constexpr uint16_t kAllPoints = 0xFFFF;
}  // namespace objectlink

namespace siindex {
inline constexpr uint16_t kValues = 1;
inline constexpr uint16_t kCategories = 2;
inline constexpr uint16_t kBubbleSizes = 3;
}  // namespace siindex

// ---------------------------------------------------------------- OBJ

namespace objrec {
inline constexpr uint16_t kFtCmo = 0x0015;
inline constexpr uint16_t kFtEnd = 0x0000;
inline constexpr uint16_t kCmoSize = 18;
inline constexpr uint16_t kChart = 5;  // ot
inline constexpr uint16_t kLocked = 0x0001;
inline constexpr uint16_t kPrint = 0x0010;
inline constexpr uint16_t kAutoFill = 0x2000;
inline constexpr uint16_t kAutoLine = 0x4000;
inline constexpr std::size_t kCmoReserved = 12;
}  // namespace objrec

// ---------------------------------------------------------------- OfficeArt records of the drawing layer

namespace officeart {
inline constexpr std::size_t kHeaderSize = 8;  // version and instance, type, length
inline constexpr uint16_t kContainerVersion = 0xF;
inline constexpr uint16_t kDggContainer = 0xF000;
inline constexpr uint16_t kDgContainer = 0xF002;
inline constexpr uint16_t kSpgrContainer = 0xF003;
inline constexpr uint16_t kSpContainer = 0xF004;
inline constexpr uint16_t kFdgg = 0xF006;
inline constexpr uint16_t kFdg = 0xF008;
inline constexpr uint16_t kFspgr = 0xF009;
inline constexpr uint16_t kFsp = 0xF00A;
inline constexpr uint16_t kFopt = 0xF00B;
inline constexpr uint16_t kClientAnchor = 0xF010;
inline constexpr uint16_t kClientData = 0xF011;
inline constexpr uint16_t kFspgrVersion = 1;
inline constexpr uint16_t kFspVersion = 2;
inline constexpr uint16_t kFoptVersion = 3;
inline constexpr std::size_t kFdggSize = 16;
inline constexpr std::size_t kIdclSize = 8;
inline constexpr std::size_t kFdgSize = 8;
inline constexpr std::size_t kFspgrSize = 16;
inline constexpr std::size_t kFspSize = 8;
inline constexpr std::size_t kPropertySize = 6;
inline constexpr std::size_t kClientAnchorSize = 18;
inline constexpr uint32_t kShapesPerCluster = 1024;  // shape ids of drawing n start at n * 1024
inline constexpr uint16_t kShapeHostControl = 201;   // the shape type of an embedded chart
inline constexpr uint32_t kGroup = 0x0001;
inline constexpr uint32_t kPatriarch = 0x0004;
inline constexpr uint32_t kHaveAnchor = 0x0200;
inline constexpr uint32_t kHaveShapeType = 0x0800;
}  // namespace officeart

// The properties of a chart's shape: locked against grouping, no text of
// its own, the chart's fill and line colours, no shadow, printed.
namespace shapeprop {
inline constexpr uint16_t kProtection = 0x007F;
inline constexpr uint32_t kLockAgainstGrouping = 0x01040104;
inline constexpr uint16_t kTextBooleans = 0x00BF;
inline constexpr uint32_t kFitTextToShape = 0x00080008;
inline constexpr uint16_t kFillColor = 0x0181;
inline constexpr uint32_t kChartBackground = 0x0800004E;  // an index into the sheet's colours
inline constexpr uint16_t kFillBackColor = 0x0183;
inline constexpr uint32_t kChartForeground = 0x0800004D;
inline constexpr uint16_t kFillBooleans = 0x01BF;
inline constexpr uint32_t kFilled = 0x00110010;
inline constexpr uint16_t kLineColor = 0x01C0;
inline constexpr uint16_t kLineBooleans = 0x01FF;
inline constexpr uint32_t kLined = 0x00080008;
inline constexpr uint16_t kShadowBooleans = 0x023F;
inline constexpr uint32_t kNoShadow = 0x00020000;
inline constexpr uint16_t kGroupBooleans = 0x03BF;
inline constexpr uint32_t kPrinted = 0x00080000;
}  // namespace shapeprop

// OfficeArtClientAnchorSheet: corner cells and offsets inside them.
namespace anchorrec {
inline constexpr uint16_t kMoveAndSizeWithCells = 0;
inline constexpr int kColumnOffsetUnits = 1024;  // dx: 1/1024 of the column width
inline constexpr int kRowOffsetUnits = 256;      // dy: 1/256 of the row height
}  // namespace anchorrec

}  // namespace spreadsheet::xls::biff
