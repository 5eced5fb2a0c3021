// The preview's zoom, scroll and drag arithmetic, in twips and without any
// widget. It holds every number the preview window shows: the zoom factor and
// the sizes made from it, Picture1's place and size inside the viewport
// (Picture2), and range, value and step of both scroll bars. The window runs
// these operations from its event handlers and then shows the result.
//
//   ZoomScrollState state;
//   state.prepareFirstDisplay({18000, 10500});  // the snapshot, 1200 x 700 pixels
//   state.RedrawImage();                        // refused: 17998 is over the width limit
//   state.InitScrollbars();                     // bars 0..867 and 0..308, step 10
#pragma once

#include <cstdint>
#include <optional>

namespace preview {

enum class Axis { Horizontal, Vertical };

// What RedrawImage did: refused the zoom (nothing repainted) or repainted.
enum class Redraw { Refused, Repainted };

struct TwipSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// Picture1's outer rectangle, in the viewport's client coordinates. The place
// is a float, as the drag computes it.
struct PicturePlace {
    float left = 0;
    float top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The viewport: the outer size (border included) and the inner (client) size.
struct Viewport {
    TwipSize outer;
    TwipSize inner;
};

// A scroll bar as the platform's 16-bit bars hold it. A bar that InitScrollbars
// never sets up keeps its designed range.
struct ScrollBarState {
    static constexpr std::int16_t kDesignMaximum = 32767;
    std::int16_t minimum = 0;
    std::int16_t maximum = kDesignMaximum;
    std::int16_t value = 0;
    std::int16_t smallChange = 1;
    std::int16_t largeChange = 1;
    bool enabled = true;
};

// A zoomed picture this wide or this high is refused.
inline constexpr std::int32_t kZoomWidthLimit = 12700;
inline constexpr std::int32_t kZoomHeightLimit = 11700;
inline constexpr float kMinZoom = 0.25f;
inline constexpr float kMaxZoom = 2.5f;
inline constexpr float kZoomStep = 0.25f;

// Rounds to the nearest integer, halves to the even neighbour.
double roundHalfToEven(double value);

// The value that puts a bar at percent per cent of its maximum, or nothing:
// nothing for a negative percentage, nor when the result lies beyond the
// maximum (a percentage above 100 leaves the bar where it is).
std::optional<std::int16_t> scrollValueForPercent(std::int16_t percent, std::int16_t maximum);

class ZoomScrollState {
public:
    // Picture2 at its designed size, Picture1 at its design size.
    ZoomScrollState();

    // The first display, up to the repaint: Picture1 takes the snapshot's size,
    // Zoom_Ori takes Picture1's, zoom 1.0, the base and zoomed sizes.
    void prepareFirstDisplay(TwipSize snapshot);
    // mBaseWidth/mBaseHeight from Zoom_Ori's inner size.
    void readBaseSize();

    // Sizes the picture for mZoom. A result at or over the size limit is
    // refused: zoom back to 1.0, sizes from the base, Picture1 and the bars
    // untouched (but a reduced picture on screen is repainted at 1.0).
    // Otherwise Picture1 takes the new size and both bars go to 0 and are
    // enabled exactly when the picture overflows the viewport's inside.
    Redraw RedrawImage();

    // Range and step of both bars from the picture's overflow of the viewport.
    // Throws when a range does not fit a 16-bit bar.
    void InitScrollbars();

    // The zoom one step up (direction 0) or down (any other direction); a
    // step down passes over factors still too large for the size limit.
    float zoomAfterStep(std::int32_t direction) const;
    // Whether the base picture at this zoom stays under both size limits.
    bool fitsTheLimits(float zoom) const;
    // Takes a zoom factor inside 0.25..2.5 and answers whether RedrawImage
    // must run; any other value is dropped.
    bool acceptZoom(float value);

    // A bar's change event, raised with the bar's new value: moves the picture
    // by the bar's step times the value.
    void scrollBarChanged(Axis axis, std::int16_t value);
    // Sets a bar's value as code does; a value that differs raises the change.
    void setScrollValue(Axis axis, std::int16_t value);

    // Drag-panning: pointer positions are twips inside Picture1.
    void mouseDown(float x, float y);
    // Answers whether the picture moved; without a held button nothing happens.
    bool mouseMove(bool buttonHeld, float x, float y);
    // How far along its overflow the picture stands, in per cent, for the
    // mouse-up catch-up. Throws std::overflow_error beyond 16 bits.
    std::int16_t mouseUpPercent(Axis axis) const;

    ScrollBarState& bar(Axis axis) { return axis == Axis::Horizontal ? hScroll : vScroll; }
    const ScrollBarState& bar(Axis axis) const { return axis == Axis::Horizontal ? hScroll : vScroll; }
    std::int16_t step(Axis axis) const { return axis == Axis::Horizontal ? mHStep : mVStep; }

    // The preview window's variables.
    float mDragX = 0;
    float mDragY = 0;
    std::int16_t mHStep = 0;
    std::int16_t mVStep = 0;
    std::int32_t mBaseWidth = 0;
    std::int32_t mBaseHeight = 0;
    std::int32_t mZoomWidth = 0;
    std::int32_t mZoomHeight = 0;
    float mZoom = 1.0f;

    // The controls' numbers.
    Viewport viewport;    // Picture2
    PicturePlace picture; // Picture1
    TwipSize zoomOri;     // Zoom_Ori's outer size
    ScrollBarState hScroll;
    ScrollBarState vScroll;

private:
    void initScrollbar(Axis axis, std::int32_t overflow);
};

}  // namespace preview
