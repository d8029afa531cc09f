// The built corvane started as a user starts it, on the display the test
// program runs (its main starts a private Xvfb), with the simulated mouse,
// a settings folder of its own and no locale unless the test names one;
// the window found by its class and size, and the Windows program's
// screenshots to hold its pixels against.
#pragma once

#include <gtest/gtest.h>

#include <QImage>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/rect.h"
#include "settings/settings_files.h"
#include "settings/settings_record.h"
#include "x_session.h"

#ifndef CORVANE_PATH
#error "CORVANE_PATH names the built corvane"
#endif
#ifndef CORVANECTL_PATH
#error "CORVANECTL_PATH names the built corvanectl"
#endif

namespace corvane::e2e {

inline const std::filesystem::path kCorvane = CORVANE_PATH;
inline const std::filesystem::path kCorvanectl = CORVANECTL_PATH;
inline const std::filesystem::path kWindowsScreenshots = CORVANE_WINDOWS_SCREENSHOTS;
inline constexpr char kClass[] = "corvane";
inline constexpr int kWaitMs = 15000;
// The Qt dialog's window: the client and a one-pixel border around it.
inline constexpr int kDialogBorder = 1;

// The display the test program's main started.
const std::string& TestDisplay();

// Pixels of `shown` that differ from `expected` outside `excluded`, and
// the share of equal ones inside them.
int DifferingPixels(const QImage& shown, const QImage& expected, const std::vector<Rect>& excluded);
double EqualShareInside(const QImage& shown, const QImage& expected,
                        const std::vector<Rect>& rects);
// The client area of a dialog window's capture.
QImage DialogClient(const QImage& capture);
Point CentreOf(const Rect& r);

class CorvaneTest : public ::testing::Test {
  protected:
    CorvaneTest();
    ~CorvaneTest() override;

    std::filesystem::path SettingsFolder() const { return work_ / "config" / "corvane"; }
    std::filesystem::path MemoryFile() const { return work_ / "mouse.bin"; }
    // The environment every start of the program gets: the test's display,
    // settings and runtime folders, `locale` in LANG (none when empty).
    std::vector<std::string> ProgramEnvironment(const std::string& locale = "") const;
    const std::filesystem::path& work() const { return work_; }

    // Starts corvane (`binary`) with `arguments` (--simulate=MEMORY when
    // empty) and `locale` in LANG (none when empty).
    void Launch(const std::string& locale = "", std::vector<std::string> arguments = {},
                const std::filesystem::path& binary = kCorvane);
    // Launches and waits for the main window; nullopt when it did not show.
    std::optional<WindowId> Start(const std::string& locale = "");
    std::optional<WindowId> MainWindow(int timeoutMs = kWaitMs) const;
    // The open dialog (width x height client), waited for.
    std::optional<WindowId> WaitForDialog(int width = 400, int height = 300) const;
    bool WaitUntilDialogClosed(WindowId dialog) const;

    // What the program wrote to standard error (every box it showed).
    std::string Log() const;
    std::vector<std::string> Boxes() const;
    // Waits for each of the next `boxes` message boxes and dismisses it
    // with Enter (the box has the keyboard when it opens).
    bool DismissBoxes(int boxes) const;

    // The window showing `expected` outside `excluded`, waited for; the
    // last capture either way.
    QImage CaptureShowing(WindowId window, const QImage& expected,
                          const std::vector<Rect>& excluded) const;
    static QImage WindowsScreenshot(const std::string& name);
    // Keeps `image` as NAME.png among the build's screenshots.
    static void Keep(const QImage& image, const std::string& name);
    static std::vector<Rect> KeyBoxes();

    // A choice in the key list of (layer, button): the box clicked, the
    // list's row `item` clicked.
    void ChooseInKeyList(WindowId window, int layer, int button, int item) const;
    // Save, waited for by config.bin's first-run flag and change.
    bool Save(WindowId window);
    std::optional<SettingsRecord> StoredRecord() const;
    std::vector<std::uint8_t> ConfigBytes() const;
    std::vector<std::uint8_t> Memory() const;
    std::wstring Label(const std::wstring& section, const std::wstring& key) const;
    // Close: the exit code, once the program ended.
    std::optional<int> Close(WindowId window);

    Desktop desktop;
    std::unique_ptr<Process> program;

  private:
    std::filesystem::path work_;
};

}  // namespace corvane::e2e
