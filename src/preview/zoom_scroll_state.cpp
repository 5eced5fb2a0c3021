#include "preview/zoom_scroll_state.h"

#include "preview/form2_layout.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace preview {
namespace {

constexpr std::int32_t kStepFine = 1;     // overflow up to 100 twips: one twip per unit
constexpr std::int32_t kStepCoarse = 10;  // larger overflow: ten twips per unit
constexpr std::int32_t kFineLimit = 100;

// A number taken into a 16-bit integer; out of range it fails as the
// platform's conversion does.
std::int16_t toInt16(double value, const char* description) {
    if (!(value >= std::numeric_limits<std::int16_t>::min() && value <= std::numeric_limits<std::int16_t>::max()))
        throw std::overflow_error(description);
    return static_cast<std::int16_t>(value);
}

// base x zoom, rounded down (the product is taken in double precision).
std::int32_t scaledDown(std::int32_t base, float zoom) {
    const double size = std::floor(double(base) * double(zoom));
    if (!(size >= std::numeric_limits<std::int32_t>::min() && size <= std::numeric_limits<std::int32_t>::max()))
        throw std::overflow_error("Overflow");
    return static_cast<std::int32_t>(size);
}

}  // namespace

double roundHalfToEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction < 0.5) return below;
    if (fraction > 0.5) return below + 1;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

std::optional<std::int16_t> scrollValueForPercent(std::int16_t percent, std::int16_t maximum) {
    if (percent < 0) return std::nullopt;
    const double target = percent / 100.0 * maximum;
    if (target > maximum) return std::nullopt;
    return toInt16(roundHalfToEven(target), "Invalid property value");
}

ZoomScrollState::ZoomScrollState() {
    const layout::TwipRect outer = layout::kPicture2.rect;
    viewport.outer = {outer.width, outer.height};
    viewport.inner = {outer.width - 2 * layout::kPicture2Border, outer.height - 2 * layout::kPicture2Border};
    const layout::TwipRect design = layout::kPicture1.rect;
    picture = {float(design.left), float(design.top), design.width, design.height};
    zoomOri = {layout::kZoomOri.rect.width, layout::kZoomOri.rect.height};
}

void ZoomScrollState::prepareFirstDisplay(TwipSize snapshot) {
    picture.width = snapshot.width;  // sized to its picture
    picture.height = snapshot.height;
    zoomOri = {picture.width, picture.height};
    mZoom = 1.0f;
    readBaseSize();
    mZoomWidth = scaledDown(mBaseWidth, 1.0f);
    mZoomHeight = scaledDown(mBaseHeight, 1.0f);
}

void ZoomScrollState::readBaseSize() {
    // The inner size less two; with a border-free Zoom_Ori there is no
    // fraction to round, but the rounding rule is kept for any border.
    const double innerWidth = zoomOri.width - 2 * layout::kZoomOriBorder;
    const double innerHeight = zoomOri.height - 2 * layout::kZoomOriBorder;
    mBaseWidth = static_cast<std::int32_t>(roundHalfToEven(innerWidth - 2));
    mBaseHeight = static_cast<std::int32_t>(roundHalfToEven(innerHeight - 2));
}

Redraw ZoomScrollState::RedrawImage() {
    mZoomWidth = scaledDown(mBaseWidth, mZoom);
    mZoomHeight = scaledDown(mBaseHeight, mZoom);
    if (mZoomWidth >= kZoomWidthLimit || mZoomHeight >= kZoomHeightLimit) {
        // Too large: back to 1.0 without touching what is on screen...
        mZoom = 1.0f;
        readBaseSize();
        mZoomWidth = mBaseWidth;
        mZoomHeight = mBaseHeight;
        // ...unless a reduced picture is on screen: then the picture comes back
        // as loaded, so that Zoom In from below 1.0 returns to 100 % instead of
        // leaving the small picture under a zoom that reads 1.0.
        if (picture.width >= mBaseWidth && picture.height >= mBaseHeight) return Redraw::Refused;
    }
    picture.width = mZoomWidth;
    picture.height = mZoomHeight;
    setScrollValue(Axis::Horizontal, 0);
    setScrollValue(Axis::Vertical, 0);
    // Ranges and steps stay as the first display set them, at zoom 1.0.
    hScroll.enabled = viewport.inner.width < mZoomWidth;
    vScroll.enabled = viewport.inner.height < mZoomHeight;
    return Redraw::Repainted;
}

