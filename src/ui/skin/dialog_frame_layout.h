// What a skinned dialog's frame is made of: the template size, the
// background, the accept, cancel and close rectangles with their images,
// and the drop-down box with its list. Client-area pixels; each image is
// drawn at the top-left corner of its rectangle.
#pragma once

#include <optional>
#include <string_view>

#include "core/rect.h"
#include "core/user_messages.h"

namespace corvane {

// The drop-down list of a dialog: created on `rect` with `controlId`.
struct DialogList {
    Rect rect;
    int controlId;
    int itemCount;  // 0: as many as the sensor's DPI list holds (8 or 12)
    bool scrollBar;
};

struct DialogFrameLayout {
    int templateId;
    int widthUnits;  // template size in dialog units (2 pixels each at 96 dpi)
    int heightUnits;
    int clientWidth;
    int clientHeight;
    std::wstring_view background;
    Caption backgroundFailure;  // caption of the "error" box
    Rect closeBox;
    Rect accept;
    Rect cancel;
    std::optional<Rect> dropdown;  // the single key dialog's key box included
    std::optional<DialogList> list;
    std::wstring_view acceptNormal;
    std::wstring_view acceptOver;
    std::wstring_view cancelNormal;
    std::wstring_view cancelOver;
    std::wstring_view closeNormal;
    std::wstring_view closeOver;
};

inline constexpr std::wstring_view kImageDialogCloseNormal = L"/Close-normal.png";
inline constexpr std::wstring_view kImageDialogCloseOver = L"/Close-over.png";
inline constexpr std::wstring_view kImageDialogDropdown = L"/DropdownBox-normal.png";

}  // namespace corvane
