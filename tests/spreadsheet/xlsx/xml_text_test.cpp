// Texts on their way into the file: what readers would decode differently,
// what XML cannot hold, damaged UTF-8, and the cut at a cell's length.
#include "spreadsheet/unicode/utf16.h"
#include "spreadsheet/xlsx/xml_text.h"

#include <gtest/gtest.h>

using namespace spreadsheet::xlsx;

TEST(XmlText, cell_texts_escape_what_a_reader_would_not_give_back) {
    struct Case {
        std::string in, out;
    };
    const Case cases[] = {
        {"plain & <simple>", "plain & <simple>"},           // the library escapes markup itself
        {"a\x01" "b", "a_x0001_b"},                           // XML cannot hold U+0001
        {"line\r\nnext", "line_x000D_\nnext"},                // a reader would drop the carriage return
        {"tab\there", "tab\there"},
        {"_x0041_", "_x005F_x0041_"},                         // else read back as "A"
        {"_x00G1_ and _x12", "_x00G1_ and _x12"},             // not an escape: left as it is
        {"\xff" "ok", "\xef\xbf\xbd" "ok"},                   // a byte that is not UTF-8 becomes U+FFFD
        {"\xef\xbf\xbf", "_xFFFF_"},
    };
    for (const Case& c : cases) EXPECT_EQ(cellText(c.in), c.out) << c.in;
}

TEST(XmlText, a_cell_text_is_cut_at_32767_units_never_inside_a_surrogate_pair) {
    const std::string rocket = "\xf0\x9f\x9a\x80";  // U+1F680: two UTF-16 units
    std::string text(32766, 'x');
    text += rocket;
    const std::string cut = cellText(text);
    EXPECT_EQ(cut, std::string(32766, 'x'));  // the pair would end at unit 32768
    EXPECT_EQ(spreadsheet::unicode::utf16Length(cellText(std::string(40000, 'y'))), 32767u);
}

TEST(XmlText, escapes_count_against_the_length_the_library_measures) {
    // 20000 control characters would be 140000 characters written: only whole
    // escapes that fit in 32767 are kept.
    const std::string cut = cellText(std::string(20000, '\x02'));
    EXPECT_EQ(cut.size(), 32767u / 7 * 7);
    EXPECT_EQ(cut.substr(0, 7), "_x0002_");
}

TEST(XmlText, plain_texts_replace_what_xml_cannot_hold) {
    EXPECT_EQ(plainText("Costs\x01\x1f"), "Costs\xef\xbf\xbd\xef\xbf\xbd");
    EXPECT_EQ(plainText("Line\nbreak _x0041_"), "Line\nbreak _x0041_");
    EXPECT_TRUE(holdsControlCharacter("a\tb"));
    EXPECT_TRUE(holdsControlCharacter("a\x7" "b"));
    EXPECT_FALSE(holdsControlCharacter("Breakeven Analysis Data"));
}
