// The automation interface's numbers for line styles, border weights and
// chart types, translated to the model's names and back. The object model's
// properties are the only place where both meet.
//
//   lineStyleFromAutomation(-4115);                // LineStyle::Dash
//   automationLineWeight(model::LineWeight::Medium);  // -4138
#pragma once

#include "spreadsheet/model/chart.h"
#include "spreadsheet/model/style.h"

#include <optional>

namespace spreadsheet::objects {

// nullopt for a number that names no line style.
std::optional<model::LineStyle> lineStyleFromAutomation(int value);
int automationLineStyle(model::LineStyle style);

// nullopt for a number that names no border weight.
std::optional<model::LineWeight> lineWeightFromAutomation(int value);
int automationLineWeight(model::LineWeight weight);

// nullopt for a chart type the engine does not draw.
std::optional<model::ChartType> chartTypeFromAutomation(int value);
int automationChartType(model::ChartType type);

}  // namespace spreadsheet::objects
