// Sheets in the model's order, worksheets and chart sheets alike, then the
// active sheet and the properties; closing the library's workbook writes the
// file. A failure before the close frees the library's workbook unwritten.
#include "spreadsheet/xlsx/workbook_writer.h"

#include "spreadsheet/xlsx/chart_writer.h"
#include "spreadsheet/xlsx/page_setup_writer.h"
#include "spreadsheet/xlsx/sheet_name_check.h"
#include "spreadsheet/xlsx/worksheet_writer.h"
#include "spreadsheet/xlsx/write_context.h"
#include "spreadsheet/xlsx/xml_text.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

namespace spreadsheet::xlsx {
namespace {

struct FreeUnclosed {
    void operator()(lxw_workbook* workbook) const { lxw_workbook_free(workbook); }
};
using LibraryWorkbook = std::unique_ptr<lxw_workbook, FreeUnclosed>;

void checkStorable(const model::Workbook& workbook) {
    if (workbook.sheetCount() == 0) throw XlsxError(XlsxErrorKind::Unstorable, "a workbook needs at least one sheet");
    std::vector<std::string> names;
    for (int i = 0; i < workbook.sheetCount(); ++i) names.push_back(workbook.sheet(i).name());
    checkSheetNames(names);
}

void writeChartSheet(WriteContext& context, const model::Sheet& sheet, lxw_chartsheet* chartsheet) {
    const std::string where = "the chart of " + sheetWords(sheet);
    if (const model::Chart* chart = sheet.chart())
        checkLibrary(chartsheet_set_chart(chartsheet, makeChart(context, *chart, where)), where);
    writePageSetup(context.library, chartsheet->worksheet, sheet);
}

// Adds and writes the sheet; activates it when it is the active one.
void writeSheet(WriteContext& context, int index) {
    const model::Sheet& sheet = context.workbook.sheet(index);
    const bool active = index == context.workbook.activeSheetIndex();
    if (sheet.kind() == model::SheetKind::Chart) {
        lxw_chartsheet* chartsheet = workbook_add_chartsheet(context.library, sheet.name().c_str());
        if (!chartsheet) throw XlsxError(XlsxErrorKind::SaveFailed, "cannot add " + sheetWords(sheet));
        writeChartSheet(context, sheet, chartsheet);
        if (active) chartsheet_activate(chartsheet);
        return;
    }
    lxw_worksheet* worksheet = workbook_add_worksheet(context.library, sheet.name().c_str());
    if (!worksheet) throw XlsxError(XlsxErrorKind::SaveFailed, "cannot add " + sheetWords(sheet));
    writeWorksheet(context, index, worksheet);
    if (active) worksheet_activate(worksheet);
}

// The library's reason, with the system's when it left one.
std::string closeFailure(lxw_error error, int systemError) {
    std::string reason = std::string("cannot write the file: ") + lxw_strerror(error);
    if (systemError != 0) reason += std::string(" (") + std::strerror(systemError) + ")";
    return reason;
}

}  // namespace

void writeWorkbookAt(const model::Workbook& workbook, formula::Evaluator& evaluator, const std::filesystem::path& path,
                     const DocumentProperties& properties) {
    checkStorable(workbook);
    LibraryWorkbook library(workbook_new(path.c_str()));
    if (!library) throw XlsxError(XlsxErrorKind::SaveFailed, "cannot start the workbook");
    FormatTable formats(library.get(), workbook.palette());
    WriteContext context{library.get(), workbook, evaluator, formats};
    for (int i = 0; i < workbook.sheetCount(); ++i) writeSheet(context, i);

    std::string title = plainText(properties.title);
    lxw_doc_properties documentProperties{};
    documentProperties.title = title.empty() ? nullptr : title.data();
    documentProperties.created = properties.created;
    checkLibrary(workbook_set_properties(library.get(), &documentProperties), "the document properties");

    errno = 0;
    const lxw_error closed = workbook_close(library.release());  // frees the workbook whatever happens
    const int systemError = errno;
    if (closed != LXW_NO_ERROR) throw XlsxError(XlsxErrorKind::SaveFailed, closeFailure(closed, systemError));
}

}  // namespace spreadsheet::xlsx
