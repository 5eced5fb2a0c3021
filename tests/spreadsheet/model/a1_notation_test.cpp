// A1 addresses at the edges of the grid, in every form the program hands over.
#include "spreadsheet/model/a1_notation.h"

#include <gtest/gtest.h>

using namespace spreadsheet::model;

TEST(A1Notation, column_letters_at_the_edges) {
    struct Row {
        int column;
        const char* letters;
    };
    for (const Row& row : {Row{1, "A"}, Row{26, "Z"}, Row{27, "AA"}, Row{52, "AZ"}, Row{53, "BA"}, Row{256, "IV"}}) {
        EXPECT_EQ(columnLetters(row.column), row.letters);
        EXPECT_EQ(columnNumber(row.letters), row.column);
    }
    EXPECT_EQ(columnNumber("iv"), 256);
    EXPECT_EQ(columnNumber("IW"), std::nullopt);  // past the last column of the grid
    EXPECT_EQ(columnNumber("A1"), std::nullopt);
}

TEST(A1Notation, parses_cells_ranges_whole_rows_columns_and_unions) {
    struct Row {
        const char* address;
        RangeList expected;
    };
    const Row rows[] = {
        {"B1:B1", {CellRange({1, 2})}},
        {"b1", {CellRange({1, 2})}},
        {"$F$5:F26", {CellRange({5, 6}, {26, 6})}},
        {"N41:D35", {CellRange({35, 4}, {41, 14})}},
        {"A:A", {CellRange::wholeColumns(1, 1)}},
        {"D:N", {CellRange::wholeColumns(4, 14)}},
        {"3:4", {CellRange::wholeRows(3, 4)}},
        {"IV65536", {CellRange({65536, 256})}},
        {"C15,F15,C18,F18", {CellRange({15, 3}), CellRange({15, 6}), CellRange({18, 3}), CellRange({18, 6})}},
        {"B37,D37:N37,B39:B41,D39:N41",
         {CellRange({37, 2}), CellRange({37, 4}, {37, 14}), CellRange({39, 2}, {41, 2}), CellRange({39, 4}, {41, 14})}},
    };
    for (const Row& row : rows) {
        const auto parsed = parseA1(row.address);
        ASSERT_TRUE(parsed) << row.address;
        EXPECT_EQ(*parsed, row.expected) << row.address;
    }
}

TEST(A1Notation, refuses_what_is_not_an_address) {
    for (const char* address : {"", "A", "3", "A0", "A65537", "IW1", "A1:", ":A1", "A1:3", "A1,,B2", "A1B", "1A", "R1C1",
                                "$", "A1:B2:C3"})
        EXPECT_FALSE(parseA1(address)) << address;
}

TEST(A1Notation, formats_back_in_the_shortest_form) {
    EXPECT_EQ(formatA1(CellRange({1, 2})), "B1");
    EXPECT_EQ(formatA1(CellRange({35, 4}, {41, 14})), "D35:N41");
    EXPECT_EQ(formatA1(CellRange::wholeColumns(1, 1)), "A:A");
    EXPECT_EQ(formatA1(CellRange::wholeRows(3, 4), true), "$3:$4");
    EXPECT_EQ(formatA1(CellRange({5, 6}, {26, 6}), true), "$F$5:$F$26");
    EXPECT_EQ(formatA1(RangeList{CellRange({15, 3}), CellRange({15, 6})}), "C15,F15");
    EXPECT_EQ(formatA1(CellRange::wholeSheet()), "A1:IV65536");
}
