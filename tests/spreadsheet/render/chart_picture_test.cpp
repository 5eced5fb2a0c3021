// Embedded charts over the cells: a pie where its shape lies on the sheet,
// whatever column the picture starts at, its slices clockwise from twelve
// o'clock in distinct colours, its title, and an outline only while on.
#include "picture_probes.h"
#include "spreadsheet/render/chart_painter.h"

using spreadsheet::model::CellRange;
using spreadsheet::model::Value;
using namespace spreadsheet::render;
using namespace render_testing;

namespace {

// 7.6 and 4.9 labelled in A1:B2 and a pie of them 144 points (three 64-pixel
// columns) from the sheet's left edge, pictured from column B: the shape's
// left edge falls on D's left line, x 128.
QImage pieOverCells(spreadsheet::model::LineStyle chartAreaLineStyle) {
    SmallBook book;
    book.sheet.setConstant({1, 1}, Value::text("Cost"));
    book.sheet.setConstant({1, 2}, Value::number(7.6));
    book.sheet.setConstant({2, 1}, Value::text("Margin"));
    book.sheet.setConstant({2, 2}, Value::number(4.9));
    spreadsheet::model::Chart chart;
    chart.type = spreadsheet::model::ChartType::Pie;
    spreadsheet::model::ChartSeries series;
    series.values = {"Sheet1", {CellRange({1, 2}, {2, 2})}};
    series.categories = spreadsheet::model::ChartReference{"Sheet1", {CellRange({1, 1}, {2, 1})}};
    chart.series = {series};
    chart.title = {true, "Unit Contribution Margin"};
    chart.chartAreaBorder.lineStyle = chartAreaLineStyle;
    book.workbook.embedChart(0, chart, {0, 144, 300, 200});
    return book.picture(CellRange({1, 2}, {20, 10}));
}

const QRect kShape(128, 0, 400, 267);

}  // namespace

TEST(ChartPicture, a_pie_lies_at_its_shape_clockwise_from_twelve_in_distinct_colours) {
    const QImage image = pieOverCells(spreadsheet::model::LineStyle::None);
    const spreadsheet::model::Palette palette;
    const QColor larger = chartFillColor(palette, 0), smaller = chartFillColor(palette, 1);
    EXPECT_GT(countPixels(image, kShape, isAbout(smaller, 4)), 1000);
    EXPECT_GT(countPixels(image, kShape, isAbout(larger, 4)), countPixels(image, kShape, isAbout(smaller, 4)));
    EXPECT_GT(countPixels(image, QRect(kShape.left(), 0, kShape.width(), 30), isInk), 50);  // the title
    QRect disc;  // runs of slice colour longer than a key square belong to the pie
    for (int y = 0; y < image.height(); ++y)
        for (int x = kShape.left(), run = 0; x <= kShape.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            run = near(c, larger, 4) || near(c, smaller, 4) ? run + 1 : 0;
            if (run >= 10) disc |= QRect(x - run + 1, y, run, 1);
        }
    const int quarter = disc.height() / 4;  // 61 % from twelve o'clock takes the upper right
    EXPECT_TRUE(pixelNear(image, disc.center() + QPoint(quarter, -quarter), larger, 4));
    EXPECT_TRUE(pixelNear(image, disc.center() + QPoint(-quarter, -quarter), smaller, 4));
    // The chart's white covers D's gridline down to its bottom edge, and no further.
    EXPECT_TRUE(pixelNear(image, {kShape.left(), kShape.center().y()}, kWhite, 0));
    EXPECT_TRUE(pixelNear(image, {kShape.left(), kShape.bottom() + 10}, kGrey, 0));
    EXPECT_TRUE(pixelNear(image, {kShape.left() - 64, kShape.center().y()}, kGrey, 0));  // C's line
    const QImage outlined = pieOverCells(spreadsheet::model::LineStyle::Continuous);
    EXPECT_TRUE(pixelNear(outlined, {kShape.left(), kShape.center().y()}, kBlack, 8));
}

TEST(ChartPicture, data_labels_join_the_parts_shown_in_order) {
    spreadsheet::model::DataLabels labels;
    labels.showValue = true;
    labels.showPercentage = true;
    EXPECT_EQ(pieLabelText(labels, "S", "Cost", "7.60", 7.6 / 12.5), "7.60; 61%");
    labels.showCategoryName = true;
    labels.showValue = false;
    EXPECT_EQ(pieLabelText(labels, "S", "Cost", "7.60", 1.0), "Cost; 100%");
}
