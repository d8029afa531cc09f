// The application shell of the main window: the start-up sequence, the tray
// icon's callback, menu and notices, the close and destroy behaviour and the
// device-change reaction. The Win32 window procedure turns each message into
// one call here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/device_change.h"
#include "app/shell_host.h"
#include "app/shell_window.h"
#include "core/system_facts.h"
#include "core/user_messages.h"
#include "device/app_state.h"
#include "device/mouse_link.h"
#include "settings/settings_files.h"
#include "ui/main/text_table.h"

namespace corvane {

// Window messages, command and resource the shell's platform side uses.
inline constexpr unsigned kTrayCallbackMessage = 1025;  // WM_USER + 1
inline constexpr unsigned kNoticeMessage = 1026;        // WM_USER + 2
inline constexpr unsigned kTrayExitCommand = 1028;
inline constexpr int kAppIconResource = 710;
inline constexpr std::wstring_view kTrayTip = L"Gaming Mouse Setting";
inline constexpr std::wstring_view kSingleInstanceMutex = L"APPKelVer2Mutex";
inline constexpr std::wstring_view kWindowClassName = L"KelAPClass-Ver2";
inline constexpr std::wstring_view kBackgroundImage = L"/main.png";

// Mouse messages of the tray callback (its second parameter, compared whole).
inline constexpr std::uint64_t kTrayLeftButtonUp = 0x202;
inline constexpr std::uint64_t kTrayLeftDoubleClick = 0x203;
inline constexpr std::uint64_t kTrayRightButtonUp = 0x205;

// The first frame paints after creation hide the window instead.
inline constexpr int kStartHidePaints = 2;

enum class Initialisation {
    SecondInstance,      // another instance runs: end at once with code 0
    Ready,               // every step ran
    NotificationFailed,  // every step ran, but plug-in and removal go unnoticed
};

struct ShellParts {
    AppState& state;
    ShellHost& host;
    ShellWindow& window;
    MouseLink& link;
    SettingsFiles& files;
    SystemFacts& facts;
    UserMessages& messages;
    const TextTable& texts;
};

class Shell {
  public:
    explicit Shell(const ShellParts& parts);

    // The window's initialisation, in its binding order.
    Initialisation Initialise();
    // Save's write of the whole DeviceImage to the mouse; true when all of
    // it arrived.
    bool WriteMouse();

    // Tray callback with the mouse message on the icon.
    void OnTrayCallback(std::uint64_t mouseMessage);
    // Notice request (message 1026); shows a balloon or nothing.
    void OnNotice(std::uint64_t kind, std::int64_t value);
    // The close request only hides the window.
    void OnClose();
    // Window destruction: HID handles closed, tray icon removed.
    void OnDestroy();
    // Tray menu "Exit" and the Close button: destroy processing, then the
    // process ends with code 0. Nothing is saved.
    void EndProgram();
    // The notification area was recreated (Explorer restarted): without a
    // new icon the hidden window could not be reached any more.
    void OnTaskbarCreated();
    // WM_DEVICECHANGE; `readRecord` reads its broadcast record, and is
    // called only for the events that carry one. Always handled.
    bool OnDeviceChange(std::uint32_t event, const BroadcastReader& readRecord);
    // A frame paint request; true when it hid the window instead of painting.
    bool OnNonClientPaint();
    // Start-up has settled (the first messages after creation are handled):
    // the window stays hidden however many frame paints the system sent, and
    // later ones paint normally.
    void OnStartSettled();

    const std::wstring& skinDir() const { return skinDir_; }
    std::uint8_t interfaceEventCount() const { return counter_.count(); }
    int startHideCount() const { return startHideCount_; }
    // How many frame paints hid the window at the start.
    int hidingPaints() const { return hidingPaints_; }

  private:
    void FindAndReadMouse();
    void ReadMouse();
    void ShowFromTray();
    void RedrawCurrentPage();
    // LoadLabels, then the empty labels built from the stored functions.
    void LoadLabels();

    AppState& state_;
    ShellHost& host_;
    ShellWindow& window_;
    MouseLink& link_;
    SettingsFiles& files_;
    SystemFacts& facts_;
    UserMessages& messages_;
    const TextTable& texts_;

    std::wstring skinDir_;
    InterfaceEventCounter counter_;
    int startHideCount_ = kStartHidePaints;
    int hidingPaints_ = 0;
};

// The application title: the executable's file name without its folder and
// extension ("Corvane1.0" for "C:\Tools\Corvane1.0.exe").
std::wstring AppTitleOf(const std::wstring& executablePath);

}  // namespace corvane
