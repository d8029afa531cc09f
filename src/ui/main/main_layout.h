// Geometry of the main window: every rectangle a click is tested against or
// an image is drawn at, and the skin image names the window uses. Client-area
// pixels; a rectangle's top-left corner is where its image is drawn.
//
// These tables are the truth for the window logic and for the skin: the skin
// images are tested against them (tests/ui/skin).
#pragma once

#include <string_view>

#include "core/rect.h"
#include "ui/skin/dropdown_box.h"

namespace corvane {

inline constexpr int kClientWidth = 760;
inline constexpr int kClientHeight = 630;

// Window buttons, present on every page (Default acts on the key page only).
inline constexpr Rect kSaveButton{471, 572, 587, 602};
inline constexpr Rect kExitButton{590, 572, 706, 602};
inline constexpr Rect kMinButton{688, 4, 719, 35};
inline constexpr Rect kCloseButton{721, 4, 752, 35};
inline constexpr Rect kDefaultButton{352, 572, 468, 602};

// Page tabs.
inline constexpr Rect kKeyTab{265, 62, 414, 92};
inline constexpr Rect kDpiTab{428, 62, 577, 92};
inline constexpr Rect kLedTab{591, 62, 740, 92};

// Key page. Layer 0 is the normal layer (left column), layer 1 the shift
// layer (right column). Buttons 0-4 have boxes a click reaches; the button 5
// boxes are drawn but are neither clickable nor hot.
inline constexpr int kKeyLayerCount = 2;
inline constexpr int kKeyBoxButtonCount = 6;
inline constexpr int kClickableKeyButtonCount = 5;

inline constexpr Rect kKeyBoxes[kKeyLayerCount][kKeyBoxButtonCount] = {
    {
        {78, 195, 206, 224},
        {78, 254, 206, 283},
        {78, 313, 206, 342},
        {78, 371, 206, 400},
        {78, 430, 206, 459},
        {78, 489, 206, 518},
    },
    {
        {523, 195, 651, 224},
        {523, 254, 651, 283},
        {523, 313, 651, 342},
        {523, 371, 651, 400},
        {523, 430, 651, 459},
        {523, 489, 651, 518},
    },
};

// Where each key box's list is created; a click outside both the box and
// its list zone closes the list.
inline constexpr Rect kKeyListZones[kKeyLayerCount][kKeyBoxButtonCount] = {
    {
        {78, 225, 206, 451},
        {78, 284, 206, 510},
        {78, 343, 206, 569},
        {206, 174, 334, 400},
        {206, 233, 334, 459},
        {206, 292, 334, 518},
    },
    {
        {523, 225, 651, 435},
        {523, 284, 651, 494},
        {523, 343, 651, 553},
        {394, 190, 522, 400},
        {394, 249, 522, 459},
        {394, 308, 522, 518},
    },
};

// Key box texts: one line, vertically centred, left-aligned, in the box less
// 5 pixels on the left and the 28-pixel arrow on the right.
inline constexpr int kKeyBoxTextInsetLeft = 5;

// DPI page: stage boxes 1-3 and their list zones (for a list that opens to
// the right of the box; lists opening below the box follow from the box).
inline constexpr int kDpiStageCount = 3;
inline constexpr Rect kDpiStageBoxes[kDpiStageCount] = {
    {498, 238, 626, 267},
    {498, 353, 626, 382},
    {498, 468, 626, 497},
};
inline constexpr Rect kDpiListZones[kDpiStageCount] = {
    {626, 107, 754, 267},
    {626, 222, 754, 382},
    {626, 337, 754, 497},
};

// LED page: each rectangle is the hit area of a choice and the place of its
// tick mark (drawn at the top-left corner).
inline constexpr Rect kReportRatePositions[4] = {
    {126, 434, 152, 461},  // 125 Hz
    {246, 434, 272, 461},  // 250 Hz
    {366, 434, 392, 461},  // 500 Hz
    {476, 434, 502, 461},  // 1000 Hz
};
inline constexpr Rect kLightingRows[5] = {
    {135, 200, 151, 227},  // lighting off
    {135, 237, 151, 264},  // mode 2
    {135, 274, 151, 301},  // mode 1, parameter 10
    {135, 310, 151, 337},  // mode 1, parameter 5
    {135, 347, 151, 374},  // mode 1, parameter 1
};
inline constexpr Rect kModeTwoParamRows[3] = {
    {425, 200, 451, 227},  // parameter 5
    {425, 237, 451, 264},  // parameter 3
    {425, 274, 451, 301},  // parameter 1
};

// Skin images of the main window (appended to the skin folder).
inline constexpr std::wstring_view kImageMain = L"/main.png";
inline constexpr std::wstring_view kImageKeySet = L"/KeySet.png";
inline constexpr std::wstring_view kImageDpiSet = L"/DPISet.png";
inline constexpr std::wstring_view kImageLedSet = L"/LEDSet.png";
inline constexpr std::wstring_view kImageTick = L"/PaneMakingTick.png";
inline constexpr std::wstring_view kImageSaveNormal = L"/Save-normal.png";
inline constexpr std::wstring_view kImageSaveOver = L"/Save-over.png";
inline constexpr std::wstring_view kImageExitNormal = L"/Exit-normal.png";
inline constexpr std::wstring_view kImageExitOver = L"/Exit-over.png";
inline constexpr std::wstring_view kImageDefaultNormal = L"/Default-normal.png";
inline constexpr std::wstring_view kImageDefaultOver = L"/Default-over.png";
inline constexpr std::wstring_view kImageMinNormal = L"/Min-normal.png";
inline constexpr std::wstring_view kImageMinOver = L"/Min-over.png";
inline constexpr std::wstring_view kImageCloseNormal = L"/Close-normal.png";
inline constexpr std::wstring_view kImageCloseOver = L"/Close-over.png";
inline constexpr std::wstring_view kImageDropdownNormal = L"/DropdownBox-normal.png";
inline constexpr std::wstring_view kImageDropdownOver = L"/DropdownBox-over.png";

}  // namespace corvane
