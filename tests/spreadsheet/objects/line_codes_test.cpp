// The automation numbers of line styles, weights and chart types against the
// model's names: each name goes out as its client number and comes back as
// itself, and numbers that name nothing are refused.
#include "spreadsheet/objects/line_codes.h"

#include <gtest/gtest.h>

using namespace spreadsheet::objects;
using spreadsheet::model::ChartType;
using spreadsheet::model::LineStyle;
using spreadsheet::model::LineWeight;

TEST(LineCodes, line_styles_have_the_client_numbers_both_ways) {
    const std::pair<LineStyle, int> styles[] = {
        {LineStyle::None, -4142},      {LineStyle::Continuous, 1},   {LineStyle::Dash, -4115},
        {LineStyle::Dot, -4118},       {LineStyle::DashDot, 4},      {LineStyle::DashDotDot, 5},
        {LineStyle::SlantDashDot, 13}, {LineStyle::Double, -4119},
    };
    for (const auto& [style, number] : styles) {
        EXPECT_EQ(automationLineStyle(style), number);
        EXPECT_EQ(lineStyleFromAutomation(number), style) << number;
    }
    for (const int unknown : {0, 2, 3, 99, -4105}) EXPECT_EQ(lineStyleFromAutomation(unknown), std::nullopt) << unknown;
}

TEST(LineCodes, weights_and_chart_types_have_the_client_numbers_both_ways) {
    const std::pair<LineWeight, int> weights[] = {
        {LineWeight::Hairline, 1}, {LineWeight::Thin, 2}, {LineWeight::Medium, -4138}, {LineWeight::Thick, 4}};
    for (const auto& [weight, number] : weights) {
        EXPECT_EQ(automationLineWeight(weight), number);
        EXPECT_EQ(lineWeightFromAutomation(number), weight) << number;
    }
    EXPECT_EQ(lineWeightFromAutomation(3), std::nullopt);

    EXPECT_EQ(automationChartType(ChartType::Pie), 5);
    EXPECT_EQ(automationChartType(ChartType::LineMarkers), 65);
    EXPECT_EQ(chartTypeFromAutomation(65), ChartType::LineMarkers);
    EXPECT_EQ(chartTypeFromAutomation(4), std::nullopt);
}
