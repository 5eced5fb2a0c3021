// The worksheet substream, record by record.
// Records come in any order the grammar allows; page setup and layout are kept as read.
#include "spreadsheet/xls/biff/worksheet_reader.h"

#include "spreadsheet/xls/biff/cell_reader.h"
#include "spreadsheet/xls/biff/drawing_reader.h"
#include "spreadsheet/xls/biff/globals_reader.h"
#include "spreadsheet/xls/biff/record_fields.h"
#include "spreadsheet/xls/biff/record_ids.h"
#include "spreadsheet/xls/biff/xls_error.h"

namespace spreadsheet::xls::biff {
namespace {

constexpr int kMinZoom = 10;
constexpr int kMaxZoom = 400;
constexpr std::size_t kRowReservedSize = 4;    // reserved and unused 16-bit fields of ROW
constexpr std::size_t kRowColumnsSize = 4;     // ROW's first and one-past-last columns with cells
constexpr std::size_t kSetupTailSize = 2 + 2 + 8 + 8;  // resolutions, header and footer margins
constexpr std::size_t kResolutionsSize = 4;
constexpr std::size_t kActiveRangeSize = 2;  // SELECTION: which range holds the active cell
constexpr std::size_t kFirstPageSize = 2;    // SETUP: the first page number

double points(double inches) { return inches * setuprec::kPointsPerInch; }

uint16_t readU16(const Record& r, const char* what) { return ByteCursor(r.body, what).u16(); }
double readF64(const Record& r, const char* what) { return ByteCursor(r.body, what).f64(); }

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

void readSetup(const Record& r, model::PageSetup& setup) {
    ByteCursor in(r.body, "the SETUP record");
    const uint16_t paper = in.u16(), scale = in.u16();
    in.skip(kFirstPageSize);
    const uint16_t wide = in.u16(), tall = in.u16(), flags = in.u16();
    setup.fitToPagesWide = wide;
    setup.fitToPagesTall = tall;
    setup.printComments = (flags & setuprec::kPrintNotes) != 0;
    if (!(flags & setuprec::kNoPrinterSettings)) {
        setup.paperSize = paper;
        if (scale >= kMinZoom && scale <= kMaxZoom) setup.zoom = scale;
        if (!(flags & setuprec::kNoOrientation))
            setup.orientation = (flags & setuprec::kPortrait) ? model::Orientation::Portrait : model::Orientation::Landscape;
    }
    if (in.remaining() < kSetupTailSize) return;  // a short SETUP without the header and footer margins
    in.skip(kResolutionsSize);
    setup.headerMargin = points(in.f64());
    setup.footerMargin = points(in.f64());
}

// Records of the page setup block and WSBOOL; false for any other record.
bool readPageRecord(const Record& r, model::PageSetup& setup) {
    switch (r.id) {
    case record::kWsBool: setup.fitToPages = (readU16(r, "the WSBOOL record") & wsbool::kFitToPage) != 0; break;
    case record::kLeftMargin: setup.leftMargin = points(readF64(r, "the LEFTMARGIN record")); break;
    case record::kRightMargin: setup.rightMargin = points(readF64(r, "the RIGHTMARGIN record")); break;
    case record::kTopMargin: setup.topMargin = points(readF64(r, "the TOPMARGIN record")); break;
    case record::kBottomMargin: setup.bottomMargin = points(readF64(r, "the BOTTOMMARGIN record")); break;
    case record::kSetup: readSetup(r, setup); break;
    default: return false;
    }
    return true;
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
    DrawingReader drawing(globals, externs);
    for (;;) {
        if (reader.atEnd()) throwDamaged("a worksheet has no EOF record");
        const Record r = reader.next();
        if (r.id == record::kEof) break;
        if (r.id == record::kBof) {
            drawing.readNested(reader);
            continue;
        }
        if (!cells.read(r) && !drawing.read(r) && !readLayoutRecord(r, sheet)) readPageRecord(r, sheet.pageSetup);
    }
    sheet.cells = cells.finish();
    sheet.shapes = drawing.finish();
    return sheet;
}

bool readPageSetupRecord(const Record& record, model::PageSetup& setup) { return readPageRecord(record, setup); }

}  // namespace spreadsheet::xls::biff
