// Globals, then the sheets, then the sheet offsets.
// The stream is built in memory; nothing touches the disk here.
#include "spreadsheet/xls/biff/writer/workbook_writer.h"

#include "spreadsheet/xls/biff/charts/chart_writer.h"
#include "spreadsheet/xls/biff/records/record_stream.h"
#include "spreadsheet/xls/biff/records/xls_error.h"
#include "spreadsheet/xls/biff/writer/globals_writer.h"
#include "spreadsheet/xls/biff/writer/worksheet_writer.h"

namespace spreadsheet::xls::biff {
namespace {

// A chart sheet is its chart's substream, sized to the printable page.
void writeChartSheet(RecordStream& out, const model::Workbook& workbook, int index, const SheetOutput& output) {
    const model::Sheet& sheet = workbook.sheet(index);
    if (!sheet.chart() || !output.chart)
        throw XlsError(XlsErrorKind::Unstorable, "the chart sheet \"" + sheet.name() + "\" has no chart");
    ChartPlacement placement = chartSheetPlacement(sheet.pageSetup());
    placement.selected = index == workbook.activeSheetIndex();
    writeChartSubstream(out, *sheet.chart(), *output.chart, sheet.pageSetup(), placement, workbook.palette());
}

void writeSheet(RecordStream& out, const model::Workbook& workbook, int index, const SavePlan& plan) {
    switch (workbook.sheet(index).kind()) {
    case model::SheetKind::Worksheet: return writeWorksheet(out, workbook, index, plan);
    case model::SheetKind::Chart: return writeChartSheet(out, workbook, index, plan.sheet(index));
    }
    throw XlsError(XlsErrorKind::Unstorable, "the sheet \"" + workbook.sheet(index).name() + "\" is of no known kind");
}

}  // namespace

std::vector<uint8_t> buildWorkbookStream(const model::Workbook& workbook, const SavePlan& plan) {
    RecordStream out;
    const GlobalsLayout layout = writeGlobals(out, workbook, plan);
    for (int i = 0; i < workbook.sheetCount(); ++i) {
        out.patchU32(layout.sheetOffsetFields[i], static_cast<uint32_t>(out.position()));
        writeSheet(out, workbook, i, plan);
    }
    return out.take();
}

}  // namespace spreadsheet::xls::biff
