// FtCmo and FtEnd; the other subrecords belong to objects other than charts.
// A chart is locked and printed, its fill and line drawn by the chart.
#include "spreadsheet/xls/biff/charts/object_records.h"

#include "spreadsheet/xls/biff/charts/chart_fields.h"
#include "spreadsheet/xls/biff/charts/chart_record_ids.h"

namespace spreadsheet::xls::biff {

void writeChartObject(RecordStream& out, uint16_t objectId) {
    out.begin(record::kObj);
    out.u16(objrec::kFtCmo);
    out.u16(objrec::kCmoSize);
    out.u16(objrec::kChart);
    out.u16(objectId);
    out.u16(objrec::kLocked | objrec::kPrint | objrec::kAutoFill | objrec::kAutoLine);
    out.zeros(objrec::kCmoReserved);
    out.u16(objrec::kFtEnd);
    out.u16(0);
    out.end();
}

std::optional<CommonObject> readCommonObject(const Record& record) {
    ByteCursor in(record.body, "an OBJ record");
    if (in.remaining() < 8 || in.u16() != objrec::kFtCmo) return std::nullopt;
    in.u16();  // its size
    CommonObject cmo;
    cmo.type = in.u16();
    cmo.id = in.u16();
    return cmo;
}

}  // namespace spreadsheet::xls::biff
