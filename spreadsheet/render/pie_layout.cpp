// Laying out a pie and its labels so that labels never overlap and stay inside the chart.
#include "spreadsheet/render/pie_layout.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace spreadsheet::render {
namespace {

constexpr int kPlotMargin = 4;            // between the room's edge and the pie
constexpr double kPieShare = 0.8;         // the pie's diameter, of the plot's smaller side
constexpr double kLabelDistance = 6;      // between the rim and a label in its own place
constexpr int kLabelGap = 2;              // kept free between two labels
constexpr double kAngleStep = 3;          // degrees: a label's steps along the rim
constexpr int kAngleSteps = 40;           // either way, so up to 120 degrees from its slice's middle
constexpr double kOutwardStep = 3;        // pixels: a label's steps away from the rim
constexpr double kShrinkStep = 0.05;      // of the first radius, each time the labels find no room
constexpr int kShrinkSteps = 10;          // down to half the first radius

double radians(double degrees) { return degrees * std::numbers::pi / 180; }

// From the centre towards an angle clockwise from twelve o'clock, y growing downwards.
QPointF direction(double degrees) { return {std::sin(radians(degrees)), -std::cos(radians(degrees))}; }

// A label at `distance` from the centre: beside that point on the side it faces, so the label's near
// edge touches the point and the label slides from above it to below it as the direction turns.
QRect labelBox(QPointF centre, double degrees, double distance, QSize size) {
    const QPointF d = direction(degrees);
    const QPointF anchor = centre + d * distance;
    const int left = static_cast<int>(std::floor(anchor.x())) - (d.x() >= 0 ? 0 : size.width());
    const int top = static_cast<int>(std::floor(anchor.y() - size.height() / 2.0 + d.y() * size.height() / 2.0));
    return {left, top, size.width(), size.height()};
}

QPointF nearestPoint(QPointF p, const QRect& box) {
    return {std::clamp(p.x(), double(box.left()), double(box.right() + 1)),
            std::clamp(p.y(), double(box.top()), double(box.bottom() + 1))};
}

bool withinSlice(double degrees, const PieSliceShape& slice) {
    return std::fmod(degrees - slice.start + 720, 360) <= slice.sweep;
}

// A move of a label from its own place: along the rim, then away from it.
struct Shift {
    double degrees = 0;
    double outward = 0;
};

// Every place a label may move to, nearest first; a step along the rim counts the arc it covers.
// Each place's distance is worked out once, not at every comparison of the sort.
std::vector<Shift> shiftsNearestFirst(double labelDistance, double farthestOutward) {
    struct Keyed {
        double cost;
        Shift shift;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(size_t(farthestOutward / kOutwardStep + 1) * (2 * kAngleSteps + 1));
    for (double outward = 0; outward <= farthestOutward; outward += kOutwardStep)
        for (int k = -kAngleSteps; k <= kAngleSteps; ++k) {
            const Shift s{k * kAngleStep, outward};
            keyed.push_back({std::abs(radians(s.degrees)) * labelDistance + s.outward, s});
        }
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) { return a.cost < b.cost; });
    std::vector<Shift> shifts;
    shifts.reserve(keyed.size());
    for (const Keyed& k : keyed) shifts.push_back(k.shift);
    return shifts;
}

struct Pie {
    QRect room;
    QPointF centre;
    double radius = 0;
};

// What the labels placed so far cover.
struct Taken {
    std::vector<QRect> boxes;
    std::vector<QLineF> leaders;
};

bool crosses(const QLineF& line, const QRect& box) {
    const QRectF r = QRectF(box);
    if (r.contains(line.p1()) || r.contains(line.p2())) return true;
    const QLineF edges[] = {{r.topLeft(), r.topRight()}, {r.topRight(), r.bottomRight()},
                            {r.bottomRight(), r.bottomLeft()}, {r.bottomLeft(), r.topLeft()}};
    return std::any_of(std::begin(edges), std::end(edges),
                       [&](const QLineF& edge) { return line.intersects(edge, nullptr) == QLineF::BoundedIntersection; });
}

