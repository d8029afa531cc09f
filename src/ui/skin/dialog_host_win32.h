// A skinned dialog on Win32: the captionless window made from an in-memory
// template at (0, 0) of its owner, run by our modal loop (owner disabled,
// the dialog's pre-filter before the dialog manager). Its dialog procedure
// turns each message into one call on the frame, and it implements the
// frame's host: the background bitmap as canvas, CMemDC drawing passes,
// LISTBOX and EDIT children in the skin's colours and the dialog font, hover
// tracking, and the thread keyboard hook of the single key dialog.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "core/user_messages.h"
#include "ui/skin/dialog_host.h"
#include "ui/skin/gdiplus_lease_win32.h"
#include "ui/skin/list_box_win32.h"
#include "ui/skin/mem_dc_win32.h"
#include "ui/skin/skinned_dialog_frame.h"

namespace corvane {

// The keyboard hook's notice to its dialog: a key event's name is ready.
inline constexpr UINT kKeyNameNoticeMessage = 0x0B04;

// True while a dialog's keyboard hook is installed (for tests).
bool DialogKeyboardHookInstalled();

class DialogHostWin32 final : public DialogHost {
  public:
    // `skinDir` is the skin folder of the interface language; `messages`
    // reports images that cannot be loaded.
    DialogHostWin32(std::wstring skinDir, UserMessages& messages);
    ~DialogHostWin32() override;
    DialogHostWin32(const DialogHostWin32&) = delete;
    DialogHostWin32& operator=(const DialogHostWin32&) = delete;

    // Open, RunLoop and Close in one: returns when the frame has its answer
    // or the window is gone (the frame then keeps "cancelled").
    void RunModal(HWND owner, SkinnedDialogFrame& frame);
    // Creates and shows the window for `frame` over `owner`; false when the
    // window could not be created.
    bool Open(HWND owner, SkinnedDialogFrame& frame);
    void RunLoop();
    // Removes the hook and destroys the window; the frame hears nothing more.
    void Close();

    HWND window() const { return window_; }
    // The pre-filter step of the loop, for one message.
    bool PreFilter(const MSG& message);

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
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Result(LRESULT value);
    INT_PTR OnInitDialog();
    INT_PTR OnEraseBackground(HDC dc);
    INT_PTR OnCommand(WPARAM wParam, LPARAM lParam);
    INT_PTR OnChildColour(DialogChild child, HDC dc);
    void PlaceOverOwner();
    HWND NumberBoxWindow(int id) const;

    std::wstring skinDir_;
    UserMessages& messages_;
    GdiplusLease lease_;  // keeps GDI+ started while the dialog lives
    SkinnedDialogFrame* frame_ = nullptr;
    HWND owner_ = nullptr;
    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    HBITMAP background_ = nullptr;
    HBRUSH childBrush_ = nullptr;
    HDC paintDc_ = nullptr;   // the paint context while the background is erased
    HDC windowDc_ = nullptr;  // the window context of a pass outside painting
    std::unique_ptr<CMemDC> pass_;
    ListBoxesWin32 lists_;
    bool hookInstalled_ = false;
};

}  // namespace corvane
