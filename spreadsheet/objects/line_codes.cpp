// One table per kind of value, read both ways, so that a number and its name
// can only be paired once.
#include "spreadsheet/objects/line_codes.h"

#include "spreadsheet/objects/constants.h"

#include <utility>

namespace spreadsheet::objects {
namespace {

using model::ChartType;
using model::LineStyle;
using model::LineWeight;

constexpr std::pair<int, LineStyle> kLineStyles[] = {
    {xl::kLineStyleNone, LineStyle::None},           {xl::kLineStyleContinuous, LineStyle::Continuous},
    {xl::kLineStyleDash, LineStyle::Dash},           {xl::kLineStyleDot, LineStyle::Dot},
    {xl::kLineStyleDashDot, LineStyle::DashDot},     {xl::kLineStyleDashDotDot, LineStyle::DashDotDot},
    {xl::kLineStyleSlantDashDot, LineStyle::SlantDashDot}, {xl::kLineStyleDouble, LineStyle::Double},
};

constexpr std::pair<int, LineWeight> kLineWeights[] = {
    {xl::kWeightHairline, LineWeight::Hairline},
    {xl::kWeightThin, LineWeight::Thin},
    {xl::kWeightMedium, LineWeight::Medium},
    {xl::kWeightThick, LineWeight::Thick},
};

constexpr std::pair<int, ChartType> kChartTypes[] = {
    {xl::kChartTypePie, ChartType::Pie},
    {xl::kChartTypeLineMarkers, ChartType::LineMarkers},
};

template <typename Name, std::size_t N>
std::optional<Name> nameOf(const std::pair<int, Name> (&table)[N], int value) {
    for (const auto& [number, name] : table)
        if (number == value) return name;
    return std::nullopt;
}

template <typename Name, std::size_t N>
int numberOf(const std::pair<int, Name> (&table)[N], Name name) {
    for (const auto& [number, entry] : table)
        if (entry == name) return number;
    return table[0].first;  // every enumerator is in its table; a test reads each one back
}

}  // namespace

std::optional<LineStyle> lineStyleFromAutomation(int value) { return nameOf(kLineStyles, value); }
int automationLineStyle(LineStyle style) { return numberOf(kLineStyles, style); }

std::optional<LineWeight> lineWeightFromAutomation(int value) { return nameOf(kLineWeights, value); }
int automationLineWeight(LineWeight weight) { return numberOf(kLineWeights, weight); }

std::optional<ChartType> chartTypeFromAutomation(int value) { return nameOf(kChartTypes, value); }
int automationChartType(ChartType type) { return numberOf(kChartTypes, type); }

}  // namespace spreadsheet::objects
