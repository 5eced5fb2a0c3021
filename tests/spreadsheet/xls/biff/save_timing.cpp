// Timing harness, not a test: how long a filled breakeven workbook takes to
// become a workbook stream, and to be saved as a file (compound file, flush to
// disk, rename). Prints the workbook's size figures and the median and
// fastest of many runs. Usage: biff_save_timing [runs] [folder]
#include "sample_workbooks.h"

#include "spreadsheet/xls/biff/writer/save_plan.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

using namespace biff_test;

namespace {

// Milliseconds of each of `runs` calls.
std::vector<double> timeRuns(int runs, const std::function<void()>& action) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        action();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times;
}

void report(const char* what, const std::vector<double>& times) {
    std::printf("%-28s median %8.3f ms   fastest %8.3f ms   slowest %8.3f ms   (%zu runs)\n", what,
                times[times.size() / 2], times.front(), times.back(), times.size());
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const std::filesystem::path folder = argc > 2 ? argv[2] : std::filesystem::temp_directory_path();
    model::Workbook book;
    buildBreakeven(book);
    formula::Evaluator evaluator(book);

    const biff::SavePlan plan(book, evaluator);
    int formulas = 0;
    for (const auto& [address, cell] : book.sheet(0).cells()) formulas += cell.hasFormula() ? 1 : 0;
    const std::vector<uint8_t> stream = biff::workbookStream(book, evaluator);
    std::printf("workbook: %zu cells, %d formulas, %zu cell styles (XFs), %zu column widths, %zu row heights\n",
                book.sheet(0).cells().size(), formulas, plan.styles().cellXfs().size(),
                book.sheet(0).columnWidths().size(), book.sheet(0).rowHeights().size());
    std::printf("workbook stream: %zu bytes\n", stream.size());

    // A fresh evaluator each run, so formula results are computed, not taken from its cache.
    report("workbook stream", timeRuns(runs, [&] {
               formula::Evaluator fresh(book);
               biff::workbookStream(book, fresh);
           }));
    const std::filesystem::path path = folder / "biff_save_timing.xls";
    report("save to disk", timeRuns(runs, [&] {
               formula::Evaluator fresh(book);
               biff::saveWorkbook(book, fresh, path);
           }));
    std::printf("file: %ju bytes at %s\n", static_cast<std::uintmax_t>(std::filesystem::file_size(path)),
                path.string().c_str());
    std::filesystem::remove(path);
    return 0;
}
