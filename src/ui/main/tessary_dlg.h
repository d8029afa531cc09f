// The main window's logic: page state, the click dispatcher, the pages'
// show operations, the page-leave step, the message pre-filter, drawing
// passes and hover feedback. Everything the window does to the screen goes
// through MainWindowHost; the Win32 window procedure turns each message
// into one call here.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "core/user_messages.h"
#include "device/app_state.h"
#include "settings/key_labels.h"
#include "settings/stored_files.h"
#include "ui/main/control_colour.h"
#include "ui/main/main_host.h"
#include "ui/main/main_window_tables.h"
#include "ui/main/text_table.h"

namespace corvane {

// A message as the pre-filter sees it, before normal dispatch.
struct FilterMessage {
    enum class Kind { KeyDown, PointerMove, Other };
    Kind kind = Kind::Other;
    int virtualKey = 0;   // KeyDown
    Point screenPoint{};  // PointerMove: the pointer's screen position
};

class CTessaryDlg {
  public:
    // `writeDevice` writes the whole DeviceImage to the mouse (Save).
    CTessaryDlg(AppState& state, MainWindowHost& host, UserMessages& messages,
                const TextTable& texts, StoredFiles& files, std::function<void()> writeDevice);

    // --- messages of the window ---
    void OnLButtonDown(Point p);
    void OnMouseMove(Point p);
    void OnMouseHover(Point p);
    void OnMouseLeave();
    // Repaints the window from the back buffer; true: background erased.
    bool OnEraseBackground();
    // True when the message was handled and must go no further.
    bool PreFilter(const FilterMessage& message);
    void OnListNotify(int id, int code);
    ControlColourChoice ControlColour(ControlCategory category, int id) const;

    // --- pages ---
    void ShowKeyPage();
    void ShowDpiPage();
    void ShowLedPage();
    // Closes the lists that do not belong to the page currentPage names.
    void PageLeave();

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
    KeyLabels& labels() { return labels_; }
    const KeyLabels& labels() const { return labels_; }
    const std::wstring& dpiText(int stage) const { return dpiText_[stage]; }
    bool keyPageShown() const { return keyPageShown_; }
    bool keyListOpen(int layer, int button) const { return keyListOpen_[layer][button]; }
    bool dpiListOpen(int stage) const { return dpiListOpen_[stage]; }
    bool hoverFlag(HotRegion region) const { return hover_[static_cast<int>(region)]; }

  private:
    // Dispatcher steps 6-8; true when the click was consumed.
    bool KeyPageClick(Point p);
    bool DpiPageClick(Point p);
    bool LedPageClick(Point p);
    void CloseKeyListsOutside(Point p);
    void CloseDpiListsOutside(Point p);
    void CloseAllKeyLists();
    void CloseAllDpiLists();

    // The page operations a click or a list choice leads to. They belong
    // to the pages (key assignment, DPI choice, lighting and report rate);
    // until those are built a click on their regions is consumed and does
    // nothing else.
    void KeyBoxClick(int layer, int button);
    void DpiStageBoxClick(int stage);
    void LedPositionClick(int group, int position);
    void KeyListNotification();
    void DpiListNotification();

    // Hover feedback.
    bool InHotRegionOfPage(Point p) const;
    void RestoreFirstFlagged();
    void DrawRegion(HotRegion region, bool over);
    void RestoreIfFlagged(HotRegion region);
    void HoverButton(const ButtonHover& hover);
    void SetHover(HotRegion region, bool on) { hover_[static_cast<int>(region)] = on; }

    void DrawKeyBoxText(int layer, int button);
    void DrawDpiBoxText(int stage);

    AppState& state_;
    MainWindowHost& host_;
    UserMessages& messages_;
    const TextTable& texts_;
    StoredFiles& files_;
    std::function<void()> writeDevice_;

    int currentPage_ = kNoPage;
    bool refreshOnShow_ = false;
    bool keyPageShown_ = false;
    bool keyListOpen_[kKeyLayerCount][kKeyBoxButtonCount] = {};
    bool dpiListOpen_[kDpiListCount] = {};
    std::array<bool, kHotRegionCount> hover_{};
    KeyLabels labels_{};
    std::array<std::wstring, kDpiStageCount> dpiText_{};
};

}  // namespace corvane
