// Helpers of the chart tests: a sheet's substream found through its
// BOUNDSHEET8 record, chart records by name, the chart records shown as a
// tree (Begin and End nest), the records of one kind, and every difference
// between two charts in words.
#pragma once

#include "biff_test_support.h"

#include "spreadsheet/xls/biff/charts/chart_record_ids.h"
#include "spreadsheet/xls/biff/records/record_ids.h"
#include "spreadsheet/xls/hex_text.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace biff_test {

namespace rec = spreadsheet::xls::biff::record;

inline const std::map<uint16_t, std::string>& chartRecordNames() {
    static const std::map<uint16_t, std::string> names = {
        {rec::kBof, "BOF"}, {rec::kEof, "EOF"}, {rec::kHeader, "HEADER"}, {rec::kFooter, "FOOTER"},
        {rec::kHCenter, "HCENTER"}, {rec::kVCenter, "VCENTER"}, {rec::kLeftMargin, "LEFTMARGIN"},
        {rec::kRightMargin, "RIGHTMARGIN"}, {rec::kTopMargin, "TOPMARGIN"}, {rec::kBottomMargin, "BOTTOMMARGIN"},
        {rec::kSetup, "SETUP"}, {rec::kPrintSize, "PrintSize"}, {rec::kUnits, "Units"}, {rec::kChart, "Chart"},
        {rec::kBegin, "Begin"}, {rec::kEnd, "End"}, {rec::kScl, "Scl"}, {rec::kPlotGrowth, "PlotGrowth"},
        {rec::kFrame, "Frame"}, {rec::kLineFormat, "LineFormat"}, {rec::kAreaFormat, "AreaFormat"},
        {rec::kSeries, "Series"}, {rec::kBrai, "BRAI"}, {rec::kSeriesText, "SeriesText"},
        {rec::kDataFormat, "DataFormat"}, {rec::kAttachedLabel, "AttachedLabel"}, {rec::kSerToCrt, "SerToCrt"},
        {rec::kShtProps, "ShtProps"}, {rec::kAxesUsed, "AxesUsed"}, {rec::kAxisParent, "AxisParent"},
        {rec::kPos, "Pos"}, {rec::kAxis, "Axis"}, {rec::kCatSerRange, "CatSerRange"}, {rec::kAxcExt, "AxcExt"},
        {rec::kValueRange, "ValueRange"}, {rec::kTick, "Tick"}, {rec::kAxisLine, "AxisLine"},
        {rec::kIFmtRecord, "IFmtRecord"}, {rec::kText, "Text"}, {rec::kObjectLink, "ObjectLink"},
        {rec::kPlotArea, "PlotArea"}, {rec::kChartFormat, "ChartFormat"}, {rec::kLine, "Line"}, {rec::kPie, "Pie"},
        {rec::kCrtLink, "CrtLink"}, {rec::kLegend, "Legend"}, {rec::kDimensions, "Dimensions"},
        {rec::kSiIndex, "SIIndex"}, {rec::kNumber, "Number"}, {rec::kLabel, "Label"}, {rec::kWindow2, "WINDOW2"},
        {rec::kMsoDrawing, "MSODRAWING"}, {rec::kMsoDrawingGroup, "MSODRAWINGGROUP"}, {rec::kObj, "OBJ"},
        {rec::kDbCell, "DBCELL"}, {rec::kSelection, "SELECTION"}, {rec::kSst, "SST"}};
    return names;
}

inline std::string recordName(uint16_t id) {
    const auto it = chartRecordNames().find(id);
    return it == chartRecordNames().end() ? spreadsheet::xls::hexText(id, 4) : it->second;
}

// The records of the substream that starts at `offset`, through its EOF
// (substreams nested in it included).
inline std::vector<RecordInfo> substreamAt(const std::vector<uint8_t>& stream, std::size_t offset) {
    std::vector<RecordInfo> out;
    int depth = 0;
    for (const RecordInfo& r : records(stream)) {
        if (r.offset < offset) continue;
        out.push_back(r);
        if (r.id == rec::kBof) ++depth;
        if (r.id == rec::kEof && --depth == 0) break;
    }
    return out;
}

