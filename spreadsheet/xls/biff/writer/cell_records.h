// Writers of single cell records: BLANK, NUMBER or RK, LABELSST, BOOLERR,
// FORMULA with its cached result (and the STRING record a text result
// needs), and the run records MULRK and MULBLANK for neighbouring cells.
#pragma once

#include "spreadsheet/xls/biff/records/record_stream.h"
#include "spreadsheet/xls/biff/writer/save_plan.h"

#include <span>

namespace spreadsheet::xls::biff {

// True for a constant number that RK holds exactly (and so MULRK can carry).
bool isRkNumber(const CellOutput& cell);
bool isBlank(const CellOutput& cell);

void writeCell(RecordStream& out, const CellOutput& cell);
// Two or more cells side by side in one row, all RK numbers or all blanks.
void writeMulRk(RecordStream& out, std::span<const CellOutput> run);
void writeMulBlank(RecordStream& out, std::span<const CellOutput> run);

}  // namespace spreadsheet::xls::biff
