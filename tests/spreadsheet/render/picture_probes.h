// Pixel probes for the renderer's pictures: colours compared with a
// tolerance and pixels of a kind counted inside a rectangle, so the tests hold
// whatever fonts the machine has.
#pragma once

#include "spreadsheet/formula/evaluator.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/render/sheet_renderer.h"

#include <QColor>
#include <QImage>
#include <functional>
#include <gtest/gtest.h>

namespace render_testing {

inline bool near(QColor a, QColor b, int tolerance = 24) {
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

inline ::testing::AssertionResult pixelNear(const QImage& image, QPoint at, QColor expected, int tolerance = 24) {
    const QColor actual = image.pixelColor(at);  // invalid outside the picture
    if (image.rect().contains(at) && near(actual, expected, tolerance)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel (" << at.x() << "," << at.y() << ") is "
                                         << actual.name().toStdString() << ", not " << expected.name().toStdString();
}

inline int countPixels(const QImage& image, const QRect& rect, const std::function<bool(QColor)>& kind) {
    int count = 0;
    const QRect inside = rect.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) count += kind(image.pixelColor(x, y)) ? 1 : 0;
    return count;
}

inline bool isInk(QColor c) { return c.lightness() < 128; }  // text on a light ground
inline bool isRed(QColor c) { return c.red() > 150 && c.green() < 100 && c.blue() < 100; }
inline std::function<bool(QColor)> isAbout(QColor expected, int tolerance = 24) {
    return [=](QColor c) { return near(c, expected, tolerance); };
}

inline const QColor kWhite{0xFF, 0xFF, 0xFF};
inline const QColor kBlack{0x00, 0x00, 0x00};
inline const QColor kGrey{0xC0, 0xC0, 0xC0};      // gridlines, and palette entry 15
inline const QColor kDarkBlue{0x00, 0x00, 0x80};  // palette entry 11

// A workbook with one worksheet, "Sheet1", for hand-made cases.
struct SmallBook {
    spreadsheet::model::Workbook workbook;
    spreadsheet::model::Sheet& sheet = workbook.addSheet("Sheet1", spreadsheet::model::SheetKind::Worksheet, 0);

    QImage picture(const spreadsheet::model::CellRange& range) {
        spreadsheet::formula::Evaluator evaluator(workbook);
        return spreadsheet::render::renderRange(workbook, evaluator, 0, range);
    }
};

}  // namespace render_testing
