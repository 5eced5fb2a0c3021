// Line styles and weights between the model's enumerations and LineFormat's.
// Styles the chart records have no pattern for are drawn solid.
#include "spreadsheet/xls/biff/charts/chart_lines.h"

#include "spreadsheet/xls/biff/charts/chart_fields.h"

namespace spreadsheet::xls::biff {
namespace {

constexpr int kStyleDash = -4115;
constexpr int kStyleDot = -4118;
constexpr int kStyleDashDot = 4;
constexpr int kStyleDashDotDot = 5;
constexpr int kWeightHairline = 1;
constexpr int kWeightMedium = -4138;
constexpr int kWeightThick = 4;

}  // namespace

uint16_t chartLinePattern(int lineStyle) {
    switch (lineStyle) {
    case kStyleDash: return linefmt::kDash;
    case kStyleDot: return linefmt::kDot;
    case kStyleDashDot: return linefmt::kDashDot;
    case kStyleDashDotDot: return linefmt::kDashDotDot;
    default: return linefmt::kSolid;
    }
}

int16_t chartLineWeight(int weight) {
    switch (weight) {
    case kWeightHairline: return linefmt::kHairline;
    case kWeightMedium: return linefmt::kMedium;
    case kWeightThick: return linefmt::kWide;
    default: return linefmt::kNarrow;
    }
}

model::BorderLine lineFromChart(uint16_t pattern, int16_t weight, int colorIndex) {
    if (pattern == linefmt::kNone) return {model::kLineStyleNone, model::kBorderWeightThin, model::kColorAutomatic};
    model::BorderLine line;
    switch (pattern) {
    case linefmt::kDash: line.lineStyle = kStyleDash; break;
    case linefmt::kDot: line.lineStyle = kStyleDot; break;
    case linefmt::kDashDot: line.lineStyle = kStyleDashDot; break;
    case linefmt::kDashDotDot: line.lineStyle = kStyleDashDotDot; break;
    default: line.lineStyle = model::kLineStyleContinuous; break;
    }
    switch (weight) {
    case linefmt::kHairline: line.weight = kWeightHairline; break;
    case linefmt::kMedium: line.weight = kWeightMedium; break;
    case linefmt::kWide: line.weight = kWeightThick; break;
    default: line.weight = model::kBorderWeightThin; break;
    }
    line.colorIndex = colorIndex;
    return line;
}

}  // namespace spreadsheet::xls::biff
