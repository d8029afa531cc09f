#include "ui/dialogs/dialog_factory.h"

#include "ui/dialogs/fire_key_dialog.h"
#include "ui/dialogs/hot_key_dialog.h"
#include "ui/dialogs/keys_recover_dialog.h"
#include "ui/dialogs/media_dialog.h"
#include "ui/dialogs/single_dialog.h"
#include "ui/dialogs/snipe_dialog.h"
#include "ui/dialogs/windows_dialog.h"

namespace corvane {
std::unique_ptr<SkinnedDialog> MakeDialog(DialogKind kind, const DialogParts& parts,
                                          const DialogInputs& inputs) {
    switch (kind) {
        case DialogKind::FireKey:
            return std::make_unique<CFireKeyDialog>(parts, inputs);
        case DialogKind::HotKey:
            return std::make_unique<CHotKeyDialog>(parts, inputs);
        case DialogKind::KeysRecover:
            return std::make_unique<CKeysRecoverDialog>(parts, inputs);
        case DialogKind::Media:
            return std::make_unique<CMediaDialog>(parts, inputs);
        case DialogKind::SingleKey:
            return std::make_unique<CSingleDialog>(parts, inputs);
        case DialogKind::Snipe:
            return std::make_unique<CSnipeDialog>(parts, inputs);
        case DialogKind::Windows:
            return std::make_unique<CWindowsDialog>(parts, inputs);
    }
    return nullptr;
}

}  // namespace corvane
