// Reading the formatting records (FONT, FORMAT, XF, PALETTE) and turning an
// XF index into the model's cell style. Only what the model can show is
// kept: fill patterns become a solid fill of their foreground colour, and
// alignments the model lacks become the nearest it has.
#pragma once

#include "spreadsheet/model/style.h"
#include "spreadsheet/xls/biff/reader/read_model.h"
#include "spreadsheet/xls/biff/records/record_reader.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>

namespace spreadsheet::xls::biff {

model::Font readFont(const Record& record);
std::pair<uint16_t, std::string> readFormat(const Record& record);
StoredXf readXf(const Record& record);
// Sets the palette's entries from a PALETTE record.
void readPalette(const Record& record, model::Palette& palette);

class StyleResolver {
public:
    explicit StyleResolver(const WorkbookGlobals& globals) : m_globals(globals) {}
    // The style of a cell XF; an index past the table gives the default style.
    const model::CellStyle& style(uint16_t xf);

private:
    model::CellStyle resolve(const StoredXf& x) const;
    const WorkbookGlobals& m_globals;
    std::map<uint16_t, model::CellStyle> m_cache;
};

}  // namespace spreadsheet::xls::biff
