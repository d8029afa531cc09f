// Geometry and images of the seven skinned dialogs: one row per dialog kind
// with its template, background, buttons, drop-down box and list, plus the
// extra rectangles of the fire key and single key dialogs. Client-area
// pixels; each image is drawn at the top-left corner of its rectangle.
//
// These tables are the truth for the dialog logic and for the skin: the skin
// images are tested against them (tests/ui/skin).
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "core/rect.h"
#include "ui/dialogs/dialog_io.h"
#include "ui/skin/dropdown_box.h"

namespace corvane {

// The drop-down list of a dialog: created on `rect` with `controlId`.
struct DialogList {
    Rect rect;
    int controlId;
    int itemCount;  // 0: as many as the sensor's DPI list holds (8 or 12)
    bool scrollBar;
};

struct DialogLayout {
    DialogKind kind;
    int templateId;
    int widthUnits;  // template size in dialog units (2 pixels each at 96 dpi)
    int heightUnits;
    int clientWidth;
    int clientHeight;
    std::wstring_view background;
    std::wstring_view loadFailureCaption;  // caption of the "error" box
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

namespace dialog_layout_detail {

inline constexpr Rect kClose{365, 0, 397, 31};
inline constexpr Rect kAccept{153, 256, 269, 286};
inline constexpr Rect kCancel{272, 256, 388, 286};
inline constexpr Rect kBox{49, 112, 177, 141};

constexpr DialogLayout Framed(DialogKind kind, int templateId, std::wstring_view background,
                              std::wstring_view caption, std::optional<Rect> dropdown,
                              std::optional<DialogList> list) {
    return {kind,
            templateId,
            200,
            150,
            400,
            300,
            background,
            caption,
            kClose,
            kAccept,
            kCancel,
            dropdown,
            list,
            L"/Save-normal.png",
            L"/Save-over.png",
            L"/Exit-normal.png",
            L"/Exit-over.png",
            kImageDialogCloseNormal,
            kImageDialogCloseOver};
}

}  // namespace dialog_layout_detail

// Indexed by DialogKind.
inline constexpr std::array<DialogLayout, kDialogKindCount> kDialogLayouts = {
    dialog_layout_detail::Framed(DialogKind::FireKey, 704, L"/fire-key.png",
                                 L"FireKey Dialog Load background image failed!!!",
                                 Rect{102, 70, 230, 99},
                                 DialogList{{102, 101, 230, 221}, 572, 59, true}),
    dialog_layout_detail::Framed(
        DialogKind::HotKey, 708, L"/hot-key.png", L"HotKey Dialog Load background image failed!!!",
        dialog_layout_detail::kBox, DialogList{{49, 143, 177, 283}, 565, 8, false}),
    DialogLayout{DialogKind::KeysRecover,
                 710,
                 150,
                 100,
                 300,
                 200,
                 L"/Keys-recover.png",
                 L"KeysRecover Dialog Load background image failed!!!",
                 {265, 0, 297, 31},
                 {35, 158, 151, 188},
                 {153, 158, 269, 188},
                 std::nullopt,
                 std::nullopt,
                 L"/Ok-normal.png",
                 L"/Ok-over.png",
                 L"/Return-normal.png",
                 L"/Return-over.png",
                 kImageDialogCloseNormal,
                 kImageDialogCloseOver},
    dialog_layout_detail::Framed(
        DialogKind::Media, 703, L"/media-key.png", L"Media Dialog Load background image failed!!!",
        dialog_layout_detail::kBox, DialogList{{49, 143, 177, 263}, 553, 7, false}),
    dialog_layout_detail::Framed(DialogKind::SingleKey, 701, L"/single-key.png",
                                 L"Single Key Dialog Load background image failed!!!",
                                 dialog_layout_detail::kBox, std::nullopt),
    dialog_layout_detail::Framed(
        DialogKind::Snipe, 709, L"/snipe-key.png", L"Snipe Dialog Load background image failed!!!",
        dialog_layout_detail::kBox, DialogList{{49, 143, 177, 283}, 560, 0, false}),
    dialog_layout_detail::Framed(DialogKind::Windows, 702, L"/windows-key.png",
                                 L"Windows Dialog Load background image failed!!!",
                                 dialog_layout_detail::kBox,
                                 DialogList{{49, 143, 177, 293}, 533, 9, false}),
};

constexpr const DialogLayout& LayoutOf(DialogKind kind) {
    return kDialogLayouts[static_cast<int>(kind)];
}

// Fire key dialog: the three number boxes with their labels (drawn by the
// dialog, right-aligned), the two range notes and the key text rectangle.
struct NumberBox {
    int controlId;
    Rect box;
    Rect label;
};
inline constexpr NumberBox kFireKeyNumberBoxes[3] = {
    {573, {106, 115, 225, 137}, {16, 115, 96, 137}},  // times
    {574, {106, 154, 225, 176}, {16, 154, 96, 176}},  // make time
    {575, {106, 191, 225, 213}, {16, 191, 96, 213}},  // break time
};
inline constexpr Rect kFireKeyTimeNote{6, 217, 456, 243};
inline constexpr Rect kFireKeyTimesNote{6, 233, 456, 259};
inline constexpr Rect kFireKeyText{102, 70, 202, 99};

// Single key dialog: the prompt, and the key box whose text is centred in
// the whole box.
inline constexpr Rect kSingleKeyPrompt{19, 92, 207, 112};
inline constexpr Rect kSingleKeyBox{49, 112, 177, 141};

}  // namespace corvane
