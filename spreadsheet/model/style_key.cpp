// Each field is written whole and ends with a separator, so no two different
// values run together into the same key; doubles go as their bits.
#include "spreadsheet/model/style_key.h"

#include <bit>

namespace spreadsheet::model {
namespace {

void appendNumber(std::string& key, long long value) {
    key += std::to_string(value);
    key += '|';
}

void appendDouble(std::string& key, double value) { appendNumber(key, std::bit_cast<long long>(value)); }

}  // namespace

std::string fontKey(const Font& f) {
    std::string key = f.name;
    key += '\0';
    appendDouble(key, f.size);
    appendNumber(key, f.bold);
    appendNumber(key, f.italic);
    appendNumber(key, f.colorIndex);
    return key;
}

std::string styleKey(const CellStyle& s) {
    std::string key = fontKey(s.font);
    appendNumber(key, s.fillColorIndex);
    for (const BorderLine& line : s.borders.lines) {
        appendNumber(key, static_cast<int>(line.lineStyle));
        appendNumber(key, static_cast<int>(line.weight));
        appendNumber(key, line.colorIndex);
    }
    appendNumber(key, static_cast<int>(s.horizontal));
    key += s.numberFormat;
    return key;
}

}  // namespace spreadsheet::model
