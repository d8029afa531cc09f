#include "ui/dialogs/single_dialog.h"

#include "ui/dialogs/dialog_layout.h"
#include "ui/skin/window_events.h"

namespace corvane {

CSingleDialog::CSingleDialog(const DialogParts& parts, const DialogInputs& inputs)
    : SkinnedDialog(DialogKind::SingleKey, parts, inputs) {}

bool CSingleDialog::OnOpened() {
    const KeyboardHookResult hook = host().InstallKeyboardHook();
    if (!hook.installed) {
        // The dialog still opens; it then never shows a key.
        messages().Show(MessageKind::HookInstallError, Caption::None, hook.errorCode);
        return false;
    }
    return true;
}

void CSingleDialog::PaintTexts() {
    // The key text stays on the canvas from the last key event.
    host().DrawText(kSingleKeyPromptText.In(language()), kSingleKeyPrompt, TextFormat::Centred);
}

void CSingleDialog::OnKeyNotice(std::wstring_view name, std::uint16_t scanCode, bool extended) {
    keyText_ = std::wstring(name.substr(0, kKeyNameMaxLength));
    key_ = KeyPosition{scanCode, extended};
    if (BeginPass()) {
        host().DrawImage(kImageDialogDropdown, kSingleKeyBox.TopLeft());
        host().DrawText(keyText_, kSingleKeyBox, TextFormat::Centred);
        host().Present();
    }
}

bool CSingleDialog::Swallows(const DialogFilterMessage& message) const {
    // The Windows keys in any message, so that they never open the system's
    // menu over the dialog.
    if (message.key == Key::LeftSuper || message.key == Key::RightSuper) {
        return true;
    }
    return message.kind == DialogFilterMessage::Kind::KeyDown &&
           (message.key == Key::Enter || message.key == Key::Escape);
}

DialogOutcome CSingleDialog::Outcome() const {
    DialogOutcome outcome = SkinnedDialog::Outcome();
    outcome.choiceText = keyText_;
    outcome.key = key_;
    return outcome;
}

}  // namespace corvane
