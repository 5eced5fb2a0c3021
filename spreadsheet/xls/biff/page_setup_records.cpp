// HEADER to SETUP: margins go from the model's points to the file's inches.
// The printer settings are marked valid, so readers take paper, zoom and orientation.
#include "spreadsheet/xls/biff/page_setup_records.h"

#include "spreadsheet/xls/biff/record_fields.h"
#include "spreadsheet/xls/biff/record_ids.h"

#include <algorithm>

namespace spreadsheet::xls::biff {
namespace {

constexpr int kMinZoom = 10;
constexpr int kMaxZoom = 400;

double inches(double points) { return points / setuprec::kPointsPerInch; }

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

}  // namespace spreadsheet::xls::biff
