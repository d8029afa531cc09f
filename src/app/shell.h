// The application shell: the start-up sequence, the tray icon's clicks,
// menu and notices, the close and destroy behaviour, and what follows when
// the mouse's interfaces arrive or are removed. It owns no window: it drives
// the window logic and the two hosts a program's main created. Each
// platform turns its events into one call here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/shell_host.h"
#include "core/language.h"
#include "core/system_facts.h"
#include "core/user_messages.h"
#include "core/window_instance.h"
#include "device/device_state.h"
#include "device/mouse_link.h"
#include "settings/settings_files.h"
#include "ui/main/main_host.h"
#include "ui/main/main_window_owner.h"
#include "ui/main/tessary_dlg.h"
#include "ui/main/text_table.h"

namespace corvane {

inline constexpr std::wstring_view kTrayTip = L"Gaming Mouse Setting";
inline constexpr std::wstring_view kWindowClassName = L"KelAPClass-Ver2";
inline constexpr std::wstring_view kBackgroundImage = L"/main.png";

// The skin images a start draws first: the window's background, then the
// key page's image, in the skin of the system language `languageId`. A
// program may decode them ahead while it sets up.
struct StartImages {
    std::wstring background;
    std::wstring keyPage;
};
StartImages StartImagesOf(const std::wstring& skinFolder, std::uint16_t languageId);

// The first frame paints after creation hide the window instead.
inline constexpr int kStartHidePaints = 2;

enum class Initialisation {
    SecondInstance,      // another instance runs: end at once with code 0
    Ready,               // every step ran
    NotificationFailed,  // every step ran, but plug-in and removal go unnoticed
};

struct ShellParts {
    DeviceState& state;
    ShellHost& host;
    MainWindowHost& windowHost;
    CTessaryDlg& window;
    MouseLink& link;
    SettingsFiles& files;
    SystemFacts& facts;
    UserMessages& messages;
    const TextTable& texts;
    // The folder of the language folders "CHS" and "EN".
    std::wstring skinFolder;
};

class Shell final : public MainWindowOwner {
  public:
    // Keeps references only: the window logic may still be under
    // construction.
    explicit Shell(const ShellParts& parts);

    // The window's initialisation, in its binding order.
    Initialisation Initialise();
    bool WriteMouse() override;
    // Tray menu "Exit" and the Close button: destroy processing, then the
    // process ends with code 0. Nothing is saved.
    void EndProgram() override;

    // A left click (or double click) on the tray icon: the window is shown,
    // or without a mouse the not-detected balloon.
    void OnTrayClick();
    // The show step of a tray click, with or without a mouse: a page left
    // by Exit is drawn again from the restored record, and the window comes
    // to the front. A program without a tray runs it at start and whenever
    // its window is restored, so that the window can never be lost.
    void ShowWindow();
    // The tray icon asks for its menu (right button).
    void OnTrayMenuRequest();
    // Notice request (message 1026 on Windows); shows a balloon or nothing.
    void OnNotice(std::uint64_t kind, std::int64_t value);
    // The close request only hides the window.
    void OnClose();
    // Window destruction: HID handles closed, tray icon removed.
    void OnDestroy();
    // The notification area was recreated (Explorer restarted): without a
    // new icon the hidden window could not be reached any more.
    void OnTaskbarCreated();
    // The mouse's interfaces arrived, or were removed, as the platform
    // counts its device events: discovery runs again; an arrival that finds
    // the mouse reads it, a failed one warns and hides the window.
    void OnMouseArrived();
    void OnMouseRemoved();
    // A frame paint request; true when it hid the window instead of painting.
    bool OnNonClientPaint();
    // Start-up has settled (the first messages after creation are handled):
    // the window stays hidden however many frame paints the system sent, and
    // later ones paint normally.
    void OnStartSettled();

    const std::wstring& skinDir() const { return skinDir_; }
    std::uint8_t uiLanguage() const { return uiLanguage_; }
    int startHideCount() const { return startHideCount_; }
    // How many frame paints hid the window at the start.
    int hidingPaints() const { return hidingPaints_; }

  private:
    void FindAndReadMouse();
    void ReadMouse();
    void Rediscover(bool arrival);

    DeviceState& state_;
    ShellHost& host_;
    MainWindowHost& windowHost_;
    CTessaryDlg& window_;
    MouseLink& link_;
    SettingsFiles& files_;
    SystemFacts& facts_;
    UserMessages& messages_;
    const TextTable& texts_;
    std::wstring skinFolder_;

    std::uint8_t uiLanguage_ = kUiLanguageOther;
    std::wstring skinDir_;
    int startHideCount_ = kStartHidePaints;
    int hidingPaints_ = 0;
};

// The application title: the executable's file name without its folder and
// extension ("Corvane1.0" for "C:\Tools\Corvane1.0.exe").
std::wstring AppTitleOf(const std::wstring& executablePath);

}  // namespace corvane
