// Charts as a client drives them: adding, placing with Location, the members
// that style a chart, the shapes of a worksheet, moving sheets, and the
// selection passing between chart elements and cells.
#include "object_test_support.h"

#include "recording_object.h"
#include "spreadsheet/model/a1_notation.h"
#include "spreadsheet/objects/application.h"

#include <cmath>
#include <limits>

using namespace object_tests;
using automation::NamedArgs;
using spreadsheet::model::Chart;
using spreadsheet::model::Workbook;

namespace {

// An instance whose workbook is cut down to one sheet, "Data", holding labels
// in A2:A3 and numbers in B2:B3, as a chart source.
struct ChartInstance : Instance {
    ChartInstance() {
        const ObjectRef sheets = app->get("Sheets").toObject();
        while (sheets->get("Count").toI4() > 1) sheets->get("Item", {int16_t{2}}).toObject()->call("Delete");
        sheets->get("Item", {int16_t{1}}).toObject()->put("Name", "Data");
        write("A2", "North");
        write("A3", "South");
        write("B2", "3");
        write("B3", "4");
    }

    Workbook& book() {
        return dynamic_cast<spreadsheet::objects::Application&>(*app).state()->activeWorkbook->workbook;
    }
    ObjectRef sheet(const char* name) { return app->get("Sheets", {name}).toObject(); }
    // A range of Data, whichever sheet is active.
    ObjectRef cells(const char* address) { return sheet("Data")->get("Range", {address}).toObject(); }
    ObjectRef activeChart() { return app->get("ActiveChart").toObject(); }
    std::string activeSheetName() { return automation::member(app, "ActiveSheet")->get("Name").toString(); }
    std::string selectionType() { return automation::member(app, "Selection")->typeName(); }
    std::vector<std::string> sheetNames() {
        std::vector<std::string> out;
        for (int i = 0; i < book().sheetCount(); ++i) out.push_back(book().sheet(i).name());
        return out;
    }

    // Charts.Add, then the chart given a pie of A2:B3 and embedded in Data.
    ObjectRef embeddedPie() {
        const ObjectRef chart = automation::member(app, "Charts")->call("Add").toObject();
        chart->put("ChartType", int32_t{5});
        chart->call("SetSourceData", {}, NamedArgs{{"Source", Variant(cells("A2:B3"))}, {"PlotBy", int16_t{2}}});
        return chart->call("Location", {}, NamedArgs{{"Where", int16_t{2}}, {"Name", "Data"}}).toObject();
    }
};

}  // namespace

TEST(Charts, add_puts_a_new_chart_sheet_before_the_active_sheet_and_makes_it_active) {
    ChartInstance xl;
    EXPECT_FALSE(xl.app->get("ActiveChart").toObject());  // Nothing before any chart
    const ObjectRef first = automation::member(xl.app, "Charts")->call("Add").toObject();
    EXPECT_EQ(first->typeName(), "Chart");
    EXPECT_EQ(xl.sheetNames(), (std::vector<std::string>{"Chart1", "Data"}));
    EXPECT_EQ(xl.activeSheetName(), "Chart1");
    EXPECT_EQ(xl.activeChart()->get("Name").toString(), "Chart1");
    automation::member(xl.app, "Charts")->call("Add");
    EXPECT_EQ(xl.sheetNames(), (std::vector<std::string>{"Chart2", "Chart1", "Data"}));
    // Sheets holds chart sheets in workbook order; Charts only the chart sheets.
    EXPECT_EQ(xl.app->get("Sheets", {int16_t{3}}).toObject()->typeName(), "Worksheet");
    EXPECT_EQ(xl.app->get("Sheets", {int16_t{2}}).toObject()->get("Index").toI4(), 2);
    EXPECT_EQ(automation::member(xl.app, "Charts")->get("Count").toI4(), 2);
    EXPECT_EQ(failureOf([&] { xl.app->get("Charts", {"Data"}); }),
              "Subscript out of range: there is no chart sheet named \"Data\".");
    // A chart sheet has no cells.
    EXPECT_EQ(failureOf([&] { xl.app->get("Range", {"A1"}); }),
              "Method 'Range' of object 'Application' failed: the active sheet \"Chart2\" is a chart sheet, which has "
              "no cells.");
}

