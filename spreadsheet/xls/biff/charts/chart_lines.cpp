// Line styles and weights between the model's enumerations and LineFormat's.
// Styles the chart records have no pattern for are drawn solid.
#include "spreadsheet/xls/biff/charts/chart_lines.h"

#include "spreadsheet/xls/biff/charts/chart_fields.h"

namespace spreadsheet::xls::biff {

using model::LineStyle;
using model::LineWeight;

uint16_t chartLinePattern(LineStyle lineStyle) {
    switch (lineStyle) {
    case LineStyle::Dash: return linefmt::kDash;
    case LineStyle::Dot: return linefmt::kDot;
    case LineStyle::DashDot: return linefmt::kDashDot;
    case LineStyle::DashDotDot: return linefmt::kDashDotDot;
    default: return linefmt::kSolid;
    }
}

int16_t chartLineWeight(LineWeight weight) {
    switch (weight) {
    case LineWeight::Hairline: return linefmt::kHairline;
    case LineWeight::Medium: return linefmt::kMedium;
    case LineWeight::Thick: return linefmt::kWide;
    case LineWeight::Thin: break;
    }
    return linefmt::kNarrow;
}

model::BorderLine lineFromChart(uint16_t pattern, int16_t weight, int colorIndex) {
    if (pattern == linefmt::kNone) return {LineStyle::None, LineWeight::Thin, model::kColorAutomatic};
    model::BorderLine line;
    switch (pattern) {
    case linefmt::kDash: line.lineStyle = LineStyle::Dash; break;
    case linefmt::kDot: line.lineStyle = LineStyle::Dot; break;
    case linefmt::kDashDot: line.lineStyle = LineStyle::DashDot; break;
    case linefmt::kDashDotDot: line.lineStyle = LineStyle::DashDotDot; break;
    default: line.lineStyle = LineStyle::Continuous; break;
    }
    switch (weight) {
    case linefmt::kHairline: line.weight = LineWeight::Hairline; break;
    case linefmt::kMedium: line.weight = LineWeight::Medium; break;
    case linefmt::kWide: line.weight = LineWeight::Thick; break;
    default: line.weight = LineWeight::Thin; break;
    }
    line.colorIndex = colorIndex;
    return line;
}

}  // namespace spreadsheet::xls::biff
