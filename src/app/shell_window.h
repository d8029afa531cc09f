// The main window's page operations that the application shell drives at
// start-up and from the tray (the window logic's own, see CTessaryDlg).
#pragma once

#include "settings/key_labels.h"

namespace corvane {

inline constexpr int kPageNone = 0;
inline constexpr int kPageKeys = 1;
inline constexpr int kPageDpi = 2;
inline constexpr int kPageLed = 3;

class ShellWindow {
  public:
    virtual ~ShellWindow() = default;
    virtual int CurrentPage() const = 0;
    virtual void SetCurrentPage(int page) = 0;
    virtual bool RefreshOnShow() const = 0;
    virtual void SetRefreshOnShow(bool value) = 0;
    virtual void PageLeave() = 0;
    virtual void ShowKeyPage() = 0;
    virtual void ShowDpiPage() = 0;
    virtual void ShowLedPage() = 0;
    virtual KeyLabels& Labels() = 0;
};

// The shell's view of a window logic with these operations.
template <class Window>
class ShellWindowOf final : public ShellWindow {
  public:
    explicit ShellWindowOf(Window& window) : window_(window) {}
    int CurrentPage() const override { return window_.currentPage(); }
    void SetCurrentPage(int page) override { window_.setCurrentPage(page); }
    bool RefreshOnShow() const override { return window_.refreshOnShow(); }
    void SetRefreshOnShow(bool value) override { window_.setRefreshOnShow(value); }
    void PageLeave() override { window_.PageLeave(); }
    void ShowKeyPage() override { window_.ShowKeyPage(); }
    void ShowDpiPage() override { window_.ShowDpiPage(); }
    void ShowLedPage() override { window_.ShowLedPage(); }
    KeyLabels& Labels() override { return window_.labels(); }

  private:
    Window& window_;
};

}  // namespace corvane
