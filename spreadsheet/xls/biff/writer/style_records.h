// Writers of the globals' formatting records: FONT, FORMAT, the XF table
// (the built-in style XFs, the default cell XF, the number style XFs, then
// the workbook's cell XFs), STYLE and PALETTE.
#pragma once

#include "spreadsheet/model/palette.h"
#include "spreadsheet/xls/biff/records/record_stream.h"
#include "spreadsheet/xls/biff/writer/style_table.h"

namespace spreadsheet::xls::biff {

void writeFonts(RecordStream& out, const StyleTable& styles);
// The eight currency formats every file defines, then the workbook's own.
void writeFormats(RecordStream& out, const StyleTable& styles);
void writeXfs(RecordStream& out, const StyleTable& styles);
// The built-in styles: Normal, and the number styles Comma, Currency and Percent.
void writeStyles(RecordStream& out);
void writePalette(RecordStream& out, const model::Palette& palette);

}  // namespace spreadsheet::xls::biff
