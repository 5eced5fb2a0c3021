// CALCMODE to SAVERECALC, PRINTHEADERS to GUTS, DEFAULTROWHEIGHT and WSBOOL.
// The values are those of a new worksheet; only fit-to-page comes from the model.
#include "spreadsheet/xls/biff/writer/sheet_settings_records.h"

#include "spreadsheet/xls/biff/records/record_fields.h"
#include "spreadsheet/xls/biff/records/record_ids.h"
#include "spreadsheet/xls/biff/records/substream_records.h"

namespace spreadsheet::xls::biff {

void writeCalcSettings(RecordStream& out) {
    writeU16Record(out, record::kCalcMode, calc::kAutomatic);
    writeU16Record(out, record::kCalcCount, calc::kIterationCount);
    writeU16Record(out, record::kCalcRefMode, calc::kA1References);
    writeU16Record(out, record::kCalcIter, calc::kNoIteration);
    out.begin(record::kCalcDelta);
    out.f64(calc::kIterationDelta);
    out.end();
    writeU16Record(out, record::kCalcSaveRecalc, calc::kRecalcBeforeSave);
}

void writePrintSwitches(RecordStream& out) {
    writeU16Record(out, record::kPrintRowCol, 0);
    writeU16Record(out, record::kPrintGrid, 0);
    writeU16Record(out, record::kGridSet, sheetrec::kGridSetByUser);
    out.begin(record::kGuts);
    out.u16(0);  // no outline: no gutter widths, no outline levels
    out.u16(0);
    out.u16(0);
    out.u16(0);
    out.end();
}

void writeDefaultRowHeight(RecordStream& out) {
    out.begin(record::kDefaultRowHeight);
    out.u16(0);  // the height follows the default font
    out.u16(rowrec::kDefaultHeightTwips);
    out.end();
}

void writeWsBool(RecordStream& out, const model::PageSetup& setup) {
    writeU16Record(out, record::kWsBool,
                   static_cast<uint16_t>(wsbool::kStandard | (setup.fitToPages ? wsbool::kFitToPage : 0)));
}

}  // namespace spreadsheet::xls::biff
