#include "ui/skin/skinned_dialog_frame.h"

#include <utility>

#include "core/language.h"
#include "core/system_facts.h"
#include "ui/skin/dropdown_box.h"
#include "ui/skin/window_events.h"

namespace corvane {
namespace {

constexpr DialogFont kLatinFont{L"Tahoma", 14};
constexpr DialogFont kChineseFontWindows62{L"黑体", 13};
constexpr DialogFont kChineseFont{L"宋体", 13};

}  // namespace

DialogFont DialogFontFor(std::uint16_t languageId, std::uint32_t versionWord) {
    if (languageId != kLangSimplifiedChinese) {
        return kLatinFont;
    }
    return IsWindows62(versionWord) ? kChineseFontWindows62 : kChineseFont;
}

SkinnedDialogFrame::SkinnedDialogFrame(const DialogFrameLayout& layout, DialogHost& host,
                                       UserMessages& messages, DialogFrameFlags& flags,
                                       DialogSystem system)
    : layout_(layout), host_(host), messages_(messages), flags_(flags), system_(system) {}

void SkinnedDialogFrame::SetListItems(std::vector<std::wstring> items) {
    items_ = std::move(items);
    choiceIndex_ = 0;
    choiceText_ = items_.empty() ? std::wstring() : items_.front();
}

// ----------------------------------------------------------------- opening

bool SkinnedDialogFrame::OnInitDialog() {
    if (UsesFont()) {
        host_.CreateDialogFont(DialogFontFor(system_.languageId, system_.versionWord));
    }
    hasBackground_ = host_.LoadBackground(layout_.background);
    if (!hasBackground_) {
        // The dialog still opens, blank; its rectangles still work.
        messages_.Show(MessageKind::DialogBackgroundFailed, layout_.backgroundFailure);
        return false;
    }
    return OnOpened();
}

// ---------------------------------------------------------------- painting

bool SkinnedDialogFrame::BeginPass() {
    if (!hasBackground_) {
        return false;
    }
    host_.BeginDrawingPass();
    return true;
}

bool SkinnedDialogFrame::OnEraseBackground() {
    if (!BeginPass()) {
        return true;
    }
    if (DrawsButtonsOnPaint()) {
        host_.DrawImage(layout_.acceptNormal, layout_.accept.TopLeft());
        host_.DrawImage(layout_.cancelNormal, layout_.cancel.TopLeft());
    }
    if (layout_.list && layout_.dropdown) {
        host_.DrawText(choiceText_, layout_.dropdown->Inset(0, kBoxArrowWidth),
                       TextFormat::Centred);
    }
    PaintTexts();
    host_.Present();
    return true;
}

// ------------------------------------------------------------------- hover

bool SkinnedDialogFrame::InFrameButton(Point p) const {
    return layout_.closeBox.Contains(p) || layout_.accept.Contains(p) || layout_.cancel.Contains(p);
}

void SkinnedDialogFrame::OnMouseMove(Point p) {
    if (InFrameButton(p)) {
        host_.RequestHover(kHoverMilliseconds);
        return;
    }
    if (flags_.closeOver || flags_.acceptOver || flags_.cancelOver) {
        RestoreFlaggedButtons();
    }
}

void SkinnedDialogFrame::RestoreFlaggedButtons() {
    const bool drawing = BeginPass();
    const struct {
        bool& flag;
        std::wstring_view normal;
        Rect rect;
    } buttons[] = {
        {flags_.closeOver, layout_.closeNormal, layout_.closeBox},
        {flags_.acceptOver, layout_.acceptNormal, layout_.accept},
        {flags_.cancelOver, layout_.cancelNormal, layout_.cancel},
    };
    for (const auto& button : buttons) {
        if (button.flag && drawing) {
            host_.DrawImage(button.normal, button.rect.TopLeft());
        }
        button.flag = false;
    }
    if (drawing) {
        host_.Present();
    }
}

// Shows one of accept and cancel "over" and gives the other back its normal
// look, so that moving straight from one to the other never shows both.
void SkinnedDialogFrame::HoverOnto(bool& flag, std::wstring_view over, Rect rect, bool& other,
                                   std::wstring_view otherNormal, Rect otherRect) {
    const bool drawing = hasBackground_;
    if (drawing) {
        host_.DrawImage(over, rect.TopLeft());
    }
    flag = true;
    if (other) {
        if (drawing) {
            host_.DrawImage(otherNormal, otherRect.TopLeft());
        }
        other = false;
    }
}

void SkinnedDialogFrame::OnMouseHover(Point p) {
    const bool drawing = BeginPass();
    if (layout_.closeBox.Contains(p)) {
        // The close box never resets the other two.
        if (drawing) {
            host_.DrawImage(layout_.closeOver, layout_.closeBox.TopLeft());
        }
        flags_.closeOver = true;
    } else if (layout_.accept.Contains(p)) {
        HoverOnto(flags_.acceptOver, layout_.acceptOver, layout_.accept, flags_.cancelOver,
                  layout_.cancelNormal, layout_.cancel);
    } else if (layout_.cancel.Contains(p)) {
        HoverOnto(flags_.cancelOver, layout_.cancelOver, layout_.cancel, flags_.acceptOver,
                  layout_.acceptNormal, layout_.accept);
    }
    if (drawing) {
        host_.Present();
    }
}

// ------------------------------------------------------------------ clicks

void SkinnedDialogFrame::OnLButtonDown(Point p) {
    // Each test on its own, in this order.
    if (layout_.list && host_.ListExists(layout_.list->controlId) &&
        !layout_.list->rect.Contains(p) && !(layout_.dropdown && layout_.dropdown->Contains(p))) {
        host_.DestroyList(layout_.list->controlId);
        flags_.listOpen = false;
        OnListClosed();
    }
    if (layout_.accept.Contains(p)) {
        Accept();
    }
    if (layout_.cancel.Contains(p)) {
        Cancel();
    }
    if (layout_.closeBox.Contains(p)) {
        Cancel();
    }
    if (layout_.dropdown && layout_.dropdown->Contains(p)) {
        ToggleList();
    }
}

void SkinnedDialogFrame::Accept() {
    if (ended_) {
        return;
    }
    BeforeAccept();
    result_ = kDialogAccepted;
    ended_ = true;
}

void SkinnedDialogFrame::Cancel() {
    if (ended_) {
        return;
    }
    result_ = kDialogCancelled;
    ended_ = true;
}

// -------------------------------------------------------------------- list

void SkinnedDialogFrame::ToggleList() {
    if (!layout_.list || ended_) {
        return;
    }
    const int id = layout_.list->controlId;
    if (flags_.listOpen) {
        // Also a flag left set by an earlier opening of this kind: this
        // click only clears it.
        CloseList();
        return;
    }
    if (!host_.ListExists(id)) {
        OnListOpening();
        host_.CreateList(id, layout_.list->rect, items_, layout_.list->scrollBar);
        flags_.listOpen = true;
    }
}

void SkinnedDialogFrame::CloseList() {
    const int id = layout_.list->controlId;
    if (host_.ListExists(id)) {
        host_.DestroyList(id);
    }
    flags_.listOpen = false;
    OnListClosed();
}

void SkinnedDialogFrame::OnChildNotify(int id, ChildEvent event) {
    if (layout_.list && id == layout_.list->controlId &&
        (event == ChildEvent::ListSelectionChanged || event == ChildEvent::ListDoubleClicked)) {
        Choose();
        return;
    }
    OnOtherChildNotify(id, event);
}

void SkinnedDialogFrame::Choose() {
    const int id = layout_.list->controlId;
    flags_.listOpen = false;
    const std::optional<int> selection = host_.ListSelection(id);
    if (!selection) {
        return;  // the list stays
    }
    choiceText_ = host_.ListText(id, *selection);
    choiceIndex_ = *selection;
    host_.DestroyList(id);
    OnListClosed();
    if (layout_.dropdown && BeginPass()) {
        host_.DrawImage(kImageDialogDropdown, layout_.dropdown->TopLeft());
        host_.DrawText(choiceText_, layout_.dropdown->Inset(0, kBoxArrowWidth),
                       TextFormat::Centred);
        host_.Present();
    }
}

bool SkinnedDialogFrame::PreFilter(const DialogFilterMessage& message) {
    if (message.kind == DialogFilterMessage::Kind::PointerMove && layout_.list) {
        // The highlight follows the pointer; only a click chooses.
        const int id = layout_.list->controlId;
        if (host_.ListExists(id) && host_.ListUnderScreenPoint(message.screenPoint) == id) {
            if (const std::optional<int> item = host_.ListItemAt(id, message.screenPoint)) {
                host_.SetListSelection(id, *item);
            }
        }
    }
    return Swallows(message);
}

}  // namespace corvane
