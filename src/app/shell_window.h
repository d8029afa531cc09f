// The main window's page operations that the application shell drives at
// start-up and from the tray (the window logic's own, see CTessaryDlg).
#pragma once

#include "settings/key_labels.h"
#include "ui/main/main_window_tables.h"

namespace corvane {

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

}  // namespace corvane
