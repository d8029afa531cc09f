#include "ui/dialogs/fire_key_dialog.h"

#include <climits>
#include <cwctype>
#include <vector>

#include "ui/dialogs/dialog_layout.h"
#include "ui/skin/window_events.h"

namespace corvane {
namespace {

constexpr int kBoxCount = static_cast<int>(kFireKeyNumberRules.size());

// Far above every box's maximum, and far from overflowing.
constexpr long kSaturation = 1'000'000'000L;

// Labels of the number boxes, in their order.
constexpr const DialogText* kBoxLabels[kBoxCount] = {&kFireTimesText, &kFireMakeText,
                                                     &kFireBreakText};

}  // namespace

int LeadingNumber(std::wstring_view text) {
    std::size_t at = 0;
    while (at < text.size() && std::iswspace(text[at])) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == L'-' || text[at] == L'+')) {
        negative = text[at] == L'-';
        ++at;
    }
    long number = 0;
    for (; at < text.size() && text[at] >= L'0' && text[at] <= L'9'; ++at) {
        number = number * 10 + (text[at] - L'0');
        if (number > kSaturation) {
            number = kSaturation;
        }
    }
    return static_cast<int>(negative ? -number : number);
}

CFireKeyDialog::CFireKeyDialog(const DialogParts& parts, const DialogInputs& inputs)
    : SkinnedDialog(DialogKind::FireKey, parts, inputs) {
    for (int box = 0; box < kBoxCount; ++box) {
        values_[box] = kFireKeyNumberRules[box].number.fallback;
        texts_[box] = std::to_wstring(values_[box]);
    }
    std::vector<std::wstring> keys;
    for (const FireKeyEntry& key : FireKeys()) {
        keys.emplace_back(key.text);
    }
    SetListItems(std::move(keys));
}

bool CFireKeyDialog::OnOpened() {
    CreateMissingBoxes();
    return true;
}

void CFireKeyDialog::PaintTexts() {
    for (int box = 0; box < kBoxCount; ++box) {
        host().DrawText(kBoxLabels[box]->In(language()), kFireKeyNumberBoxes[box].label,
                        TextFormat::RightAligned);
    }
    host().DrawText(kFireTimeNoteText.In(language()), kFireKeyTimeNote, TextFormat::LeftAligned);
    host().DrawText(kFireTimesNoteText.In(language()), kFireKeyTimesNote, TextFormat::LeftAligned);
}

void CFireKeyDialog::OnListOpening() {
    for (const NumberBox& box : kFireKeyNumberBoxes) {
        if (host().NumberBoxExists(box.controlId)) {
            host().DestroyNumberBox(box.controlId);
        }
    }
}

void CFireKeyDialog::OnListClosed() {
    CreateMissingBoxes();
}

void CFireKeyDialog::CreateMissingBoxes() {
    for (int box = 0; box < kBoxCount; ++box) {
        const NumberBox& place = kFireKeyNumberBoxes[box];
        if (!host().NumberBoxExists(place.controlId)) {
            host().CreateNumberBox(place.controlId, place.box, texts_[box]);
        }
    }
}

void CFireKeyDialog::CheckBox(int box) {
    const FireNumberRule& rule = kFireKeyNumberRules[box].number;
    const int id = kFireKeyNumberBoxes[box].controlId;
    texts_[box] = host().NumberBoxText(id);
    const int number = LeadingNumber(texts_[box]);
    if (number < rule.minimum || number > rule.maximum) {
        // The platform reports this change too; it reads the fallback.
        texts_[box] = std::to_wstring(rule.fallback);
        host().SetNumberBoxText(id, texts_[box]);
        values_[box] = rule.fallback;
    } else {
        values_[box] = number;
    }
    host().RepaintNumberBox(id);
}

void CFireKeyDialog::OnOtherChildNotify(int id, ChildEvent event) {
    for (int box = 0; box < kBoxCount; ++box) {
        if (kFireKeyNumberBoxes[box].controlId != id || !host().NumberBoxExists(id)) {
            continue;
        }
        const bool checks =
            event == ChildEvent::EditLostFocus ||
            (event == ChildEvent::EditChanged && kFireKeyNumberRules[box].checkedOnChange);
        if (checks) {
            CheckBox(box);
        } else if (event == ChildEvent::EditChanged) {
            host().RepaintNumberBox(id);
        }
    }
}

void CFireKeyDialog::BeforeAccept() {
    for (int box = 0; box < kBoxCount; ++box) {
        if (host().NumberBoxExists(kFireKeyNumberBoxes[box].controlId)) {
            CheckBox(box);
        }
    }
}

DialogOutcome CFireKeyDialog::Outcome() const {
    DialogOutcome outcome = SkinnedDialog::Outcome();
    outcome.fireTimes = values_[0];
    outcome.fireMakeTime = values_[1];
    outcome.fireBreakTime = values_[2];
    return outcome;
}

}  // namespace corvane
