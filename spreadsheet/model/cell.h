// Cell: what one cell holds — a constant value, or a formula — and its style.
#pragma once

#include "spreadsheet/model/style.h"
#include "spreadsheet/model/value.h"

#include <memory>

namespace spreadsheet::formula {
class Formula;  // a parsed formula; the model only stores it
}

namespace spreadsheet::model {

struct Cell {
    Value constant;                                    // meaningful when there is no formula
    std::shared_ptr<const formula::Formula> formula;   // shared: formulas are immutable once parsed
    CellStyle style;

    bool hasFormula() const { return formula != nullptr; }
    bool hasContent() const { return hasFormula() || !constant.isEmpty(); }
};

}  // namespace spreadsheet::model
