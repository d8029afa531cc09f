// Geometry and images of the seven skinned dialogs: one row per dialog kind
// with its template, background, buttons, drop-down box and list, plus the
// extra rectangles of the fire key and single key dialogs with the texts
// drawn in them. Client-area pixels; each image is drawn at the top-left
// corner of its rectangle.
//
// These tables are the truth for the dialog logic and for the skin: the skin
// images are tested against them (tests/ui/skin).
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "core/rect.h"
#include "meaning/language_texts.h"
#include "ui/dialogs/dialog_io.h"
#include "ui/skin/dialog_frame_layout.h"

namespace corvane {

// A dialog's frame, and the kind it belongs to.
struct DialogLayout : DialogFrameLayout {
    DialogKind kind;
};

namespace dialog_layout_detail {

inline constexpr Rect kClose{365, 0, 397, 31};
inline constexpr Rect kAccept{153, 256, 269, 286};
inline constexpr Rect kCancel{272, 256, 388, 286};
inline constexpr Rect kBox{49, 112, 177, 141};

constexpr DialogLayout Framed(DialogKind kind, int templateId, std::wstring_view background,
                              Caption caption, std::optional<Rect> dropdown,
                              std::optional<DialogList> list) {
    return {{templateId, 200, 150, 400, 300, background, caption, kClose, kAccept, kCancel,
             dropdown, list, L"/Save-normal.png", L"/Save-over.png", L"/Exit-normal.png",
             L"/Exit-over.png", kImageDialogCloseNormal, kImageDialogCloseOver},
            kind};
}

}  // namespace dialog_layout_detail

// Indexed by DialogKind.
inline constexpr std::array<DialogLayout, kDialogKindCount> kDialogLayouts = {
    dialog_layout_detail::Framed(DialogKind::FireKey, 704, L"/fire-key.png",
                                 Caption::FireKeyDialogBackground, Rect{102, 70, 230, 99},
                                 DialogList{{102, 101, 230, 221}, 572, 59, true}),
    dialog_layout_detail::Framed(DialogKind::HotKey, 708, L"/hot-key.png",
                                 Caption::HotKeyDialogBackground, dialog_layout_detail::kBox,
                                 DialogList{{49, 143, 177, 283}, 565, 8, false}),
    DialogLayout{
        {710, 150, 100, 300, 200, L"/Keys-recover.png", Caption::KeysRecoverDialogBackground,
         Rect{265, 0, 297, 31}, Rect{35, 158, 151, 188}, Rect{153, 158, 269, 188}, std::nullopt,
         std::nullopt, L"/Ok-normal.png", L"/Ok-over.png", L"/Return-normal.png",
         L"/Return-over.png", kImageDialogCloseNormal, kImageDialogCloseOver},
        DialogKind::KeysRecover},
    dialog_layout_detail::Framed(DialogKind::Media, 703, L"/media-key.png",
                                 Caption::MediaDialogBackground, dialog_layout_detail::kBox,
                                 DialogList{{49, 143, 177, 263}, 553, 7, false}),
    dialog_layout_detail::Framed(DialogKind::SingleKey, 701, L"/single-key.png",
                                 Caption::SingleKeyDialogBackground, dialog_layout_detail::kBox,
                                 std::nullopt),
    dialog_layout_detail::Framed(DialogKind::Snipe, 709, L"/snipe-key.png",
                                 Caption::SnipeDialogBackground, dialog_layout_detail::kBox,
                                 DialogList{{49, 143, 177, 283}, 560, 0, false}),
    dialog_layout_detail::Framed(DialogKind::Windows, 702, L"/windows-key.png",
                                 Caption::WindowsDialogBackground, dialog_layout_detail::kBox,
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

// The fire key dialog's own texts, in the order of its number boxes, then
// its notes.
inline constexpr DialogText kFireTimesText{L"次数", L"Times"};
inline constexpr DialogText kFireMakeText{L"按下时间", L"Make Time"};
inline constexpr DialogText kFireBreakText{L"弹起时间", L"Break Time"};
inline constexpr DialogText kFireTimeNoteText{L"时间(数值范围5-255)", L"Time(value range 5-255)"};
// The Chinese note parts its clauses with a full-width comma.
inline constexpr DialogText kFireTimesNoteText{
    L"次数(数值范围0-127，0表示按键放开火力键结束)",
    L"Times(value range 0-127,0 indicates fire key to end when it's released)"};

// Single key dialog: the prompt, and the key box whose text is centred in
// the whole box.
inline constexpr Rect kSingleKeyPrompt{19, 92, 207, 112};
inline constexpr Rect kSingleKeyBox{49, 112, 177, 141};
inline constexpr DialogText kSingleKeyPromptText{L"请输入一个按键", L"Please enter a key"};

}  // namespace corvane
