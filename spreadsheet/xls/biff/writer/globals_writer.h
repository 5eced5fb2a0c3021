// The globals substream: file and window settings, formatting, one BOUNDSHEET8
// per sheet, links and names, and the shared strings. The sheets' stream
// offsets are not known yet; the layout says where to patch them in.
//
// The drawing group (MSODRAWINGGROUP) of the embedded charts goes after the
// names and before the SST.
#pragma once

#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/biff/records/record_stream.h"
#include "spreadsheet/xls/biff/writer/save_plan.h"

#include <cstddef>
#include <vector>

namespace spreadsheet::xls::biff {

struct GlobalsLayout {
    std::vector<std::size_t> sheetOffsetFields;  // stream offsets of each BOUNDSHEET8's position field
};

GlobalsLayout writeGlobals(RecordStream& out, const model::Workbook& workbook, const SavePlan& plan);

}  // namespace spreadsheet::xls::biff
