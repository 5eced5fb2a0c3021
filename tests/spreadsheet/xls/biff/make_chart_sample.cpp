// Saves the breakeven chart sample (chart_samples.h) for the independent
// readers: built with the tests, run by hand or by the chart checks.
//   make_chart_sample <out.xls> [embedded pies, 0 to 2]
#include "chart_samples.h"

#include <cstdio>
#include <cstdlib>

using namespace biff_test;

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_chart_sample <out.xls> [pies]\n");
        return 2;
    }
    model::Workbook book;
    biff_test::buildBreakevenCharts(book, argc > 2 ? std::atoi(argv[2]) : 2);
    formula::Evaluator evaluator(book);
    try {
        biff::saveWorkbook(book, evaluator, argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
