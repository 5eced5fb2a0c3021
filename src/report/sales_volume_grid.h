// The sales volume analysis D35:N41 of the breakeven sheet: eleven columns for
// 0 %, 10 %, ... 100 % of the entered sales volume, seven rows from volume to
// net profit. Each cell's formula is made from the cells it refers to.
#pragma once

#include <string>

namespace report {

inline constexpr int kGridFirstRow = 35;
inline constexpr int kGridLastRow = 41;
inline constexpr int kGridFirstColumn = 4;   // D
inline constexpr int kGridLastColumn = 14;   // N

// "D35:D35": a single cell written as a one-cell range.
std::string oneCellRange(int row, int column);

// The R1C1 formula of a grid cell, exactly as the sheet receives it, e.g.
// "=IF(R[-29]C[2],R[-29]C[2]*0,0)" for D35.
std::string salesVolumeFormula(int row, int column);

}  // namespace report
