// Where the Linux window goes, by whether a tray holds its icon. Desktops
// differ: most have a tray (StatusNotifierItem or XEmbed), GNOME only with
// an extension, and at login the panel may come up after the program. A
// window hidden without a tray could never be found again, so without one
// it stays a normal window.
#pragma once

namespace corvane {

enum class StartStep {
    ShowWindow,   // shown, as a launcher expects
    StayInTray,   // hidden, the icon in the tray
    WaitForTray,  // ask again after kTrayPollMs
};

// How long a start that asks to be hidden waits for a tray to come up.
inline constexpr int kTrayWaitMs = 10000;
inline constexpr int kTrayPollMs = 250;

// The step of a start: `hiddenAsked` is --hidden, `waitedMs` how long it has
// waited for a tray so far.
StartStep NextStartStep(bool hiddenAsked, bool trayAvailable, int waitedMs);

enum class HideMeans {
    Hide,      // into the tray
    Minimise,  // no tray: the window keeps its taskbar entry
};

// What the window's hide requests (Min, Exit, Enter, Escape, the close
// request) do.
HideMeans HideMeansFor(bool trayAvailable);

// The shortest time a tray message stays. Qt keeps a message exactly as long
// as asked, and the shortest notices ask for 100 ms, which Windows has not
// honoured since XP: the user would never read them.
inline constexpr unsigned kShortestBalloonMs = 5000;
unsigned BalloonTimeoutMs(unsigned requestedMs);

}  // namespace corvane