TEST(Charts, location_embeds_a_chart_as_the_newest_shape_and_it_stays_the_active_chart) {
    ChartInstance xl;
    const ObjectRef held = automation::member(xl.app, "Charts")->call("Add").toObject();
    held->put("ChartType", int32_t{5});
    held->call("Location", {}, NamedArgs{{"Where", int16_t{2}}, {"Name", "Data"}});
    EXPECT_EQ(xl.sheetNames(), (std::vector<std::string>{"Data"}));  // the chart sheet is gone
    EXPECT_EQ(xl.activeSheetName(), "Data");
    EXPECT_EQ(held->get("ChartType").toI4(), 5);  // the handle followed its chart
    EXPECT_EQ(held->get("Name").toString(), "Data Chart 1");
    EXPECT_EQ(xl.activeChart()->get("Name").toString(), "Data Chart 1");
    const ObjectRef shape = automation::member(xl.app, "ActiveSheet")->get("Shapes", {int32_t{1}}).toObject();
    EXPECT_EQ(shape->get("Width").toDouble(), 360);  // 5 by 3 inches until told otherwise
    EXPECT_EQ(shape->get("Height").toDouble(), 216);

    // Where 1 takes it out again, onto a chart sheet of that name before its worksheet.
    held->call("Location", {}, NamedArgs{{"Where", int16_t{1}}, {"Name", "Pie"}});
    EXPECT_EQ(xl.sheetNames(), (std::vector<std::string>{"Pie", "Data"}));
    EXPECT_EQ(xl.activeSheetName(), "Pie");
    EXPECT_EQ(xl.activeChart()->get("ChartType").toI4(), 5);
    // On its own sheet already, Where 1 renames the sheet.
    held->call("Location", {int16_t{1}, "Costs"});
    EXPECT_EQ(xl.sheetNames(), (std::vector<std::string>{"Costs", "Data"}));
}

TEST(Charts, a_refused_location_changes_nothing_and_says_why) {
    ChartInstance xl;
    const ObjectRef chart = automation::member(xl.app, "Charts")->call("Add").toObject();
    automation::member(xl.app, "Charts")->call("Add");  // "Chart2", a chart sheet
    const struct {
        Variant where;
        Variant name;
        const char* problem;
    } refused[] = {
        {int16_t{2}, "Nowhere", "there is no sheet named \"Nowhere\"."},
        {int16_t{2}, "Chart2", "\"Chart2\" is a chart sheet; a chart is embedded only in a worksheet."},
        {int16_t{2}, Variant::missing(), "give the Name of the worksheet to embed the chart in."},
        {int16_t{1}, "data", "The sheet name \"data\" is already taken."},
        {int16_t{1}, "Q1/Q2", "A sheet name cannot contain any of these characters"},
        {int16_t{3}, "Data", "3 is not a place for a chart"},
    };
    for (const auto& row : refused) {
        NamedArgs named{{"Where", row.where}};
        if (!row.name.isMissing()) named.push_back({"Name", row.name});
        const std::string failure = failureOf([&] { chart->call("Location", {}, named); });
        EXPECT_EQ(failure.rfind("Location method of Chart class failed: ", 0), 0u) << failure;
        EXPECT_NE(failure.find(row.problem), std::string::npos) << failure;
    }
    EXPECT_EQ(xl.sheetNames(), (std::vector<std::string>{"Chart2", "Chart1", "Data"}));
    EXPECT_EQ(xl.book().sheet(2).shapes().size(), 0u);
}

TEST(Charts, chart_type_takes_pie_or_line_with_markers_and_refuses_the_rest) {
    ChartInstance xl;
    const ObjectRef chart = automation::member(xl.app, "Charts")->call("Add").toObject();
    chart->put("ChartType", int32_t{5});
    EXPECT_EQ(chart->get("ChartType"), Variant(int32_t{5}));
    chart->put("ChartType", int16_t{65});
    EXPECT_EQ(chart->get("ChartType"), Variant(int32_t{65}));
    EXPECT_EQ(failureOf([&] { chart->put("ChartType", int32_t{4}); }),
              "Unable to set the ChartType property of the Chart class: 4 is not a chart type this spreadsheet draws "
              "(5 pie, 65 line with markers)");
    EXPECT_EQ(chart->get("ChartType"), Variant(int32_t{65}));
}

