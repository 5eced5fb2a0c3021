#include "spreadsheet/xlsx/reference_text.h"

#include "spreadsheet/model/a1_notation.h"

namespace spreadsheet::xlsx {

std::string quotedSheetName(const std::string& name) {
    std::string out = "'";
    for (const char c : name) {
        out += c;
        if (c == '\'') out += c;
    }
    return out + "'";
}

std::string areaList(const std::string& sheet, const model::RangeList& areas) {
    const std::string prefix = quotedSheetName(sheet) + "!";
    std::string out;
    for (const model::CellRange& area : areas) {
        if (!out.empty()) out += ',';
        out += prefix + model::formatA1(area, true);
    }
    return out;
}

}  // namespace spreadsheet::xlsx
