// Pictures of small hand-made sheets: white ground, grey gridlines, fills,
// border lines of each kind, and numbers too wide for their column.
#include "picture_probes.h"
#include "spreadsheet/render/sheet_geometry.h"

using spreadsheet::model::BorderLine;
using spreadsheet::model::CellRange;
using spreadsheet::model::CellStyle;
using spreadsheet::model::Edge;
using spreadsheet::model::LineStyle;
using spreadsheet::model::LineWeight;
using spreadsheet::model::Value;
using namespace spreadsheet::render;
using namespace render_testing;

TEST(SheetPicture, a_fill_covers_its_cells_and_the_gridline_between_them_and_the_rest_stays_white_and_grey) {
    SmallBook book;
    spreadsheet::formula::Evaluator evaluator(book.workbook);
    EXPECT_TRUE(renderUsedRange(book.workbook, evaluator, 0).isNull());  // no cells, no picture
    book.sheet.applyStyle(CellRange({1, 1}, {1, 2}), [](CellStyle& s) { s.fillColorIndex = 6; });  // yellow
    const QImage image = book.picture(CellRange({1, 1}, {2, 3}));
    ASSERT_EQ(image.size(), QSize(3 * 64 + 1, 2 * 17 + 1));
    const QColor yellow(0xFF, 0xFF, 0x00);
    EXPECT_TRUE(pixelNear(image, {30, 8}, yellow));
    EXPECT_TRUE(pixelNear(image, {64, 8}, yellow));  // the line between A1 and B1
    EXPECT_TRUE(pixelNear(image, {160, 8}, kWhite, 0));
    for (const QPoint line : {QPoint(64, 25), QPoint(192, 25), QPoint(0, 25), QPoint(160, 17), QPoint(160, 34)})
        EXPECT_TRUE(pixelNear(image, line, kGrey, 0));
}

TEST(SheetPicture, border_lines_take_their_colour_weight_and_pattern) {
    SmallBook book;
    book.sheet.applyStyle(CellRange({2, 2}), [](CellStyle& s) {
        s.borders[Edge::Top] = BorderLine{LineStyle::Continuous, LineWeight::Thin, 11};        // thin continuous, dark blue
        s.borders[Edge::Left] = BorderLine{LineStyle::Continuous, LineWeight::Medium, -4105};     // medium, automatic
        s.borders[Edge::Bottom] = BorderLine{LineStyle::Dash, LineWeight::Thin, 10};    // thin dashes, green
    });
    const QImage image = book.picture(CellRange({1, 1}, {3, 3}));
    const QRect b2 = SheetGeometry(book.sheet, CellRange({1, 1}, {3, 3})).cellRect({2, 2});
    EXPECT_TRUE(pixelNear(image, {b2.center().x(), b2.top()}, kDarkBlue, 8));
    EXPECT_TRUE(pixelNear(image, {b2.center().x(), b2.top() + 1}, kWhite, 0));  // one pixel thin
    EXPECT_TRUE(pixelNear(image, {b2.left(), b2.center().y()}, kBlack, 8));
    EXPECT_TRUE(pixelNear(image, {b2.left() + 1, b2.center().y()}, kBlack, 8));  // medium: two pixels
    const QRect bottom(b2.left() + 2, b2.bottom(), b2.width() - 4, 1);
    const int green = countPixels(image, bottom, isAbout(QColor(0x00, 0x80, 0x00), 8));
    EXPECT_GT(green, bottom.width() / 2);
    EXPECT_LT(green, bottom.width());  // the dashes leave gaps
}

TEST(SheetPicture, a_number_too_wide_for_its_column_fills_the_cell_with_hashes_and_stays_inside) {
    SmallBook book;
    book.sheet.setColumnWidth(2, 4);  // 33 px
    book.sheet.setConstant({1, 2}, Value::number(123456789));
    book.sheet.applyStyle(CellRange({1, 2}), [](CellStyle& s) { s.numberFormat = "#,##0"; });
    const CellRange range({1, 1}, {1, 4});
    book.sheet.setConstant(range.last, Value::number(1));
    const QImage image = book.picture(range);
    const SheetGeometry g(book.sheet, range);
    const QRect cell = g.interiorRect({1, 2});
    EXPECT_GT(countPixels(image, cell.adjusted(0, 0, -cell.width() / 2, 0), isInk), 10);  // "#"s side to side
    EXPECT_GT(countPixels(image, cell.adjusted(cell.width() / 2, 0, 0, 0), isInk), 10);
    EXPECT_EQ(countPixels(image, g.interiorRect({1, 1}), isInk), 0);  // never into a neighbour
    EXPECT_EQ(countPixels(image, g.interiorRect({1, 3}), isInk), 0);
}

TEST(SheetPicture, each_cell_shows_its_own_font_weight_and_size) {
    SmallBook book;
    book.sheet.setColumnWidth(1, 20);
    book.sheet.setRowHeight(3, 30);
    for (int row = 1; row <= 3; ++row) book.sheet.setConstant({row, 1}, Value::text("Total"));
    book.sheet.applyStyle(CellRange({2, 1}), [](CellStyle& s) { s.font.bold = true; });
    book.sheet.applyStyle(CellRange({3, 1}), [](CellStyle& s) { s.font.size = 22; });
    const CellRange range({1, 1}, {3, 1});
    const QImage image = book.picture(range);
    const SheetGeometry g(book.sheet, range);
    const int plain = countPixels(image, g.interiorRect({1, 1}), isInk);
    EXPECT_GT(plain, 20);
    EXPECT_GT(countPixels(image, g.interiorRect({2, 1}), isInk), plain * 5 / 4);
    EXPECT_GT(countPixels(image, g.interiorRect({3, 1}), isInk), plain * 3);
}

// General gives the digits eleven characters and the sign its own place: a
// wide enough cell shows -12345670000 whole, as the same text would look
// there, where it showed "-1.2346E+10" before.
TEST(SheetPicture, a_negative_general_number_of_eleven_digits_shows_every_digit) {
    const auto cellPicture = [](const Value& value, spreadsheet::model::HorizontalAlignment alignment) {
        SmallBook book;
        book.sheet.setColumnWidth(1, 16);
        book.sheet.setConstant({1, 1}, value);
        book.sheet.applyStyle(CellRange({1, 1}), [&](CellStyle& s) { s.horizontal = alignment; });
        const CellRange range({1, 1}, {1, 1});
        return book.picture(range).copy(SheetGeometry(book.sheet, range).interiorRect({1, 1}));
    };
    const auto right = spreadsheet::model::HorizontalAlignment::Right;
    const QImage number = cellPicture(Value::number(-12345670000.0), spreadsheet::model::HorizontalAlignment::General);
    EXPECT_GT(countPixels(number, number.rect(), isInk), 40);
    EXPECT_EQ(number, cellPicture(Value::text("-12345670000"), right));
    EXPECT_NE(number, cellPicture(Value::text("-1.2346E+10"), right));
}
