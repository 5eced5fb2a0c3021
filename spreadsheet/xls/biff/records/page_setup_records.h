// The page setup block that worksheets and chart sheets both carry: empty
// HEADER and FOOTER, HCENTER, VCENTER, the four margins in inches, and SETUP
// (paper, zoom, fit to pages, orientation, header and footer margins, print
// comments); written from and read into model::PageSetup.
#pragma once

#include "spreadsheet/model/page_setup.h"
#include "spreadsheet/xls/biff/records/record_reader.h"
#include "spreadsheet/xls/biff/records/record_stream.h"

namespace spreadsheet::xls::biff {

void writePageSetup(RecordStream& out, const model::PageSetup& setup);

// A record of the page setup block (margins, SETUP) or WSBOOL into `setup`;
// false for any other record.
bool readPageSetupRecord(const Record& record, model::PageSetup& setup);

}  // namespace spreadsheet::xls::biff
