// The breakeven charts: two pie charts embedded in the data sheet and a line
// chart on a sheet of its own, then the data sheet selected again — numbered
// steps 510 to 612 that follow the worksheet layout under the caller's trap.
#pragma once

#include "automation/object.h"
#include "shell/error_report.h"

namespace report {

inline constexpr int kFirstChartLine = 510;
inline constexpr int kLastChartLine = 612;

// Runs the chart steps in order. A failing step is reported by the trap with
// its line, and the next step runs; a chart whose Location fails stays on the
// chart sheet Add gave it, and the position steps then act on whatever shape
// is newest on the active sheet. Leaves the data sheet selected.
void writeBreakevenCharts(shell::ErrorTrap& trap, const automation::ObjectRef& application);

}  // namespace report
