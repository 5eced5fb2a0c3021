// HEADER to SETUP: margins go from the model's points to the file's inches,
// and back when read.
// The printer settings are marked valid, so readers take paper, zoom and orientation.
#include "spreadsheet/xls/biff/records/page_setup_records.h"

#include "spreadsheet/xls/biff/records/record_fields.h"
#include "spreadsheet/xls/biff/records/record_ids.h"

#include <algorithm>

namespace spreadsheet::xls::biff {
namespace {

constexpr int kMinZoom = 10;
constexpr int kMaxZoom = 400;

constexpr std::size_t kSetupTailSize = 2 + 2 + 8 + 8;  // resolutions, header and footer margins
constexpr std::size_t kResolutionsSize = 4;
constexpr std::size_t kFirstPageSize = 2;  // SETUP: the first page number

double inches(double points) { return points / setuprec::kPointsPerInch; }
double points(double inches) { return inches * setuprec::kPointsPerInch; }

uint16_t readU16(const Record& r, const char* what) { return ByteCursor(r.body, what).u16(); }
double readF64(const Record& r, const char* what) { return ByteCursor(r.body, what).f64(); }

void writeMargin(RecordStream& out, uint16_t id, double points) {
    out.begin(id);
    out.f64(inches(points));
    out.end();
}

uint16_t setupFlags(const model::PageSetup& setup) {
    uint16_t flags = 0;
    if (setup.orientation == model::Orientation::Portrait) flags |= setuprec::kPortrait;
    if (setup.printComments) flags |= setuprec::kPrintNotes;
    return flags;
}

void writeSetup(RecordStream& out, const model::PageSetup& setup) {
    out.begin(record::kSetup);
    out.u16(static_cast<uint16_t>(std::max(0, setup.paperSize)));
    out.u16(static_cast<uint16_t>(std::clamp(setup.zoom, kMinZoom, kMaxZoom)));
    out.u16(setuprec::kFirstPageNumber);
    out.u16(static_cast<uint16_t>(std::max(0, setup.fitToPagesWide)));
    out.u16(static_cast<uint16_t>(std::max(0, setup.fitToPagesTall)));
    out.u16(setupFlags(setup));
    out.u16(setuprec::kResolution);
    out.u16(setuprec::kResolution);
    out.f64(inches(setup.headerMargin));
    out.f64(inches(setup.footerMargin));
    out.u16(setuprec::kCopies);
    out.end();
}

}  // namespace

void writePageSetup(RecordStream& out, const model::PageSetup& setup) {
    out.emptyRecord(record::kHeader);
    out.emptyRecord(record::kFooter);
    for (const uint16_t id : {record::kHCenter, record::kVCenter}) {
        out.begin(id);
        out.u16(0);
        out.end();
    }
    writeMargin(out, record::kLeftMargin, setup.leftMargin);
    writeMargin(out, record::kRightMargin, setup.rightMargin);
    writeMargin(out, record::kTopMargin, setup.topMargin);
    writeMargin(out, record::kBottomMargin, setup.bottomMargin);
    writeSetup(out, setup);
}

namespace {

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

}  // namespace

bool readPageSetupRecord(const Record& r, model::PageSetup& setup) {
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

}  // namespace spreadsheet::xls::biff
