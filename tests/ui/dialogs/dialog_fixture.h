// Dialogs over the recording host: opens a dialog of any kind as the
// main window would, and acts on it as a user would (clicks, hovers, list
// choices, typing into number boxes, key events).
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "support/fake_user_messages.h"
#include "ui/dialogs/dialog_factory.h"
#include "ui/dialogs/dialog_layout.h"
#include "ui/skin/fake_dialog_host.h"
#include "ui/skin/window_events.h"

namespace corvane::testing {

inline Point Inside(const Rect& r) {
    return {r.left + 1, r.top + 1};
}

class DialogTest : public ::testing::Test {
  protected:
    FakeDialogHost host;
    FakeUserMessages messages;
    DialogFlagsOfRun flags;  // the whole run: survives every opening of a test
    std::uint32_t versionWord = 0x0106;
    std::unique_ptr<SkinnedDialog> dialog;

    // A new opening of `kind`, initialised, with nothing recorded.
    SkinnedDialog& Open(DialogKind kind, DialogInputs inputs = {}) {
        if (inputs.systemLanguageId == 0) {
            inputs.systemLanguageId = 1033;
        }
        host = FakeDialogHost{};
        dialog = MakeDialog(kind, DialogParts{host, messages, flags, versionWord}, inputs);
        dialog->OnInitDialog();
        host.Clear();
        return *dialog;
    }
    template <class Dialog>
    Dialog& As() {
        return dynamic_cast<Dialog&>(*dialog);
    }

    const DialogLayout& Layout() const { return LayoutOf(dialog->kind()); }
    int ListId() const { return Layout().list->controlId; }
    void ClickDropdown() { dialog->OnLButtonDown(Inside(*Layout().dropdown)); }
    // The user clicks item `index` of the open list.
    void Pick(int index) {
        host.lists[ListId()].selection = index;
        dialog->OnChildNotify(ListId(), ChildEvent::ListSelectionChanged);
    }
    // The user replaces a number box's text: the platform reports a change.
    void Type(int id, const std::wstring& text) {
        host.numberBoxes[id] = text;
        dialog->OnChildNotify(id, ChildEvent::EditChanged);
    }
    void Leave(int id) { dialog->OnChildNotify(id, ChildEvent::EditLostFocus); }
};

}  // namespace corvane::testing
