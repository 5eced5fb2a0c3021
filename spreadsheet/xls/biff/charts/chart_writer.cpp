// Chart records, one function per production of the chart grammar. Every
// position is left to the reader's automatic layout: frames, texts and the
// legend are flagged automatic and their offsets are zero.
#include "spreadsheet/xls/biff/charts/chart_writer.h"

#include "spreadsheet/unicode/utf16.h"
#include "spreadsheet/xls/biff/charts/chart_fields.h"
#include "spreadsheet/xls/biff/charts/chart_lines.h"
#include "spreadsheet/xls/biff/charts/chart_record_ids.h"
#include "spreadsheet/xls/biff/records/page_setup_records.h"
#include "spreadsheet/xls/biff/records/record_fields.h"
#include "spreadsheet/xls/biff/records/record_ids.h"
#include "spreadsheet/xls/biff/records/substream_records.h"
#include "spreadsheet/xls/biff/records/unicode_text.h"
#include "spreadsheet/xls/biff/records/value_encodings.h"

#include <algorithm>
#include <cmath>

namespace spreadsheet::xls::biff {
namespace {

constexpr double kLetterWidth = 8.5 * 72, kLetterHeight = 11 * 72;  // points
constexpr double kA4Width = 595.3, kA4Height = 841.9;
constexpr double kMinChartSide = 72;

uint32_t fixed(double points) { return static_cast<uint32_t>(std::lround(std::max(0.0, points) * 65536)); }

// ---------------------------------------------------------------- small records

void writeBegin(RecordStream& out) { out.emptyRecord(record::kBegin); }
void writeEnd(RecordStream& out) { out.emptyRecord(record::kEnd); }

void writePos(RecordStream& out, uint16_t topLeftMode, uint16_t bottomRightMode) {
    out.begin(record::kPos);
    out.u16(topLeftMode);
    out.u16(bottomRightMode);
    out.zeros(16);  // x1, y1, x2, y2 with their unused halves: the default place
    out.end();
}

// LineFormat and AreaFormat hold a colour as 0x00BBGGRR.
uint32_t storedRgb(model::Rgb rgb) { return (rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16; }

// A visible line of the model's default look is written automatic, so that
// readers draw it in their own default colour and weight.
void writeLineFormat(RecordStream& out, const model::BorderLine& line, const model::Palette& palette) {
    const bool visible = line.isVisible();
    const bool automatic = line == model::kDefaultChartLine;
    const bool autoColor = line.colorIndex == model::kColorAutomatic || !model::Palette::isValidIndex(line.colorIndex);
    uint16_t flags = 0;
    if (automatic) flags |= linefmt::kAuto;
    if (visible && autoColor) flags |= linefmt::kAutoColor;
    const std::optional<model::Rgb> rgb = autoColor ? std::nullopt : palette.color(line.colorIndex);
    out.begin(record::kLineFormat);
    out.u32(storedRgb(rgb.value_or(0)));
    out.u16(visible ? chartLinePattern(line.lineStyle) : linefmt::kNone);
    out.u16(static_cast<uint16_t>(visible ? chartLineWeight(line.weight) : linefmt::kHairline));
    out.u16(flags);
    out.u16(autoColor ? chartrec::kIcvForeground : icvFromColorIndex(line.colorIndex, chartrec::kIcvForeground));
    out.end();
}

void writeAutomaticArea(RecordStream& out) {
    out.begin(record::kAreaFormat);
    out.u32(0x00FFFFFF);  // foreground white
    out.u32(0);           // background black
    out.u16(areafmt::kPatternSolid);
    out.u16(areafmt::kAuto);
    out.u16(chartrec::kIcvBackground);
    out.u16(chartrec::kIcvForeground);
    out.end();
}

// FRAME: Frame Begin LineFormat AreaFormat End.
void writeFrame(RecordStream& out, const model::BorderLine& border, const model::Palette& palette) {
    out.begin(record::kFrame);
    out.u16(framerec::kNoShadow);
    out.u16(framerec::kAutoSize | framerec::kAutoPosition);
    out.end();
    writeBegin(out);
    writeLineFormat(out, border, palette);
    writeAutomaticArea(out);
    writeEnd(out);
}

void writeBrai(RecordStream& out, uint8_t id, uint8_t type, const std::vector<uint8_t>& tokens) {
    out.begin(record::kBrai);
    out.u8(id);
    out.u8(type);
    out.u16(0);  // number format linked to the cells
    out.u16(0);  // ifmt
    out.u16(static_cast<uint16_t>(tokens.size()));
    out.bytes(tokens);
    out.end();
}

void writeSeriesText(RecordStream& out, const std::string& text) {
    out.begin(record::kSeriesText);
    out.u16(0);
    out.shortString(truncated(unicode::utf16FromUtf8Replacing(text), str::kMaxShortLength));
    out.end();
}

// ---------------------------------------------------------------- attached labels

struct Label {
    uint16_t flags = 0;
    uint16_t rotation = 0;
    std::optional<std::string> text;  // literal text; none for generated text (legend, data labels)
    uint16_t linkObject = 0;          // ObjectLink's wLinkObj; 0 for none
    uint16_t linkSeries = 0;
    uint16_t linkPoint = 0;
};

// ATTACHEDLABEL: Text Begin Pos AI [ObjectLink] End.
void writeAttachedLabel(RecordStream& out, const Label& label) {
    out.begin(record::kText);
    out.u8(textrec::kCenter);
    out.u8(textrec::kCenter);
    out.u16(textrec::kTransparent);
    out.u32(0);    // rgbText, black; automatic colour in the flags
    out.zeros(16);  // x, y, dx, dy: placed automatically
    out.u16(label.flags);
    out.u16(chartrec::kIcvForeground);
    out.u16(0);  // label position and reading order: the defaults
    out.u16(label.rotation);
    out.end();
    writeBegin(out);
    writePos(out, posrec::kParent, posrec::kParent);
    writeBrai(out, brai::kName, brai::kLiteral, {});
    if (label.text) writeSeriesText(out, *label.text);
    if (label.linkObject != 0) {
        out.begin(record::kObjectLink);
        out.u16(label.linkObject);
        out.u16(label.linkSeries);
        out.u16(label.linkPoint);
        out.end();
    }
    writeEnd(out);
}

constexpr uint16_t kLiteralTextFlags = textrec::kAutoColor | textrec::kAutoMode;

Label titleLabel(const model::ChartTitle& title, uint16_t linkObject, uint16_t rotation = 0) {
    return {kLiteralTextFlags, rotation, title.text, linkObject, 0, 0};
}

uint16_t dataLabelTextFlags(const model::DataLabels& labels) {
    uint16_t flags = textrec::kAutoColor | textrec::kAutoMode;
    if (labels.autoText) flags |= textrec::kAutoText;
    if (labels.legendKey) flags |= textrec::kShowKey;
    if (labels.showValue) flags |= textrec::kShowValue;
    if (labels.showPercentage) flags |= textrec::kShowPercent;
    if (labels.showCategoryName) flags |= textrec::kShowLabel;
    if (labels.showBubbleSize) flags |= textrec::kShowBubbleSizes;
    return flags;
}

uint16_t attachedLabelFlags(const model::DataLabels& labels) {
    uint16_t flags = 0;
    if (labels.showValue) flags |= attachedlabel::kValue;
    if (labels.showPercentage) flags |= attachedlabel::kPercent;
    if (labels.showCategoryName) flags |= attachedlabel::kCategory;
    if (labels.showBubbleSize) flags |= attachedlabel::kBubbleSize;
    if (labels.showSeriesName) flags |= attachedlabel::kSeriesName;
    return flags;
}

// ---------------------------------------------------------------- series

bool allNumbers(const std::vector<model::Value>& values) {
    return std::all_of(values.begin(), values.end(), [](const model::Value& v) { return v.isNumber() || v.isEmpty(); });
}

// SERIESFORMAT: Series Begin 4AI [SS] SerToCrt End; the SS carries the data labels.
void writeSeriesFormat(RecordStream& out, const model::Chart& chart, const SeriesOutput& series, uint16_t index) {
    const bool hasCategories = !series.categories.empty();
    const std::size_t points = series.valueCache.size();
    out.begin(record::kSeries);
    out.u16(hasCategories && !allNumbers(series.categoryCache) ? seriesrec::kText : seriesrec::kNumeric);
    out.u16(seriesrec::kNumeric);
    out.u16(static_cast<uint16_t>(hasCategories ? series.categoryCache.size() : points));
    out.u16(static_cast<uint16_t>(points));
    out.u16(seriesrec::kNumeric);  // bubble sizes: none
    out.u16(0);
    out.end();
    writeBegin(out);
    writeBrai(out, brai::kName, series.name.empty() ? brai::kLiteral : brai::kReference, series.name);
    if (series.nameCache.isText()) writeSeriesText(out, series.nameCache.asText());  // what the name cell shows now
    writeBrai(out, brai::kValues, brai::kReference, series.values);
    writeBrai(out, brai::kCategories, hasCategories ? brai::kReference : brai::kAutomatic, series.categories);
    writeBrai(out, brai::kBubbleSizes, brai::kLiteral, {});
    if (chart.dataLabels.shown()) {
        out.begin(record::kDataFormat);
        out.u16(dataformat::kWholeSeries);
        out.u16(index);
        out.u16(index);
        out.u16(0);
        out.end();
        writeBegin(out);
        out.begin(record::kAttachedLabel);
        out.u16(attachedLabelFlags(chart.dataLabels));
        out.end();
        writeEnd(out);
    }
    out.begin(record::kSerToCrt);
    out.u16(0);  // the one chart group
    out.end();
    writeEnd(out);
}

// ---------------------------------------------------------------- axes

void writeTick(RecordStream& out) {
    out.begin(record::kTick);
    out.u8(tick::kMarkOutside);
    out.u8(tick::kMarkNone);
    out.u8(tick::kLabelsNextToAxis);
    out.u8(tick::kTransparent);
    out.u32(0);  // rgb of the labels: automatic
    out.zeros(chartrec::kReservedTick);
    out.u16(tick::kAutomatic);
    out.u16(chartrec::kIcvForeground);
    out.u16(0);  // rotation
    out.end();
}

void writeAxisRecord(RecordStream& out, uint16_t type) {
    out.begin(record::kAxis);
    out.u16(type);
    out.zeros(chartrec::kReservedAxis);
    out.end();
}

// IVAXIS: Axis Begin CatSerRange AxcExt Tick End.
void writeCategoryAxis(RecordStream& out) {
    writeAxisRecord(out, axisrec::kCategory);
    writeBegin(out);
    out.begin(record::kCatSerRange);
    out.u16(catserrange::kCrossAtFirst);
    out.u16(catserrange::kEveryLabel);
    out.u16(catserrange::kEveryMark);
    out.u16(catserrange::kBetween);
    out.end();
    out.begin(record::kAxcExt);
    out.u16(0);  // minimum and maximum category: automatic
    out.u16(0);
    out.u16(axcext::kOne);  // major unit and its time unit
    out.u16(0);
    out.u16(axcext::kOne);  // minor unit and its time unit
    out.u16(0);
    out.u16(0);  // base unit
    out.u16(0);  // crossing date
    out.u16(axcext::kAllAutomatic);
    out.end();
    writeTick(out);
    writeEnd(out);
}

// DVAXIS: Axis Begin ValueRange IFmtRecord Tick AxisLine LineFormat End, with major gridlines.
void writeValueAxis(RecordStream& out, uint16_t numberFormat, const model::Palette& palette) {
    writeAxisRecord(out, axisrec::kValue);
    writeBegin(out);
    out.begin(record::kValueRange);
    for (int i = 0; i < 5; ++i) out.f64(0);  // minimum, maximum, units and crossing: automatic
    out.u16(valuerange::kAllAutomatic);
    out.end();
    out.begin(record::kIFmtRecord);
    out.u16(numberFormat);
    out.end();
    writeTick(out);
    out.begin(record::kAxisLine);
    out.u16(axisrec::kMajorGridlines);
    out.end();
    writeLineFormat(out, model::kDefaultChartLine, palette);
    writeEnd(out);
}

// AXES: the two axes, their titles, then PlotArea and its frame.
void writeAxes(RecordStream& out, const model::Chart& chart, const ChartOutput& output, const model::Palette& palette) {
    writeCategoryAxis(out);
    writeValueAxis(out, output.valueAxisFormat, palette);
    if (chart.categoryAxis.title.visible)
        writeAttachedLabel(out, titleLabel(chart.categoryAxis.title, objectlink::kCategoryAxis));
    if (chart.valueAxis.title.visible)
        writeAttachedLabel(out, titleLabel(chart.valueAxis.title, objectlink::kValueAxis, textrec::kRotationUpward));
    out.emptyRecord(record::kPlotArea);
    writeFrame(out, model::kDefaultChartLine, palette);
}

// LD: Legend Begin Pos ATTACHEDLABEL FRAME End. A data table's legend sits under the plot area.
void writeLegend(RecordStream& out, const model::Legend& legend, const model::Palette& palette,
                 bool dataTable = false) {
    out.begin(record::kLegend);
    out.zeros(16);  // x, y, dx, dy: placed automatically
    out.u8(dataTable ? legendrec::kBottom : legendrec::kRight);
    out.u8(legendrec::kMediumSpacing);
    out.u16(dataTable ? legendrec::kAutomatic | legendrec::kDataTable : legendrec::kAutomatic);
    out.end();
    writeBegin(out);
    writePos(out, posrec::kChart, posrec::kChart);
    writeAttachedLabel(out, {textrec::kAutoColor | textrec::kAutoText | textrec::kAutoMode, 0, std::nullopt, 0, 0, 0});
    writeFrame(out, legend.border, palette);
    writeEnd(out);
}

// CRT: ChartFormat Begin (Line / Pie) CrtLink [LD] [CrtLine LineFormat] End.
void writeChartGroup(RecordStream& out, const model::Chart& chart, const model::Palette& palette) {
    const bool pie = chart.type == model::ChartType::Pie;
    out.begin(record::kChartFormat);
    out.zeros(chartrec::kReservedChartFormat);
    out.u16(pie ? chartformat::kVaryColors : 0);
    out.u16(0);  // drawing order
    out.end();
    writeBegin(out);
    if (pie) {
        out.begin(record::kPie);
        out.u16(0);  // first slice at 12 o'clock
        out.u16(0);  // no hole
        out.u16(chart.dataLabels.hasLeaderLines ? pierec::kLeaderLines : 0);
        out.end();
    } else {
        out.begin(record::kLine);
        out.u16(0);  // neither stacked nor shadowed
        out.end();
    }
    out.begin(record::kCrtLink);
    out.zeros(chartrec::kCrtLinkSize);
    out.end();
    if (chart.legend.visible) writeLegend(out, chart.legend, palette);
    if (!pie && chart.dataLabels.hasLeaderLines) {
        // Only a pie's record has a leader-line flag; other groups keep it as a line of the group.
        out.begin(record::kCrtLine);
        out.u16(crtline::kLeaderLines);
        out.end();
        writeLineFormat(out, model::kDefaultChartLine, palette);
    }
    writeEnd(out);
}

// AXISPARENT: AxisParent Begin Pos [AXES] CRT End.
void writeAxisGroup(RecordStream& out, const model::Chart& chart, const ChartOutput& output,
                    const model::Palette& palette) {
    out.begin(record::kAxisParent);
    out.u16(axisrec::kPrimaryGroup);
    out.zeros(chartrec::kReservedAxisParent);
    out.end();
    writeBegin(out);
    writePos(out, posrec::kParent, posrec::kParent);
    if (chart.hasAxes()) writeAxes(out, chart, output, palette);
    writeChartGroup(out, chart, palette);
    writeEnd(out);
}

// ---------------------------------------------------------------- the chart's formats and data

void writeChartFormats(RecordStream& out, const model::Chart& chart, const ChartOutput& output,
                       const ChartPlacement& placement, const model::Palette& palette) {
    out.begin(record::kChart);
    out.u32(0);
    out.u32(0);
    out.u32(fixed(placement.width));
    out.u32(fixed(placement.height));
    out.end();
    writeBegin(out);
    out.begin(record::kScl);
    out.u16(1);
    out.u16(1);
    out.end();
    out.begin(record::kPlotGrowth);
    out.u32(chartrec::kFixedOne);
    out.u32(chartrec::kFixedOne);
    out.end();
    writeFrame(out, chart.chartAreaBorder, palette);
    for (std::size_t i = 0; i < output.series.size(); ++i)
        writeSeriesFormat(out, chart, output.series[i], static_cast<uint16_t>(i));
    out.begin(record::kShtProps);
    // Only "plot visible cells": with fAlwaysAutoPlotArea set, a reader may take
    // the axis group's Pos rectangle as the plot area, and that rectangle is
    // empty here, which shrinks the plot to a dot.
    out.u16(shtprops::kPlotVisibleOnly);  // the plot area laid out by the reader
    out.u8(shtprops::kBlankAsGap);
    out.u8(0);
    out.end();
    out.begin(record::kAxesUsed);
    out.u16(1);
    out.end();
    writeAxisGroup(out, chart, output, palette);
    if (chart.hasDataTable && chart.hasAxes()) {  // DAT: Dat Begin LD End
        out.begin(record::kDat);
        out.u16(datrec::kAllBordersAndKeys);
        out.end();
        writeBegin(out);
        writeLegend(out, model::Legend{}, palette, true);
        writeEnd(out);
    }
    if (chart.title.visible) writeAttachedLabel(out, titleLabel(chart.title, objectlink::kChartTitle));
    if (chart.dataLabels.shown())
        for (std::size_t i = 0; i < output.series.size(); ++i)
            writeAttachedLabel(out, {dataLabelTextFlags(chart.dataLabels), 0, std::nullopt, objectlink::kDataLabels,
                                     static_cast<uint16_t>(i), objectlink::kAllPoints});
    writeEnd(out);
}

void writeCachedValue(RecordStream& out, const model::Value& value, uint16_t point, uint16_t series) {
    if (value.isNumber()) {
        out.begin(record::kNumber);
        out.u16(point);
        out.u16(series);
        out.u16(xf::kDefaultCellXf);
        out.f64(value.asNumber());
        out.end();
    } else if (value.isText()) {
        out.begin(record::kLabel);
        out.u16(point);
        out.u16(series);
        out.u16(xf::kDefaultCellXf);
        out.string(truncated(unicode::utf16FromUtf8Replacing(value.asText()), limits::kMaxCellText));
        out.end();
    }
}

// SERIESDATA: Dimensions, then the values, the categories and (none) bubble sizes.
void writeSeriesData(RecordStream& out, const ChartOutput& output) {
    std::size_t points = 0;
    for (const SeriesOutput& s : output.series)
        points = std::max({points, s.valueCache.size(), s.categoryCache.size()});
    out.begin(record::kDimensions);
    out.u32(0);
    out.u32(static_cast<uint32_t>(points));
    out.u16(0);
    out.u16(static_cast<uint16_t>(output.series.size()));
    out.u16(0);
    out.end();
    for (const uint16_t part : {siindex::kValues, siindex::kCategories, siindex::kBubbleSizes}) {
        out.begin(record::kSiIndex);
        out.u16(part);
        out.end();
        for (std::size_t s = 0; s < output.series.size(); ++s) {
            const SeriesOutput& series = output.series[s];
            const std::vector<model::Value>* cache = part == siindex::kValues       ? &series.valueCache
                                                     : part == siindex::kCategories ? &series.categoryCache
                                                                                    : nullptr;
            if (!cache) continue;
            for (std::size_t p = 0; p < cache->size(); ++p)
                writeCachedValue(out, (*cache)[p], static_cast<uint16_t>(p), static_cast<uint16_t>(s));
        }
    }
}

void writeChartSheetWindow(RecordStream& out, bool selected) {
    out.begin(record::kWindow2);
    out.u16(selected ? window2::kSelected : 0);  // the one flag a chart sheet's window has
    out.u16(0);
    out.u16(0);
    out.u16(window2::kGridColor);
    out.u16(0);
    out.end();
}

}  // namespace

void writeChartSubstream(RecordStream& out, const model::Chart& chart, const ChartOutput& output,
                         const model::PageSetup& pageSetup, const ChartPlacement& placement,
                         const model::Palette& palette) {
    writeBof(out, bof::kChartSheet);
    writePageSetup(out, pageSetup);
    // A new chart sheet prints its chart over the whole page; its Chart record
    // carries the same size for readers that do not look here.
    out.begin(record::kPrintSize);
    out.u16(placement.chartSheet ? chartrec::kPrintSizeFullPage : chartrec::kPrintSizeAsSized);
    out.end();
    out.begin(record::kUnits);
    out.u16(chartrec::kUnitsScreen);
    out.end();
    writeChartFormats(out, chart, output, placement, palette);
    writeSeriesData(out, output);
    if (placement.chartSheet) writeChartSheetWindow(out, placement.selected);
    writeEof(out);
}

ChartPlacement chartSheetPlacement(const model::PageSetup& setup) {
    const bool a4 = setup.paperSize == model::kPaperA4;
    double width = a4 ? kA4Width : kLetterWidth;
    double height = a4 ? kA4Height : kLetterHeight;
    if (setup.orientation == model::Orientation::Landscape) std::swap(width, height);
    width = std::max(kMinChartSide, width - setup.leftMargin - setup.rightMargin);
    height = std::max(kMinChartSide, height - setup.topMargin - setup.bottomMargin);
    return {width, height, true, false};
}

}  // namespace spreadsheet::xls::biff