TEST(Charts, set_source_data_reads_series_from_a_range_passed_through_a_wrapper) {
    ChartInstance xl;
    const ObjectRef chart = automation::member(xl.app, "Charts")->call("Add").toObject();
    // The client holds the range through a wrapper of its own, as a recording client does.
    const ObjectRef wrapped = testing_support::recordCalls(xl.cells("A2:B3"), std::make_shared<testing_support::CallLog>(), "R");
    chart->call("SetSourceData", {}, NamedArgs{{"Source", Variant(wrapped)}, {"PlotBy", int16_t{2}}});
    const Chart& model = *xl.book().sheet(0).chart();
    ASSERT_EQ(model.series.size(), 1u);
    EXPECT_EQ(model.series[0].values.sheet, "Data");
    EXPECT_EQ(model.series[0].values.areas, spreadsheet::model::parseA1("B2:B3").value());
    EXPECT_EQ(model.series[0].categories->areas, spreadsheet::model::parseA1("A2:A3").value());

    const std::string failed = "SetSourceData method of Chart class failed: ";
    EXPECT_EQ(failureOf([&] { chart->call("SetSourceData", {"A2:B3"}); }), failed + "Source must be a range of cells.");
    EXPECT_EQ(failureOf([&] {
                  chart->call("SetSourceData", {}, NamedArgs{{"Source", Variant(wrapped)}, {"PlotBy", int16_t{3}}});
              }),
              failed + "PlotBy is 1 (rows) or 2 (columns), not 3.");
    EXPECT_EQ(xl.book().sheet(0).chart()->series.size(), 1u);  // kept
}

TEST(Charts, titles_and_axes_exist_only_while_the_chart_has_them) {
    ChartInstance xl;
    const ObjectRef chart = automation::member(xl.app, "Charts")->call("Add").toObject();
    EXPECT_EQ(failureOf([&] { chart->get("ChartTitle"); }),
              "Unable to get the ChartTitle property: the chart has no title; set HasTitle to True first.");
    chart->put("HasTitle", true);
    const ObjectRef title = chart->get("ChartTitle").toObject();
    automation::member(title, "Characters")->put("Text", "Costs");
    EXPECT_EQ(title->get("Text").toString(), "Costs");
    EXPECT_NE(failureOf([&] { title->put("Text", std::string(256, 'x')); }), "");
    chart->put("HasTitle", false);  // a handle taken while it showed cannot bring it back
    EXPECT_EQ(failureOf([&] { title->put("Text", "Late"); }), "The chart title has been removed (HasTitle is False).");

    const ObjectRef value = chart->get("Axes", {int16_t{2}, int16_t{1}}).toObject();
    EXPECT_NE(failureOf([&] { automation::member(value, "AxisTitle"); }), "");
    EXPECT_NE(failureOf([&] { automation::member(value, "TickLabels")->put("NumberFormat", "[Purple]0"); }), "");
    const std::string axes = "Axes method of Chart class failed: ";
    EXPECT_EQ(failureOf([&] { chart->get("Axes", {int16_t{3}}); }), axes + "the chart has no axis of type 3.");
    EXPECT_EQ(failureOf([&] { chart->get("Axes", {int16_t{1}, int16_t{2}}); }),
              axes + "the chart has only its primary axes (AxisGroup 1).");
    chart->put("ChartType", int32_t{5});
    EXPECT_EQ(failureOf([&] { chart->get("Axes", {int16_t{1}}); }), axes + "a pie chart has no axes.");
}

