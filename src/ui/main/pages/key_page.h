// The key page: the function of buttons 0-4 in the normal layer (left
// column) and the shift layer (right column). It owns the sixteen key
// labels, the twelve key lists with their open flags and the first-show
// flag; a box click opens a function list, a choice in it stores the
// function (through its dialog for functions 6-11) and redraws the box.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/user_messages.h"
#include "device/device_state.h"
#include "settings/key_labels.h"
#include "settings/settings_files.h"
#include "ui/main/main_host.h"
#include "ui/main/pages/dropdown_lists.h"
#include "ui/main/text_table.h"

namespace corvane {

struct KeyBox {
    int layer;
    int button;
    friend constexpr bool operator==(const KeyBox&, const KeyBox&) = default;
};

class KeyPage {
  public:
    // `systemLanguageId` is handed to the dialogs (they speak Chinese on 2052).
    KeyPage(DeviceState& state, MainWindowHost& host, UserMessages& messages,
            const TextTable& texts, SettingsFiles& files, std::uint16_t systemLanguageId);

    // Draws the page with its labels and copies it to the window; the first
    // show of a run also runs the first-run handling.
    void Show();
    // The page is left: every key list closes.
    void Leave() { lists_.CloseAll(); }
    // Closes the lists the click lies away from, then runs the click of the
    // box under `p`; true when a box took it.
    bool Click(Point p);
    void BoxClick(KeyBox box);
    // A key list reported a selection change or a double click.
    bool Notifies(int id, ChildEvent event) const { return lists_.Notifies(id, event); }
    void OnListNotify();

    // The clickable box under `p` (hover feedback).
    std::optional<KeyBox> HotBoxAt(Point p) const;
    void DrawBoxText(KeyBox box);
    // The box's normal image with its label over it.
    void DrawBox(KeyBox box);

    KeyLabels& labels() { return labels_; }
    const KeyLabels& labels() const { return labels_; }
    bool shown() const { return shown_; }
    bool listOpen(int layer, int button) const { return lists_.IsOpen(SlotOf({layer, button})); }
    const DropdownLists& lists() const { return lists_; }

  private:
    static constexpr int SlotOf(KeyBox box) { return box.layer * kButtonsWithList + box.button; }
    static constexpr int kButtonsWithList = 6;

    // True when the left-click rule lets button `button` of the normal layer
    // change; otherwise the user has been told.
    bool LeftRuleAllows(int button);
    // Runs the choice of the open list of `box` (its dialog included).
    void AssignFromList(KeyBox box);

    DeviceState& state_;
    MainWindowHost& host_;
    UserMessages& messages_;
    const TextTable& texts_;
    SettingsFiles& files_;
    std::uint16_t systemLanguageId_;
    DropdownLists lists_;
    std::array<std::wstring, kButtonFunctionCount> functionItems_;
    KeyLabels labels_{};
    bool shown_ = false;
};

}  // namespace corvane
