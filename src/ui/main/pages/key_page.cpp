#include "ui/main/pages/key_page.h"

#include <span>

#include "meaning/button_functions.h"
#include "meaning/factory_settings.h"
#include "meaning/key_assignment.h"
#include "ui/main/main_window_tables.h"

namespace corvane {
namespace {

// The function list of a normal-layer box offers all fourteen functions;
// the shift layer's cannot offer Shift.
constexpr int kNormalLayerEntries = 14;
constexpr int kShiftLayerEntries = 13;

// Layer 0 buttons 0-5, then layer 1 buttons 0-5: the order every closing
// step and the notification take. Button 5's lists are never opened.
constexpr std::array<DropdownSlot, kKeyLayerCount* kKeyBoxButtonCount> kKeyListSlots = [] {
    std::array<DropdownSlot, kKeyLayerCount * kKeyBoxButtonCount> slots{};
    for (int layer = 0; layer < kKeyLayerCount; ++layer) {
        for (int button = 0; button < kKeyBoxButtonCount; ++button) {
            slots[layer * kKeyBoxButtonCount + button] = {
                KeyListId(layer, button), kKeyBoxes[layer][button], kKeyListZones[layer][button]};
        }
    }
    return slots;
}();

// Shift-layer lists report no double click to this page.
constexpr IdRange kSelectionIds[] = {{31, 38}, {41, 46}};
constexpr IdRange kDoubleClickIds[] = {{31, 38}};

}  // namespace

KeyPage::KeyPage(DeviceState& state, MainWindowHost& host, UserMessages& messages,
                 const TextTable& texts, SettingsFiles& files, std::uint16_t systemLanguageId)
    : state_(state),
      host_(host),
      messages_(messages),
      texts_(texts),
      files_(files),
      systemLanguageId_(systemLanguageId),
      lists_(host, kKeyListSlots, {kSelectionIds, kDoubleClickIds}) {
    static_assert(kButtonsWithList == kKeyBoxButtonCount);
    for (int n = 0; n < kButtonFunctionCount; ++n) {
        functionItems_[n] = std::wstring(texts.functionNames[n]);
    }
}

void KeyPage::Show() {
    if (host_.BeginDrawingPass()) {
        host_.DrawImage(kImageKeySet, {0, 0});
    }
    SaveResult firstRunSave = SaveResult::Done();
    if (!shown_) {
        firstRunSave = ApplyFirstRunDefaults(state_, labels_, texts_, files_);
        shown_ = true;
    }
    for (int layer = 0; layer < kKeyLayerCount; ++layer) {
        for (int button = 0; button < kClickableKeyButtonCount; ++button) {
            DrawBoxText({layer, button});
        }
    }
    host_.Present();
    // After the page is complete: the box's own loop may repaint the window.
    ShowSaveResult(messages_, firstRunSave);
}

bool KeyPage::Click(Point p) {
    lists_.CloseOutside(p);
    if (const std::optional<KeyBox> box = HotBoxAt(p)) {
        BoxClick(*box);
        return true;
    }
    return false;
}

void KeyPage::BoxClick(KeyBox box) {
    if (box.layer == kShiftLayer && ShiftLayerBoxLocked(state_.records.working, box.button)) {
        return;
    }
    const int slot = SlotOf(box);
    if (lists_.IsOpen(slot)) {
        lists_.Close(slot);
        return;
    }
    lists_.CloseOthers(slot);
    if (box.layer == kNormalLayer && !LeftRuleAllows(box.button)) {
        return;
    }
    const int entries = box.layer == kNormalLayer ? kNormalLayerEntries : kShiftLayerEntries;
    lists_.Open(slot, kKeyListZones[box.layer][box.button],
                std::span<const std::wstring>(functionItems_).first(entries));
}

// The left-click rule tells the user when it refuses.
bool KeyPage::LeftRuleAllows(int button) {
    if (LeftClickRuleAllows(state_.records.working, button)) {
        return true;
    }
    messages_.Show(MessageKind::LeftRequired, Caption::Warning);
    return false;
}

void KeyPage::OnListNotify() {
    const std::optional<int> slot = lists_.FirstExisting();
    if (!slot) {
        return;
    }
    const KeyBox box{*slot / kButtonsWithList, *slot % kButtonsWithList};
    AssignFromList(box);
    host_.BeginDrawingPass();
    DrawBox(box);
    if (box.layer == kNormalLayer &&
        CoupleShiftLayer(state_.records.working, labels_, box.button)) {
        DrawBox({kShiftLayer, box.button});
    }
    host_.Present();
    // Cleared even when the list had no selection: its window then stays
    // until a click away from it.
    lists_.ClearFlag(*slot);
}

void KeyPage::AssignFromList(KeyBox box) {
    const int slot = SlotOf(box);
    const std::optional<int> chosen = host_.ListSelection(lists_.slot(slot).id);
    if (!chosen) {
        return;
    }
    ButtonChoice choice;
    bool accepted = true;
    if (const std::optional<DialogKind> dialog = DialogOfFunction(*chosen)) {
        const DialogOutcome outcome =
            host_.RunDialog(*dialog, DialogInputs{state_.sensorType, systemLanguageId_});
        accepted = outcome.result == kDialogAccepted;
        choice = outcome;
    }
    // The list names the function; its dialog chose the rest.
    choice.function = static_cast<ButtonFunction>(*chosen);
    // A dialog that was not accepted changes nothing; the list closes as
    // after any choice.
    if (accepted) {
        AssignKeyFunction(state_.records.working, labels_, box.layer, box.button, choice,
                          state_.sensorType, texts_);
    }
    lists_.Close(slot);
}

std::optional<KeyBox> KeyPage::HotBoxAt(Point p) const {
    for (int layer = 0; layer < kKeyLayerCount; ++layer) {
        for (int button = 0; button < kClickableKeyButtonCount; ++button) {
            if (kKeyBoxes[layer][button].Contains(p)) {
                return KeyBox{layer, button};
            }
        }
    }
    return std::nullopt;
}

void KeyPage::DrawBoxText(KeyBox box) {
    host_.DrawText(labels_[box.layer][box.button], KeyBoxTextRect(kKeyBoxes[box.layer][box.button]),
                   TextFormat::LeftAligned, FontKind::Page);
}

void KeyPage::DrawBox(KeyBox box) {
    host_.DrawImage(kImageDropdownNormal, kKeyBoxes[box.layer][box.button].TopLeft());
    DrawBoxText(box);
}

}  // namespace corvane
