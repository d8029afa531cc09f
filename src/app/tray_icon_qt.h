// The tray icon of the Linux window through Qt's QSystemTrayIcon (a
// StatusNotifierItem where the desktop has a watcher, XEmbed otherwise, as Qt
// chooses): a left click or double click is the shell's tray click, its menu
// holds the one item of the language's Exit text, and notices are tray
// messages. Also the start's wait for a tray (tray_rules.h) on the event loop.
#pragma once

#include <QElapsedTimer>
#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>

#include <functional>
#include <string_view>

#include "app/tray_rules.h"

namespace corvane {

struct TrayActions {
    std::function<void()> click;        // Shell::OnTrayClick
    std::function<void()> menuShowing;  // Shell::OnTrayMenuRequest
    std::function<void()> exit;         // Shell::EndProgram
};

class TrayIconQt final : public QObject {
  public:
    // `exitText` names the menu's item from the start, because a desktop
    // that shows the menu itself asks for it only once.
    TrayIconQt(const QIcon& icon, std::wstring_view exitText, TrayActions actions,
               QObject* parent = nullptr);

    // Shows the icon with `tip`. Without a tray now it appears when one
    // comes up (Qt follows the tray); the result says whether one is there.
    bool Add(std::wstring_view tip);
    void Remove();
    // Names the menu's item (ShellHost::ShowTrayMenu: the menu is on screen
    // already or about to be).
    void SetExitText(std::wstring_view exitText);
    // A tray message with the information icon, also under the title
    // "Warning" (as the Windows program shows it), at least
    // kShortestBalloonMs long.
    void ShowBalloon(std::wstring_view text, std::wstring_view title, unsigned timeoutMs);

    // Whether a tray can show the icon now.
    static bool TrayAvailable();

    QSystemTrayIcon& icon() { return icon_; }
    QMenu& menu() { return menu_; }

  private:
    void OnActivated(QSystemTrayIcon::ActivationReason reason);

    TrayActions actions_;
    QMenu menu_;
    QAction* exit_;
    QSystemTrayIcon icon_;
};

// The application icon built into the program.
QIcon BuiltInApplicationIcon();
// The theme's application icon (the installed hicolor one, or the user's
// theme's), else the built-in one. The theme's first lookup reads its
// index and folders, about 5 ms: a start asks for it once it has shown.
QIcon ThemeApplicationIcon();

// A start's wait for a tray, on the event loop: asks `trayAvailable` now
// and every kTrayPollMs until the start rule settles, then calls `settled`
// once with ShowWindow or StayInTray.
class StartWaitQt final : public QObject {
  public:
    StartWaitQt(bool hiddenAsked, std::function<bool()> trayAvailable,
                std::function<void(StartStep)> settled, QObject* parent = nullptr);
    // Asks the first time; `settled` may run before this returns.
    void Begin();

  private:
    void Ask();

    bool hiddenAsked_;
    std::function<bool()> trayAvailable_;
    std::function<void(StartStep)> settled_;
    QElapsedTimer waited_;
    QTimer poll_;
};

}  // namespace corvane
