// Pixel sizes of columns and rows, which must snap to the same pixels the file
// writer stores, and where a range's cells land in its picture.
#include "picture_probes.h"
#include "spreadsheet/render/sheet_geometry.h"
#include "spreadsheet/xls/biff/records/record_fields.h"
#include "spreadsheet/xls/biff/records/value_encodings.h"

using spreadsheet::model::CellRange;
using namespace spreadsheet::render;
namespace colwidth = spreadsheet::xls::biff::colwidth;

TEST(RenderGeometry, column_widths_and_row_heights_snap_to_the_pixels_the_file_stores) {
    const struct { double characters; int pixels; } columns[] = {
        {0, 0}, {0.5, 6}, {1, 12}, {8.43, 64}, {9, 68}, {12, 89}, {15.57, 114}, {255, 1790}};
    for (const auto& row : columns) {
        EXPECT_EQ(columnPixels(row.characters), row.pixels) << row.characters;
        // The writer stores 1/256 digit units; its reader rounds them back to whole pixels.
        const int stored = spreadsheet::xls::biff::storedColumnWidth(row.characters);
        EXPECT_EQ((stored + colwidth::kPixelCorrection) * colwidth::kDigitPixels / colwidth::kUnitsPerDigit, row.pixels);
    }
    const struct { double points; int pixels; } rows[] = {
        {0, 0}, {12.75, 17}, {15.75, 21}, {20.25, 27}, {27.75, 37}, {32.25, 43}, {61.5, 82}, {409.5, 546}};
    for (const auto& row : rows) EXPECT_EQ(rowPixels(row.points), row.pixels) << row.points;
}

TEST(RenderGeometry, a_range_spans_its_boundary_lines_and_knows_where_the_sheet_corner_is) {
    render_testing::SmallBook book;
    book.sheet.setColumnWidth(1, 1);    // 12 px
    book.sheet.setColumnWidth(3, 0);    // hidden; the others 64 px
    book.sheet.setRowHeight(2, 27.75);  // 37 px; the others 17
    const SheetGeometry g(book.sheet, CellRange({2, 2}, {3, 4}));
    EXPECT_EQ(g.imageSize(), QSize(64 + 0 + 64 + 1, 37 + 17 + 1));
    EXPECT_EQ(g.left(3), g.right(3));
    EXPECT_EQ(g.cellRect({3, 4}), QRect(QPoint(64, 37), QPoint(128, 54)));
    EXPECT_EQ(g.sheetOrigin(), QPoint(-12, -17));  // column A and row 1 lie before the range
}
