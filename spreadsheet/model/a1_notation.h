// A1 notation for addresses handed to Range, Rows and Columns: cells ("B1"),
// ranges ("F5:F26", "B1:B1"), whole columns ("A:A"), whole rows ("3:4") and
// comma-separated unions ("C15,F15,C18,F18"). "$" markers are accepted and
// ignored; letters may be in either case.
//
//   parseA1("D35:N41")  -> one range, rows 35..41, columns 4..14
//   formatA1(CellRange({35, 4}, {41, 14}))  -> "D35:N41"
#pragma once

#include "spreadsheet/model/cell_address.h"

#include <optional>
#include <string>
#include <string_view>

namespace spreadsheet::model {

// Column number to letters: 1 -> "A", 26 -> "Z", 27 -> "AA", 256 -> "IV".
std::string columnLetters(int column);
// Letters to column number; nullopt when not letters or off the grid.
std::optional<int> columnNumber(std::string_view letters);

std::optional<RangeList> parseA1(std::string_view address);
// A single area only (no union); nullopt otherwise.
std::optional<CellRange> parseA1Area(std::string_view address);

// "B1", or "$B$1" when absolute.
std::string formatA1(CellAddress address, bool absolute = false);
// "B1" for one cell, "F5:F26", "A:A" for whole columns, "3:4" for whole rows,
// "$A$1:$IV$65536" style when absolute.
std::string formatA1(const CellRange& range, bool absolute = false);
std::string formatA1(const RangeList& ranges, bool absolute = false);

}  // namespace spreadsheet::model