// The substream of sheet `index` (0-based), found through its BOUNDSHEET8 record.
inline std::vector<RecordInfo> sheetSubstream(const std::vector<uint8_t>& stream, int index) {
    int seen = 0;
    for (const RecordInfo& r : records(stream))
        if (r.id == rec::kBoundSheet8 && seen++ == index) return substreamAt(stream, le32(r.body, 0));
    ADD_FAILURE() << "no sheet " << index;
    return {};
}

// Record names, indented two spaces per Begin that is still open.
inline std::vector<std::string> chartTree(const std::vector<RecordInfo>& recs) {
    std::vector<std::string> out;
    std::size_t depth = 0;
    for (const RecordInfo& r : recs) {
        if (r.id == rec::kEnd && depth > 0) --depth;
        out.push_back(std::string(2 * depth, ' ') + recordName(r.id));
        if (r.id == rec::kBegin) ++depth;
    }
    return out;
}

inline std::vector<RecordInfo> recordsWithId(const std::vector<RecordInfo>& recs, uint16_t id) {
    std::vector<RecordInfo> out;
    for (const RecordInfo& r : recs)
        if (r.id == id) out.push_back(r);
    return out;
}

// Bytes as "3A 00 0E", as the token tests write them.
inline std::string hexOf(const std::vector<uint8_t>& bytes, std::size_t from = 0, std::size_t count = std::string::npos) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = from; i < bytes.size() && i - from < count; ++i) {
        if (!out.empty()) out += ' ';
        out += digits[bytes[i] >> 4];
        out += digits[bytes[i] & 0xF];
    }
    return out;
}

// The text of a SeriesText record (8-bit characters).
inline std::string seriesText(const RecordInfo& r) {
    return std::string(r.body.begin() + 4, r.body.end());
}

inline std::string describe(const model::ChartReference& r) { return r.sheet + "!" + model::formatA1(r.areas); }
inline std::string describe(const std::optional<model::ChartReference>& r) { return r ? describe(*r) : "none"; }

// Every difference between two charts, one line each (their ids aside).
inline std::vector<std::string> chartDifferences(const model::Chart& e, const model::Chart& a) {
    Differences d;
    const auto text = [](const std::string& t) { return t; };
    const auto number = [](int n) { return std::to_string(n); };
    // A hidden title's text is not stored: only whether it shows is compared then.
    const auto title = [](const model::ChartTitle& t) { return t.visible ? "shown " + t.text : std::string("hidden"); };
    const auto line = [](const model::BorderLine& l) {
        return std::to_string(static_cast<int>(l.lineStyle)) + "/" + std::to_string(static_cast<int>(l.weight)) + "/" + std::to_string(l.colorIndex);
    };
    d.check("type", static_cast<int>(e.type), static_cast<int>(a.type), number);
    d.check("series count", static_cast<int>(e.series.size()), static_cast<int>(a.series.size()), number);
    for (std::size_t i = 0; i < std::min(e.series.size(), a.series.size()); ++i) {
        const std::string s = "series " + std::to_string(i);
        d.check(s + " name", describe(e.series[i].name), describe(a.series[i].name), text);
        d.check(s + " values", describe(e.series[i].values), describe(a.series[i].values), text);
        d.check(s + " categories", describe(e.series[i].categories), describe(a.series[i].categories), text);
    }
    d.check("title", title(e.title), title(a.title), text);
    d.check("legend shown", static_cast<int>(e.legend.visible), static_cast<int>(a.legend.visible), number);
    if (e.legend.visible) d.check("legend border", e.legend.border, a.legend.border, line);  // stored with the legend
    d.check("chart area border", e.chartAreaBorder, a.chartAreaBorder, line);
    const auto labels = [](const model::DataLabels& l) {
        std::string out;
        for (const bool flag : {l.autoText, l.legendKey, l.hasLeaderLines, l.showSeriesName, l.showCategoryName,
                                l.showValue, l.showPercentage, l.showBubbleSize})
            out += flag ? '1' : '0';
        return out;
    };
    d.check("data labels", e.dataLabels, a.dataLabels, labels);
    if (e.hasAxes()) {
        d.check("category axis title", title(e.categoryAxis.title), title(a.categoryAxis.title), text);
        d.check("value axis title", title(e.valueAxis.title), title(a.valueAxis.title), text);
        d.check("value axis format", e.valueAxis.numberFormat, a.valueAxis.numberFormat, text);
    }
    d.check("data table", static_cast<int>(e.hasDataTable), static_cast<int>(a.hasDataTable), number);
    return d.lines();
}

}  // namespace biff_test
