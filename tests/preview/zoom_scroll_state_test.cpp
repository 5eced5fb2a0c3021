// The preview's arithmetic without widgets: zoom levels and the size limit,
// scroll-bar ranges and steps, the drag clamps and the mouse-up catch-up.
// Sizes are twips; the viewport is 9330 x 7425 outside, 9270 x 7365 inside.
#include "preview/zoom_scroll_state.h"

#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>
#include <vector>

using namespace preview;

namespace {

constexpr std::int32_t px(int pixels) { return pixels * 15; }

// The state after the first display of a snapshot of this size.
ZoomScrollState shown(TwipSize snapshot) {
    ZoomScrollState s;
    s.prepareFirstDisplay(snapshot);
    s.RedrawImage();
    s.InitScrollbars();
    return s;
}

// A zoom button: nothing when the step is dropped, else what RedrawImage did.
std::optional<Redraw> changeZoom(ZoomScrollState& s, std::int32_t direction) {
    if (!s.acceptZoom(s.zoomAfterStep(direction))) return std::nullopt;
    return s.RedrawImage();
}

// A picture of this size placed directly, with its bars set up.
ZoomScrollState withPicture(std::int32_t width, std::int32_t height, float left = 0, float top = 0) {
    ZoomScrollState s;
    s.picture = {-50, -50, width, height};
    s.InitScrollbars();
    s.picture.left = left;
    s.picture.top = top;
    return s;
}

}  // namespace

TEST(ZoomSteps, ten_quarter_levels_and_nothing_beyond_either_end) {
    ZoomScrollState s = shown({px(100), px(100)});  // base 1498: every level fits
    for (float zoom : {1.25f, 1.5f, 1.75f, 2.0f, 2.25f, 2.5f}) {
        EXPECT_EQ(changeZoom(s, 0), Redraw::Repainted);
        EXPECT_EQ(s.mZoom, zoom);
    }
    EXPECT_EQ(s.picture.width, 3745);
    EXPECT_EQ(changeZoom(s, 0), std::nullopt);  // Zoom In at 2.5: dropped, no repaint
    EXPECT_EQ(s.mZoom, 2.5f);
    for (int i = 0; i < 9; ++i) changeZoom(s, 1);
    EXPECT_EQ(s.mZoom, 0.25f);
    EXPECT_EQ(s.picture.width, 374);  // 374.5 rounded down
    EXPECT_EQ(changeZoom(s, 1), std::nullopt);
    EXPECT_EQ(s.mZoom, 0.25f);
}

TEST(ZoomLimit, a_step_reaching_the_limit_keeps_the_old_picture_and_resets_to_1) {
    // 10160 x 1.25 is 12700 wide, 9360 x 1.25 is 11700 high; one twip less is shown.
    for (auto [snapshot, refused] : std::vector<std::pair<TwipSize, bool>>{
             {{10162, 3000}, true}, {{10161, 3000}, false}, {{3000, 9362}, true}, {{3000, 9361}, false}}) {
        ZoomScrollState s = shown(snapshot);
        EXPECT_EQ(changeZoom(s, 0), refused ? Redraw::Refused : Redraw::Repainted) << snapshot.width;
        EXPECT_EQ(s.mZoom, refused ? 1.0f : 1.25f);
    }
    ZoomScrollState s = shown({px(600), px(300)});  // base 8998 x 4498
    changeZoom(s, 0);
    s.scrollBarChanged(Axis::Horizontal, 5);
    EXPECT_EQ(changeZoom(s, 0), Redraw::Refused);  // 1.5 gives 13497
    EXPECT_EQ(s.mZoomWidth, 8998);
    EXPECT_EQ(s.picture.width, 11247);  // the 1.25 picture stays on screen
    EXPECT_EQ(s.hScroll.value, 5);      // and the bars are untouched
    EXPECT_EQ(changeZoom(s, 0), Redraw::Repainted);
    EXPECT_EQ(s.mZoom, 1.25f);
}