TEST(Charts, data_labels_start_from_their_type_and_take_each_flag_given) {
    ChartInstance xl;
    const ObjectRef chart = automation::member(xl.app, "Charts")->call("Add").toObject();
    const spreadsheet::model::DataLabels& labels = xl.book().sheet(0).chart()->dataLabels;
    chart->call("ApplyDataLabels", {}, NamedArgs{{"LegendKey", true}, {"ShowPercentage", true}});
    EXPECT_TRUE(labels.legendKey && labels.showPercentage);
    EXPECT_TRUE(labels.showValue);  // the type left out shows values
    chart->call("ApplyDataLabels", {int16_t{-4142}});
    EXPECT_FALSE(labels.shown());
    EXPECT_EQ(failureOf([&] { chart->call("ApplyDataLabels", {int16_t{9}}); }),
              "ApplyDataLabels method of Chart class failed: 9 is not a kind of data label.");
    EXPECT_NE(failureOf([&] { chart->call("ApplyDataLabels", {}, NamedArgs{{"Separator", ";"}}); }), "");
}

TEST(Charts, selection_follows_chart_elements_and_returns_to_cells) {
    ChartInstance xl;
    xl.embeddedPie();
    EXPECT_EQ(xl.selectionType(), "Range");  // embedding selects no element
    automation::member(xl.app, "ActiveChart", "ChartArea")->call("Select");
    EXPECT_EQ(xl.selectionType(), "ChartArea");
    automation::member(xl.app, "Selection", "Border")->put("LineStyle", int16_t{0});
    automation::member(xl.app, "ActiveChart", "Legend")->call("Select");
    EXPECT_EQ(xl.selectionType(), "Legend");
    automation::member(xl.app, "Selection", "Border")->put("LineStyle", int16_t{-4115});
    EXPECT_EQ(failureOf([&] { automation::member(xl.app, "Selection", "Border")->put("LineStyle", int16_t{7}); }),
              "Unable to set the LineStyle property of the Border class: 7 is not a line style a chart element can have");

    const Chart& pie = xl.book().sheet(0).shapes()[0].chart;
    EXPECT_EQ(pie.chartAreaBorder.lineStyle, spreadsheet::model::LineStyle::None);
    EXPECT_EQ(pie.legend.border.lineStyle, spreadsheet::model::LineStyle::Dash);

    xl.range("C5")->call("Select");
    EXPECT_EQ(xl.selectionType(), "Range");
    EXPECT_FALSE(xl.app->get("ActiveChart").toObject());
    const ObjectRef pieHandle = automation::member(xl.app, "ActiveSheet")->get("Shapes", {int32_t{1}}).toObject();
    EXPECT_EQ(pieHandle->typeName(), "Shape");

    // A chart sheet answers its chart area until an element is selected; a
    // worksheet selected again answers its cells.
    const ObjectRef line = automation::member(xl.app, "Charts")->call("Add").toObject();
    EXPECT_EQ(xl.selectionType(), "ChartArea");
    automation::member(line, "Legend")->call("Select");
    EXPECT_EQ(xl.selectionType(), "Legend");
    xl.sheet("Data")->call("Select");
    EXPECT_EQ(xl.selectionType(), "Range");
    EXPECT_EQ(failureOf([&] { automation::member(line, "ChartArea")->call("Select"); }),
              "Select method of ChartArea class failed: its chart is not the active chart.");
    xl.sheet("Chart2")->call("Select");
    EXPECT_EQ(xl.activeChart()->get("Name").toString(), "Chart2");
    EXPECT_EQ(xl.selectionType(), "ChartArea");
}

