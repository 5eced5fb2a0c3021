// The selection and flag rules of the formatting primitives that the breakeven
// layout does not exercise: false and Null flags, empty addresses, the border
// drawing order against the parameter order, caller types passed unchanged,
// and where a failing call leaves off. The layout's own tests pin the types
// it passes and the selection each primitive works on.
#include "automation/automation_error.h"
#include "failing_object.h"
#include "recording_object.h"
#include "report/formatting_primitives.h"
#include "scriptable_object.h"

#include <array>
#include <functional>
#include <gtest/gtest.h>

using automation::Variant;
using report_testing::ScriptableObject;

namespace {

using Lines = std::vector<std::string>;

// Every call, property reads included, that one use of a primitive makes.
Lines callsOf(const std::function<void(const automation::ObjectRef&)>& use) {
    auto log = std::make_shared<testing_support::CallLog>();
    use(testing_support::recordCalls(std::make_shared<ScriptableObject>(), log, "Application"));
    return log->lines();
}

const Variant kNull = Variant::null();
const Variant yes(true);
const Variant no(false);

// One SetBorders use in short: "select" when it selects a range, then the index
// of each border drawn, in order. Every border must get the one colour, 11.
Lines drawBorders(const Variant& address, const std::array<Variant, 6>& flags) {
    Lines run;
    for (const std::string& line : callsOf([&](auto app) {
             report::SetBorders(app, address, flags[0], flags[1], flags[2], flags[3], flags[4], flags[5],
                                Variant(int16_t{11}));
         })) {
        if (line.starts_with("call Application.Range(")) run.push_back("select");
        const auto index = line.find("Borders(I4(");
        if (index != std::string::npos && line.ends_with(".LineStyle = I4(1)"))
            run.push_back(line.substr(index + 11, line.find(')', index) - index - 11));
        if (line.find(".ColorIndex = ") != std::string::npos) {
            EXPECT_TRUE(line.ends_with("= I2(11)")) << line;
        }
    }
    return run;
}

}  // namespace

TEST(WriteCell, writes_through_the_active_cell_and_merges_only_on_a_true_flag) {
    const Lines written = {"get Application.Range(BSTR(\"B2:C3\"))", "call Application.Range(BSTR(\"B2:C3\")).Select()",
                           "get Application.ActiveCell", "put Application.ActiveCell.FormulaR1C1 = BSTR(\"=R[-1]C\")"};
    Lines merged = written;
    merged.insert(merged.end(), {"get Application.Selection", "call Application.Selection.Merge()"});
    for (const Variant& flag : {yes, Variant(int16_t{-1})})
        EXPECT_EQ(callsOf([&](auto app) { report::WriteCell(app, "B2:C3", "=R[-1]C", flag); }), merged);
    for (const Variant& flag : {no, kNull, Variant()})
        EXPECT_EQ(callsOf([&](auto app) { report::WriteCell(app, "B2:C3", "=R[-1]C", flag); }), written)
            << flag.describe();
}

TEST(SetFont, passes_style_size_and_colour_with_the_callers_types_and_stops_at_a_failing_style) {
    EXPECT_EQ(callsOf([](auto app) { report::SetFont(app, Variant("Bold"), Variant(12.5), Variant(int32_t{2})); }),
              (Lines{"get Application.Selection", "get Application.Selection.Font",
                     "put Application.Selection.Font.FontStyle = BSTR(\"Bold\")",
                     "put Application.Selection.Font.Size = R8(12.5)",
                     "put Application.Selection.Font.ColorIndex = I4(2)"}));

    auto excel = std::make_shared<ScriptableObject>();
    const auto app = testing_support::failCalls(excel, {.failAtCall = 0, .failMember = "FontStyle", .description = "No"});
    EXPECT_THROW(report::SetFont(app, Variant("Bold"), Variant(int16_t{12}), Variant(int16_t{2})),
                 automation::AutomationError);
    const auto font = excel->child("Selection")->child("Font");
    EXPECT_FALSE(font->putValue("Size"));
    EXPECT_FALSE(font->putValue("ColorIndex"));
}

TEST(FillAndNumberFormat, an_empty_or_null_address_formats_the_current_selection_and_selects_nothing) {
    for (const Variant& none : {Variant(""), kNull, Variant()}) {
        EXPECT_EQ(callsOf([&](auto app) { report::SetInteriorColor(app, none, Variant(int16_t{15})); }),
                  (Lines{"get Application.Selection", "get Application.Selection.Interior",
                         "put Application.Selection.Interior.ColorIndex = I2(15)"}))
            << none.describe();
        EXPECT_EQ(callsOf([&](auto app) { report::SetNumberFormat(app, none, Variant("#")); }),
                  (Lines{"get Application.Selection", "put Application.Selection.NumberFormat = BSTR(\"#\")"}))
            << none.describe();
    }
}

TEST(SetBorders, draws_left_top_bottom_right_inside_horizontal_inside_vertical_for_true_flags_only) {
    // Parameters: inside horizontal, left, right, top, bottom, inside vertical.
    EXPECT_EQ(drawBorders(Variant("D35:N41"), {yes, yes, yes, yes, yes, yes}),
              (Lines{"select", "7", "8", "9", "10", "12", "11"}));
    EXPECT_EQ(drawBorders(Variant("F5:F6"), {yes, no, yes, no, no, no}), (Lines{"select", "10", "12"}));
    EXPECT_EQ(drawBorders(Variant("F5:F6"), {no, no, no, yes, no, yes}), (Lines{"select", "8", "11"}));
    EXPECT_EQ(drawBorders(Variant("G7:G7"), {kNull, kNull, yes, kNull, kNull, kNull}), (Lines{"select", "10"}));
    EXPECT_EQ(drawBorders(Variant("G7:G7"), {no, no, no, no, no, no}), (Lines{"select"}));
    EXPECT_EQ(drawBorders(Variant(""), {no, yes, no, no, no, no}), (Lines{"7"}));
}
