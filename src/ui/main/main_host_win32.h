// The main window's host over a real HWND: the two fonts, the back buffer
// (the decoded "/main.png"), drawing passes through CMemDC, LISTBOX
// children, message boxes, hover tracking, the window drag, the one live
// control brush, and the runner of the key function dialogs. It is also the
// message box sink of the window's texts.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "core/user_messages.h"
#include "ui/dialogs/dialog_runner_win32.h"
#include "ui/dialogs/skinned_dialog.h"
#include "ui/main/control_colour.h"
#include "ui/main/main_host.h"
#include "ui/main/text_messages.h"
#include "ui/skin/gdiplus_lease_win32.h"
#include "ui/skin/list_box_win32.h"
#include "ui/skin/mem_dc_win32.h"

namespace corvane {

// The control category of a WM_CTLCOLOR* message.
ControlCategory ControlCategoryOf(UINT message);

class MainHostWin32 final : public MainWindowHost, public MessageBoxSink {
  public:
    MainHostWin32() = default;
    ~MainHostWin32() override;
    MainHostWin32(const MainHostWin32&) = delete;
    MainHostWin32& operator=(const MainHostWin32&) = delete;

    // The window it draws on, whose children the lists are and over which
    // the dialogs and message boxes open; made before the program's
    // initialisation runs.
    void Attach(HWND window) { window_ = window; }

    // Takes ownership of the back buffer (nullptr: none).
    void SetBackBuffer(HBITMAP bitmap);
    HBITMAP backBuffer() const { return backBuffer_; }
    const std::wstring& skinDir() const { return skinDir_; }
    // Set up: the window logic may draw and run dialogs.
    bool isSetUp() const { return messages_ != nullptr; }

    // A WM_CTLCOLOR* step after the default handling returned
    // `defaultResult`: deletes the brush of the previous call, applies
    // `choice` to `dc` and returns the brush for the control.
    HBRUSH ApplyControlColour(HDC dc, const ControlColourChoice& choice, HBRUSH defaultResult);

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
    HFONT FontOf(FontKind font) const { return font == FontKind::Page ? pageFont_ : listFont_; }

    HWND window_ = nullptr;
    std::wstring skinDir_;
    UserMessages* messages_ = nullptr;  // from SetUp on
    HFONT pageFont_ = nullptr;
    HFONT listFont_ = nullptr;
    GdiplusLease lease_;  // keeps GDI+ started while the window lives
    HBITMAP backBuffer_ = nullptr;
    HBRUSH brush_ = nullptr;
    HDC windowDc_ = nullptr;
    std::unique_ptr<CMemDC> pass_;
    ListBoxesWin32 lists_;
    DialogFlagsOfRun dialogFlags_;  // every dialog kind's flags, for the whole run
    std::optional<DialogRunnerWin32> dialogRunner_;
};

}  // namespace corvane
