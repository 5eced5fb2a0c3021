// The breakeven sheet as the program writes it into the embedded spreadsheet,
// pictured over its used range: the size follows the layout's column widths
// and row heights, and probes at known cells find the section bars, the grey
// totals, the boxes, the red losses, the labels running over their empty
// neighbours and the two pies, large in their charts with their labels apart.
// QUORVANE_RENDER_PICTURE=<file> keeps the picture.
#include "automation/registry.h"
#include "fake_message_service.h"
#include "picture_probes.h"
#include "pie_layout_checks.h"
#include "report/generate_report.h"
#include "spreadsheet/objects/application.h"
#include "spreadsheet/objects/class_registration.h"
#include "spreadsheet/render/chart_data.h"
#include "spreadsheet/render/chart_painter.h"
#include "spreadsheet/render/sheet_geometry.h"

#include <QMap>

using spreadsheet::model::CellAddress;
using namespace spreadsheet::render;
using namespace render_testing;

namespace {

class Fields final : public report::InputFieldsSource {
public:
    QString fieldText(const QString& name) const override {
        static const QMap<QString, QString> sample = {
            {"txtName", "Smith & Sons, Inc."}, {"txtSalesPrice", "12.5"},   {"txtSalesVolume", "1000"},
            {"txtCommission", "2"},            {"txtDirectMaterial", "2.5"}, {"txtShipping", "1.1"},
            {"txtSupplies", "0.8"},            {"txtOtherVariable", "1.2"},  {"txtAdministrativeCost", "1200"},
            {"txtInsurance", "500"},           {"txtPropertyTax", "150"},   {"txtRent", "800"},
            {"txtOtherFixedCost", "750"}};
        return sample.value(name);
    }
};

// The sheet written with the sample data once for all tests, and its picture.
struct Breakeven {
    automation::Registry registry;
    automation::ObjectRef app;
    std::shared_ptr<spreadsheet::objects::Document> document;
    int sheetIndex = 0;
    QImage picture;

    Breakeven() {
        spreadsheet::objects::registerApplicationClass(registry);
        app = registry.CreateObject("Excel.Application");
        automation::member(app, "Workbooks")->call("Add");
        const automation::ObjectRef sheets = app->get("Sheets").toObject();
        while (sheets->get("Count").toI4() > 1) sheets->get("Item", {int16_t{2}}).toObject()->call("Delete");
        sheets->get("Item", {int16_t{1}}).toObject()->put("Name", "Breakeven Analysis Data");
        testing_support::FakeMessageService messages;
        report::GenerateReport(app, Fields(), messages);
        EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join("\n").toStdString();
        document = dynamic_cast<spreadsheet::objects::Application&>(*app).state()->activeWorkbook;
        sheetIndex = document->workbook.findSheet("Breakeven Analysis Data").value();
        picture = renderUsedRange(document->workbook, document->evaluator, sheetIndex);
        if (const QByteArray path = qgetenv("QUORVANE_RENDER_PICTURE"); !path.isEmpty()) picture.save(QString::fromLocal8Bit(path));
    }
    const spreadsheet::model::Sheet& sheet() const { return document->workbook.sheet(sheetIndex); }
    SheetGeometry geometry() const { return SheetGeometry(sheet(), *sheet().usedRange()); }
    // Near a cell's top-left, clear of right-aligned numbers and bottom-set text.
    QPoint clearSpot(CellAddress cell) const { return geometry().interiorRect(cell).topLeft() + QPoint(2, 2); }
    int count(CellAddress cell, const std::function<bool(QColor)>& kind) const {
        return countPixels(picture, geometry().interiorRect(cell), kind);
    }
};

const Breakeven& breakeven() {
    static const Breakeven* sheet = new Breakeven;  // lives for the whole run, like the application it holds
    return *sheet;
}

constexpr int B = 2, C = 3, D = 4, E = 5, F = 6, G = 7, H = 8, N = 14;

}  // namespace

TEST(BreakevenPicture, the_picture_spans_the_used_range_by_its_column_widths_and_row_heights) {
    const Breakeven& b = breakeven();
    ASSERT_EQ(b.sheet().usedRange(), spreadsheet::model::CellRange({1, B}, {41, N}));
    // B 15.57 -> 114 px, C 9 -> 68 px, D:N 12 -> 89 px; rows 1 to 41 of 82, 37, 21, 17, 43 and 27 px; closing lines.
    EXPECT_EQ(b.picture.size(), QSize(114 + 68 + 11 * 89 + 1, 82 + 37 + 4 * 21 + 31 * 17 + 2 * 43 + 2 * 27 + 1));
}

