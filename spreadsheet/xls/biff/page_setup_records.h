// Writer of a worksheet's page setup block: empty HEADER and FOOTER, HCENTER,
// VCENTER, the four margins in inches, and SETUP (paper, zoom, fit to pages,
// orientation, header and footer margins, print comments).
#pragma once

#include "spreadsheet/model/page_setup.h"
#include "spreadsheet/xls/biff/record_stream.h"

namespace spreadsheet::xls::biff {

void writePageSetup(RecordStream& out, const model::PageSetup& setup);

}  // namespace spreadsheet::xls::biff
