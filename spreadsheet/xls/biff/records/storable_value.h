// What a cell of the file can hold of a value, on both sides: the writer
// stores a value this way and the reader takes a stored one the same way, so
// a value read back is the value the next save writes. A number that is not
// finite becomes #NUM! (every reader shows it so); a text longer than a cell
// holds is cut at 32767 UTF-16 units.
#pragma once

#include "spreadsheet/model/value.h"

namespace spreadsheet::xls::biff {

model::Value storableValue(model::Value value);

}  // namespace spreadsheet::xls::biff
