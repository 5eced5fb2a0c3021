// Weights as the points a chart line is drawn with; dashes by their nearest preset.
#include "spreadsheet/xlsx/chart_lines.h"

#include "spreadsheet/model/chart.h"
#include "spreadsheet/xlsx/library_color.h"

namespace spreadsheet::xlsx {
namespace {

constexpr int kStyleDash = -4115;
constexpr int kStyleDot = -4118;
constexpr int kStyleDashDot = 4;
constexpr int kStyleDashDotDot = 5;
constexpr int kWeightHairline = 1;
constexpr int kWeightMedium = -4138;
constexpr int kWeightThick = 4;

float widthOf(int weight) {
    switch (weight) {
    case kWeightHairline: return 0.25F;
    case kWeightMedium: return 1.5F;
    case kWeightThick: return 2.25F;
    default: return 0.75F;
    }
}

uint8_t dashOf(int lineStyle) {
    switch (lineStyle) {
    case kStyleDash: return LXW_CHART_LINE_DASH_DASH;
    case kStyleDot: return LXW_CHART_LINE_DASH_ROUND_DOT;
    case kStyleDashDot: return LXW_CHART_LINE_DASH_DASH_DOT;
    case kStyleDashDotDot: return LXW_CHART_LINE_DASH_SYSTEM_DASH_DOT_DOT;
    default: return LXW_CHART_LINE_DASH_SOLID;
    }
}

}  // namespace

std::optional<lxw_chart_line> libraryLine(const model::BorderLine& line, const model::Palette& palette) {
    if (line == model::kDefaultChartLine) return std::nullopt;
    lxw_chart_line out{};
    if (!line.isVisible()) {
        out.none = LXW_TRUE;
        return out;
    }
    if (const auto rgb = palette.color(line.colorIndex)) out.color = libraryColor(*rgb);
    out.width = widthOf(line.weight);
    out.dash_type = dashOf(line.lineStyle);
    return out;
}

}  // namespace spreadsheet::xlsx
