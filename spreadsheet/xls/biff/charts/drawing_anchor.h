// Where a shape sits, both ways: the model places shapes in points from the
// sheet's top-left corner; the file anchors them to the cells under their
// corners, with offsets in 1/1024 of the column's width and 1/256 of the
// row's height. Column widths count in whole pixels, as on screen, and a
// pixel is 3/4 of a point; row heights are the model's points.
//
//   CellAnchor a = anchorOf(sheet, {50, 420, 300, 200});   // top, left, width, height
//   boundsOf(sheet, a);                                     // about {50, 420, 300, 200}
#pragma once

#include "spreadsheet/model/sheet.h"

#include <cstdint>

namespace spreadsheet::xls::biff {

// OfficeArtClientAnchorSheet's fields: columns and rows 0-based.
struct CellAnchor {
    uint16_t firstColumn = 0;
    uint16_t firstColumnOffset = 0;  // 1/1024 of the column's width
    uint16_t firstRow = 0;
    uint16_t firstRowOffset = 0;  // 1/256 of the row's height
    uint16_t lastColumn = 0;
    uint16_t lastColumnOffset = 0;
    uint16_t lastRow = 0;
    uint16_t lastRowOffset = 0;
    bool operator==(const CellAnchor&) const = default;
};

// A column's width in points as the sheet shows it (whole pixels).
double columnWidthPoints(const model::Sheet& sheet, int column);

CellAnchor anchorOf(const model::Sheet& sheet, const model::ShapeBounds& bounds);
// Bounds in points, rounded to hundredths of a point.
model::ShapeBounds boundsOf(const model::Sheet& sheet, const CellAnchor& anchor);
// The bounds of an anchor read from a file, as the writer will anchor them
// again: a corner it cannot anchor to exactly (the far edge of the last column
// or row, a place between two hundredths of a point finer than an offset unit)
// moves to the nearest place it can, so saving and reading keeps the bounds.
model::ShapeBounds readBounds(const model::Sheet& sheet, const CellAnchor& anchor);

}  // namespace spreadsheet::xls::biff
