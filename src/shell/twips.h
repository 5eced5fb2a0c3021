// Window geometry is specified in twips (1/1440 inch). At 96 dpi one logical
// pixel is 15 twips; this is the one place where the two meet.
#pragma once

#include <QRect>
#include <QtGlobal>

namespace shell {

inline constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(int twips) { return qRound(double(twips) / kTwipsPerPixel); }
inline int pixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

inline QRect twipRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

}  // namespace shell
