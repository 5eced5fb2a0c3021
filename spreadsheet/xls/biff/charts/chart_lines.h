// The lines of charts (borders of the chart area, the legend and other
// frames) both ways: the model's line style, weight and colour index, and
// LineFormat's pattern, weight and flags.
#pragma once

#include "spreadsheet/model/style.h"

#include <cstdint>

namespace spreadsheet::xls::biff {

// LineFormat's fields for a visible line.
uint16_t chartLinePattern(model::LineStyle lineStyle);
int16_t chartLineWeight(model::LineWeight weight);

// The model's line from LineFormat's fields; `colorIndex` is already the model's.
model::BorderLine lineFromChart(uint16_t pattern, int16_t weight, int colorIndex);

}  // namespace spreadsheet::xls::biff
