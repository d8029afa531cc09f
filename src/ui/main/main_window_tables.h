// The main window's behaviour tables: pages, list identifiers, the hot
// regions of hover feedback with their images, the order in which flagged
// regions are restored, and which buttons restore each other.
#pragma once

#include <array>
#include <string_view>

#include "ui/main/main_layout.h"
#include "ui/skin/window_events.h"

namespace corvane {

// currentPage values; kNoPage forces the next page show to draw.
inline constexpr int kNoPage = 0;
inline constexpr int kKeyPage = 1;
inline constexpr int kDpiPage = 2;
inline constexpr int kLedPage = 3;

// Control identifiers of the drop-down lists.
constexpr int KeyListId(int layer, int button) {
    return (layer == 0 ? 31 : 41) + button;
}
inline constexpr int kDpiListCount = 4;  // the fourth is closed with the others, never opened
constexpr int DpiListId(int stage) {
    return 51 + stage;
}  // stage 0-3

// The regions that show an over image under the pointer.
enum class HotRegion : int {
    Save,
    Exit,
    Min,
    Close,
    Default,
    KeyBox00,
    KeyBox01,
    KeyBox02,
    KeyBox03,
    KeyBox04,  // layer 0, buttons 0-4
    KeyBox10,
    KeyBox11,
    KeyBox12,
    KeyBox13,
    KeyBox14,  // layer 1, buttons 0-4
    DpiBox1,
    DpiBox2,
    DpiBox3,
};
inline constexpr int kHotRegionCount = 18;

constexpr HotRegion KeyBoxRegion(int layer, int button) {
    return static_cast<HotRegion>(static_cast<int>(HotRegion::KeyBox00) +
                                  layer * kClickableKeyButtonCount + button);
}
constexpr HotRegion DpiBoxRegion(int stage) {
    return static_cast<HotRegion>(static_cast<int>(HotRegion::DpiBox1) + stage);
}

enum class RegionText { None, KeyLabel, DpiText };

struct HotRegionInfo {
    Rect rect;
    std::wstring_view normalImage;
    std::wstring_view overImage;
    RegionText text;
    int page;   // kNoPage: every page
    int layer;  // key boxes; DPI boxes use `button` as the stage
    int button;
};

inline constexpr std::array<HotRegionInfo, kHotRegionCount> kHotRegions = {{
    {kSaveButton, kImageSaveNormal, kImageSaveOver, RegionText::None, kNoPage, 0, 0},
    {kExitButton, kImageExitNormal, kImageExitOver, RegionText::None, kNoPage, 0, 0},
    {kMinButton, kImageMinNormal, kImageMinOver, RegionText::None, kNoPage, 0, 0},
    {kCloseButton, kImageCloseNormal, kImageCloseOver, RegionText::None, kNoPage, 0, 0},
    {kDefaultButton, kImageDefaultNormal, kImageDefaultOver, RegionText::None, kKeyPage, 0, 0},
    {kKeyBoxes[0][0], kImageDropdownNormal, kImageDropdownOver, RegionText::KeyLabel, kKeyPage, 0,
     0},
    {kKeyBoxes[0][1], kImageDropdownNormal, kImageDropdownOver, RegionText::KeyLabel, kKeyPage, 0,
     1},
    {kKeyBoxes[0][2], kImageDropdownNormal, kImageDropdownOver, RegionText::KeyLabel, kKeyPage, 0,
     2},
    {kKeyBoxes[0][3], kImageDropdownNormal, kImageDropdownOver, RegionText::KeyLabel, kKeyPage, 0,
     3},
    {kKeyBoxes[0][4], kImageDropdownNormal, kImageDropdownOver, RegionText::KeyLabel, kKeyPage, 0,
     4},
    {kKeyBoxes[1][0], kImageDropdownNormal, kImageDropdownOver, RegionText::KeyLabel, kKeyPage, 1,
     0},
    {kKeyBoxes[1][1], kImageDropdownNormal, kImageDropdownOver, RegionText::KeyLabel, kKeyPage, 1,
     1},
    {kKeyBoxes[1][2], kImageDropdownNormal, kImageDropdownOver, RegionText::KeyLabel, kKeyPage, 1,
     2},
    {kKeyBoxes[1][3], kImageDropdownNormal, kImageDropdownOver, RegionText::KeyLabel, kKeyPage, 1,
     3},
    {kKeyBoxes[1][4], kImageDropdownNormal, kImageDropdownOver, RegionText::KeyLabel, kKeyPage, 1,
     4},
    {kDpiStageBoxes[0], kImageDropdownNormal, kImageDropdownOver, RegionText::DpiText, kDpiPage, 0,
     0},
    {kDpiStageBoxes[1], kImageDropdownNormal, kImageDropdownOver, RegionText::DpiText, kDpiPage, 0,
     1},
    {kDpiStageBoxes[2], kImageDropdownNormal, kImageDropdownOver, RegionText::DpiText, kDpiPage, 0,
     2},
}};

constexpr const HotRegionInfo& InfoOf(HotRegion region) {
    return kHotRegions[static_cast<int>(region)];
}

// A mouse move outside every hot region restores the first flagged region
// in this order, one per move.
inline constexpr std::array<HotRegion, kHotRegionCount> kRestoreOrder = {
    HotRegion::Min,      HotRegion::Close,    HotRegion::Save,     HotRegion::Default,
    HotRegion::Exit,     HotRegion::KeyBox00, HotRegion::KeyBox01, HotRegion::KeyBox02,
    HotRegion::KeyBox03, HotRegion::KeyBox04, HotRegion::KeyBox10, HotRegion::KeyBox11,
    HotRegion::KeyBox12, HotRegion::KeyBox13, HotRegion::KeyBox14, HotRegion::DpiBox1,
    HotRegion::DpiBox2,  HotRegion::DpiBox3,
};

// Window buttons in the order a hover tests them, each with the adjacent
// buttons it restores (a move across the 2-3 pixel gap between them need not
// land anywhere). Default acts on the key page only and is tested last.
struct ButtonHover {
    HotRegion button;
    std::array<HotRegion, 2> neighbours;
    int neighbourCount;
};
inline constexpr std::array<ButtonHover, 4> kButtonHovers = {{
    {HotRegion::Save, {HotRegion::Exit, HotRegion::Default}, 2},
    {HotRegion::Exit, {HotRegion::Save, HotRegion::Save}, 1},
    {HotRegion::Close, {HotRegion::Min, HotRegion::Min}, 1},
    {HotRegion::Min, {HotRegion::Close, HotRegion::Close}, 1},
}};
inline constexpr ButtonHover kDefaultHover = {
    HotRegion::Default, {HotRegion::Save, HotRegion::Save}, 1};

// The rectangle a box's text is drawn in: one line, vertically centred, the
// arrow of the box image left free.
constexpr Rect KeyBoxTextRect(const Rect& box) {
    return box.Inset(kKeyBoxTextInsetLeft, kBoxArrowWidth);
}
constexpr Rect DpiBoxTextRect(const Rect& box) {
    return box.Inset(0, kBoxArrowWidth);
}

}  // namespace corvane
