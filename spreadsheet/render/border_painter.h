// Cell borders drawn on the cells' boundary lines: thin continuous lines one
// pixel wide, medium two and thick three, dashes and dots as pixel patterns,
// double lines as two lines around the boundary; the automatic colour is black.
#pragma once

#include "spreadsheet/model/palette.h"
#include "spreadsheet/model/sheet.h"
#include "spreadsheet/model/style.h"
#include "spreadsheet/render/sheet_geometry.h"

#include <QColor>
#include <QPainter>
#include <vector>

namespace spreadsheet::render {

// One edge's look on screen.
struct LineLook {
    int thickness = 1;       // pixels across the line
    std::vector<int> dashes;  // pixels on, off, on, off ...; empty: solid
    bool isDouble = false;
};

LineLook lineLook(const model::BorderLine& line);

// Paints the borders of every cell of the geometry's range.
void paintBorders(QPainter& painter, const SheetGeometry& geometry, const model::Sheet& sheet,
                  const model::Palette& palette);

// A line along a boundary: x fixed for a vertical one, y for a horizontal one,
// `from` and `to` the other coordinate, both included.
void paintLine(QPainter& painter, Qt::Orientation orientation, int boundary, int from, int to, const LineLook& look,
               const QColor& color);

}  // namespace spreadsheet::render
