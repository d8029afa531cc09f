// The dialogs of this program: the skinned frame of their kind's layout,
// opened with what the main window hands over, ending with the outcome the
// main window reads.
#pragma once

#include <array>
#include <cstdint>

#include "core/user_messages.h"
#include "meaning/choice_lists.h"
#include "ui/dialogs/dialog_io.h"
#include "ui/skin/dialog_host.h"
#include "ui/skin/skinned_dialog_frame.h"

namespace corvane {

// The hover and list-open flags of every dialog kind for the whole run of
// the program; one object, owned with the main window and handed to every
// opening by reference.
class DialogFlagsOfRun {
  public:
    DialogFrameFlags& Of(DialogKind kind) { return kinds_[static_cast<std::size_t>(kind)]; }
    const DialogFrameFlags& Of(DialogKind kind) const {
        return kinds_[static_cast<std::size_t>(kind)];
    }

  private:
    std::array<DialogFrameFlags, kDialogKindCount> kinds_{};
};

// What every opening is made with besides the main window's inputs.
struct DialogParts {
    DialogHost& host;
    UserMessages& messages;
    DialogFlagsOfRun& flags;
    std::uint32_t versionWord;  // picks the Chinese font on Windows 6.2
};

class SkinnedDialog : public SkinnedDialogFrame {
  public:
    SkinnedDialog(DialogKind kind, const DialogParts& parts, const DialogInputs& inputs);

    DialogKind kind() const { return kind_; }
    // The result and the choice of the dialog's function with its index and
    // text; the dialogs with more outputs add them.
    virtual DialogOutcome Outcome() const;

  protected:
    DialogLanguage language() const { return DialogLanguageOf(languageId()); }

  private:
    DialogKind kind_;
};

}  // namespace corvane
