// The single key dialog: the user presses the key to assign. A thread
// keyboard hook reports every key event while the dialog is open; the box
// shows the keyboard driver's name of the last one, and the dialog keeps
// where that key sits (scan code and extended flag), from which the key
// page takes the code. Enter and Escape are captured like any key, so they
// never close this dialog, and the Windows keys never reach it.
#pragma once

#include <string>

#include "ui/dialogs/skinned_dialog.h"

namespace corvane {

// The hook's name buffer holds 32 characters with the terminator.
inline constexpr std::size_t kKeyNameMaxLength = 31;

class CSingleDialog final : public SkinnedDialog {
  public:
    CSingleDialog(const DialogParts& parts, const DialogInputs& inputs);

    DialogOutcome Outcome() const override;
    bool OnHelpRequest() override { return true; }
    void OnKeyNotice(std::wstring_view name, std::uint16_t scanCode, bool extended) override;

    const std::wstring& keyText() const { return keyText_; }
    KeyPosition key() const { return key_; }

  protected:
    bool OnOpened() override;
    void PaintTexts() override;
    bool Swallows(const DialogFilterMessage& message) const override;

  private:
    std::wstring keyText_;
    KeyPosition key_;
};

}  // namespace corvane
