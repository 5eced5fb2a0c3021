// Merged areas drawn as one cell: the top-left cell's content set across the
// whole area (centred there when centred), its fill over all of it, no
// gridlines inside, the other cells' contents hidden, and a neighbour's text
// stopped at the area's edge.
#include "picture_probes.h"
#include "spreadsheet/render/sheet_geometry.h"

using spreadsheet::model::CellRange;
using spreadsheet::model::CellStyle;
using spreadsheet::model::HorizontalAlignment;
using spreadsheet::model::Value;
using namespace spreadsheet::render;
using namespace render_testing;

namespace {

// B2:D3 merged, holding a centred label in B2, with a number left in C2 that the merge hides.
struct MergedBook : SmallBook {
    const CellRange range{{1, 1}, {4, 5}};
    const CellRange merge{{2, 2}, {3, 4}};
    MergedBook() {
        sheet.setConstant({2, 2}, Value::text("Total"));
        sheet.applyStyle(CellRange({2, 2}), [](CellStyle& s) { s.horizontal = HorizontalAlignment::Center; });
        sheet.setConstant({2, 3}, Value::number(8888888));
        sheet.setConstant({4, 5}, Value::number(1));  // so the range is used to E4
        sheet.merge(merge);
    }
    SheetGeometry geometry() const { return SheetGeometry(sheet, range); }
    QRect mergeInterior() const {
        const SheetGeometry g = geometry();
        return QRect(QPoint(g.left(2) + 1, g.top(2) + 1), QPoint(g.right(4) - 1, g.bottom(3) - 1));
    }
};

// The middle of the ink's horizontal extent inside a rectangle.
double inkCentre(const QImage& image, const QRect& rect) {
    int first = rect.right(), last = rect.left();
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (isInk(image.pixelColor(x, y))) first = std::min(first, x), last = std::max(last, x);
    return (first + last) / 2.0;
}

}  // namespace

TEST(MergedCells, the_top_left_content_is_centred_across_the_area_on_its_bottom_and_the_rest_hidden) {
    MergedBook book;
    const QImage image = book.picture(book.range);
    const SheetGeometry g = book.geometry();
    const QRect inside = book.mergeInterior();
    const QRect upperRow(inside.left(), inside.top(), inside.width(), g.height(2) - 1);
    const QRect lowerRow(inside.left(), g.top(3) + 1, inside.width(), g.height(3) - 1);
    EXPECT_EQ(countPixels(image, upperRow, isInk), 0);  // neither "Total" nor C2's number up here
    EXPECT_GT(countPixels(image, lowerRow, isInk), 20);
    EXPECT_NEAR(inkCentre(image, lowerRow), (g.left(2) + g.right(4)) / 2.0, 3.0);
}

TEST(MergedCells, no_gridlines_inside_the_area_and_the_top_left_fill_covers_it_all) {
    MergedBook book;
    const SheetGeometry g = book.geometry();
    QImage image = book.picture(book.range);
    EXPECT_TRUE(pixelNear(image, {g.left(3), (g.top(2) + g.bottom(2)) / 2}, kWhite, 0));  // between B2 and C2
    EXPECT_TRUE(pixelNear(image, {g.left(2) + 5, g.top(3)}, kWhite, 0));                 // between B2 and B3
    EXPECT_TRUE(pixelNear(image, {g.left(2), (g.top(2) + g.bottom(2)) / 2}, kGrey, 0));  // its own edges stay
    EXPECT_TRUE(pixelNear(image, {g.left(5), (g.top(2) + g.bottom(2)) / 2}, kGrey, 0));

    book.sheet.applyStyle(CellRange({2, 2}), [](CellStyle& s) { s.fillColorIndex = 6; });  // yellow
    image = book.picture(book.range);
    EXPECT_TRUE(pixelNear(image, g.interiorRect({2, 4}).topLeft() + QPoint(2, 2), QColor(0xFF, 0xFF, 0x00)));
}

TEST(MergedCells, a_neighbours_text_stops_at_the_area_and_a_cut_area_shows_its_part) {
    MergedBook book;
    book.sheet.setConstant({2, 1}, Value::text("A long label that would run on"));
    const SheetGeometry g = book.geometry();
    const QImage image = book.picture(book.range);
    EXPECT_GT(countPixels(image, g.interiorRect({2, 1}), isInk), 20);
    EXPECT_EQ(countPixels(image, g.interiorRect({2, 2}), isInk), 0);

    // A picture that starts inside the merge still shows the label, in the part it covers.
    const CellRange cut({2, 3}, {3, 4});
    const QImage part = book.picture(cut);
    EXPECT_GT(countPixels(part, part.rect(), isInk), 20);
}
