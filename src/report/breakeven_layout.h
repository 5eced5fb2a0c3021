// The breakeven worksheet: labels, the thirteen inputs, every formula, the
// sales volume analysis and all formats, written into the active sheet as
// numbered steps under the caller's error trap.
#pragma once

#include "automation/object.h"
#include "report/input_fields_source.h"
#include "shell/error_report.h"

namespace report {

// The line of the last worksheet step; the steps that follow it go on from here.
inline constexpr int kLastLayoutLine = 508;

// Runs the worksheet steps 100 to 508 in order. A failing step is reported by
// the trap with its line, and the next step runs. Each input field's text is
// read right before its cell is written. Leaves D41:N41 selected.
void writeBreakevenLayout(shell::ErrorTrap& trap, const automation::ObjectRef& application,
                          const InputFieldsSource& fields);

}  // namespace report
