// Reading and writing cell entries through a range: FormulaR1C1, Formula and
// Value take what a user would type (a formula, a number, a Boolean, text);
// Value and Text give back the computed value and its display.
#pragma once

#include "automation/variant.h"
#include "spreadsheet/objects/sheet_handle.h"

namespace spreadsheet::objects {

enum class Notation { R1C1, A1 };

// Writes the entry into every cell of the areas. A formula that does not parse
// or a text that is too long is refused with an AutomationError naming the
// member, and the cells keep what they had.
void writeEntry(const SheetHandle& sheet, const model::RangeList& areas, const automation::Variant& entry,
                Notation notation, const std::string& member);

// The formula of a cell in the given notation, or its constant as text.
automation::Variant readFormula(const SheetHandle& sheet, model::CellAddress address, Notation notation);
// The computed value: number (double), text, Boolean, error value or empty.
automation::Variant readValue(const SheetHandle& sheet, model::CellAddress address);
// The value as the cell displays it under its number format.
std::string readText(const SheetHandle& sheet, model::CellAddress address);

// The VT_ERROR code a client sees for a cell error (#DIV/0! is 2007).
int32_t cellErrorCode(model::ErrorCode code);

// The value a cell shows, computed through its workbook's evaluator.
model::Value computedValue(const SheetHandle& sheet, model::CellAddress address);

}  // namespace spreadsheet::objects
