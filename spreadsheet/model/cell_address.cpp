// Addresses and rectangular ranges on the 65536 x 256 grid: bounds, spans and their text.
#include "spreadsheet/model/cell_address.h"

#include <algorithm>

namespace spreadsheet::model {

CellRange::CellRange(CellAddress a, CellAddress b)
    : first{std::min(a.row, b.row), std::min(a.column, b.column)},
      last{std::max(a.row, b.row), std::max(a.column, b.column)} {}

}  // namespace spreadsheet::model
