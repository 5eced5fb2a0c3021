// The worksheet substream, record by record.
// Records come in any order the grammar allows; page setup and layout are kept as read.
#include "spreadsheet/xls/biff/reader/worksheet_reader.h"

#include "spreadsheet/xls/biff/charts/drawing_reader.h"
#include "spreadsheet/xls/biff/reader/cell_reader.h"
#include "spreadsheet/xls/biff/reader/globals_reader.h"
#include "spreadsheet/xls/biff/records/page_setup_records.h"
#include "spreadsheet/xls/biff/records/record_fields.h"
#include "spreadsheet/xls/biff/records/record_ids.h"
#include "spreadsheet/xls/biff/records/xls_error.h"

namespace spreadsheet::xls::biff {
namespace {

constexpr std::size_t kRowReservedSize = 4;    // reserved and unused 16-bit fields of ROW
constexpr std::size_t kRowColumnsSize = 4;     // ROW's first and one-past-last columns with cells
constexpr std::size_t kActiveRangeSize = 2;  // SELECTION: which range holds the active cell

uint16_t readU16(const Record& r, const char* what) { return ByteCursor(r.body, what).u16(); }

void readColInfo(const Record& r, SheetContents& sheet) {
    ByteCursor in(r.body, "a COLINFO record");
    ReadColumns c;
    c.first = in.u16() + 1;
    c.last = in.u16() + 1;
    c.width = in.u16();
    c.xf = in.u16();
    c.flags = in.u16();
    if (c.first <= c.last && c.first <= limits::kMaxColumns) sheet.columns.push_back(c);
}

void readRow(const Record& r, SheetContents& sheet) {
    ByteCursor in(r.body, "a ROW record");
    ReadRow row;
    row.row = in.u16() + 1;
    in.skip(kRowColumnsSize);
    row.height = in.u16();
    in.skip(kRowReservedSize);
    row.flags = in.u16();
    row.xf = in.u16() & rowrec::kXfMask;
    sheet.rows.push_back(row);
}

void readMergeCells(const Record& r, SheetContents& sheet) {
    ByteCursor in(r.body, "a MERGECELLS record");
    const std::size_t count = in.u16();
    for (std::size_t i = 0; i < count; ++i) {
        const int firstRow = in.u16(), lastRow = in.u16(), firstColumn = in.u16(), lastColumn = in.u16();
        if (firstColumn >= limits::kMaxColumns || lastColumn >= limits::kMaxColumns) continue;
        sheet.merges.push_back(model::CellRange({firstRow + 1, firstColumn + 1}, {lastRow + 1, lastColumn + 1}));
    }
}

// The selection of the top-left pane (the only pane of an unsplit window).
void readSelection(const Record& r, SheetContents& sheet) {
    ByteCursor in(r.body, "a SELECTION record");
    const uint8_t pane = in.u8();
    if (sheet.selection && pane != selectionrec::kTopLeftPane) return;
    const int activeRow = in.u16(), activeColumn = in.u16();
    in.skip(kActiveRangeSize);
    const std::size_t count = in.u16();
    model::RangeList ranges;
    for (std::size_t i = 0; i < count; ++i) {
        const int firstRow = in.u16(), lastRow = in.u16(), firstColumn = in.u8(), lastColumn = in.u8();
        ranges.push_back(model::CellRange({firstRow + 1, firstColumn + 1}, {lastRow + 1, lastColumn + 1}));
    }
    if (activeColumn >= limits::kMaxColumns) return;
    sheet.activeCell = {activeRow + 1, activeColumn + 1};
    if (ranges.empty()) ranges.push_back(model::CellRange(sheet.activeCell));
    sheet.selection = std::move(ranges);
}

// Records about the sheet's layout and window; false for any other record.
bool readLayoutRecord(const Record& r, SheetContents& sheet) {
    switch (r.id) {
    case record::kDefColWidth: sheet.defaultColumnCharacters = readU16(r, "the DEFCOLWIDTH record"); break;
    case record::kStandardWidth: sheet.standardWidth = readU16(r, "the STANDARDWIDTH record"); break;
    case record::kColInfo: readColInfo(r, sheet); break;
    case record::kDefaultRowHeight: {
        ByteCursor in(r.body, "the DEFAULTROWHEIGHT record");
        in.u16();
        sheet.defaultRowHeight = in.u16();
        break;
    }
    case record::kRow: readRow(r, sheet); break;
    case record::kMergeCells: readMergeCells(r, sheet); break;
    case record::kSelection: readSelection(r, sheet); break;
    default: return false;
    }
    return true;
}

}  // namespace

SheetContents readWorksheet(Bytes stream, std::size_t offset, const WorkbookGlobals& globals,
                            const ReadExternSheets& externs) {
    if (offset >= stream.size())
        throwDamaged("a sheet starts at offset " + std::to_string(offset) + ", past the end of the " +
                     std::to_string(stream.size()) + "-byte Workbook stream");
    RecordReader reader(stream, offset);
    readBof(reader.next());
    SheetContents sheet;
    CellReader cells(globals, externs);
    DrawingReader drawing(globals.formats, externs);
    for (;;) {
        if (reader.atEnd()) throwDamaged("a worksheet has no EOF record");
        const Record r = reader.next();
        if (r.id == record::kEof) break;
        if (r.id == record::kBof) {
            drawing.readNested(reader);
            continue;
        }
        if (!cells.read(r) && !drawing.read(r) && !readLayoutRecord(r, sheet)) readPageSetupRecord(r, sheet.pageSetup);
    }
    sheet.cells = cells.finish();
    sheet.shapes = drawing.finish();
    return sheet;
}

}  // namespace spreadsheet::xls::biff