TEST(ZoomLimit, a_base_already_at_the_limit_shows_unscaled_and_only_smaller_factors_repaint) {
    for (TwipSize snapshot : {TwipSize{12702, 3000}, TwipSize{3000, 11702}}) {
        ZoomScrollState s;
        s.prepareFirstDisplay(snapshot);
        EXPECT_EQ(s.RedrawImage(), Redraw::Refused);
        EXPECT_EQ(s.picture.width, snapshot.width);  // as the driver loaded it
        EXPECT_EQ(changeZoom(s, 0), Redraw::Refused);
        EXPECT_EQ(changeZoom(s, 1), Redraw::Repainted);
        EXPECT_EQ(s.mZoom, 0.75f);
    }
    // Even 0.75 is 13498 wide: Zoom Out passes over it to 0.5, and on to 0.25,
    // instead of being refused and reset to 1.0 at every click.
    ZoomScrollState sheet = shown({px(1200), px(700)});
    EXPECT_EQ(changeZoom(sheet, 1), Redraw::Repainted);
    EXPECT_EQ(sheet.mZoom, 0.5f);
    EXPECT_EQ(sheet.picture.width, 8999);  // half of the base, 17998
    EXPECT_EQ(changeZoom(sheet, 1), Redraw::Repainted);
    EXPECT_EQ(sheet.mZoom, 0.25f);
    EXPECT_EQ(changeZoom(sheet, 1), std::nullopt);  // nothing below 0.25
    // Zoom In: 0.5 is fine; 0.75 is too large, and the picture comes back as
    // loaded at 1.0 rather than staying small under a zoom of 1.0.
    EXPECT_EQ(changeZoom(sheet, 0), Redraw::Repainted);
    EXPECT_EQ(sheet.picture.width, 8999);
    EXPECT_EQ(changeZoom(sheet, 0), Redraw::Repainted);
    EXPECT_EQ(sheet.mZoom, 1.0f);
    EXPECT_EQ(sheet.picture.width, 17998);
    EXPECT_EQ(changeZoom(sheet, 0), Redraw::Refused);  // 1.25: the picture as loaded stays
    EXPECT_EQ(sheet.mZoom, 1.0f);
}

TEST(ScrollRanges, a_picture_no_larger_than_the_viewport_has_dead_bars) {
    // Smaller; exactly the outer size; between inner and outer size.
    for (TwipSize snapshot : {TwipSize{px(400), px(300)}, TwipSize{9332, 7427}, TwipSize{9302, 7397}}) {
        ZoomScrollState s = shown(snapshot);
        for (Axis axis : {Axis::Horizontal, Axis::Vertical}) {
            EXPECT_FALSE(s.bar(axis).enabled) << snapshot.width;
            EXPECT_EQ(s.step(axis), 0);
            EXPECT_EQ(s.bar(axis).maximum, ScrollBarState::kDesignMaximum);
            s.scrollBarChanged(axis, 500);
        }
        EXPECT_EQ(s.picture.left, 0);  // step 0: a change never moves the picture
        EXPECT_EQ(s.picture.top, 0);
    }
}

TEST(ScrollRanges, overflow_up_to_100_twips_steps_by_one_and_beyond_by_ten) {
    struct Row { std::int32_t overflow; std::int16_t maximum; std::int16_t step; };
    const std::vector<Row> rows = {{1, 1, 1},     {100, 100, 1},   {101, 10, 10},   {105, 10, 10},
                                   {115, 12, 10}, {3075, 308, 10}, {3085, 308, 10}, {40000, 4000, 10}};
    for (const Row& row : rows) {
        ZoomScrollState s = withPicture(9330 + row.overflow, 7425 + row.overflow, -1, -1);
        s.InitScrollbars();
        for (Axis axis : {Axis::Horizontal, Axis::Vertical}) {
            EXPECT_TRUE(s.bar(axis).enabled);
            EXPECT_EQ(s.bar(axis).maximum, row.maximum) << row.overflow;  // halves to even
            EXPECT_EQ(s.step(axis), row.step) << row.overflow;
        }
        EXPECT_EQ(s.picture.left, 0);
    }
    ZoomScrollState wide = withPicture(9330 + 40000, 1000);
    wide.scrollBarChanged(Axis::Horizontal, 4000);
    EXPECT_EQ(wide.picture.left, -40000);  // 10 x 4000 is past 16 bits and still exact
    EXPECT_THROW(withPicture(9330 + 400000, 1000), std::overflow_error);  // no 16-bit range
}

