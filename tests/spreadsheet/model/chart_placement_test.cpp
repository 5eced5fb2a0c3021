// Charts in the workbook: chart sheets and embedded charts, ids that follow a
// chart wherever it goes, z-order, and the revision every change advances.
#include "spreadsheet/model/workbook.h"

#include <gtest/gtest.h>

using namespace spreadsheet::model;

namespace {

constexpr ShapeBounds kTopPie{50, 420, 300, 200};
constexpr ShapeBounds kLowerPie{300, 420, 300, 200};

}  // namespace

TEST(ChartPlacement, a_chart_sheet_starts_with_an_empty_chart_whose_id_is_its_own) {
    Workbook book;
    book.addSheet("Data", SheetKind::Worksheet, 0);
    const Sheet& first = book.addSheet("Chart1", SheetKind::Chart, 0);
    const Sheet& second = book.addSheet("Chart2", SheetKind::Chart, 0);
    ASSERT_NE(first.chart(), nullptr);
    EXPECT_TRUE(first.chart()->series.empty());
    EXPECT_NE(first.chart()->id, 0);
    EXPECT_NE(first.chart()->id, second.chart()->id);
    EXPECT_EQ(book.sheet(2).chart(), nullptr);  // a worksheet has none
    EXPECT_EQ(book.findChart(second.chart()->id), (Workbook::ChartPlace{0, std::nullopt}));
    EXPECT_THROW(book.sheet(2).setChart(Chart{}), std::logic_error);
    EXPECT_THROW(book.sheet(0).addShape(*first.chart(), kTopPie), std::logic_error);
}

TEST(ChartPlacement, a_chart_keeps_its_id_when_it_moves_from_its_sheet_into_a_worksheet) {
    Workbook book;
    book.addSheet("Data", SheetKind::Worksheet, 0);
    Sheet& chartSheet = book.addSheet("Chart1", SheetKind::Chart, 0);
    const int id = chartSheet.chart()->id;
    chartSheet.changeChart(id, [](Chart& c) {
        c.type = ChartType::Pie;
        c.id = 99;  // a change cannot take the id
    });
    const Chart moving = *chartSheet.chart();
    book.embedChart(1, moving, kTopPie);
    book.removeSheet(0);
    EXPECT_EQ(book.findChart(id), (Workbook::ChartPlace{0, size_t{0}}));
    EXPECT_EQ(book.sheet(0).findChart(id)->type, ChartType::Pie);
    EXPECT_EQ(book.findChart(99), std::nullopt);

    // A chart without an id gets a fresh one; the newest shape comes last.
    const Shape& added = book.embedChart(0, Chart{}, kLowerPie);
    EXPECT_NE(added.chart.id, 0);
    EXPECT_NE(added.chart.id, id);
    ASSERT_EQ(book.sheet(0).shapes().size(), 2u);
    EXPECT_EQ(book.sheet(0).shapes()[0].name, "Chart 1");
    EXPECT_EQ(book.sheet(0).shapes()[1].name, "Chart 2");
    EXPECT_FALSE(book.sheet(0).shapes()[0].bounds.overlaps(book.sheet(0).shapes()[1].bounds));
    EXPECT_TRUE(kTopPie.overlaps(ShapeBounds{249, 719, 10, 10}));

    // Taken off and put back, a shape is new on top: names are never reused.
    Shape taken = book.sheet(0).removeShape(0);
    book.embedChart(0, std::move(taken.chart), taken.bounds);
    EXPECT_EQ(book.sheet(0).shapes()[1].name, "Chart 3");
    EXPECT_EQ(book.findChart(id), (Workbook::ChartPlace{0, size_t{1}}));
}

TEST(ChartPlacement, every_chart_change_advances_the_revision) {
    Workbook book;
    Sheet& data = book.addSheet("Data", SheetKind::Worksheet, 0);
    Sheet& chartSheet = book.addSheet("Chart1", SheetKind::Chart, 1);
    const int sheetChart = chartSheet.chart()->id;
    const int embedded = book.embedChart(0, Chart{}, kTopPie).chart.id;
    const std::vector<std::function<void()>> changes = {
        [&] { chartSheet.changeChart(sheetChart, [](Chart& c) { c.title.visible = true; }); },
        [&] { chartSheet.setChart(Chart{}); },
        [&] { data.changeChart(embedded, [](Chart& c) { c.hasDataTable = true; }); },
        [&] { data.setShapeBounds(0, kLowerPie); },
        [&] { book.embedChart(0, Chart{}, kTopPie); },
        [&] { data.removeShape(1); },
    };
    for (size_t i = 0; i < changes.size(); ++i) {
        const uint64_t before = book.revision();
        changes[i]();
        EXPECT_GT(book.revision(), before) << "change " << i;
    }
    EXPECT_EQ(chartSheet.chart()->id, sheetChart);  // setChart with id 0 kept the sheet's id
    EXPECT_FALSE(data.changeChart(sheetChart, [](Chart&) {}));  // not on this sheet
}
