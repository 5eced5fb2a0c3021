// Where an embedded chart sits. The model places it in points from the
// sheet's top-left corner; the file anchors its corners to the cells under
// them with offsets into those cells, so a reader puts it where the cells
// are. Columns count in whole pixels of the default font's digit width, as
// on screen and in the 97-2003 file (a pixel is 3/4 of a point); rows count
// in points.
//
// The library takes a chart's place as a start cell with whole-pixel offsets
// and a size in pixels, and finds the end cell itself by walking its own
// column and row sizes, which cut a row's height to whole pixels. The
// placement handed to it is worked back from the anchor through those same
// sizes, so the file gets the anchor: the far corner to the EMU, the near
// corner to the nearest pixel (3/8 of a point at most).
//
//   anchorOf(sheet, {50, 420, 300, 200})   // top, left, width, height
//     -> from H1 (10 px in, 50 pt down), to L14 (54 px in, 11.5 pt down) on the breakeven sheet
#pragma once

#include "spreadsheet/model/shape.h"
#include "spreadsheet/model/sheet.h"

#include <cstdint>

namespace spreadsheet::xlsx {

struct AnchorCorner {
    int column = 1;            // 1-based
    double columnOffset = 0;   // points into the column
    int row = 1;               // 1-based
    double rowOffset = 0;      // points into the row
};

struct ChartAnchor {
    AnchorCorner from;
    AnchorCorner to;
};

// The library's view of the same place: the start cell (0-based), whole-pixel
// offsets into it, and the size in pixels.
struct LibraryPlacement {
    int row = 0;
    int column = 0;
    int32_t xOffset = 0;
    int32_t yOffset = 0;
    double width = 0;
    double height = 0;
};

// A column's width in whole pixels (0 for a hidden column).
int columnPixels(const model::Sheet& sheet, int column);

ChartAnchor anchorOf(const model::Sheet& sheet, const model::ShapeBounds& bounds);
LibraryPlacement libraryPlacement(const model::Sheet& sheet, const ChartAnchor& anchor);

}  // namespace spreadsheet::xlsx
