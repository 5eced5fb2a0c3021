// Where a pie and its data labels go in the room a chart leaves for its plot,
// worked out without painting. The pie sits in the middle of the room and
// takes most of its smaller side. Each label starts just outside its slice at
// the slice's middle angle, on the side the slice faces; a label that would
// run into another label, over the pie or out of the room moves along the
// pie's rim or outward, to the nearest place that is free. A label that ends
// up beside another slice, or pushed out from the rim, gets a leader line
// from its slice's rim; no label goes where a leader would cross another
// label or the pie. When labels find no room the pie shrinks, down to
// half its size; a label with no room even then is left out.
//
//   PieLayout layout = layoutPie(room, {{0, 219.6, {70, 15}}, {219.6, 140.4, {70, 15}}});
//   layout.disc();            // the pie's square
//   layout.labels[1]->box;    // the second slice's label
#pragma once

#include <QLineF>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <optional>
#include <vector>

namespace spreadsheet::render {

struct PieSliceShape {
    double start = 0;  // degrees clockwise from twelve o'clock
    double sweep = 0;
    QSize label;       // the data label's size; empty: the slice has no label
};

struct PieLabelPlace {
    QRect box;
    std::optional<QLineF> leader;  // from the slice's rim to the box, for a label away from its slice
};

struct PieLayout {
    QPointF centre;
    double radius = 0;
    std::vector<std::optional<PieLabelPlace>> labels;  // one per slice; nullopt: no label, or no room

    QRectF disc() const { return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius}; }
};

PieLayout layoutPie(const QRect& room, const std::vector<PieSliceShape>& slices);

}  // namespace spreadsheet::render
