// Walking columns and rows from the sheet's corner to a point, in points,
// then the same anchor in the library's pixel sizes.
#include "spreadsheet/xlsx/chart_anchor.h"

#include "spreadsheet/xlsx/style_codes.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace spreadsheet::xlsx {
namespace {

constexpr double kPointsPerPixel = 0.75;
constexpr int kDigitPixels = 7;         // the default font's digit, at 96 pixels to the inch
constexpr int kPaddingPixels = 5;       // a column's margins
constexpr double kNarrowPixelsPerCharacter = kDigitPixels + kPaddingPixels;  // below one character

using Extent = std::function<double(int)>;  // the size of a 1-based column or row

struct Place {
    int index = 1;
    double offset = 0;  // in the units of the extent
};

// The column (or row) holding `position`, and how far into it. A size of 0
// (hidden) never holds a place; past the last one the place stays in it.
Place placeOf(double position, int count, const Extent& size) {
    Place place{1, std::max(0.0, position)};
    for (; place.index < count; ++place.index) {
        const double s = size(place.index);
        if (place.offset < s) break;
        place.offset -= s;
    }
    place.offset = std::min(place.offset, size(place.index));
    return place;
}

double rowPoints(const model::Sheet& sheet, int row) { return storedRowHeight(sheet.rowHeight(row)); }

// The library measures a row in pixels cut to whole ones.
int libraryRowPixels(const model::Sheet& sheet, int row) {
    return static_cast<int>(rowPoints(sheet, row) / kPointsPerPixel);
}

// Pixels from `first` up to (not including) `last`.
double pixelsBetween(int first, int last, const std::function<int(int)>& size) {
    double sum = 0;
    for (int i = first; i < last; ++i) sum += size(i);
    return sum;
}

// An offset in pixels that the library keeps inside a cell of `cellPixels`.
double insideCell(double pixels, int cellPixels) {
    return cellPixels <= 0 ? 0 : std::clamp(pixels, 0.0, std::nextafter(static_cast<double>(cellPixels), 0.0));
}

}  // namespace

int columnPixels(const model::Sheet& sheet, int column) {
    const double characters = storedColumnWidth(sheet.columnWidth(column));
    if (characters <= 0) return 0;
    if (characters < 1) return static_cast<int>(std::lround(characters * kNarrowPixelsPerCharacter));
    return static_cast<int>(std::lround(characters * kDigitPixels)) + kPaddingPixels;
}

ChartAnchor anchorOf(const model::Sheet& sheet, const model::ShapeBounds& bounds) {
    const Extent width = [&](int column) { return columnPixels(sheet, column) * kPointsPerPixel; };
    const Extent height = [&](int row) { return rowPoints(sheet, row); };
    const Place left = placeOf(bounds.left, model::kMaxColumns, width);
    const Place top = placeOf(bounds.top, model::kMaxRows, height);
    const Place right = placeOf(bounds.right(), model::kMaxColumns, width);
    const Place bottom = placeOf(bounds.bottom(), model::kMaxRows, height);
    return {{left.index, left.offset, top.index, top.offset}, {right.index, right.offset, bottom.index, bottom.offset}};
}

LibraryPlacement libraryPlacement(const model::Sheet& sheet, const ChartAnchor& a) {
    const auto columnSize = [&](int column) { return columnPixels(sheet, column); };
    const auto rowSize = [&](int row) { return libraryRowPixels(sheet, row); };
    LibraryPlacement p;
    p.column = a.from.column - 1;
    p.row = a.from.row - 1;
    p.xOffset = static_cast<int32_t>(insideCell(std::round(a.from.columnOffset / kPointsPerPixel), columnSize(a.from.column)));
    p.yOffset = static_cast<int32_t>(insideCell(std::round(a.from.rowOffset / kPointsPerPixel), rowSize(a.from.row)));
    const double endX = insideCell(a.to.columnOffset / kPointsPerPixel, columnSize(a.to.column));
    const double endY = insideCell(a.to.rowOffset / kPointsPerPixel, rowSize(a.to.row));
    p.width = std::max(0.0, pixelsBetween(a.from.column, a.to.column, columnSize) - p.xOffset + endX);
    p.height = std::max(0.0, pixelsBetween(a.from.row, a.to.row, rowSize) - p.yOffset + endY);
    return p;
}

}  // namespace spreadsheet::xlsx
