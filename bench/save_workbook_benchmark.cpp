// How long saving the breakeven workbook takes: the sheet is written once
// through the automation interface with the sample data, then the workbook
// stream is built and the whole file saved, again and again, as a 97-2003
// file and as an Office Open XML workbook (.xlsx).
#include "automation/registry.h"
#include "breakeven_inputs.h"
#include "report/breakeven_layout.h"
#include "report/page_setup.h"
#include "shell/context_names.h"
#include "shell/error_report.h"
#include "spreadsheet/objects/application.h"
#include "spreadsheet/objects/class_registration.h"
#include "spreadsheet/xls/biff/workbook_file.h"
#include "spreadsheet/xlsx/workbook_file.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

class Silent final : public shell::MessageService {
public:
    shell::MessageAnswer show(const shell::Message&) override { return shell::MessageAnswer::Ok; }
};

// One instance holding the breakeven sheet with the sample data and its page setup.
struct BreakevenWorkbook {
    automation::Registry registry;
    automation::ObjectRef app;

    BreakevenWorkbook() {
        spreadsheet::objects::registerApplicationClass(registry);
        app = registry.CreateObject("Excel.Application");
        automation::member(app, "Workbooks")->call("Add");
        Silent messages;
        shell::ErrorTrap trap(shell::contexts::kGenerateReport, messages);
        report::writeBreakevenLayout(trap, app, testing_support::FieldTexts(testing_support::sampleTexts()));
        report::PrinterSetup0(app, messages);
    }

    spreadsheet::objects::Document& document() const {
        return *dynamic_cast<spreadsheet::objects::Application&>(*app).state()->activeWorkbook;
    }
};

void workbookStream(benchmark::State& state) {
    BreakevenWorkbook book;
    for (auto _ : state) {
        auto bytes = spreadsheet::xls::biff::workbookStream(book.document().workbook, book.document().evaluator);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(workbookStream)->Unit(benchmark::kMicrosecond);

void saveWorkbook(benchmark::State& state) {
    BreakevenWorkbook book;
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "quorvane-benchmark.xls";
    for (auto _ : state)
        spreadsheet::xls::biff::saveWorkbook(book.document().workbook, book.document().evaluator, path);
    std::filesystem::remove(path);
}
BENCHMARK(saveWorkbook)->Unit(benchmark::kMicrosecond);

void saveOpenXmlWorkbook(benchmark::State& state) {
    BreakevenWorkbook book;
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "quorvane-benchmark.xlsx";
    for (auto _ : state)
        spreadsheet::xlsx::saveWorkbook(book.document().workbook, book.document().evaluator, path);
    std::filesystem::remove(path);
}
BENCHMARK(saveOpenXmlWorkbook)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
