// Cell and area coordinates as reference tokens store them: 0-based rows in
// 16 bits, 0-based columns in the low bits of a 16-bit field that also holds
// the column-relative and row-relative flags. Cell formulas store the resolved
// cell with the flags (RgceLoc, RgceArea); shared formulas store offsets from
// the host in the relative parts (RgceLocRel, RgceAreaRel, as in PtgRefN).
#pragma once

#include "spreadsheet/formula/ast.h"
#include "spreadsheet/model/cell_address.h"

#include <cstdint>
#include <optional>

namespace spreadsheet::xls::tokens {

struct CellFields {
    uint16_t row = 0;
    uint16_t column = 0;  // column and relative flags
};

struct AreaFields {
    uint16_t rowFirst = 0;
    uint16_t rowLast = 0;
    uint16_t columnFirst = 0;  // with the flags of the first row and column
    uint16_t columnLast = 0;   // with the flags of the last row and column
};

// How relative coordinates are stored: resolved against the host (cell
// formulas), or as offsets from the host (shared formulas' PtgRefN/PtgAreaN).
enum class RelativeForm { Resolved, Offset };

// The stored fields for a reference from the host; nullopt when it resolves
// off the grid. Without keepRelative the flags are left clear, so the resolved
// cell is written as an absolute one.
std::optional<CellFields> encodeCell(const formula::CellReference& cell, model::CellAddress host, bool keepRelative);
// Likewise for an area; corners given in any order are stored top-left first.
std::optional<AreaFields> encodeArea(const formula::AreaReference& area, model::CellAddress host, bool keepRelative);

// The reference the fields describe from the host; nullopt for a column
// beyond the grid. Offsets that leave the grid wrap around it, as they do
// when the spreadsheet evaluates a shared formula.
std::optional<formula::CellReference> decodeCell(CellFields fields, model::CellAddress host, RelativeForm form);
// An area stored with its corners the other way round is read top-left first.
std::optional<formula::AreaReference> decodeArea(AreaFields fields, model::CellAddress host, RelativeForm form);

}  // namespace spreadsheet::xls::tokens
