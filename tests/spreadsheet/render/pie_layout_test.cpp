// Where a pie and its data labels go, without painting: the pie large in its
// room, each label beside its own slice while there is room, and however
// crowded, no label over another, over the pie or outside the room; a label
// that had to leave its slice is tied to it by a leader from the rim.
#include "pie_layout_checks.h"
#include "spreadsheet/render/pie_layout.h"

#include <gtest/gtest.h>
#include <cmath>
#include <numbers>

using namespace spreadsheet::render;
using render_testing::expectTidyPieLayout;

namespace {

const QSize kLabel(70, 15);  // "4.90; 39%" with its key, in the 10-point chart font

// Slices for the given values, each but an empty one with a label of kLabel's size.
std::vector<PieSliceShape> slicesOf(const std::vector<double>& values) {
    double total = 0;
    for (double v : values) total += v;
    std::vector<PieSliceShape> slices;
    double start = 0;
    for (double v : values) {
        slices.push_back({start, v / total * 360, v > 0 ? kLabel : QSize()});
        start += v / total * 360;
    }
    return slices;
}

QPointF towards(double degrees) {
    const double r = degrees * std::numbers::pi / 180;
    return {std::sin(r), -std::cos(r)};
}

}  // namespace

TEST(PieLayout, in_a_roomy_plot_the_pie_takes_most_of_the_smaller_side_and_labels_sit_beside_their_slices) {
    const QRect room(10, 20, 600, 400);
    const PieLayout layout = layoutPie(room, slicesOf({7.6, 4.9}));
    EXPECT_GE(2 * layout.radius, 0.75 * room.height());
    expectTidyPieLayout(layout, room);
    ASSERT_EQ(layout.labels.size(), 2u);
    ASSERT_TRUE(layout.labels[0] && layout.labels[1]);
    // 61 % from twelve o'clock: its middle at 110 degrees, right of the pie; the other's at 290, left.
    EXPECT_GT(layout.labels[0]->box.left(), layout.centre.x());
    EXPECT_LT(layout.labels[1]->box.right(), layout.centre.x());
    for (const auto& label : layout.labels) {
        EXPECT_FALSE(label->leader);
        const QPointF centre = QRectF(label->box).center() - layout.centre;
        EXPECT_LT(std::hypot(centre.x(), centre.y()), layout.radius + 50);  // close to the rim
    }
}

TEST(PieLayout, crowded_labels_stay_apart_off_the_pie_and_inside_the_room) {
    struct Case {
        const char* name;
        QRect room;
        std::vector<PieSliceShape> slices;
        size_t leastPlaced;  // labels that must find a place
    };
    std::vector<double> eightSmall(8, 1.0), sixteenSmall(16, 1.0);
    eightSmall.insert(eightSmall.begin(), 24.0);      // one 75 % slice, then eight of about 3 %
    sixteenSmall.insert(sixteenSmall.begin(), 24.0);  // one 60 % slice, then sixteen of 2.5 %
    const std::vector<Case> cases = {
        // The rooms the breakeven sheet's charts leave for their pies.
        {"two slices, first breakeven chart", QRect(8, 35, 224, 224), slicesOf({7.6, 4.9}), 2},
        {"five slices, second breakeven chart", QRect(8, 35, 190, 224), slicesOf({2, 2.5, 1.1, 0.8, 1.2}), 5},
        {"one slice at 100 %", QRect(0, 0, 224, 224), slicesOf({5}), 1},
        {"one slice and empty ones", QRect(0, 0, 224, 224), slicesOf({0, 5, 0}), 1},
        {"many small slices", QRect(8, 35, 224, 224), slicesOf(eightSmall), 9},
        {"twenty equal slices", QRect(8, 35, 300, 224), slicesOf(std::vector<double>(20, 1.0)), 20},
        // Sixteen labels crowd 144 degrees of rim: some find no place, and those that do keep apart.
        {"a crowd of thin slices", QRect(8, 35, 300, 224), slicesOf(sixteenSmall), 8},
        {"no room at all", QRect(0, 0, 6, 6), slicesOf({1, 2}), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PieLayout layout = layoutPie(c.room, c.slices);
        ASSERT_EQ(layout.labels.size(), c.slices.size());
        expectTidyPieLayout(layout, c.room);
        size_t placed = 0;
        for (size_t i = 0; i < c.slices.size(); ++i) {
            if (c.slices[i].label.isEmpty()) {
                EXPECT_FALSE(layout.labels[i]) << i;
            }
            placed += layout.labels[i] ? 1 : 0;
        }
        EXPECT_GE(placed, c.leastPlaced);
    }
}

TEST(PieLayout, a_slice_without_a_label_takes_no_room) {
    std::vector<PieSliceShape> slices = slicesOf({1, 1});
    slices[1].label = QSize();
    const PieLayout layout = layoutPie(QRect(0, 0, 300, 200), slices);
    EXPECT_TRUE(layout.labels[0]);
    EXPECT_FALSE(layout.labels[1]);
}

TEST(PieLayout, a_label_pushed_away_from_its_slice_has_a_leader_from_the_slice_rim_to_the_label) {
    std::vector<double> values(12, 1.0);
    values.insert(values.begin(), 60.0);  // twelve thin slices crowd the upper left
    const std::vector<PieSliceShape> slices = slicesOf(values);
    const PieLayout layout = layoutPie(QRect(0, 0, 400, 260), slices);
    int leaders = 0;
    for (size_t i = 0; i < slices.size(); ++i) {
        if (!layout.labels[i] || !layout.labels[i]->leader) continue;
        ++leaders;
        const QLineF leader = *layout.labels[i]->leader;
        const QPointF rim = layout.centre + towards(slices[i].start + slices[i].sweep / 2) * layout.radius;
        EXPECT_LT(QLineF(leader.p1(), rim).length(), 0.5) << i;
        const QRectF box = QRectF(layout.labels[i]->box);
        const bool onEdge = std::abs(leader.p2().x() - box.left()) < 0.01 || std::abs(leader.p2().x() - box.right()) < 0.01 ||
                            std::abs(leader.p2().y() - box.top()) < 0.01 || std::abs(leader.p2().y() - box.bottom()) < 0.01;
        EXPECT_TRUE(onEdge && box.adjusted(-0.01, -0.01, 0.01, 0.01).contains(leader.p2())) << i;
    }
    EXPECT_GT(leaders, 0);  // twelve 70-pixel labels cannot all stand beside 30 degrees of rim
}
