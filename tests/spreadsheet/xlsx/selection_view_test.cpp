// The selection the file can say: one rectangle named from its active corner.
#include "spreadsheet/xlsx/selection_view.h"

#include <gtest/gtest.h>

using namespace spreadsheet::xlsx;
using spreadsheet::model::CellAddress;
using spreadsheet::model::CellRange;

TEST(SelectionView, the_active_cell_is_kept_and_its_rectangle_when_it_is_a_corner) {
    struct Case {
        spreadsheet::model::RangeList selection;
        CellAddress active;
        SelectionView view;
    };
    const Case cases[] = {
        {{CellRange({5, 3})}, {5, 3}, {{5, 3}, {5, 3}}},                                // C5 alone
        {{CellRange({4, 4}, {7, 7})}, {7, 7}, {{7, 7}, {4, 4}}},                        // D4:G7 from G7
        {{CellRange({4, 4}, {7, 7})}, {4, 7}, {{4, 7}, {7, 4}}},                        // from G4
        {{CellRange({4, 4}, {7, 7})}, {5, 5}, {{5, 5}, {5, 5}}},                        // inside: alone
        {{CellRange({1, 1}), CellRange({4, 4}, {7, 7})}, {7, 4}, {{7, 4}, {4, 7}}},     // the later rectangle
        {{CellRange({1, 1})}, {9, 9}, {{9, 9}, {9, 9}}},                                // active outside
        {{CellRange({1, 1})}, {70000, 300}, {{65536, 256}, {65536, 256}}},              // kept on the grid
    };
    for (const Case& c : cases) {
        const SelectionView view = selectionView(c.selection, c.active);
        EXPECT_EQ(view, c.view) << c.active.row << "," << c.active.column;
    }
}
