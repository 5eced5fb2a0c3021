// The globals substream in the order the format's grammar gives.
// Every setting the model does not hold is written with the value a new workbook has.
#include "spreadsheet/xls/biff/writer/globals_writer.h"

#include "spreadsheet/unicode/utf16.h"
#include "spreadsheet/xls/biff/charts/drawing_writer.h"
#include "spreadsheet/xls/biff/records/name_records.h"
#include "spreadsheet/xls/biff/records/record_fields.h"
#include "spreadsheet/xls/biff/records/record_ids.h"
#include "spreadsheet/xls/biff/records/substream_records.h"
#include "spreadsheet/xls/biff/writer/sst_records.h"
#include "spreadsheet/xls/biff/writer/style_records.h"

namespace spreadsheet::xls::biff {
namespace {

constexpr char16_t kWriterName[] = u"Quorvane";

// From the interface records to the function groups: who wrote the file and in which code page.
void writeFileSettings(RecordStream& out, int sheetCount) {
    writeU16Record(out, record::kInterfaceHdr, globals::kCodePageUnicode);
    writeU16Record(out, record::kMms, 0);
    out.emptyRecord(record::kInterfaceEnd);
    out.begin(record::kWriteAccess);
    out.string(kWriterName);
    out.padBody(globals::kWriteAccessSize, globals::kWriteAccessPadding);
    out.end();
    writeU16Record(out, record::kCodePage, globals::kCodePageUnicode);
    writeU16Record(out, record::kDsf, 0);
    out.begin(record::kRRTabId);
    for (int i = 1; i <= sheetCount; ++i) out.u16(static_cast<uint16_t>(i));
    out.end();
    writeU16Record(out, record::kBuiltInFnGroupCount, globals::kBuiltInFunctionGroups);
}

// The protection block, all off: no window, structure or revision protection, no password.
void writeProtection(RecordStream& out) {
    for (const uint16_t id : {record::kWinProtect, record::kProtect, record::kPassword, record::kProt4Rev,
                              record::kProt4RevPass})
        writeU16Record(out, id, 0);
}

// WINDOW1 (with the active sheet) and the workbook's calculation and display switches.
void writeWindowAndBookSettings(RecordStream& out, const model::Workbook& workbook) {
    out.begin(record::kWindow1);
    out.u16(static_cast<uint16_t>(window1::kLeft));
    out.u16(static_cast<uint16_t>(window1::kTop));
    out.u16(window1::kWidth);
    out.u16(window1::kHeight);
    out.u16(window1::kHorizontalScrollBar | window1::kVerticalScrollBar | window1::kSheetTabs);
    out.u16(static_cast<uint16_t>(workbook.activeSheetIndex()));
    out.u16(0);  // the first tab shown
    out.u16(window1::kSelectedTabs);
    out.u16(window1::kTabRatio);
    out.end();
    writeU16Record(out, record::kBackup, 0);
    writeU16Record(out, record::kHideObj, 0);
    writeU16Record(out, record::kDate1904, 0);
    writeU16Record(out, record::kCalcPrecision, globals::kFullPrecision);
    writeU16Record(out, record::kRefreshAll, 0);
    writeU16Record(out, record::kBookBool, 0);
}

uint8_t sheetType(model::SheetKind kind) {
    return kind == model::SheetKind::Chart ? boundsheet::kChartSheet : boundsheet::kWorksheet;
}

// One BOUNDSHEET8 per sheet, its stream offset left for later.
std::vector<std::size_t> writeSheetEntries(RecordStream& out, const model::Workbook& workbook) {
    std::vector<std::size_t> offsetFields;
    for (int i = 0; i < workbook.sheetCount(); ++i) {
        const model::Sheet& sheet = workbook.sheet(i);
        out.begin(record::kBoundSheet8);
        offsetFields.push_back(out.position());
        out.u32(0);
        out.u8(boundsheet::kVisible);
        out.u8(sheetType(sheet.kind()));
        out.shortString(unicode::utf16FromUtf8Replacing(sheet.name()));
        out.end();
    }
    return offsetFields;
}

// The self-reference SUPBOOK and the EXTERNSHEET entries, when formulas or names need them.
void writeLinks(RecordStream& out, const model::Workbook& workbook, const SavePlan& plan) {
    const std::vector<int>& entries = plan.externs().sheets();
    if (entries.empty()) return;
    out.begin(record::kSupBook);
    out.u16(static_cast<uint16_t>(workbook.sheetCount()));
    out.u16(supbook::kSelfReference);
    out.end();
    out.begin(record::kExternSheet);
    out.u16(static_cast<uint16_t>(entries.size()));
    for (const int sheet : entries) {
        out.u16(0);  // the first SUPBOOK: this workbook
        out.u16(static_cast<uint16_t>(sheet));
        out.u16(static_cast<uint16_t>(sheet));
    }
    out.end();
}

void writeNames(RecordStream& out, const model::Workbook& workbook, const SavePlan& plan) {
    for (int i = 0; i < workbook.sheetCount(); ++i) {
        const std::optional<uint16_t> entry = plan.sheet(i).printAreaEntry;
        if (!entry) continue;
        writePrintAreaName(out, i, printAreaTokens(*entry, *workbook.sheet(i).pageSetup().printArea));
    }
}

}  // namespace

GlobalsLayout writeGlobals(RecordStream& out, const model::Workbook& workbook, const SavePlan& plan) {
    writeBof(out, bof::kGlobals);
    writeFileSettings(out, workbook.sheetCount());
    writeProtection(out);
    writeWindowAndBookSettings(out, workbook);
    writeFonts(out, plan.styles());
    writeFormats(out, plan.styles());
    writeXfs(out, plan.styles());
    writeStyles(out);
    writePalette(out, workbook.palette());
    writeU16Record(out, record::kUsesElfs, 0);
    GlobalsLayout layout{writeSheetEntries(out, workbook)};
    out.begin(record::kCountry);
    out.u16(globals::kCountryUnitedStates);
    out.u16(globals::kCountryUnitedStates);
    out.end();
    writeLinks(out, workbook, plan);
    writeNames(out, workbook, plan);
    writeWorkbookDrawingGroup(out, workbook);
    writeSharedStrings(out, plan.strings());
    writeEof(out);
    return layout;
}

}  // namespace spreadsheet::xls::biff
