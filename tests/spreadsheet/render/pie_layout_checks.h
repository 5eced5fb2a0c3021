// What every pie layout must keep to, checked on its rectangles: the pie
// inside the bounds, and each label inside them, off the pie and clear of
// every other label; leaders run outside the pie and over no other label.
#pragma once

#include "spreadsheet/render/pie_layout.h"

#include <QRectF>
#include <cmath>
#include <gtest/gtest.h>

namespace render_testing {

inline double distanceToBox(QPointF p, const QRect& box) {
    const double dx = std::max({box.left() - p.x(), 0.0, p.x() - (box.right() + 1)});
    const double dy = std::max({box.top() - p.y(), 0.0, p.y() - (box.bottom() + 1)});
    return std::hypot(dx, dy);
}

// Points along a leader, so that any label or pie it runs over shows.
inline void expectLeaderClear(const spreadsheet::render::PieLayout& layout, size_t owner) {
    const QLineF leader = *layout.labels[owner]->leader;
    for (int k = 1; k < 100; ++k) {
        const QPointF p = leader.pointAt(k / 100.0);
        EXPECT_GE(std::hypot(p.x() - layout.centre.x(), p.y() - layout.centre.y()), layout.radius - 0.5)
            << "leader " << owner << " runs over the pie";
        for (size_t j = 0; j < layout.labels.size(); ++j)
            if (j != owner && layout.labels[j]) {
                EXPECT_FALSE(QRectF(layout.labels[j]->box).contains(p)) << "leader " << owner << " over label " << j;
            }
    }
}

inline void expectTidyPieLayout(const spreadsheet::render::PieLayout& layout, const QRect& bounds) {
    if (layout.radius > 0) {
        EXPECT_TRUE(QRectF(bounds).contains(layout.disc()));
    }
    for (size_t i = 0; i < layout.labels.size(); ++i) {
        if (!layout.labels[i]) continue;
        const QRect& box = layout.labels[i]->box;
        EXPECT_TRUE(bounds.contains(box)) << "label " << i << " leaves the bounds";
        EXPECT_GT(distanceToBox(layout.centre, box), layout.radius) << "label " << i << " covers the pie";
        if (layout.labels[i]->leader) expectLeaderClear(layout, i);
        for (size_t j = 0; j < i; ++j)
            if (layout.labels[j]) {
                EXPECT_FALSE(box.intersects(layout.labels[j]->box)) << "labels " << j << " and " << i;
            }
    }
}

}  // namespace render_testing
