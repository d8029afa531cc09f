// The main window with Qt: a frameless top-level widget whose client area is
// exactly the window's 760 x 630 pixels, and its MainWindowHost: the back
// buffer (the decoded "/main.png") as canvas of every drawing pass, texts in
// the window's two fonts, the drop-down lists, message boxes, hover timing,
// the window drag, and the dialogs through the Qt dialog runner it owns. It
// is also the message box sink of the window's texts.
//
// The host and its widget exist before the window logic; the set-up gives
// the skin folder, the fonts and what the dialogs need, and once the logic
// is attached, the widget hands it the window's events: presses, moves, rests and leaves of
// the pointer, paints (the background erase), list notifications, and key
// presses and pointer moves through the pre-filter before they are
// dispatched.
#pragma once

#include <QFont>
#include <QPoint>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/user_messages.h"
#include "ui/dialogs/dialog_runner_qt.h"
#include "ui/dialogs/skinned_dialog.h"
#include "ui/main/main_host.h"
#include "ui/main/text_messages.h"
#include "ui/skin/canvas_qt.h"
#include "ui/skin/list_box_qt.h"
#include "ui/skin/skin_prefetch_qt.h"

namespace corvane {

class CTessaryDlg;

class MainHostQt final : public MainWindowHost, public MessageBoxSink {
  public:
    MainHostQt();
    ~MainHostQt() override;
    MainHostQt(const MainHostQt&) = delete;
    MainHostQt& operator=(const MainHostQt&) = delete;

    // The logic the window's events go to from now on.
    void Attach(CTessaryDlg& logic);
    // Images decoded ahead, taken by the first draws of their paths; it
    // outlives the host's drawing.
    void UsePrefetch(SkinImagePrefetch& prefetch) { prefetch_ = &prefetch; }
    QWidget* window() const;

    const QFont& pageFont() const { return pageFont_; }
    const QFont& listFont() const { return listFont_; }
    bool hasBackBuffer() const;
    // The back buffer, or a null image without one (for tests).
    QImage backBuffer() const;

    // What a close request of the window does (the shell's); without it,
    // nothing.
    void SetCloseRequest(std::function<void()> close) { closeRequest_ = std::move(close); }
    // What the logic's hide does (the shell's: a window without a tray is
    // minimised instead); without it, the window hides.
    void SetHideRequest(std::function<void()> hide) { hideRequest_ = std::move(hide); }

    // The page and list fonts become the Linux fonts of the same cell
    // heights as the Windows fonts the window asks for.
    void SetUp(const WindowSetup& setup) override;
    void LoadBackground(std::wstring_view name) override;
    bool BeginDrawingPass() override;
    bool DrawImage(std::wstring_view name, Point at) override;
    void DrawText(std::wstring_view text, Rect rect, TextFormat format, FontKind font) override;
    void Present() override;
    void RepaintFromBackBuffer() override;

    void CreateList(int id, Rect rect, std::span<const std::wstring> items) override;
    void DestroyList(int id) override;
    bool ListExists(int id) const override;
    std::optional<int> ListSelection(int id) const override;
    void SetListSelection(int id, int index) override;
    std::optional<int> ListItemAt(int id, Point screenPoint) const override;
    std::wstring ListText(int id, int index) const override;
    std::optional<int> ListUnderScreenPoint(Point screenPoint) const override;

    void ShowMessageBox(const std::wstring& text, const std::wstring& caption) override;
    void Hide() override;
    void Show() override;
    void BringToFront() override;
    void StartDrag() override;
    void RequestHover(int milliseconds) override;
    DialogOutcome RunDialog(DialogKind kind, const DialogInputs& inputs) override;

  private:
    class Window;
    class Filter;

    bool FilterEvent(QObject* receiver, QEvent* event);
    void Paint(QWidget& window);

    std::wstring skinDir_;
    SkinImagePrefetch* prefetch_ = nullptr;
    UserMessages* messages_ = nullptr;  // from the set-up on
    CTessaryDlg* logic_ = nullptr;
    CanvasQt canvas_;
    QFont pageFont_;
    QFont listFont_;
    ListBoxesQt lists_;
    std::unique_ptr<Window> window_;
    std::unique_ptr<Filter> filter_;
    DialogFlagsOfRun dialogFlags_;  // every dialog kind's flags, for the whole run
    std::optional<DialogRunnerQt> runner_;
    QTimer hoverTimer_;
    bool leaveArmed_ = false;
    QPoint lastPointer_;
    bool erasing_ = false;
    bool presenting_ = false;
    std::function<void()> closeRequest_;
    std::function<void()> hideRequest_;
};

}  // namespace corvane