TEST(ScrollRanges, after_zooming_the_bars_keep_the_zoom_1_range_and_stand_at_0) {
    ZoomScrollState s = shown({px(650), px(520)});  // overflow 418 x 373: ranges 42 and 37
    s.scrollBarChanged(Axis::Horizontal, 20);
    s.scrollBarChanged(Axis::Vertical, 30);
    ASSERT_EQ(changeZoom(s, 0), Redraw::Repainted);  // 12185 x 9747
    for (Axis axis : {Axis::Horizontal, Axis::Vertical}) {
        EXPECT_EQ(s.bar(axis).value, 0);
        EXPECT_EQ(s.step(axis), 10);
        EXPECT_TRUE(s.bar(axis).enabled);
    }
    EXPECT_EQ(s.hScroll.maximum, 42);
    EXPECT_EQ(s.vScroll.maximum, 37);
    EXPECT_EQ(s.picture.left, 0);
    changeZoom(s, 1);
    changeZoom(s, 1);  // 0.75: 7311 x 5848, inside the viewport
    EXPECT_FALSE(s.hScroll.enabled);
    EXPECT_FALSE(s.vScroll.enabled);
}

TEST(Drag, clamps_at_0_first_and_then_at_the_inner_edge) {
    struct Row { std::int32_t width; float startLeft; float move; float left; };
    const std::vector<Row> rows = {
        {6000, 0, -300, 3270},  // narrower: the right edge goes to the inner right edge
        {6000, 0, 300, 0},      {6000, 3270, -15, 0},  // still right of 0: the first test wins
        {18000, 0, -3000, -3000}, {18000, -8000, -1000, -8730}, {18000, -100, 300, 0},
    };
    for (const Row& row : rows) {
        ZoomScrollState s = withPicture(row.width, 1000, row.startLeft);
        s.mouseDown(4500, 300);
        s.mouseMove(true, 4500 + row.move, 300);
        EXPECT_EQ(s.picture.left, row.left) << row.width << " " << row.startLeft << " " << row.move;
    }
    ZoomScrollState tall = withPicture(1000, 12000);
    tall.mouseDown(300, 4500);
    tall.mouseMove(true, 300, -3000);
    EXPECT_EQ(tall.picture.top, 7365 - 12000);
    EXPECT_FALSE(tall.mouseMove(false, 300, 9000));  // no button held: nothing happens
    EXPECT_EQ(tall.picture.top, 7365 - 12000);
}

TEST(MouseUp, percentages_of_the_outer_overflow_and_the_bar_values_they_give) {
    struct Row { std::int32_t width; float left; std::int16_t percent; };
    const std::vector<Row> rows = {
        {18000, -3000, 35}, {18000, -8730, 101},  // the drag stops at the inner edge: above 100
        {9530, -41, 20},    {9530, -43, 22},      // 20.5 and 21.5 to even
        {6000, 3270, -98},  {9330, 0, 0}, {9330, -60, 0},  // exact fit: 0, not a division by zero
    };
    for (const Row& row : rows)
        EXPECT_EQ(withPicture(row.width, 1000, row.left).mouseUpPercent(Axis::Horizontal), row.percent) << row.left;
    EXPECT_THROW(withPicture(1000, 7426, 0, -400).mouseUpPercent(Axis::Vertical), std::overflow_error);

    struct Value { std::int16_t percent; std::int16_t maximum; std::optional<std::int16_t> value; };
    const std::vector<Value> values = {{-1, 100, std::nullopt}, {0, 100, 0},   {35, 867, 303}, {50, 41, 20},
                                       {50, 43, 22},            {100, 867, 867}, {101, 867, std::nullopt}, {101, 0, 0}};
    for (const Value& v : values) EXPECT_EQ(scrollValueForPercent(v.percent, v.maximum), v.value) << v.percent;
}
