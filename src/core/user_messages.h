// How the core reports to the user: by message kind and caption. The window
// resolves a kind to the language's text and shows it in a modal box with an
// OK button; the core never formats user texts itself.
#pragma once

#include <cstdint>

namespace corvane {

enum class MessageKind {
    NotDetected,                 // textNotDetected of the language
    ConfigMissing,               // "Config file is not exist."
    ConfigWriteError,            // "Error Code is: %d \n" with the system error
    CreateFileError,             // "CreateFile Error Code:%d" with the system error
    RegisterNotificationFailed,  // "RegisterDeviceNotification failed!!!"
    LeftRequired,                // textLeftRequired of the language
    LoadPngFailed,               // "LoadPng---Load image failed."
    DialogBackgroundFailed,      // "error"
    HookInstallError,            // "KeyboardHook_SingleDlgKey Install error code :%d\n"
    AccessRuleMissing,           // textAccessRule of the language (Linux: install the udev rule)
};

enum class Caption {
    None,
    AppTitle,  // the application title (the executable's base name)
    Warning,
    ReadOperation,
    WriteOperation,
    NullFp,  // "NULL ==fp "
    FireKeyDialogBackground,
    HotKeyDialogBackground,
    KeysRecoverDialogBackground,
    MediaDialogBackground,
    SingleKeyDialogBackground,
    SnipeDialogBackground,
    WindowsDialogBackground,
};

class UserMessages {
  public:
    virtual ~UserMessages() = default;
    // Shows the message of `kind` (with `value` where its text has a number)
    // under `caption`, modally; returns when the user has closed it.
    virtual void Show(MessageKind kind, Caption caption, std::int64_t value = 0) = 0;
};

}  // namespace corvane
