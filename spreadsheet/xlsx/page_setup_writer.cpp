// Page setup through the library. Its call for header and footer text keeps
// its own default margin when asked for 0 (it only takes a positive margin),
// so those two margins are set on the worksheet directly.
#include "spreadsheet/xlsx/page_setup_writer.h"

#include "spreadsheet/xlsx/reference_text.h"
#include "spreadsheet/xlsx/write_context.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace spreadsheet::xlsx {
namespace {

constexpr double kPointsPerInch = 72;
constexpr int kMinZoom = 10;
constexpr int kMaxZoom = 400;
constexpr int kMaxPaperCode = std::numeric_limits<uint8_t>::max();

double inches(double points) { return std::isfinite(points) ? std::max(0.0, points / kPointsPerInch) : 0.0; }

uint16_t pageCount(int pages) { return static_cast<uint16_t>(std::clamp(pages, 0, 0xFFFF)); }

void writePrintArea(lxw_workbook* workbook, lxw_worksheet* worksheet, const model::Sheet& sheet) {
    const auto& area = sheet.pageSetup().printArea;
    if (!area || area->empty()) return;
    if (area->size() == 1) {
        const model::CellRange& r = area->front();
        checkLibrary(worksheet_print_area(worksheet, r.first.row - 1, r.first.column - 1, r.last.row - 1,
                                          r.last.column - 1),
                     "the print area of " + sheetWords(sheet));
        return;
    }
    // Several areas: the library's own call takes one, a defined name takes a union.
    const std::string formula = "=" + areaList(sheet.name(), *area);
    checkLibrary(workbook_define_name(workbook, (sheet.name() + "!_xlnm.Print_Area").c_str(), formula.c_str()),
                 "the print area of " + sheetWords(sheet));
}

}  // namespace

void writePageSetup(lxw_workbook* workbook, lxw_worksheet* worksheet, const model::Sheet& sheet) {
    const model::PageSetup& setup = sheet.pageSetup();
    if (setup.orientation == model::Orientation::Landscape) worksheet_set_landscape(worksheet);
    // A portrait chart sheet makes the library place its chart above the page
    // (a negative offset), where LibreOffice drops it: a chart sheet keeps the
    // file's default orientation unless it prints landscape.
    else if (sheet.kind() == model::SheetKind::Worksheet) worksheet_set_portrait(worksheet);
    if (setup.paperSize > 0 && setup.paperSize <= kMaxPaperCode) worksheet_set_paper(worksheet, static_cast<uint8_t>(setup.paperSize));
    worksheet_set_margins(worksheet, inches(setup.leftMargin), inches(setup.rightMargin), inches(setup.topMargin),
                          inches(setup.bottomMargin));
    worksheet->margin_header = inches(setup.headerMargin);
    worksheet->margin_footer = inches(setup.footerMargin);
    if (sheet.kind() != model::SheetKind::Worksheet) return;
    if (setup.fitToPages) worksheet_fit_to_pages(worksheet, pageCount(setup.fitToPagesWide), pageCount(setup.fitToPagesTall));
    else worksheet_set_print_scale(worksheet, static_cast<uint16_t>(std::clamp(setup.zoom, kMinZoom, kMaxZoom)));
    writePrintArea(workbook, worksheet, sheet);
}

}  // namespace spreadsheet::xlsx
