// The main window's logic: page state, the click dispatcher, the tabs, the
// page-leave step, the window buttons, the message pre-filter and hover
// feedback. The three pages (ui/main/pages) own their own state and
// drawing. Everything the window does to the screen goes
// through MainWindowHost; the Win32 window procedure turns each message
// into one call here.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/user_messages.h"
#include "device/device_state.h"
#include "settings/key_labels.h"
#include "settings/settings_files.h"
#include "ui/main/control_colour.h"
#include "ui/main/main_host.h"
#include "ui/main/main_window_owner.h"
#include "ui/main/main_window_tables.h"
#include "ui/main/pages/dpi_page.h"
#include "ui/main/pages/key_page.h"
#include "ui/main/pages/led_page.h"
#include "ui/main/text_table.h"

namespace corvane {

// A message as the pre-filter sees it, before normal dispatch.
struct FilterMessage {
    enum class Kind { KeyDown, PointerMove, Other };
    Kind kind = Kind::Other;
    Key key = Key::Other;  // KeyDown
    Point screenPoint{};  // PointerMove: the pointer's screen position
};

class CTessaryDlg {
  public:
    // `owner` writes the mouse on Save and ends the program on Close;
    // `systemLanguageId` is the system's default language, which the key
    // function dialogs and the labels built from functions speak.
    CTessaryDlg(DeviceState& state, MainWindowHost& host, UserMessages& messages,
                const TextTable& texts, SettingsFiles& files, MainWindowOwner& owner,
                std::uint16_t systemLanguageId);

    // --- messages of the window ---
    void OnLButtonDown(Point p);
    void OnMouseMove(Point p);
    void OnMouseHover(Point p);
    void OnMouseLeave();
    // Repaints the window from the back buffer; true: background erased.
    bool OnEraseBackground();
    // True when the message was handled and must go no further.
    bool PreFilter(const FilterMessage& message);
    void OnListNotify(int id, ChildEvent event);
    ControlColourChoice ControlColour(ControlCategory category, int id) const;

    // --- pages ---
    void ShowKeyPage();
    void ShowDpiPage();
    void ShowLedPage();
    // Closes the lists that do not belong to the page currentPage names.
    void PageLeave();
    // The current page drawn again from the record, every list closed; the
    // key page also reloads its labels (the tray's show after Exit).
    void RedrawCurrentPage();
    // The sixteen labels from str.ini; each empty one (a missing str.ini, or
    // one written under another language) becomes the label of its button's
    // stored function, and labels that hold text stay as read.
    void LoadLabels();

    // --- window buttons ---
    void Save();
    void Exit();
    void Minimise();
    void Close();
    void Default();

    int currentPage() const { return currentPage_; }
    void setCurrentPage(int page) { currentPage_ = page; }
    bool refreshOnShow() const { return refreshOnShow_; }
    void setRefreshOnShow(bool value) { refreshOnShow_ = value; }
    KeyLabels& labels() { return keyPage_.labels(); }
    const KeyLabels& labels() const { return keyPage_.labels(); }
    const std::wstring& dpiText(int stage) const { return dpiPage_.text(stage); }
    bool keyPageShown() const { return keyPage_.shown(); }
    bool keyListOpen(int layer, int button) const { return keyPage_.listOpen(layer, button); }
    bool dpiListOpen(int stage) const { return dpiPage_.listOpen(stage); }
    bool hoverFlag(HotRegion region) const { return hover_[static_cast<int>(region)]; }

  private:
    // The dispatcher's page step for the current page; true when the click
    // was consumed.
    bool PageClick(Point p);
    // The lists of the current page (the pointer highlight follows them).
    const DropdownLists* CurrentPageLists() const;

    // Hover feedback.
    bool InHotRegionOfPage(Point p) const;
    void RestoreFirstFlagged();
    void DrawRegion(HotRegion region, bool over);
    void RestoreIfFlagged(HotRegion region);
    void HoverButton(const ButtonHover& hover);
    void HoverRegion(HotRegion region);
    void SetHover(HotRegion region, bool on) { hover_[static_cast<int>(region)] = on; }

    DeviceState& state_;
    MainWindowHost& host_;
    UserMessages& messages_;
    const TextTable& texts_;
    SettingsFiles& files_;
    MainWindowOwner& owner_;
    std::uint16_t systemLanguageId_;

    int currentPage_ = kNoPage;
    bool refreshOnShow_ = false;
    std::array<bool, kHotRegionCount> hover_{};
    KeyPage keyPage_;
    DpiPage dpiPage_;
    LedPage ledPage_;
};

}  // namespace corvane
