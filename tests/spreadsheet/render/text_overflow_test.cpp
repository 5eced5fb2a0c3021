// Text running into empty neighbours: which columns a text covers, and that
// its pixels land there and hide the gridline, unless the neighbour holds
// something.
#include "picture_probes.h"
#include "spreadsheet/render/sheet_geometry.h"
#include "spreadsheet/render/text_overflow.h"

using spreadsheet::model::CellRange;
using spreadsheet::model::Value;
using namespace spreadsheet::render;
using namespace render_testing;

TEST(TextOverflow, a_text_covers_free_neighbours_on_the_side_it_runs_to_and_stops_at_the_first_taken_one) {
    SmallBook book;  // every column 64 px: C1 spans x 128..192
    const SheetGeometry g(book.sheet, CellRange({1, 1}, {1, 5}));
    const auto allFree = [](int) { return true; };
    const auto dTaken = [](int column) { return column != 4; };
    const struct { const char* name; TextAlignment alignment; int width; std::function<bool(int)> isFree; TextSpan span; }
        table[] = {
            {"fits its cell", TextAlignment::Left, 59, allFree, {3, 3}},
            {"one pixel too wide", TextAlignment::Left, 60, allFree, {3, 4}},
            {"cut by a taken neighbour", TextAlignment::Left, 100, dTaken, {3, 3}},
            {"cut at the range's edge", TextAlignment::Left, 300, allFree, {3, 5}},
            {"right-aligned runs left", TextAlignment::Right, 100, allFree, {2, 3}},
            {"centred runs both ways", TextAlignment::Center, 100, allFree, {2, 4}},
            {"centred, blocked on the right", TextAlignment::Center, 100, dTaken, {2, 3}},
        };
    for (const auto& row : table) EXPECT_EQ(overflowSpan(g, {1, 3}, row.alignment, row.width, row.isFree), row.span) << row.name;
}

TEST(TextOverflow, a_label_shows_across_an_empty_neighbour_but_not_across_one_holding_an_empty_text) {
    for (const bool blocked : {false, true}) {
        SmallBook book;
        book.sheet.setConstant({2, 2}, Value::text("Sales volume per period (units)"));
        // A formula's empty text, as the break-even point shows without costs, is content.
        if (blocked) book.sheet.setConstant({2, 3}, Value::text(""));
        const CellRange range({1, 1}, {3, 4});
        book.sheet.setConstant(range.last, Value::number(1));
        const QImage image = book.picture(range);
        const SheetGeometry g(book.sheet, range);
        EXPECT_GT(countPixels(image, g.interiorRect({2, 2}), isInk), 20);
        const int inkInC2 = countPixels(image, g.interiorRect({2, 3}), isInk);
        const bool lineBetween = near(image.pixelColor(g.left(3), g.top(2) + 2), kGrey, 8);
        EXPECT_EQ(inkInC2 > 20, !blocked) << "blocked " << blocked;
        EXPECT_EQ(inkInC2 == 0, blocked) << "blocked " << blocked;
        EXPECT_EQ(lineBetween, blocked) << "blocked " << blocked;
        EXPECT_TRUE(pixelNear(image, {g.left(3), g.top(3) + 2}, kGrey, 8));  // the row below keeps its line
    }
}
