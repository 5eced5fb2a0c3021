// Walking columns and rows from the sheet's corner to a point, and back.
// A corner past the last column or row stays in it, at its far edge.
#include "spreadsheet/xls/biff/charts/drawing_anchor.h"

#include "spreadsheet/xls/biff/charts/chart_fields.h"
#include "spreadsheet/xls/biff/records/record_fields.h"
#include "spreadsheet/xls/biff/records/value_encodings.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace spreadsheet::xls::biff {
namespace {

constexpr double kPointsPerPixel = 0.75;

using Extent = std::function<double(int)>;  // the size of a 1-based column or row, in points

struct Place {
    int index = 1;       // 1-based column or row
    uint16_t offset = 0;  // in `units` of its size
};

// The column (or row) holding `position` and the offset into it.
Place placeOf(double position, int count, int units, const Extent& size) {
    Place place;
    double rest = std::max(0.0, position);
    for (; place.index < count; ++place.index) {
        const double s = size(place.index);
        if (rest < s) break;
        rest -= s;
    }
    const double s = size(place.index);
    const long offset = s > 0 ? std::lround(rest / s * units) : 0;
    place.offset = static_cast<uint16_t>(std::clamp<long>(offset, 0, units - 1));
    return place;
}

double positionOf(int index, uint16_t offset, int count, int units, const Extent& size) {
    double position = 0;
    const int last = std::clamp(index, 1, count);
    for (int i = 1; i < last; ++i) position += size(i);
    return position + size(last) * std::min<int>(offset, units) / units;
}

double hundredths(double value) { return std::round(value * 100) / 100; }

}  // namespace

double columnWidthPoints(const model::Sheet& sheet, int column) {
    const int stored = storedColumnWidth(sheet.columnWidth(column));
    const int pixels = (stored + colwidth::kPixelCorrection) * colwidth::kDigitPixels / colwidth::kUnitsPerDigit;
    return pixels * kPointsPerPixel;
}

CellAnchor anchorOf(const model::Sheet& sheet, const model::ShapeBounds& bounds) {
    const Extent width = [&](int column) { return columnWidthPoints(sheet, column); };
    const Extent height = [&](int row) { return sheet.rowHeight(row); };
    const int columns = limits::kMaxColumns, rows = limits::kMaxRows;
    const Place left = placeOf(bounds.left, columns, anchorrec::kColumnOffsetUnits, width);
    const Place top = placeOf(bounds.top, rows, anchorrec::kRowOffsetUnits, height);
    const Place right = placeOf(bounds.right(), columns, anchorrec::kColumnOffsetUnits, width);
    const Place bottom = placeOf(bounds.bottom(), rows, anchorrec::kRowOffsetUnits, height);
    const auto zeroBased = [](const Place& p) { return static_cast<uint16_t>(p.index - 1); };
    return {zeroBased(left),  left.offset,  zeroBased(top),    top.offset,
            zeroBased(right), right.offset, zeroBased(bottom), bottom.offset};
}

model::ShapeBounds boundsOf(const model::Sheet& sheet, const CellAnchor& a) {
    const Extent width = [&](int column) { return columnWidthPoints(sheet, column); };
    const Extent height = [&](int row) { return sheet.rowHeight(row); };
    const auto x = [&](uint16_t column, uint16_t offset) {
        return positionOf(column + 1, offset, limits::kMaxColumns, anchorrec::kColumnOffsetUnits, width);
    };
    const auto y = [&](uint16_t row, uint16_t offset) {
        return positionOf(row + 1, offset, limits::kMaxRows, anchorrec::kRowOffsetUnits, height);
    };
    const double left = x(a.firstColumn, a.firstColumnOffset), right = x(a.lastColumn, a.lastColumnOffset);
    const double top = y(a.firstRow, a.firstRowOffset), bottom = y(a.lastRow, a.lastRowOffset);
    return {hundredths(top), hundredths(left), hundredths(std::max(0.0, right - left)),
            hundredths(std::max(0.0, bottom - top))};
}

// Anchoring and measuring again settles within a step or two; the cap only guards the loop.
model::ShapeBounds readBounds(const model::Sheet& sheet, const CellAnchor& anchor) {
    constexpr int kMaxSteps = 8;
    model::ShapeBounds bounds = boundsOf(sheet, anchor);
    for (int step = 0; step < kMaxSteps; ++step) {
        const model::ShapeBounds again = boundsOf(sheet, anchorOf(sheet, bounds));
        if (again == bounds) break;
        bounds = again;
    }
    return bounds;
}

}  // namespace spreadsheet::xls::biff
