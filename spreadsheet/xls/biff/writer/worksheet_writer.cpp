// One worksheet substream, with INDEX patched once the cell table is laid out.
// INDEX is written with room for every block's DBCELL and filled in at the end.
#include "spreadsheet/xls/biff/writer/worksheet_writer.h"

#include "spreadsheet/xls/biff/charts/drawing_writer.h"
#include "spreadsheet/xls/biff/records/page_setup_records.h"
#include "spreadsheet/xls/biff/records/record_fields.h"
#include "spreadsheet/xls/biff/records/record_ids.h"
#include "spreadsheet/xls/biff/records/substream_records.h"
#include "spreadsheet/xls/biff/writer/cell_table_writer.h"
#include "spreadsheet/xls/biff/writer/column_records.h"
#include "spreadsheet/xls/biff/writer/sheet_settings_records.h"
#include "spreadsheet/xls/biff/writer/window_records.h"

namespace spreadsheet::xls::biff {
namespace {

// Where INDEX's fields that wait for the layout sit.
struct IndexFields {
    std::size_t defColWidth = 0;  // stream offset of the DEFCOLWIDTH offset field
    std::size_t firstDbCell = 0;  // stream offset of the first DBCELL offset field
};

IndexFields writeIndex(RecordStream& out, const std::vector<RowEntry>& rows) {
    IndexFields fields;
    out.begin(record::kIndex);
    out.u32(0);  // reserved
    out.u32(rows.empty() ? 0 : static_cast<uint32_t>(rows.front().row - 1));
    out.u32(rows.empty() ? 0 : static_cast<uint32_t>(rows.back().row));
    fields.defColWidth = out.position();
    out.u32(0);
    fields.firstDbCell = out.position();
    for (std::size_t i = 0; i < rowBlockCount(rows); ++i) out.u32(0);
    out.end();
    return fields;
}

void patchIndex(RecordStream& out, const IndexFields& fields, std::size_t defColWidth,
                const std::vector<std::size_t>& dbCells) {
    out.patchU32(fields.defColWidth, static_cast<uint32_t>(defColWidth));
    for (std::size_t i = 0; i < dbCells.size(); ++i)
        out.patchU32(fields.firstDbCell + i * sizeof(uint32_t), static_cast<uint32_t>(dbCells[i]));
}

}  // namespace

void writeWorksheet(RecordStream& out, const model::Workbook& workbook, int sheetIndex, const SavePlan& plan) {
    const model::Sheet& sheet = workbook.sheet(sheetIndex);
    const SheetOutput& output = plan.sheet(sheetIndex);
    const std::vector<RowEntry> rows = planRows(sheet, output);

    writeBof(out, bof::kWorksheet);
    const IndexFields index = writeIndex(out, rows);
    writeCalcSettings(out);
    writePrintSwitches(out);
    writeDefaultRowHeight(out);
    writeWsBool(out, sheet.pageSetup());
    writePageSetup(out, sheet.pageSetup());
    const std::size_t defColWidth = writeColumns(out, sheet, output);
    writeDimensions(out, output);
    const std::vector<std::size_t> dbCells = writeCellTable(out, output, rows);
    writeSheetDrawing(out, workbook, sheetIndex, plan.sheet(sheetIndex).shapeCharts);
    writeWindow2(out, sheetIndex == workbook.activeSheetIndex());
    writeSelection(out, sheet);
    writeMergeCells(out, sheet);
    writeEof(out);
    patchIndex(out, index, defColWidth, dbCells);
}

}  // namespace spreadsheet::xls::biff
