// The DPI page: the DPI value of stages 1-3, each chosen in a drop-down list
// of the sensor's DPI values. It owns the stage box texts and the stage
// lists with their open flags (a fourth list is closed with the others but
// never opened).
#pragma once

#include <array>
#include <optional>
#include <string>

#include "device/device_state.h"
#include "ui/main/main_host.h"
#include "ui/main/main_layout.h"
#include "ui/main/pages/dropdown_lists.h"

namespace corvane {

class DpiPage {
  public:
    DpiPage(DeviceState& state, MainWindowHost& host);

    // Draws the page with the stage texts of the working record and copies it
    // to the window. Without a back buffer the texts are not rebuilt.
    void Show();
    // The page is left: every DPI list closes.
    void Leave() { lists_.CloseAll(); }
    // Closes the lists the click lies away from, then runs the click of the
    // stage box under `p`; true when a box took it.
    bool Click(Point p);
    void StageBoxClick(int stage);
    bool Notifies(int id, ChildEvent event) const { return lists_.Notifies(id, event); }
    void OnListNotify();

    // The stage box under `p` (hover feedback).
    std::optional<int> HotBoxAt(Point p) const;
    void DrawBoxText(int stage);

    const std::wstring& text(int stage) const { return text_[stage]; }
    bool listOpen(int stage) const { return lists_.IsOpen(stage); }
    const DropdownLists& lists() const { return lists_; }

  private:
    DeviceState& state_;
    MainWindowHost& host_;
    DropdownLists lists_;
    std::array<std::wstring, kDpiStageCount> text_{};
};

// Where the list of a stage box opens for a sensor type: right of the box
// (12 values of type 0), below it (8 values of types 1-3), or nowhere.
std::optional<Rect> DpiListRect(const Rect& box, std::uint8_t sensorType);

}  // namespace corvane
