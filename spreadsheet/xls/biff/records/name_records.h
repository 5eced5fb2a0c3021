// Defined names. The one the model has is each sheet's built-in Print_Area:
// a LBL record whose tokens are absolute 3D areas on that sheet (joined as a
// union when there are several). Written here, and read back from our files
// and from other programs' (which may wrap the areas in a PtgMemArea).
#pragma once

#include "spreadsheet/model/cell_address.h"
#include "spreadsheet/xls/biff/records/record_reader.h"
#include "spreadsheet/xls/biff/records/record_stream.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace spreadsheet::xls::biff {

// The tokens of a print area on the sheet that EXTERNSHEET entry `entry` names.
std::vector<uint8_t> printAreaTokens(uint16_t entry, const model::RangeList& ranges);
// The LBL record of a sheet's (0-based) print area.
void writePrintAreaName(RecordStream& out, int sheetIndex, const std::vector<uint8_t>& tokens);

struct DefinedName {
    bool builtIn = false;
    std::u16string name;  // for built-in names, one character naming which
    int sheet = -1;       // 0-based; -1 for a name of the whole workbook
    std::vector<uint8_t> tokens;

    bool isPrintArea() const;
};

DefinedName readDefinedName(const Record& record);
// The areas of a print area's tokens; nullopt when they hold anything else.
std::optional<model::RangeList> printAreaFromTokens(Bytes tokens);

}  // namespace spreadsheet::xls::biff
