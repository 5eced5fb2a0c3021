// The preview window's designed geometry, in twips: the client area, each
// control's place and size inside its container and its tab index, and the
// borders of the picture boxes. The window and the zoom arithmetic both read it.
#pragma once

#include "shell/twips.h"

namespace preview::layout {

struct TwipRect {
    int left;
    int top;
    int width;
    int height;
};

struct Control {
    const char* name;
    TwipRect rect;  // in the container's client coordinates
    int tabIndex;
};

inline constexpr int kClientWidth = 9840;
inline constexpr int kClientHeight = 9390;

inline constexpr Control kHScroll1{"HScroll1", {120, 7545, 9330, 255}, 0};
inline constexpr Control kVScroll1{"VScroll1", {9450, 120, 255, 7425}, 1};
inline constexpr Control kPicture2{"Picture2", {120, 120, 9330, 7425}, 2};
// Inside Picture2; the size is the design size, replaced at run time.
inline constexpr Control kPicture1{"Picture1", {0, 0, 2340, 3435}, 3};
inline constexpr Control kFrame1{"Frame1", {120, 7860, 9600, 855}, 4};
// Outside the client area and never visible; the size is replaced at run time.
inline constexpr Control kZoomOri{"Zoom_Ori", {10320, 480, 735, 375}, 5};
inline constexpr Control kPushButton1{"PushButton1", {240, 300, 4440, 405}, 6};  // in Frame1
inline constexpr Control kPushButton2{"PushButton2", {4800, 300, 4560, 405}, 7};  // in Frame1
inline constexpr Control kPushButton6{"PushButton6", {4920, 8850, 4800, 405}, 8};
inline constexpr Control kPushButton8{"PushButton8", {120, 8850, 4680, 405}, 9};

// Picture2 has a sunken border two pixels wide on every side, so its inner
// (client) size is its outer size less 60 twips in each direction. The
// difference matters: a drag stops at the inner edge, while the scroll bars
// are measured against the outer size.
inline constexpr int kPicture2Border = 2 * shell::kTwipsPerPixel;
// Picture1 and Zoom_Ori have no border: inner size and outer size are equal,
// so at zoom 1.0 the picture is painted (almost exactly) one to one.
inline constexpr int kZoomOriBorder = 0;

inline constexpr double kWindowFontPoints = 9;      // window and frame caption
inline constexpr double kButtonFontPoints = 11.25;  // push-button captions

}  // namespace preview::layout
