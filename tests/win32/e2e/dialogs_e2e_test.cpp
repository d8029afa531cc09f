// The key function dialogs in the running demo, driven as a user would: a
// function chosen in a key list opens its dialog over the main window; the
// dialog's own list, number boxes and buttons are clicked, keys are really
// pressed; Save is checked by config.bin, str.ini and the simulated mouse's
// memory. Also a screenshot of every dialog in English and Simplified
// Chinese.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "driver_win32.h"
#include "e2e_fixture.h"
#include "settings/settings_files.h"
#include "settings/settings_record.h"
#include "ui/dialogs/dialog_layout.h"
#include "ui/main/main_layout.h"
#include "ui/main/main_window_tables.h"

namespace corvane::e2e {
namespace {

constexpr DWORD kWaitMs = 5000;

// Function list entries: a function's entry is its value.
constexpr int kWindowsFunction = static_cast<int>(ButtonFunction::WindowsFunction);
constexpr int kMultimedia = static_cast<int>(ButtonFunction::Multimedia);
constexpr int kHotKey = static_cast<int>(ButtonFunction::HotKey);
constexpr int kFireKey = static_cast<int>(ButtonFunction::FireKey);
constexpr int kSingleKey = static_cast<int>(ButtonFunction::SingleKey);
constexpr int kSnipeKey = static_cast<int>(ButtonFunction::SnipeKey);

// A key pressed and released on the real keyboard: the window with the
// keyboard focus gets it, and the single key dialog's hook sees it.
void PressKey(WORD virtualKey, WORD scanCode) {
    INPUT input[2] = {};
    for (INPUT& event : input) {
        event.type = INPUT_KEYBOARD;
        event.ki.wVk = virtualKey;
        event.ki.wScan = scanCode;
    }
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

// The window with the keyboard focus in the thread of `window`.
HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

// The text of an edit box of another process: asked of the box itself, as
// the system keeps only a window's caption.
std::wstring EditText(HWND box) {
    wchar_t text[64] = {};
    SendMessageW(box, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
    return text;
}

class DialogsEndToEnd : public EndToEnd {
  protected:
    // The open dialog over `window`: a captionless window it owns with the
    // dialog's client size.
    HWND WaitForDialog(HWND window, DialogKind kind) {
        const DialogLayout& layout = LayoutOf(kind);
        HWND found = nullptr;
        WaitUntil("the dialog to open over the main window", kWaitMs, [&] {
            for (HWND candidate : program_->WindowsOf(kDialogBoxClass)) {
                RECT client{};
                GetClientRect(candidate, &client);
                if (GetWindow(candidate, GW_OWNER) == window && IsWindowVisible(candidate) &&
                    WindowText(candidate).empty() && client.right == layout.clientWidth &&
                    client.bottom == layout.clientHeight) {
                    found = candidate;
                    return true;
                }
            }
            return false;
        });
        if (found != nullptr) {
            WaitUntilAnswered(found, kWindowTimeoutMs);
        }
        return found;
    }

    // With `screenshot`, the window is kept once the pointer has lit the
    // item it is about to click.
    bool Choose(HWND list, int index, HWND window, const char* screenshot) {
        if (screenshot != nullptr) {
            const Pixels before = CaptureScreenOf(window);
            if (PointAtListItem(list, index, kWaitMs)) {
                // The highlight is painted after the list has taken it.
                Pixels lit = before;
                WaitUntil("the list to paint its highlight", kPaintTimeoutMs, [&] {
                    lit = CaptureScreenOf(window);
                    return DifferingPixels(lit, before, RECT{0, 0, lit.width, lit.height}, {}) > 0;
                });
                Keep(lit, screenshot);
            }
        }
        return ChooseListItem(list, index, kWaitMs);
    }

    // Chooses `function` in the list of the key box of (layer, button); the
    // dialog it opens.
    HWND OpenFromKeyBox(HWND window, int layer, int button, int function, DialogKind kind,
                        const char* screenshot = nullptr) {
        ClickAt(window, CentreOf(kKeyBoxes[layer][button]));
        HWND list = WaitForList(window, KeyListId(layer, button), kWaitMs);
        EXPECT_NE(list, nullptr);
        if (list == nullptr || !Choose(list, function, window, screenshot)) {
            ADD_FAILURE() << "function " << function << " not chosen";
            return nullptr;
        }
        return WaitForDialog(window, kind);
    }

    // Chooses item `index` of the open dialog's drop-down list.
    void ChooseInDialog(HWND dialog, DialogKind kind, int index, const char* screenshot = nullptr) {
        const DialogLayout& layout = LayoutOf(kind);
        ClickAt(dialog, CentreOf(*layout.dropdown));
        HWND list = WaitForList(dialog, layout.list->controlId, kWaitMs);
        ASSERT_NE(list, nullptr);
        ASSERT_TRUE(Choose(list, index, dialog, screenshot));
        ASSERT_TRUE(WaitUntilListClosed(list, dialog, "a choice to close the dialog's list"));
    }

    // A real key press while the single key dialog is open, waited for by
    // the key's name appearing in the box.
    void PressKeyIntoTheBox(HWND dialog, WORD virtualKey, WORD scanCode) {
        const Pixels before = CaptureClient(dialog);
        PressKey(virtualKey, scanCode);
        const RECT box = RectOf(kSingleKeyBox);
        ASSERT_TRUE(WaitUntil("the key's name in the box", kWaitMs, [&] {
            return DifferingPixels(CaptureClient(dialog), before, box, {}) > 0;
        }));
    }

    void Accept(HWND dialog, DialogKind kind) {
        ClickAt(dialog, CentreOf(LayoutOf(kind).accept));
        EXPECT_TRUE(
            WaitUntil("accept to close the dialog", kWaitMs, [&] { return !IsWindow(dialog); }));
    }
    void Cancel(HWND dialog, DialogKind kind) {
        ClickAt(dialog, CentreOf(LayoutOf(kind).cancel));
        EXPECT_TRUE(
            WaitUntil("cancel to close the dialog", kWaitMs, [&] { return !IsWindow(dialog); }));
    }

    void Save(HWND window) { ASSERT_TRUE(SaveAndWait(window, folder_ / "config.bin")); }

    std::vector<std::uint8_t> Memory() { return ReadFileBytes(folder_ / "simulated-mouse.bin"); }

    std::wstring Label(const wchar_t* key) {
        return IniValue(folder_ / "str.ini", L"Setting-EN", key);
    }

    HWND Start(const std::wstring& locale = L"en_US.UTF-8") {
        return StartDemoShown(program_.emplace(), locale);
    }
    void End(HWND window) { EndThroughTrayMenu(*program_, window); }

    std::optional<Program> program_;
};

TEST_F(DialogsEndToEnd, TheTypicalEditStoresFireKeyAThreeTimes) {
    HWND window = Start();
    ASSERT_NE(window, nullptr);
    HWND dialog =
        OpenFromKeyBox(window, 0, 3, kFireKey, DialogKind::FireKey, "typical-edit-1-key-list");
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(IsWindowEnabled(window)) << "the main window waits for the dialog";
    ChooseInDialog(dialog, DialogKind::FireKey, 5, "typical-edit-2-fire-key-list");  // "A"

    // "3" typed into the times box, which holds "1".
    HWND times = GetDlgItem(dialog, 573);
    ASSERT_NE(times, nullptr) << "the boxes are back after the choice";
    ClickAt(times, POINT{60, 10});
    ASSERT_TRUE(WaitUntil("the click to give the times box the focus", kWaitMs,
                          [&] { return FocusOf(dialog) == times; }));
    SendMessageW(times, EM_SETSEL, 0, -1);
    PressKey('3', 0x04);
    ASSERT_TRUE(WaitUntil("the times box to read 3", kWaitMs, [&] {
        return EditText(times) == L"3";
    })) << Utf8(EditText(times));
    Keep(CaptureScreenOf(window), "typical-edit-3-fire-key-dialog");
    Accept(dialog, DialogKind::FireKey);
    EXPECT_TRUE(IsWindowEnabled(window));
    ASSERT_TRUE(WaitUntilAnswered(window, kWindowTimeoutMs));
    Keep(CaptureScreenOf(window), "typical-edit-4-key-page");
    Save(window);

    const std::vector<std::uint8_t> memory = Memory();
    ASSERT_EQ(memory.size(), kDeviceImageSize);
    EXPECT_EQ(memory[138], 0x04);
    EXPECT_EQ(memory[139], 0x83);
    const auto config = ReadFileBytes(folder_ / "config.bin");
    EXPECT_EQ(config.size(), 180u);
    EXPECT_EQ(config.at(0), 1);
    EXPECT_EQ(Label(L"Item4"), L"Fire Key-A");
    const std::optional<SettingsRecord> record = StoredRecord();
    ASSERT_TRUE(record);
    EXPECT_EQ(record->fireKeyChoice[0][3], 5);
    EXPECT_EQ(record->fireCount[0][3], 3);
    End(window);
}

TEST_F(DialogsEndToEnd, ACancelledMediaDialogChangesNothing) {
    HWND window = Start();
    ASSERT_NE(window, nullptr);
    Save(window);  // the factory state, stored once
    const auto config = ReadFileBytes(folder_ / "config.bin");
    const auto labels = ReadFileBytes(folder_ / "str.ini");
    const auto memory = Memory();

    HWND dialog = OpenFromKeyBox(window, 0, 2, kMultimedia, DialogKind::Media);
    ASSERT_NE(dialog, nullptr);
    ChooseInDialog(dialog, DialogKind::Media, 5);
    Cancel(dialog, DialogKind::Media);
    Save(window);
    EXPECT_EQ(ReadFileBytes(folder_ / "config.bin"), config);
    EXPECT_EQ(ReadFileBytes(folder_ / "str.ini"), labels);
    EXPECT_EQ(Memory(), memory);
    EXPECT_EQ(Label(L"Item3"), L"Mid Click");
    End(window);
}

TEST_F(DialogsEndToEnd, ASingleKeyIsTakenFromARealKeyPressAndEnterDoesNotClose) {
    HWND window = Start();
    ASSERT_NE(window, nullptr);
    HWND dialog = OpenFromKeyBox(window, 0, 4, kSingleKey, DialogKind::SingleKey);
    ASSERT_NE(dialog, nullptr);
    PressKeyIntoTheBox(dialog, 'A', 0x1E);
    Keep(CaptureClient(dialog), "demo-en-single-key-a");
    Accept(dialog, DialogKind::SingleKey);
    Save(window);
    std::optional<SettingsRecord> record = StoredRecord();
    ASSERT_TRUE(record);
    EXPECT_EQ(record->singleKeyCode[0][4], 0x04);
    EXPECT_EQ(Label(L"Item5"), L"Single Key-A");

    dialog = OpenFromKeyBox(window, 0, 4, kSingleKey, DialogKind::SingleKey);
    ASSERT_NE(dialog, nullptr);
    PressKeyIntoTheBox(dialog, VK_RETURN, 0x1C);
    // The key-down was handled right after the box showed its name.
    ASSERT_TRUE(WaitUntilAnswered(dialog, kWindowTimeoutMs));
    ASSERT_TRUE(IsWindow(dialog)) << "Enter is the key to assign, not the accept key";
    Keep(CaptureClient(dialog), "demo-en-single-key-enter");
    Accept(dialog, DialogKind::SingleKey);
    Save(window);
    record = StoredRecord();
    ASSERT_TRUE(record);
    EXPECT_EQ(record->singleKeyCode[0][4], 0x28) << "Enter by its position, whatever its name";
    const std::wstring label = Label(L"Item5");
    EXPECT_EQ(label.rfind(L"Single Key-", 0), 0u) << "the driver's name follows";
    EXPECT_GT(label.size(), std::wstring(L"Single Key-").size());
    const std::vector<std::uint8_t> memory = Memory();
    ASSERT_EQ(memory.size(), kDeviceImageSize);
    // Button 4 of layer 0 sits in slot 3 of page 3 (button 3 in slot 4).
    EXPECT_EQ(memory[136], 0x28);
    EXPECT_EQ(memory[137], 0x00);
    End(window);
}

TEST_F(DialogsEndToEnd, DefaultThenSaveStoresTheDefaults) {
    HWND window = Start();
    ASSERT_NE(window, nullptr);
    HWND dialog = OpenFromKeyBox(window, 0, 1, kHotKey, DialogKind::HotKey);
    ASSERT_NE(dialog, nullptr);
    ChooseInDialog(dialog, DialogKind::HotKey, 7);
    Accept(dialog, DialogKind::HotKey);
    ClickAt(window, CentreOf(kLedTab));
    ClickAt(window, CentreOf(kReportRatePositions[3]));  // 1000 Hz
    ClickAt(window, CentreOf(kKeyTab));
    Save(window);
    ASSERT_EQ(Label(L"Item2"), L"Undo");

    ClickAt(window, CentreOf(kDefaultButton));
    dialog = WaitForDialog(window, DialogKind::KeysRecover);
    ASSERT_NE(dialog, nullptr);
    Keep(CaptureClient(dialog), "demo-en-keys-recover");
    Accept(dialog, DialogKind::KeysRecover);
    Save(window);
    const std::optional<SettingsRecord> record = StoredRecord();
    ASSERT_TRUE(record);
    EXPECT_EQ(record->reportRate, 8);
    EXPECT_EQ(record->buttonFunction[0][1], static_cast<int>(ButtonFunction::RightClick));
    EXPECT_EQ(record->hotKeyChoice[0][1], 7) << "Default leaves the parameters";
    EXPECT_EQ(Label(L"Item2"), L"Right Click");
    EXPECT_EQ(Label(L"Item4"), L"Snipe Key");
    End(window);
}

struct DialogShot {
    int function;  // -1: the Default button's dialog
    DialogKind kind;
    const char* name;
};

constexpr DialogShot kShots[] = {
    {kWindowsFunction, DialogKind::Windows, "windows"}, {kMultimedia, DialogKind::Media, "media"},
    {kHotKey, DialogKind::HotKey, "hot-key"},           {kFireKey, DialogKind::FireKey, "fire-key"},
    {kSingleKey, DialogKind::SingleKey, "single-key"},  {kSnipeKey, DialogKind::Snipe, "snipe"},
    {-1, DialogKind::KeysRecover, "keys-recover"},
};

struct ShotLanguage {
    const wchar_t* locale;
    const char* skin;
};

class DialogScreenshots : public DialogsEndToEnd,
                          public ::testing::WithParamInterface<ShotLanguage> {
  protected:
    // For the screenshot: a list dialog with its list open and the pointer
    // on its third entry, the single key dialog with a key pressed.
    void ShowWhatTheDialogOffers(HWND dialog, DialogKind kind) {
        const DialogLayout& layout = LayoutOf(kind);
        if (kind == DialogKind::SingleKey) {
            PressKeyIntoTheBox(dialog, 'A', 0x1E);
        } else if (layout.list && kind != DialogKind::FireKey) {
            ClickAt(dialog, CentreOf(*layout.dropdown));
            HWND list = WaitForList(dialog, layout.list->controlId, kWaitMs);
            ASSERT_NE(list, nullptr);
            ASSERT_TRUE(PointAtListItem(list, 2, kWaitMs));
        }
        ASSERT_TRUE(WaitUntilAnswered(dialog, kWindowTimeoutMs));
    }
};

// Every dialog opened from the running demo, its background checked
// against the skin where nothing is drawn on it, and kept as a screenshot.
TEST_P(DialogScreenshots, EveryDialogOpensOverTheMainWindowOnItsBackground) {
    const ShotLanguage& language = GetParam();
    HWND window = Start(language.locale);
    ASSERT_NE(window, nullptr);
    for (const DialogShot& shot : kShots) {
        SCOPED_TRACE(shot.name);
        HWND dialog = nullptr;
        if (shot.function < 0) {
            ClickAt(window, CentreOf(kDefaultButton));
            dialog = WaitForDialog(window, shot.kind);
        } else {
            dialog = OpenFromKeyBox(window, 0, 1, shot.function, shot.kind);
        }
        ASSERT_NE(dialog, nullptr);
        PointerAway();
        ASSERT_TRUE(WaitUntilAnswered(dialog, kWindowTimeoutMs));
        const DialogLayout& layout = LayoutOf(shot.kind);
        POINT corner{0, 0};
        ClientToScreen(window, &corner);
        RECT outer{};
        GetWindowRect(dialog, &outer);
        EXPECT_EQ(outer.left, corner.x);
        EXPECT_EQ(outer.top, corner.y);

        const auto background = LoadPngPixels(kAssets / "Skins" / language.skin /
                                              std::wstring(layout.background.substr(1)));
        ASSERT_TRUE(background);
        // Right of every box, list and text and above the buttons, every
        // dialog shows its background untouched.
        const RECT strip{240, 40, layout.clientWidth - 10, layout.accept.top - 40};
        const Pixels shown =
            CaptureShowing(dialog, *background, strip, {}, "the dialog's background");
        EXPECT_EQ(DifferingPixels(shown, *background, strip, {}), 0);
        ShowWhatTheDialogOffers(dialog, shot.kind);
        Keep(CaptureClient(dialog),
             (std::string("dialog-") + language.skin + "-" + shot.name).c_str());
        Cancel(dialog, shot.kind);
        ASSERT_TRUE(WaitUntilAnswered(window, kWindowTimeoutMs));
    }
    End(window);
}

INSTANTIATE_TEST_SUITE_P(Languages, DialogScreenshots,
                         ::testing::Values(ShotLanguage{L"en_US.UTF-8", "EN"},
                                           ShotLanguage{L"zh_CN.UTF-8", "CHS"}),
                         [](const auto& info) { return std::string(info.param.skin); });

}  // namespace
}  // namespace corvane::e2e
