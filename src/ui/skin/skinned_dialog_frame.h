// The frame every key function dialog shares: a captionless modal window
// painted from a skin background, accept, cancel and close rectangles with a
// hover look, and, where the layout has one, a drop-down list for the one
// choice the dialog offers. A dialog derives from it and adds its texts,
// children and outputs through the protected steps. Everything reaches the
// screen through DialogHost; the Win32 dialog procedure turns each message
// into one call here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/user_messages.h"
#include "ui/skin/dialog_frame_layout.h"
#include "ui/skin/dialog_host.h"
#include "ui/skin/dialog_result.h"
#include "ui/skin/window_events.h"

namespace corvane {

// The hover looks and the list-open flag of one dialog kind. They belong to
// the kind, not to one opening: false when the program starts, never reset
// when a dialog opens or closes.
struct DialogFrameFlags {
    bool closeOver = false;
    bool acceptOver = false;
    bool cancelOver = false;
    bool listOpen = false;
};

// What the frame takes from the running system.
struct DialogSystem {
    std::uint16_t languageId = 0;   // the system default language id
    std::uint32_t versionWord = 0;  // major version in the low byte, minor in the next
};

// Tahoma 14 unless the system speaks Simplified Chinese; then 黑体 13 on
// Windows 6.2 and 宋体 13 elsewhere.
DialogFont DialogFontFor(std::uint16_t languageId, std::uint32_t versionWord);

// A message as the pre-filter sees it, before normal dispatch.
struct DialogFilterMessage {
    enum class Kind { KeyDown, PointerMove, Other };
    Kind kind = Kind::Other;
    Key key = Key::Other;          // the key the message names, whatever its kind
    Point screenPoint{};           // PointerMove: the pointer's screen position
};

enum class DialogChild { List, NumberBox, Other };

class SkinnedDialogFrame {
  public:
    // `layout` and `flags` outlive the frame; `flags` are the kind's.
    SkinnedDialogFrame(const DialogFrameLayout& layout, DialogHost& host, UserMessages& messages,
                       DialogFrameFlags& flags, DialogSystem system);
    virtual ~SkinnedDialogFrame() = default;
    SkinnedDialogFrame(const SkinnedDialogFrame&) = delete;
    SkinnedDialogFrame& operator=(const SkinnedDialogFrame&) = delete;

    // --- messages of the window ---
    // Font, background, texts and the dialog's own step; false when the
    // initialisation ended early (the platform then sets no focus).
    bool OnInitDialog();
    // Paints the canvas; true: background erased.
    bool OnEraseBackground();
    void OnLButtonDown(Point p);
    void OnMouseMove(Point p);
    void OnMouseHover(Point p);
    // A child's notification: the list's choice, a number box's change.
    void OnChildNotify(int id, ChildEvent event);
    // The dialog manager's accept (Enter) and cancel (Escape, close request).
    void OnEnter() { Accept(); }
    void OnEscape() { Cancel(); }
    // True when the message was handled and must go no further.
    bool PreFilter(const DialogFilterMessage& message);
    // True when the child is painted in the skin's colours and font.
    bool ColoursChild(DialogChild child) const { return child != DialogChild::Other; }
    // True when the help request (F1) is answered here.
    virtual bool OnHelpRequest() { return false; }
    // The keyboard hook saw a key event: the driver's name of the key and
    // its position.
    virtual void OnKeyNotice(std::wstring_view /*name*/, std::uint16_t /*scanCode*/,
                             bool /*extended*/) {}

    bool ended() const { return ended_; }
    int result() const { return result_; }
    int choiceIndex() const { return choiceIndex_; }
    const std::wstring& choiceText() const { return choiceText_; }
    const DialogFrameLayout& layout() const { return layout_; }
    const DialogFrameFlags& flags() const { return flags_; }
    bool hasBackground() const { return hasBackground_; }

  protected:
    // --- the dialog's own steps ---
    virtual bool UsesFont() const { return true; }
    // The accept and cancel images drawn "normal" on every paint.
    virtual bool DrawsButtonsOnPaint() const { return true; }
    // After the frame's opening steps; false ends the initialisation early.
    virtual bool OnOpened() { return true; }
    // The dialog's texts, drawn on every paint after the buttons.
    virtual void PaintTexts() {}
    virtual void OnListOpening() {}
    virtual void OnListClosed() {}
    virtual void BeforeAccept() {}
    virtual void OnOtherChildNotify(int /*id*/, ChildEvent /*event*/) {}
    virtual bool Swallows(const DialogFilterMessage& /*message*/) const { return false; }

    // The list's items; the choice starts at the first.
    void SetListItems(std::vector<std::wstring> items);
    const std::vector<std::wstring>& listItems() const { return items_; }
    DialogHost& host() const { return host_; }
    UserMessages& messages() const { return messages_; }
    std::uint16_t languageId() const { return system_.languageId; }
    // Starts a drawing pass when there is a canvas; false: draw nothing.
    bool BeginPass();

  private:
    void Accept();
    void Cancel();
    void ToggleList();
    void CloseList();
    void Choose();
    bool InFrameButton(Point p) const;
    void RestoreFlaggedButtons();
    void HoverOnto(bool& flag, std::wstring_view over, Rect rect, bool& other,
                   std::wstring_view otherNormal, Rect otherRect);

    const DialogFrameLayout& layout_;
    DialogHost& host_;
    UserMessages& messages_;
    DialogFrameFlags& flags_;
    DialogSystem system_;
    std::vector<std::wstring> items_;
    int choiceIndex_ = 0;
    std::wstring choiceText_;
    bool hasBackground_ = false;
    bool ended_ = false;
    // A window that goes away without an answer counts as cancelled.
    int result_ = kDialogCancelled;
};

}  // namespace corvane
