// What a cell shows: text and colour under its format, where General puts
// each kind of value, and numbers fitted to their column.
#include "picture_probes.h"
#include "spreadsheet/render/cell_text.h"
#include "spreadsheet/render/sheet_geometry.h"

using spreadsheet::model::Value;
using namespace spreadsheet::render;

namespace {

CellText shown(const Value& value, const char* format, int fontColor = spreadsheet::model::kColorAutomatic) {
    spreadsheet::model::CellStyle style;
    style.numberFormat = format;
    style.font.colorIndex = fontColor;
    return cellText(value, style, spreadsheet::model::Palette());
}

}  // namespace

TEST(CellText, general_places_numbers_right_text_left_and_booleans_and_errors_centred) {
    EXPECT_EQ(shown(Value::number(12.5), "General").alignment, TextAlignment::Right);
    EXPECT_EQ(shown(Value::text("Rent"), "General").alignment, TextAlignment::Left);
    EXPECT_EQ(shown(Value::boolean(true), "General").alignment, TextAlignment::Center);
    EXPECT_EQ(shown(Value::error(spreadsheet::model::ErrorCode::Div0), "General").alignment, TextAlignment::Center);
}

TEST(CellText, a_format_colour_wins_over_the_font_colour_and_automatic_is_black) {
    const char* loss = "#,##0.00_);[Red](#,##0.00)";
    EXPECT_EQ(shown(Value::number(-3400), loss, 11).text, "(3,400.00)");
    EXPECT_EQ(shown(Value::number(-3400), loss, 11).color, QColor(0xFF, 0x00, 0x00));
    EXPECT_EQ(shown(Value::number(1500), loss, 11).color, QColor(0x00, 0x00, 0x80));
    EXPECT_EQ(shown(Value::number(1500), loss).color, QColor(0, 0, 0));
    // A code the formatter refuses shows General rather than failing the picture.
    EXPECT_EQ(shown(Value::number(2.5), "[Red").text, "2.5");
}

TEST(CellText, a_number_too_wide_gives_up_decimals_under_general_and_shows_hashes_otherwise) {
    const auto digitWidths = [](std::string_view text) { return static_cast<int>(text.size()) * kDigitPixels; };
    const struct { double number; const char* format; int digits; const char* fitted; } table[] = {
        {1234.5678, "General", 9, "1234.5678"},  // fits as it is
        {1234.5678, "General", 6, "1234.6"},     // fewer decimals
        {-1234.5678, "General", 5, "-1235"},
        {123456789, "General", 7, "1.2E+08"},    // too wide even whole: scientific
        {123456789, "General", 6, "1E+08"},
        {123456789, "General", 4, "####"},       // nothing fits: the cell fills with #
        {12500, "#,##0.00", 8, "########"},      // other formats never shorten
        {5, "#,##0.00", 0, ""},
    };
    for (const auto& row : table)
        EXPECT_EQ(fitNumberText(shown(Value::number(row.number), row.format), row.digits * kDigitPixels, digitWidths),
                  row.fitted) << row.number << " in " << row.digits << " digits";
}
