// Series from source areas: the three breakeven sources with the cells they
// hold, which lines count as labels, the compact grid of unions, the limits.
#include "spreadsheet/model/a1_notation.h"
#include "spreadsheet/model/chart_source.h"

#include <gtest/gtest.h>

#include <map>

using namespace spreadsheet::model;

namespace {

// Cells by A1 address; any other cell is empty.
struct Cells {
    std::map<std::string, Value> values;
    Value operator()(CellAddress a) const {
        const auto it = values.find(formatA1(a));
        return it == values.end() ? Value() : it->second;
    }
};

ChartReference ref(const char* areas) { return {"Data", parseA1(areas).value()}; }

std::vector<ChartSeries> series(const char* source, PlotBy by, const Cells& cells) {
    return seriesFromSource("Data", parseA1(source).value(), by, cells);
}

// The breakeven sheet as the charts read it: labels in B and C, numbers (or
// zeros from empty inputs) in D to N and F.
Cells breakevenCells() {
    Cells c;
    for (const char* label : {"C10", "C11", "C12", "C13", "C14", "C15", "C18", "B37", "B39", "B40", "B41"})
        c.values[label] = Value::text(std::string("label ") + label);
    for (int row : {15, 18, 37, 39, 40, 41})
        for (char column = 'D'; column <= 'N'; ++column)
            c.values[std::string(1, column) + std::to_string(row)] = Value::number(row);
    return c;  // F10:F14 stay empty, as with empty inputs
}

}  // namespace

TEST(ChartSource, the_contribution_pie_keeps_its_two_separate_cells_as_two_areas) {
    const std::vector<ChartSeries> got = series("C15,F15,C18,F18", PlotBy::Columns, breakevenCells());
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].values, ref("F15,F18"));
    EXPECT_EQ(got[0].categories, ref("C15,C18"));
    EXPECT_EQ(got[0].name, std::nullopt);
}

TEST(ChartSource, the_variable_cost_pie_joins_adjacent_cells_into_one_area_even_when_empty) {
    const std::vector<ChartSeries> got =
        series("C10,F10,C11,F11,C12,F12,C13,F13,C14,F14", PlotBy::Columns, breakevenCells());
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].values, ref("F10:F14"));
    EXPECT_EQ(got[0].categories, ref("C10:C14"));
    EXPECT_EQ(got[0].name, std::nullopt);  // an empty F10 is no series name
}

TEST(ChartSource, the_line_chart_gives_four_named_series_of_eleven_points_without_categories) {
    const std::vector<ChartSeries> got = series("B37,D37:N37,B39:B41,D39:N41", PlotBy::Rows, breakevenCells());
    ASSERT_EQ(got.size(), 4u);
    const char* names[] = {"B37", "B39", "B40", "B41"};
    const char* values[] = {"D37:N37", "D39:N39", "D40:N40", "D41:N41"};
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].name, ref(names[i])) << i;
        EXPECT_EQ(got[i].values, ref(values[i])) << i;
        EXPECT_EQ(got[i].categories, std::nullopt) << i;
    }
}

TEST(ChartSource, labels_are_found_by_text_in_the_first_line_each_way) {
    Cells block;  // A1 empty, B1:C1 names, A2:A3 categories, numbers in B2:C3
    for (const char* name : {"B1", "C1", "A2", "A3"}) block.values[name] = Value::text(name);
    for (const char* cell : {"B2", "B3", "C2", "C3"}) block.values[cell] = Value::number(1);

    std::vector<ChartSeries> got = series("A1:C3", PlotBy::Columns, block);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[1].name, ref("C1"));
    EXPECT_EQ(got[1].values, ref("C2:C3"));
    EXPECT_EQ(got[1].categories, ref("A2:A3"));

    got = series("A1:C3", PlotBy::Rows, block);  // the same cells the other way round
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].name, ref("A2"));
    EXPECT_EQ(got[0].values, ref("B2:C2"));
    EXPECT_EQ(got[0].categories, ref("B1:C1"));

    got = series("B2:C3", PlotBy::Columns, block);  // numbers only: no labels
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].name, std::nullopt);
    EXPECT_EQ(got[0].categories, std::nullopt);
    EXPECT_EQ(got[0].values, ref("B2:B3"));

    got = series("A2:A3", PlotBy::Columns, block);  // one text column: its first cell names it
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].name, ref("A2"));
    EXPECT_EQ(got[0].values, ref("A3"));

    got = series("B2", PlotBy::Rows, block);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].values, ref("B2"));
}

TEST(ChartSource, a_union_is_read_as_the_grid_of_the_rows_and_columns_it_covers) {
    // Rows 1, 2 and 5 and columns A and C: the gaps between them are left out.
    const std::vector<ChartSeries> got = series("A1:A2,C5,C1:C2,A5", PlotBy::Columns, Cells{});
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].values, ref("A1:A2,A5"));
    EXPECT_EQ(got[1].values, ref("C1:C2,C5"));
}

TEST(ChartSource, sources_beyond_a_charts_limits_are_refused) {
    EXPECT_THROW(series("A1:IV2", PlotBy::Columns, Cells{}), std::invalid_argument);  // 256 series
    EXPECT_NO_THROW(series("A1:IU2", PlotBy::Columns, Cells{}));                      // 255
    EXPECT_THROW(series("A1:A32001", PlotBy::Columns, Cells{}), std::invalid_argument);
    EXPECT_NO_THROW(series("A1:A32000", PlotBy::Columns, Cells{}));
    EXPECT_THROW(seriesFromSource("Data", {}, PlotBy::Rows, Cells{}), std::invalid_argument);
}

TEST(ChartSource, without_plot_by_series_run_along_the_longer_side) {
    EXPECT_EQ(naturalPlotBy(parseA1("A1:B10").value()), PlotBy::Columns);
    EXPECT_EQ(naturalPlotBy(parseA1("A1:J2").value()), PlotBy::Rows);
    EXPECT_EQ(naturalPlotBy(parseA1("A1:C3").value()), PlotBy::Rows);
}