void ZoomScrollState::InitScrollbars() {
    picture.top = 0;
    picture.left = 0;
    initScrollbar(Axis::Horizontal, picture.width - viewport.outer.width);
    initScrollbar(Axis::Vertical, picture.height - viewport.outer.height);
}

// One bar from the overflow of the picture's outer size over the viewport's.
void ZoomScrollState::initScrollbar(Axis axis, std::int32_t overflow) {
    ScrollBarState& scrollBar = bar(axis);
    std::int16_t& barStep = axis == Axis::Horizontal ? mHStep : mVStep;
    if (overflow <= 0) {
        scrollBar.enabled = false;  // the range stays as it was
        barStep = 0;
        return;
    }
    scrollBar.enabled = true;
    const bool fine = overflow <= kFineLimit;
    scrollBar.maximum = toInt16(fine ? double(overflow) : roundHalfToEven(overflow / double(kStepCoarse)),
                                "Invalid property value");
    if (scrollBar.value > scrollBar.maximum) setScrollValue(axis, scrollBar.maximum);  // a bar keeps its value in range
    barStep = static_cast<std::int16_t>(fine ? kStepFine : kStepCoarse);
    setScrollValue(axis, 0);
}

// A step down that would still be too large goes on to the next quarter
// below, so that a picture over the size limit at 0.75 (every sheet picture
// wider than 1128 pixels) can still be made smaller: the refusal would set the
// zoom back to 1.0 and the next Zoom Out would try 0.75 again, for ever.
float ZoomScrollState::zoomAfterStep(std::int32_t direction) const {
    if (direction == 0) return mZoom + kZoomStep;
    float value = mZoom - kZoomStep;
    while (value - kZoomStep >= kMinZoom && !fitsTheLimits(value)) value -= kZoomStep;
    return value;
}

bool ZoomScrollState::fitsTheLimits(float zoom) const {
    return scaledDown(mBaseWidth, zoom) < kZoomWidthLimit && scaledDown(mBaseHeight, zoom) < kZoomHeightLimit;
}

bool ZoomScrollState::acceptZoom(float value) {
    if (!(value >= kMinZoom && value <= kMaxZoom)) return false;
    mZoom = value;
    return true;
}

void ZoomScrollState::scrollBarChanged(Axis axis, std::int16_t value) {
    bar(axis).value = value;
    // The product of a 16-bit step and a 16-bit value is taken in 32 bits: for a
    // picture more than 32767 twips wider than the viewport the 16-bit product
    // would overflow, and the far part of the bar could not be shown.
    const std::int32_t offset = std::int32_t(step(axis)) * value;
    if (axis == Axis::Horizontal) picture.left = -float(offset);
    else picture.top = -float(offset);
}

void ZoomScrollState::setScrollValue(Axis axis, std::int16_t value) {
    if (bar(axis).value != value) scrollBarChanged(axis, value);
}

void ZoomScrollState::mouseDown(float x, float y) {
    mDragX = x;
    mDragY = y;
}

bool ZoomScrollState::mouseMove(bool buttonHeld, float x, float y) {
    if (!buttonHeld) return false;
    // The grabbed point follows the pointer. The left (top) edge never passes
    // 0; otherwise the right (bottom) edge never passes the viewport's inner
    // edge. For a picture narrower than the viewport the second test pins it
    // to the inner right edge whenever it is not pinned to 0.
    float newLeft = picture.left - mDragX + x;
    const float minLeft = float(viewport.inner.width - picture.width);
    if (newLeft > 0) newLeft = 0;
    else if (minLeft > newLeft) newLeft = minLeft;

    float newTop = picture.top - mDragY + y;
    const float minTop = float(viewport.inner.height - picture.height);
    if (newTop > 0) newTop = 0;
    else if (minTop > newTop) newTop = minTop;

    picture.left = newLeft;
    picture.top = newTop;
    return true;
}

std::int16_t ZoomScrollState::mouseUpPercent(Axis axis) const {
    const bool horizontal = axis == Axis::Horizontal;
    const std::int32_t overflow =
        horizontal ? picture.width - viewport.outer.width : picture.height - viewport.outer.height;
    // A picture exactly as large as the viewport has no overflow to measure
    // against: its bar goes to 0 rather than failing on a division by zero.
    if (overflow == 0) return 0;
    const double place = std::fabs(double(horizontal ? picture.left : picture.top));
    return toInt16(roundHalfToEven(place / overflow * 100), "Overflow");
}

}  // namespace preview
