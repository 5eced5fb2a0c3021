// What one stored cell becomes in the file, decided before the library is
// called: a blank (a style only), a number, a text, a Boolean, or a formula
// in A1 form with its cached result. A reader that does not calculate shows
// the cached result, so it is the evaluator's: a number stays a number,
// anything else goes as the text the cell shows ("TRUE", "#DIV/0!", "") —
// the library writes no other kind of formula result. An error constant has
// no form of its own in the library either: it goes as the formula of the
// error literal ("#N/A"), which every reader calculates to that error. A
// number that is not finite is #NUM!, as in the 97-2003 file; a formula that
// the file cannot hold (longer than a formula may be) goes as its result.
//
//   cellEntry(cell holding =SUM(F10:F14), {15, 6}, result 7.6)
//     -> FormulaEntry{"SUM(F10:F14)", 7.6}
#pragma once

#include "spreadsheet/model/cell.h"
#include "spreadsheet/model/cell_address.h"

#include <functional>
#include <string>
#include <variant>

namespace spreadsheet::xlsx {

// The longest formula text a cell holds, in characters.
inline constexpr std::size_t kMaxFormulaCharacters = 8192;

struct BlankEntry {
    bool operator==(const BlankEntry&) const = default;
};
struct NumberEntry {
    double number = 0;
    bool operator==(const NumberEntry&) const = default;
};
struct TextEntry {
    std::string text;  // escaped for the file (xml_text.h)
    bool operator==(const TextEntry&) const = default;
};
struct BooleanEntry {
    bool value = false;
    bool operator==(const BooleanEntry&) const = default;
};
struct FormulaEntry {
    std::string formula;                        // A1, without "=", escaped for the file
    std::variant<double, std::string> result;   // a number, or the text shown (escaped)
    bool operator==(const FormulaEntry&) const = default;
};

using CellEntry = std::variant<BlankEntry, NumberEntry, TextEntry, BooleanEntry, FormulaEntry>;

// `result` gives the formula's value; it is asked only for a formula cell.
CellEntry cellEntry(const model::Cell& cell, model::CellAddress address, const std::function<model::Value()>& result);

}  // namespace spreadsheet::xlsx
