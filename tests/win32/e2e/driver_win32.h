// The end-to-end test driver: starts the real executables as a user would,
// finds their window by class from outside, sends it real messages, moves
// the real pointer, reads the window's pixels and the files beside the
// program, and reads exit codes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::e2e {

inline constexpr wchar_t kMainClass[] = L"KelAPClass-Ver2";
inline constexpr wchar_t kDialogBoxClass[] = L"#32770";

// 32-bit pixels, rows top-down, blue-green-red-unused.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> bgrx;
    std::uint32_t At(int x, int y) const { return bgrx[static_cast<std::size_t>(y) * width + x]; }
};

// A started program; killed (if still running) when destroyed.
class Program {
  public:
    Program() = default;
    Program(const std::filesystem::path& exe, const std::map<std::wstring, std::wstring>& env,
            const std::wstring& arguments = L"");
    // Starts `exe` from a Unix shell with LC_ALL=`locale`: Wine takes the
    // system language from the Unix environment a process starts with,
    // which CreateProcess between Wine processes does not change. The
    // process is then known by its window of `className`.
    static Program WithLocale(const std::filesystem::path& exe, const std::wstring& locale,
                              const wchar_t* className, DWORD timeoutMs);
    ~Program();
    Program(Program&& other) noexcept;
    Program& operator=(Program&& other) noexcept;

    bool started() const { return process_ != nullptr; }
    DWORD pid() const { return pid_; }
    // The exit code once it ended within `timeoutMs`; none if still running.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs);
    // The program's top-level window of `className` (and `caption` if given).
    HWND FindWindowOf(const wchar_t* className, const wchar_t* caption = nullptr) const;
    HWND WaitForWindow(const wchar_t* className, const wchar_t* caption, DWORD timeoutMs) const;
    std::vector<HWND> WindowsOf(const wchar_t* className, const wchar_t* caption = nullptr) const;

  private:
    bool Ended() const;

    HANDLE process_ = nullptr;
    DWORD pid_ = 0;
};

// Bounded waits. Every wait of the driver and the tests is one of these: it
// looks at a condition every `pollMs` until the condition holds or
// `timeoutMs` has passed, and a timeout is reported on stderr together with
// what was awaited, so that a failing wait says what did not happen.
inline constexpr DWORD kPollIntervalMs = 10;

void ReportTimeout(std::string_view awaited, DWORD timeoutMs);

template <class Condition>
bool WaitUntil(std::string_view awaited, DWORD timeoutMs, Condition condition,
               DWORD pollMs = kPollIntervalMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() >= deadline) {
            ReportTimeout(awaited, timeoutMs);
            return false;
        }
        Sleep(pollMs);
    }
    return true;
}

// "window 0x1234": names a window in what a wait reports.
std::string Describe(HWND window);
std::string Utf8(std::wstring_view text);

// The window's thread is in a message loop: it answered a message sent now.
// Sent messages go before posted ones, so this says nothing about what was
// posted before; wait for the effect of posted input instead.
bool WaitUntilAnswered(HWND window, DWORD timeoutMs);
// The program's start-up has ended: its tray icon is there, and its window
// answers a message sent after that and is hidden. Until the tray icon is
// added the start-up answers messages from inside its own calls (a tray
// click there would come before the mouse is found); after it, the start-up
// runs without a message loop until it has shown and hidden the window.
bool WaitUntilStartedUp(HWND window, DWORD timeoutMs);

// Text of a window (caption of a box, a static's text).
std::wstring WindowText(HWND window);
// The texts of a message box's static controls.
std::wstring MessageBoxText(HWND box);
// Closes a message box with its OK button.
void CloseMessageBox(HWND box);

// The tray callback: a left button up on the icon, sent, so that the window
// has handled it when this returns true.
bool ClickTray(HWND window);
// True when the tray holds an icon of `window` (id 0).
bool TrayIconExists(HWND window);

// A left press at a client point, posted as a click would arrive: the window
// handles it after everything posted before, so wait for its effect. A press
// that no region consumes starts the system's move loop: `release` lets it
// end with a button release at the same point.
void ClickAt(HWND window, POINT client, bool release = true);
// Moves the real pointer to a client point of `window` in one move (one
// hover there).
void PointerTo(HWND window, POINT client);
void PointerAway();

// The list-box child of `window` with control identifier `id`, once it
// exists (nullptr after `timeoutMs`).
HWND WaitForList(HWND window, int id, DWORD timeoutMs);
// The number of items of a list box.
int ListItemCount(HWND list);
// Moves the real pointer onto item `index` of a list box and waits until the
// window highlights it; the item's client point, or none when it never did.
std::optional<POINT> PointAtListItem(HWND list, int index, DWORD timeoutMs);
// Chooses item `index` of a list box as a user does: the pointer rests on
// the item until it is highlighted, then a click on it. False when the item
// never became highlighted.
bool ChooseListItem(HWND list, int index, DWORD timeoutMs);

// The client area's pixels as the screen shows them.
Pixels CaptureClient(HWND window);
// The client area of `window` as the screen shows it, with the windows in
// front of it (a dialog over the main window): read from the screen, as a
// window's own context shows only the window.
Pixels CaptureScreenOf(HWND window);
// A PNG decoded by GDI+ (straight alpha) as bgra.
std::optional<Pixels> LoadPngPixels(const std::filesystem::path& file,
                                    std::vector<std::uint8_t>* alpha = nullptr);
// `top` (with its alpha) over `bottom` at (x, y), as AlphaBlend composes.
Pixels Compose(const Pixels& bottom, const std::filesystem::path& top, int x, int y);
bool SavePng(const Pixels& pixels, const std::filesystem::path& file);

// Pixels of `actual` inside `rect` that differ from `expected` by more than
// `tolerance` in any channel, skipping `excluded` rectangles.
int DifferingPixels(const Pixels& actual, const Pixels& expected, RECT rect,
                    const std::vector<RECT>& excluded, int tolerance = 3);

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& file);
// The file's last write time, read without opening the file: a file this
// process holds open, even only for reading, is one the program cannot
// replace, so a file the program may be writing is watched with this.
std::optional<std::uint64_t> LastWriteTime(const std::filesystem::path& file);
std::wstring IniValue(const std::filesystem::path& file, const wchar_t* section,
                      const wchar_t* key);

// Starts GDI+ for the driver's lifetime.
class GdiplusScope {
  public:
    GdiplusScope();
    ~GdiplusScope();

  private:
    ULONG_PTR token_ = 0;
};

}  // namespace corvane::e2e
