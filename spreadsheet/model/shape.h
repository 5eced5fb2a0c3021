// Shape: an object floating over a worksheet's cells, placed in points from
// the sheet's top-left corner. The only kind there is an embedded chart. A
// worksheet keeps its shapes in z-order, the newest last.
#pragma once

#include "spreadsheet/model/chart.h"

#include <string>

namespace spreadsheet::model {

// Position and size in points.
struct ShapeBounds {
    double top = 0;
    double left = 0;
    double width = 0;
    double height = 0;

    double bottom() const { return top + height; }
    double right() const { return left + width; }
    bool overlaps(const ShapeBounds& o) const {
        return left < o.right() && o.left < right() && top < o.bottom() && o.top < bottom();
    }
    bool operator==(const ShapeBounds&) const = default;
};

struct Shape {
    int id = 0;        // unique on its sheet; the drawing layer numbers objects by it
    std::string name;  // "Chart 1", "Chart 2", ...
    ShapeBounds bounds;
    Chart chart;
    bool operator==(const Shape&) const = default;
};

}  // namespace spreadsheet::model
