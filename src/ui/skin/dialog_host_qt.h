// A skinned dialog with Qt: a frameless window with a one-pixel border,
// its client area exactly as the layout says, on its owner's client origin,
// run by an event loop of ours (owner disabled meanwhile) whose application
// event filter hands key presses and pointer moves to the frame's pre-filter
// before they are dispatched, turns Enter and Escape into accept and cancel,
// and, while the single key dialog's keyboard "hook" is installed, reports
// every key event of the program to the frame. It implements the frame's
// host: the background image as canvas, list and number box children in the
// skin's colours and the dialog font, and the hover timer.
#pragma once

#include <QEventLoop>
#include <QFont>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <string>

#include "core/user_messages.h"
#include "ui/skin/canvas_qt.h"
#include "ui/skin/dialog_host.h"
#include "ui/skin/list_box_qt.h"
#include "ui/skin/number_box_qt.h"
#include "ui/skin/skinned_dialog_frame.h"

namespace corvane {

class DialogHostQt final : public DialogHost {
  public:
    // `skinDir` is the skin folder of the interface language; `messages`
    // reports images that cannot be loaded.
    DialogHostQt(std::wstring skinDir, UserMessages& messages);
    ~DialogHostQt() override;
    DialogHostQt(const DialogHostQt&) = delete;
    DialogHostQt& operator=(const DialogHostQt&) = delete;

    // Open, RunLoop and Close in one: returns when the frame has its answer
    // or the window is gone (the frame then keeps "cancelled").
    void RunModal(QWidget* owner, SkinnedDialogFrame& frame);
    // Makes the window for `frame` (its initialisation runs inside) and shows
    // it over `owner`'s client origin (the screen origin without an owner).
    bool Open(QWidget* owner, SkinnedDialogFrame& frame);
    void RunLoop();
    // Removes the hook and the window; the frame hears nothing more.
    void Close();

    // The top-level window (border included) and its client area.
    QWidget* window() const;
    QWidget* client() const;
    bool keyboardHookInstalled() const { return hookInstalled_; }

    void CreateDialogFont(const DialogFont& font) override;
    bool LoadBackground(std::wstring_view name) override;
    void BeginDrawingPass() override;
    bool DrawImage(std::wstring_view name, Point at) override;
    void DrawText(std::wstring_view text, Rect rect, TextFormat format) override;
    void Present() override;

    void CreateList(int id, Rect rect, std::span<const std::wstring> items,
                    bool scrollBar) override;
    void DestroyList(int id) override;
    bool ListExists(int id) const override;
    std::optional<int> ListSelection(int id) const override;
    void SetListSelection(int id, int index) override;
    std::wstring ListText(int id, int index) const override;
    std::optional<int> ListItemAt(int id, Point screenPoint) const override;
    std::optional<int> ListUnderScreenPoint(Point screenPoint) const override;

    void CreateNumberBox(int id, Rect rect, std::wstring_view text) override;
    void DestroyNumberBox(int id) override;
    bool NumberBoxExists(int id) const override;
    std::wstring NumberBoxText(int id) const override;
    void SetNumberBoxText(int id, std::wstring_view text) override;
    void RepaintNumberBox(int id) override;

    void RequestHover(int milliseconds) override;
    KeyboardHookResult InstallKeyboardHook() override;

  private:
    class Window;
    class Client;
    class Filter;

    // Every call into the frame goes through here: once the frame has its
    // answer the loop ends.
    template <typename Call>
    void ToFrame(Call call);
    bool FilterEvent(QObject* receiver, QEvent* event);
    void PaintClient(QWidget& client);
    void OnChildNotify(int id, ChildEvent event);

    std::wstring skinDir_;
    UserMessages& messages_;
    SkinnedDialogFrame* frame_ = nullptr;
    QPointer<QWidget> owner_;
    std::unique_ptr<Window> window_;
    Client* client_ = nullptr;
    std::unique_ptr<CanvasQt> canvas_;
    QFont font_;
    ListBoxesQt lists_;
    NumberBoxesQt boxes_;
    QTimer hoverTimer_;
    QPoint lastPointer_;
    std::unique_ptr<Filter> filter_;
    QEventLoop* loop_ = nullptr;
    bool hookInstalled_ = false;
    // Set where Windows would erase the background: when the window first
    // shows and where a child has gone.
    bool eraseDue_ = false;
    bool erasing_ = false;
    bool presenting_ = false;
};

}  // namespace corvane