// Inside the room, off the pie and clear of the labels and leaders already placed.
bool isFree(const Pie& pie, const QRect& box, const Taken& taken) {
    const QPointF near = nearestPoint(pie.centre, box);
    if (!pie.room.contains(box) || std::hypot(near.x() - pie.centre.x(), near.y() - pie.centre.y()) <= pie.radius)
        return false;
    const QRect spaced = box.adjusted(-kLabelGap, -kLabelGap, kLabelGap, kLabelGap);
    return std::none_of(taken.boxes.begin(), taken.boxes.end(), [&](const QRect& t) { return spaced.intersects(t); }) &&
           std::none_of(taken.leaders.begin(), taken.leaders.end(), [&](const QLineF& l) { return crosses(l, spaced); });
}

// A leader leaves the rim outwards (a segment that starts on a circle and heads out never comes back
// into it) and crosses no other label.
bool isFree(const Pie& pie, const QLineF& leader, const Taken& taken) {
    const QPointF out = leader.p2() - leader.p1(), normal = leader.p1() - pie.centre;
    if (out.x() * normal.x() + out.y() * normal.y() < 0) return false;
    return std::none_of(taken.boxes.begin(), taken.boxes.end(), [&](const QRect& t) { return crosses(leader, t); });
}

std::optional<PieLabelPlace> placeLabel(const Pie& pie, const PieSliceShape& slice, const std::vector<Shift>& shifts,
                                        const Taken& taken) {
    const double middle = slice.start + slice.sweep / 2;
    for (const Shift& shift : shifts) {
        const double degrees = middle + shift.degrees;
        const QRect box = labelBox(pie.centre, degrees, pie.radius + kLabelDistance + shift.outward, slice.label);
        if (!isFree(pie, box, taken)) continue;
        PieLabelPlace place{box, std::nullopt};
        // Beside another slice, or pushed off the rim, the label would not say whose it is.
        if (shift.outward > kLabelDistance || !withinSlice(degrees, slice)) {
            const QPointF rim = pie.centre + direction(middle) * pie.radius;
            place.leader = QLineF(rim, nearestPoint(rim, box));
            if (!isFree(pie, *place.leader, taken)) continue;
        }
        return place;
    }
    return std::nullopt;
}

// The labels placed one after another; false when one found no place (and, unless `keepGoing`, the rest
// were not tried).
bool placeLabels(const Pie& pie, const std::vector<PieSliceShape>& slices, bool keepGoing,
                 std::vector<std::optional<PieLabelPlace>>& places) {
    const double farthestOutward = std::min(pie.room.width(), pie.room.height()) / 2.0;
    const std::vector<Shift> shifts = shiftsNearestFirst(pie.radius + kLabelDistance, farthestOutward);
    Taken taken;
    bool complete = true;
    places.assign(slices.size(), std::nullopt);
    for (size_t i = 0; i < slices.size(); ++i) {
        if (slices[i].label.isEmpty()) continue;
        places[i] = placeLabel(pie, slices[i], shifts, taken);
        if (places[i]) {
            taken.boxes.push_back(places[i]->box);
            if (places[i]->leader) taken.leaders.push_back(*places[i]->leader);
        } else {
            complete = false;
            if (!keepGoing) break;
        }
    }
    return complete;
}

}  // namespace

PieLayout layoutPie(const QRect& room, const std::vector<PieSliceShape>& slices) {
    const QRect plot = room.adjusted(kPlotMargin, kPlotMargin, -kPlotMargin, -kPlotMargin);
    const double firstRadius = std::max(0.0, kPieShare * std::min(plot.width(), plot.height()) / 2.0);
    PieLayout layout;
    layout.centre = QRectF(plot).center();
    for (int step = 0; step <= kShrinkSteps; ++step) {
        layout.radius = firstRadius * (1 - kShrinkStep * step);
        if (placeLabels({room, layout.centre, layout.radius}, slices, step == kShrinkSteps, layout.labels)) break;
    }
    return layout;
}

}  // namespace spreadsheet::render
