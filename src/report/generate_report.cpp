// The procedure that writes the breakeven sheet. Its steps run under one trap:
// the worksheet layout (100 to 508), the charts (510 to 612), and last the
// page setup of the data sheet (614), which reports its own failures.
#include "report/generate_report.h"

#include "report/breakeven_charts.h"
#include "report/breakeven_layout.h"
#include "report/page_setup.h"
#include "shell/context_names.h"

namespace report {

namespace {
constexpr int kPageSetupLine = kLastChartLine + 2;
static_assert(kFirstChartLine == kLastLayoutLine + 2);
}  // namespace

void GenerateReport(const automation::ObjectRef& application, const InputFieldsSource& fields,
                    shell::MessageService& messages) {
    shell::ErrorTrap trap(shell::contexts::kGenerateReport, messages);
    writeBreakevenLayout(trap, application, fields);
    writeBreakevenCharts(trap, application);
    trap.run(kPageSetupLine, [&] { PrinterSetup0(application, messages); });
}

}  // namespace report
