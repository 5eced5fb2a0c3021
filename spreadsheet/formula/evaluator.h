// Evaluator: computes cell values of a workbook with the spreadsheet's rules.
// Results are cached until the workbook changes (its revision advances). Every
// cell of a circular reference, and every cell that reads one, shows #REF!;
// formula cells are computed in dependency order on a heap stack, so a chain
// of any length needs no deep recursion.
//
//   Evaluator evaluator(workbook);
//   evaluator.cellValue(0, {33, 6});   // F33 of the first sheet
#pragma once

#include "spreadsheet/model/value.h"
#include "spreadsheet/model/workbook.h"

#include <memory>

namespace spreadsheet::formula {

class Evaluator {
public:
    explicit Evaluator(const model::Workbook& workbook);
    ~Evaluator();

    // The value a cell shows: its constant, or its formula's result (never
    // empty: a formula reading an empty cell gives 0). An empty cell gives an
    // empty value; a sheet index out of range gives #REF!.
    model::Value cellValue(int sheetIndex, model::CellAddress address);

private:
    struct Cache;
    const model::Workbook& m_workbook;
    std::unique_ptr<Cache> m_cache;
};

}  // namespace spreadsheet::formula
