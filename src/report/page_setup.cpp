// The page setup steps, numbered as the error report shows them. Margins are
// given in inches and turned into points by the application itself.
#include "report/page_setup.h"

#include "report/excel_constants.h"
#include "report/formatting_primitives.h"
#include "shell/context_names.h"
#include "shell/error_report.h"

namespace report {
namespace {

using automation::ObjectRef;
using automation::Variant;

constexpr double kSideMarginInches = 0.7;
constexpr double kTopBottomMarginInches = 0.5;
constexpr int16_t kNoHeaderFooterInches = 0;
constexpr int16_t kOnePage = 1;

// InchesToPoints with the argument's automation type kept (double or 16-bit).
Variant inchesToPoints(const ObjectRef& app, const Variant& inches) {
    return requireApplication(app)->call("InchesToPoints", {inches});
}

}  // namespace

void PrinterSetup0(const ObjectRef& application, shell::MessageService& messages) {
    shell::ErrorTrap trap(shell::contexts::kPrinterSetup0, messages);
    const ObjectRef& app = application;
    ObjectRef setup;
    trap.run(100, [&] { automation::member(requireApplication(app), "ActiveSheet", "PageSetup")->put("PrintArea", ""); });
    trap.run(102, [&] { setup = automation::member(requireApplication(app), "ActiveSheet", "PageSetup"); });
    const auto set = [&](int line, const char* property, const std::function<Variant()>& value) {
        // An empty member path only checks that step 102 took the page setup.
        trap.run(line, [&] { automation::member(setup, {})->put(property, value()); });
    };
    set(104, "LeftMargin", [&] { return inchesToPoints(app, kSideMarginInches); });
    set(106, "RightMargin", [&] { return inchesToPoints(app, kSideMarginInches); });
    set(108, "TopMargin", [&] { return inchesToPoints(app, kTopBottomMarginInches); });
    set(110, "BottomMargin", [&] { return inchesToPoints(app, kTopBottomMarginInches); });
    set(112, "HeaderMargin", [&] { return inchesToPoints(app, kNoHeaderFooterInches); });
    set(114, "FooterMargin", [&] { return inchesToPoints(app, kNoHeaderFooterInches); });
    set(116, "PrintComments", [] { return Variant(xl::kPrintNoComments); });
    set(118, "Orientation", [] { return Variant(xl::kLandscape); });
    set(120, "PaperSize", [] { return Variant(xl::kPaperA4); });
    set(122, "Zoom", [] { return Variant(false); });
    set(124, "FitToPagesWide", [] { return Variant(kOnePage); });
    set(126, "FitToPagesTall", [] { return Variant(kOnePage); });
}

}  // namespace report
