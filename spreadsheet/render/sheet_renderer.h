// A picture of a worksheet range as a user sees it at 100 % zoom on a 96-dpi
// screen: gridlines, fills, borders, each cell's font and number format, text
// running into empty neighbours, "#"s for numbers too wide for their column,
// and the embedded charts drawn over the cells where they lie.
//
// Fonts need a running QGuiApplication (the tests' offscreen one will do).
//
//   formula::Evaluator evaluator(workbook);
//   QImage picture = renderUsedRange(workbook, evaluator, 0);
//   picture.save("sheet.png");
#pragma once

#include "spreadsheet/formula/evaluator.h"
#include "spreadsheet/model/cell_address.h"
#include "spreadsheet/model/workbook.h"

#include <QImage>

namespace spreadsheet::render {

// The largest picture side QPainter handles.
inline constexpr int kMaxPictureSide = 32767;

// The range's picture; a null image when either side would exceed
// kMaxPictureSide. Throws std::out_of_range for a sheet index not in the workbook.
QImage renderRange(const model::Workbook& workbook, formula::Evaluator& evaluator, int sheetIndex,
                   const model::CellRange& range);

// The picture of the sheet's used range; a null image for a sheet without cells.
QImage renderUsedRange(const model::Workbook& workbook, formula::Evaluator& evaluator, int sheetIndex);

}  // namespace spreadsheet::render