TEST(BreakevenPicture, section_bars_are_dark_blue_totals_grey_and_boxes_drawn_in_their_colours) {
    const Breakeven& b = breakeven();
    for (const int row : {4, 9, 21}) EXPECT_TRUE(pixelNear(b.picture, b.clearSpot({row, E}), kDarkBlue)) << row;
    EXPECT_GT(b.count({4, B}, isAbout(kWhite, 40)), 20);  // "Sales" in white on the bar
    for (const CellAddress total : {CellAddress{7, G}, {15, F}, {16, G}, {18, F}, {19, G}, {27, G}, {29, G}, {35, D}, {41, N}})
        EXPECT_TRUE(pixelNear(b.picture, b.clearSpot(total), kGrey)) << total.row << "," << total.column;
    for (const CellAddress white : {CellAddress{20, H}, {8, F}, {30, D}})
        EXPECT_TRUE(pixelNear(b.picture, b.clearSpot(white), kWhite, 0)) << white.row << "," << white.column;
    const SheetGeometry g = b.geometry();
    const auto middle = [&](int row) { return (g.top(row) + g.bottom(row)) / 2; };
    EXPECT_TRUE(pixelNear(b.picture, {g.left(G), middle(7)}, kBlack, 8));   // G7's box, automatic colour
    EXPECT_TRUE(pixelNear(b.picture, {g.left(F), middle(12)}, kDarkBlue, 8));  // F10:F15, colour 11
    EXPECT_TRUE(pixelNear(b.picture, {g.left(F) + 20, g.bottom(11)}, kDarkBlue, 8));  // its inside line
    EXPECT_TRUE(pixelNear(b.picture, {g.left(H) + 20, g.top(38)}, kBlack, 8));  // the grid of D35:N41
    EXPECT_TRUE(pixelNear(b.picture, {g.left(H), middle(12)}, kGrey, 8));  // unboxed: the gridline
}

TEST(BreakevenPicture, losses_show_red_and_profits_do_not) {
    const Breakeven& b = breakeven();
    EXPECT_GT(b.count({41, D}, isRed), 10);  // (3,400.00)
    EXPECT_EQ(b.count({41, N}, isRed), 0);   // 1,500.00
    EXPECT_GT(b.count({41, N}, isInk), 10);
}

TEST(BreakevenPicture, labels_run_over_their_empty_neighbours_and_text_stands_on_the_cell_bottom) {
    const Breakeven& b = breakeven();
    EXPECT_GT(b.count({6, D}, isInk), 20);   // "Sales volume per period (units)" from C6
    EXPECT_EQ(b.count({25, D}, isInk), 0);   // "Rent" fits its own cell
    EXPECT_GT(b.count({33, F}, isInk), 20);  // the break-even point, 694
    const QRect title = b.geometry().interiorRect({1, B});  // "Breakeven Analysis" in an 82-pixel row
    EXPECT_EQ(countPixels(b.picture, title.adjusted(0, 0, 0, -title.height() / 2), isInk), 0);
    EXPECT_GT(countPixels(b.picture, title.adjusted(0, title.height() / 2, 0, 0), isAbout(kDarkBlue, 40)), 100);
}

TEST(BreakevenPicture, both_pies_lie_at_their_shapes_with_slices_in_distinct_colours) {
    const Breakeven& b = breakeven();
    const spreadsheet::model::Palette palette;
    // 420 points from the sheet's left edge, 50 and 300 from its top, 300 by 200 points.
    const QRect first(b.geometry().sheetOrigin() + QPoint(560, 67), QSize(400, 267));
    const QRect second = first.translated(0, 333);
    for (size_t slice = 0; slice < 2; ++slice)
        EXPECT_GT(countPixels(b.picture, first, isAbout(chartFillColor(palette, slice), 4)), 500) << slice;
    for (size_t slice = 0; slice < 5; ++slice)
        EXPECT_GT(countPixels(b.picture, second, isAbout(chartFillColor(palette, slice), 4)), 100) << slice;
    EXPECT_TRUE(pixelNear(b.picture, {first.left(), first.center().y()}, kWhite, 0));  // no outline
}

TEST(BreakevenPicture, the_first_pie_spans_most_of_its_chart_height) {
    const Breakeven& b = breakeven();
    const spreadsheet::model::Palette palette;
    const QRect first(b.geometry().sheetOrigin() + QPoint(560, 67), QSize(400, 267));
    QRect disc;  // runs of slice colour longer than a key square belong to the pie
    for (int y = first.top(); y <= first.bottom(); ++y)
        for (int x = first.left(), run = 0; x <= first.right(); ++x) {
            const QColor c = b.picture.pixelColor(x, y);
            run = near(c, chartFillColor(palette, 0), 4) || near(c, chartFillColor(palette, 1), 4) ? run + 1 : 0;
            if (run >= 10) disc |= QRect(x - run + 1, y, run, 1);
        }
    EXPECT_GE(disc.height(), 0.45 * first.height());
    EXPECT_NEAR(disc.width(), disc.height(), 4);  // round, not cut by the chart's edge
    EXPECT_TRUE(first.contains(disc));
}

TEST(BreakevenPicture, every_pie_label_has_a_place_inside_its_chart_clear_of_the_others) {
    const Breakeven& b = breakeven();
    ASSERT_EQ(b.sheet().shapes().size(), 2u);
    for (const spreadsheet::model::Shape& shape : b.sheet().shapes()) {
        SCOPED_TRACE(shape.name);
        const QRect area(b.geometry().sheetOrigin() + QPoint(pixelsFromPoints(shape.bounds.left), pixelsFromPoints(shape.bounds.top)),
                         QSize(pixelsFromPoints(shape.bounds.width), pixelsFromPoints(shape.bounds.height)));
        const ChartData data = readChartData(b.document->workbook, b.document->evaluator, shape.chart);
        const PieLayout layout = layoutPieChart(area, shape.chart, data, b.document->workbook.palette());
        ASSERT_EQ(layout.labels.size(), data.series.at(0).values.size());
        for (const auto& label : layout.labels) EXPECT_TRUE(label.has_value());
        expectTidyPieLayout(layout, area);
        EXPECT_GE(2 * layout.radius, 0.45 * area.height());
    }
}
