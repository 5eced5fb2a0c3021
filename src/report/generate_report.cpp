// The procedure that writes the breakeven sheet. Its steps run under one trap:
// the worksheet layout (100 to 508), then the charts and the page setup, which
// continue the same numbering.
#include "report/generate_report.h"

#include "report/breakeven_layout.h"
#include "shell/context_names.h"

namespace report {

void GenerateReport(const automation::ObjectRef& application, const InputFieldsSource& fields,
                    shell::MessageService& messages) {
    shell::ErrorTrap trap(shell::contexts::kGenerateReport, messages);
    writeBreakevenLayout(trap, application, fields);
    // The charts (from line kLastLayoutLine + 2) and the page setup follow here, in the same trap.
}

}  // namespace report