TEST(Charts, shapes_are_placed_in_points_within_limits) {
    ChartInstance xl;
    xl.embeddedPie();
    xl.embeddedPie();
    const ObjectRef shapes = automation::member(xl.app, "ActiveSheet", "Shapes");
    EXPECT_EQ(shapes->get("Count").toI4(), 2);
    const ObjectRef newest = shapes->get("Item", {int32_t{2}}).toObject();
    EXPECT_EQ(newest->get("Name").toString(), "Chart 2");
    newest->put("Top", int16_t{300});
    newest->put("Left", int16_t{420});
    newest->put("Width", 300.5);
    EXPECT_EQ(newest->get("Top"), Variant(300.0));
    EXPECT_EQ(shapes->get("Item", {"chart 2"}).toObject()->get("Width"), Variant(300.5));
    EXPECT_EQ(xl.book().sheet(0).shapes()[1].bounds, (spreadsheet::model::ShapeBounds{300, 420, 300.5, 216}));

    const std::string top = "Unable to set the Top property of the Shape class: ";
    EXPECT_EQ(failureOf([&] { newest->put("Top", int16_t{-1}); }), top + "-1 is not between 0 and 100000 points");
    EXPECT_EQ(failureOf([&] { newest->put("Width", 10000.5); }),
              "Unable to set the Width property of the Shape class: 10000.5 is not between 0 and 10000 points");
    EXPECT_NE(failureOf([&] { newest->put("Height", std::numeric_limits<double>::quiet_NaN()); }), "");
    EXPECT_EQ(failureOf([&] { shapes->get("Item", {int32_t{3}}); }),
              "The index into the specified collection is out of bounds: the sheet \"Data\" has 2 shapes, and no "
              "shape number 3.");
    // A chart sheet has no shapes: the newest of none is refused.
    automation::member(xl.app, "Charts")->call("Add");
    const ObjectRef none = automation::member(xl.app, "ActiveSheet", "Shapes");
    EXPECT_EQ(none->get("Count").toI4(), 0);
    EXPECT_NE(failureOf([&] { none->get("Item", {int32_t{0}}); }), "");
}

TEST(Charts, sheets_move_before_or_after_another_of_their_workbook) {
    ChartInstance xl;
    automation::member(xl.app, "Charts")->call("Add");
    automation::member(xl.app, "Charts")->call("Add");  // Chart2, Chart1, Data
    xl.sheet("Chart2")->call("Move", {}, NamedArgs{{"After", Variant(xl.app->get("Sheets", {int16_t{3}}))}});
    EXPECT_EQ(xl.sheetNames(), (std::vector<std::string>{"Chart1", "Data", "Chart2"}));
    xl.sheet("Data")->call("Move", {Variant(xl.sheet("Chart1"))});  // Before, by position
    EXPECT_EQ(xl.sheetNames(), (std::vector<std::string>{"Data", "Chart1", "Chart2"}));
    xl.sheet("Chart1")->call("Move", {}, NamedArgs{{"After", Variant(xl.sheet("Chart1"))}});  // after itself: stays
    EXPECT_EQ(xl.sheetNames(), (std::vector<std::string>{"Data", "Chart1", "Chart2"}));
    EXPECT_EQ(xl.activeSheetName(), "Chart2");  // moving keeps the active sheet

    const std::string failed = "Move method of Chart class failed: ";
    EXPECT_EQ(failureOf([&] { xl.sheet("Chart1")->call("Move"); }), failed + "give the sheet to move it Before or After.");
    EXPECT_EQ(failureOf([&] {
                  xl.sheet("Chart1")->call("Move", {Variant(xl.sheet("Data")), Variant(xl.sheet("Data"))});
              }),
              failed + "give Before or After, not both.");
    EXPECT_EQ(failureOf([&] { xl.sheet("Chart1")->call("Move", {}, NamedArgs{{"After", int16_t{2}}}); }),
              failed + "After must be a sheet.");
}

// Both ways to a chart sheet give it a landscape page, read back through
// PageSetup as a client sees it; the worksheet keeps its portrait one.
TEST(Charts, a_new_chart_sheet_prints_landscape_whichever_way_it_is_made) {
    ChartInstance xl;
    const auto orientationOf = [&](const char* sheet) {
        return xl.sheet(sheet)->get("PageSetup").toObject()->get("Orientation").toI4();
    };
    automation::member(xl.app, "Charts")->call("Add");
    EXPECT_EQ(orientationOf("Chart1"), 2);
    const ObjectRef pie = xl.embeddedPie();
    pie->call("Location", {}, NamedArgs{{"Where", int16_t{1}}, {"Name", "Pie"}});
    EXPECT_EQ(orientationOf("Pie"), 2);
    EXPECT_EQ(orientationOf("Data"), 1);
}
