// OBJ records: the object a drawing's shape is to the sheet. An embedded
// chart's OBJ holds a common object data part (FtCmo, object type chart)
// and the end marker; its chart substream follows it.
#pragma once

#include "spreadsheet/xls/biff/records/record_reader.h"
#include "spreadsheet/xls/biff/records/record_stream.h"

#include <cstdint>
#include <optional>

namespace spreadsheet::xls::biff {

struct CommonObject {
    uint16_t type = 0;  // objrec::kChart, ...
    uint16_t id = 0;
};

void writeChartObject(RecordStream& out, uint16_t objectId);

// The FtCmo of an OBJ record; nullopt when it does not start with one.
std::optional<CommonObject> readCommonObject(const Record& record);

}  // namespace spreadsheet::xls::biff
