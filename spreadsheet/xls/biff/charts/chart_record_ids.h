// Record ids of charts and of the drawing layer that embeds them in a
// worksheet (BIFF8, the records of the public [MS-XLS] document), each named
// once. The page setup, DIMENSIONS, NUMBER, LABEL and WINDOW2 records a chart
// substream shares with worksheets keep their names in record_ids.h.
#pragma once

#include <cstdint>

namespace spreadsheet::xls::biff::record {

// ---------------------------------------------------------------- drawing layer and objects

inline constexpr uint16_t kMsoDrawingGroup = 0x00EB;
inline constexpr uint16_t kMsoDrawing = 0x00EC;
inline constexpr uint16_t kMsoDrawingSelection = 0x00ED;
inline constexpr uint16_t kObj = 0x005D;
inline constexpr uint16_t kTxo = 0x01B6;

// ---------------------------------------------------------------- chart substream: frame and sheet

inline constexpr uint16_t kPrintSize = 0x0033;
inline constexpr uint16_t kUnits = 0x1001;
inline constexpr uint16_t kChart = 0x1002;
inline constexpr uint16_t kBegin = 0x1033;
inline constexpr uint16_t kEnd = 0x1034;
inline constexpr uint16_t kScl = 0x00A0;
inline constexpr uint16_t kPlotGrowth = 0x1064;
inline constexpr uint16_t kShtProps = 0x1044;
inline constexpr uint16_t kSiIndex = 0x1065;

// ---------------------------------------------------------------- chart substream: series

inline constexpr uint16_t kSeries = 0x1003;
inline constexpr uint16_t kBrai = 0x1051;
inline constexpr uint16_t kSeriesText = 0x100D;
inline constexpr uint16_t kDataFormat = 0x1006;
inline constexpr uint16_t kSerToCrt = 0x1045;
inline constexpr uint16_t kAttachedLabel = 0x100C;
inline constexpr uint16_t kPieFormat = 0x100B;
inline constexpr uint16_t kMarkerFormat = 0x1009;

// ---------------------------------------------------------------- chart substream: formatting

inline constexpr uint16_t kFrame = 0x1032;
inline constexpr uint16_t kLineFormat = 0x1007;
inline constexpr uint16_t kAreaFormat = 0x100A;
inline constexpr uint16_t kPlotArea = 0x1035;

// ---------------------------------------------------------------- chart substream: groups and axes

inline constexpr uint16_t kAxesUsed = 0x1046;
inline constexpr uint16_t kAxisParent = 0x1041;
inline constexpr uint16_t kPos = 0x104F;
inline constexpr uint16_t kAxis = 0x101D;
inline constexpr uint16_t kCatSerRange = 0x1020;
inline constexpr uint16_t kAxcExt = 0x1062;
inline constexpr uint16_t kValueRange = 0x101F;
inline constexpr uint16_t kTick = 0x101E;
inline constexpr uint16_t kAxisLine = 0x1021;
inline constexpr uint16_t kIFmtRecord = 0x104E;
inline constexpr uint16_t kChartFormat = 0x1014;
inline constexpr uint16_t kCrtLink = 0x1022;
inline constexpr uint16_t kCrtLine = 0x101C;
inline constexpr uint16_t kBar = 0x1017;
inline constexpr uint16_t kLine = 0x1018;
inline constexpr uint16_t kPie = 0x1019;
inline constexpr uint16_t kArea = 0x101A;
inline constexpr uint16_t kScatter = 0x101B;
inline constexpr uint16_t kRadar = 0x103E;
inline constexpr uint16_t kSurf = 0x103F;
inline constexpr uint16_t kRadarArea = 0x1040;
inline constexpr uint16_t kBopPop = 0x1061;
inline constexpr uint16_t kDat = 0x1063;

// ---------------------------------------------------------------- chart substream: texts and legend

inline constexpr uint16_t kLegend = 0x1015;
inline constexpr uint16_t kText = 0x1025;
inline constexpr uint16_t kFontX = 0x1026;
inline constexpr uint16_t kObjectLink = 0x1027;
inline constexpr uint16_t kDefaultText = 0x1024;
inline constexpr uint16_t kDataLabExtContents = 0x086B;  // what data labels show, as later versions write it

}  // namespace spreadsheet::xls::biff::record
