// Weights as the points a chart line is drawn with; dashes by their nearest preset.
#include "spreadsheet/xlsx/chart_lines.h"

#include "spreadsheet/model/chart.h"
#include "spreadsheet/xlsx/library_color.h"

namespace spreadsheet::xlsx {
namespace {

using model::LineStyle;
using model::LineWeight;

float widthOf(LineWeight weight) {
    switch (weight) {
    case LineWeight::Hairline: return 0.25F;
    case LineWeight::Medium: return 1.5F;
    case LineWeight::Thick: return 2.25F;
    case LineWeight::Thin: break;
    }
    return 0.75F;
}

uint8_t dashOf(LineStyle lineStyle) {
    switch (lineStyle) {
    case LineStyle::Dash: return LXW_CHART_LINE_DASH_DASH;
    case LineStyle::Dot: return LXW_CHART_LINE_DASH_ROUND_DOT;
    case LineStyle::DashDot: return LXW_CHART_LINE_DASH_DASH_DOT;
    case LineStyle::DashDotDot: return LXW_CHART_LINE_DASH_SYSTEM_DASH_DOT_DOT;
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
