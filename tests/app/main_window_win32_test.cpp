// The real main window in this process: created from its template by the
// program's own code, sent real messages (tray callback, notices, device
// changes with device-interface records, the tray menu command) and checked
// by its state, its tray record, its pixels and the control colours of a
// real list box.
#include "app/program_win32.h"

#include <dbt.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "device/simulator/simulated_mouse.h"
#include "meaning/factory_settings.h"
#include "support/fake_system_facts.h"
#include "support/interface_record_win32.h"
#include "support/temp_folder.h"
#include "ui/skin/modal_loop_win32.h"
#include "ui/skin/window_probes_win32.h"

#ifndef CORVANE_APP_TEST_ASSETS_DIR
#error "CORVANE_APP_TEST_ASSETS_DIR names the skin assets"
#endif

namespace corvane {
namespace {

namespace fs = std::filesystem;

class RecordingBoxes final : public MessageBoxSink {
  public:
    std::vector<std::pair<std::wstring, std::wstring>> shown;
    void ShowMessageBox(const std::wstring& text, const std::wstring& caption) override {
        shown.emplace_back(text, caption);
    }
};

using testing::InterfaceRecord;
const std::wstring& kMousePath = testing::kMouseInterfacePath;

class MainWindowWin32Test : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(RegisterMainWindowClass());
        fs::copy(fs::path(CORVANE_APP_TEST_ASSETS_DIR) / "Skins", folder.path() / "Skins",
                 fs::copy_options::recursive);
        const auto config = FactoryConfigFile();
        std::ofstream(folder.path() / "config.bin", std::ios::binary)
            .write(reinterpret_cast<const char*>(config.data()), config.size());

        auto facts = std::make_unique<testing::FakeSystemFacts>();
        facts->executablePath = testing::WidePath(folder.path() / "Corvane1.0.exe");
        SimulatedMouseOptions mouseOptions;
        mouseOptions.sleep = [](unsigned) {};
        auto port = std::make_unique<SimulatedMouse>(mouseOptions);
        mouse = port.get();

        ProgramWin32::Options options;
        options.port = std::move(port);
        options.facts = std::move(facts);
        options.messageBoxes = &boxes;
        options.endProcess = [this](int code) { exitCodes.push_back(code); };
        window = std::make_unique<ProgramWin32>(std::move(options));
        hwnd = window->Create();
        ASSERT_NE(hwnd, nullptr);
    }

    void Pump() {
        DrainMessages(hwnd, [this](const MSG& m) { return window->mainWindow().PreFilter(m); });
    }

    void SendDeviceChange(WPARAM event, const std::wstring& path) {
        std::vector<std::uint8_t> record = InterfaceRecord(path);
        EXPECT_EQ(
            SendMessageW(hwnd, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(record.data())),
            TRUE);
    }

    testing::TempFolder folder;
    RecordingBoxes boxes;
    std::vector<int> exitCodes;
    SimulatedMouse* mouse = nullptr;
    std::unique_ptr<ProgramWin32> window;
    HWND hwnd = nullptr;
};

TEST_F(MainWindowWin32Test, StartsHiddenWithTrayIconToolStyleAndExactClientArea) {
    Pump();
    EXPECT_EQ(window->mainWindow().initialisation(), Initialisation::Ready);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_EQ(window->shell().startHideCount(), 0);
    // Wine sends fewer frame paints than Windows; the start is hidden either way.
    std::printf("frame paints that hid the window at the start: %d\n",
                window->shell().hidingPaints());
    ::testing::Test::RecordProperty("hidingPaints", window->shell().hidingPaints());
    EXPECT_TRUE(window->shellHost().trayIconPresent());
    const NOTIFYICONDATAW& tray = window->shellHost().trayRecord();
    EXPECT_EQ(tray.cbSize, 968u);
    EXPECT_EQ(tray.uCallbackMessage, 1025u);
    EXPECT_STREQ(tray.szTip, L"Gaming Mouse Setting");
    wchar_t className[64] = {};
    GetClassNameW(hwnd, className, 64);
    EXPECT_STREQ(className, L"KelAPClass-Ver2");
    EXPECT_EQ(FindWindowW(L"KelAPClass-Ver2", nullptr), hwnd);
    const auto exStyle = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
    RECT client{};
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, 760);
    EXPECT_EQ(client.bottom, 630);
    EXPECT_EQ(window->state().devicePresent, 1u);
    EXPECT_EQ(window->dialog().currentPage(), 1);
}

TEST_F(MainWindowWin32Test, TrayCallbackShowsAndTheCloseRequestHides) {
    Pump();
    SendMessageW(hwnd, 1025, 0, WM_MOUSEMOVE);
    SendMessageW(hwnd, 1025, 0, WM_LBUTTONDOWN);
    SendMessageW(hwnd, 1025, 0, static_cast<LPARAM>(0x0000'0001'0000'0202ll));  // compared whole
    EXPECT_FALSE(IsWindowVisible(hwnd));
    SendMessageW(hwnd, 1025, 0, WM_LBUTTONUP);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    Pump();
    SendMessageW(hwnd, WM_NCPAINT, 1, 0);
    EXPECT_TRUE(IsWindowVisible(hwnd)) << "no late start hiding";
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_TRUE(IsWindow(hwnd));
    EXPECT_TRUE(exitCodes.empty());
}

TEST_F(MainWindowWin32Test, NoticesSetTheBalloonOfTheTrayRecord) {
    EXPECT_EQ(SendMessageW(hwnd, 1026, 5, 1), 0);
    const NOTIFYICONDATAW& tray = window->shellHost().trayRecord();
    EXPECT_STREQ(tray.szInfo, L"Switch report rate into 1000HZ");
    EXPECT_STREQ(tray.szInfoTitle, L"Info");
    EXPECT_EQ(tray.uFlags, 0x17u);
    EXPECT_EQ(tray.dwInfoFlags, 1u);
    EXPECT_EQ(tray.uTimeout, 5000u);

    EXPECT_EQ(SendMessageW(hwnd, 1026, 5, 3), 0);
    EXPECT_STREQ(tray.szInfo, L"Switch report rate into 1000HZ") << "value 3 shows nothing";
    EXPECT_EQ(SendMessageW(hwnd, 1026, 15, 0), 0);
    EXPECT_STREQ(tray.szInfoTitle, L"Warning");
    EXPECT_EQ(tray.uTimeout, 100u);
}

TEST_F(MainWindowWin32Test, DeviceInterfaceRecordsAreCountedToFour) {
    const std::uint32_t transfers = mouse->transferCount();
    SendDeviceChange(DBT_DEVICEARRIVAL, kMousePath);
    SendDeviceChange(DBT_DEVICEARRIVAL, L"\\\\?\\hid#vid_04d9&pid_a09e&mi_01#lower");
    SendDeviceChange(DBT_DEVICEARRIVAL, kMousePath);
    SendDeviceChange(DBT_DEVICEARRIVAL, kMousePath);
    EXPECT_EQ(window->mainWindow().deviceChanges().interfaceEventCount(), 3)
        << "lower case is not counted";
    SendDeviceChange(DBT_DEVICEREMOVECOMPLETE, kMousePath);
    EXPECT_EQ(window->mainWindow().deviceChanges().interfaceEventCount(), 0);
    EXPECT_EQ(window->state().devicePresent, 1u);
    EXPECT_EQ(mouse->transferCount(), transfers) << "discovery as a removal reads nothing";

    for (int i = 0; i < 4; ++i) {
        SendDeviceChange(DBT_DEVICEARRIVAL, kMousePath);
    }
    EXPECT_GT(mouse->transferCount(), transfers) << "the fourth arrival reads the mouse";
    EXPECT_EQ(window->state().sensorType, mouse->memory()[195]);
    EXPECT_EQ(SendMessageW(hwnd, WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0), TRUE);
}

TEST_F(MainWindowWin32Test, OtherDeviceEventsAreHandledWithoutReadingTheirParameter) {
    // Their parameter is no broadcast record: a number, or nothing at all.
    const WPARAM events[] = {DBT_DEVNODES_CHANGED,
                             DBT_QUERYCHANGECONFIG,
                             DBT_CONFIGCHANGED,
                             DBT_CONFIGCHANGECANCELED,
                             0x8001,
                             0xFFFF};
    for (const WPARAM event : events) {
        EXPECT_EQ(SendMessageW(hwnd, WM_DEVICECHANGE, event, 0x10), TRUE) << event;
    }
    EXPECT_EQ(window->mainWindow().deviceChanges().interfaceEventCount(), 0);
}

bool TrayIconOf(HWND window) {
    NOTIFYICONDATAW probe{};
    probe.cbSize = sizeof probe;
    probe.hWnd = window;
    return Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE;
}

TEST_F(MainWindowWin32Test, TheTrayIconIsRemovedAtExitAlsoAfterAFailedReAdd) {
    Pump();
    ASSERT_TRUE(TrayIconOf(hwnd));
    // The notification area still holds the icon, so adding it again fails.
    SendMessageW(hwnd, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(TrayIconOf(hwnd));
    // The exit's destroy step, seen before the window itself goes (the
    // system drops the icons of a destroyed window on its own).
    window->shell().OnDestroy();
    EXPECT_FALSE(TrayIconOf(hwnd));
}

TEST_F(MainWindowWin32Test, TrayExitEndsWithZeroClosesHandlesAndRemovesTheIcon) {
    SendMessageW(hwnd, WM_COMMAND, 1028, 0);
    EXPECT_EQ(exitCodes, std::vector<int>{0});
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(window->shellHost().trayIconPresent());
    EXPECT_EQ(window->state().link.commandHandle, kInvalidHidHandle);
    EXPECT_EQ(mouse->openHandleCount(), 0u);
}

TEST_F(MainWindowWin32Test, ListBoxGetsTheListColoursAndFont) {
    SendMessageW(hwnd, 1025, 0, WM_LBUTTONUP);
    HWND list = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | LBS_NOTIFY, 78, 225,
                                128, 100, hwnd, reinterpret_cast<HMENU>(300), nullptr, nullptr);
    ASSERT_NE(list, nullptr);
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Left Click"));
    const testing::ListBoxColours colours = testing::AskListBoxColours(hwnd, list);
    ASSERT_TRUE(colours.brushRead);
    EXPECT_EQ(colours.brush, RGB(26, 54, 51));
    EXPECT_EQ(colours.text, RGB(0, 255, 198));
    EXPECT_EQ(colours.backgroundMode, TRANSPARENT);
    EXPECT_EQ(colours.background, RGB(26, 54, 51));
    EXPECT_EQ(colours.font.lfHeight, 16);
    EXPECT_STREQ(colours.font.lfFaceName, L"Tahoma");

    DestroyWindow(list);
}

TEST_F(MainWindowWin32Test, SecondWindowInTheSameSessionEndsAsASecondInstance) {
    auto facts = std::make_unique<testing::FakeSystemFacts>();
    facts->executablePath = testing::WidePath(folder.path() / "Corvane1.0.exe");
    std::vector<int> secondCodes;
    RecordingBoxes secondBoxes;
    ProgramWin32::Options options;
    options.port = std::make_unique<SimulatedMouse>();
    options.facts = std::move(facts);
    options.messageBoxes = &secondBoxes;
    options.endProcess = [&](int code) { secondCodes.push_back(code); };
    ProgramWin32 second(std::move(options));
    second.Create();
    EXPECT_EQ(second.mainWindow().initialisation(), Initialisation::SecondInstance);
    EXPECT_EQ(secondCodes, std::vector<int>{0});
    EXPECT_TRUE(secondBoxes.shown.empty());
    EXPECT_FALSE(second.shellHost().trayIconPresent());
    EXPECT_EQ(FindWindowW(L"KelAPClass-Ver2", nullptr), hwnd);
}

// Clicks OK of the keys recover dialog once it is open over the main window.
HWND g_mainWindow = nullptr;
RECT g_recoverWindow{};
void CALLBACK ClickOkOfTheOpenDialog(HWND, UINT, UINT_PTR id, DWORD) {
    HWND dialog = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) -> BOOL {
            if (GetWindow(window, GW_OWNER) == g_mainWindow && IsWindowVisible(window)) {
                *reinterpret_cast<HWND*>(found) = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&dialog));
    if (dialog == nullptr) {
        return;  // not open yet: the timer comes again
    }
    KillTimer(nullptr, id);
    GetClientRect(dialog, &g_recoverWindow);
    PostMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 160));  // OK
}

TEST_F(MainWindowWin32Test, DefaultRunsTheRealKeysRecoverDialogAndResetsOnOk) {
    Pump();
    SendMessageW(hwnd, 1025, 0, WM_LBUTTONUP);
    Pump();
    window->state().records.working.reportRate = 1;
    window->dialog().labels()[1][4] = L"Fire Key-A";
    g_mainWindow = hwnd;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, ClickOkOfTheOpenDialog);
    PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(400, 580));  // Default
    Pump();
    KillTimer(nullptr, timer);
    EXPECT_EQ(g_recoverWindow.right, 300);
    EXPECT_EQ(g_recoverWindow.bottom, 200);
    EXPECT_EQ(window->state().records.working.reportRate, 8);
    EXPECT_EQ(window->dialog().labels()[1][4], L"DPI Switch");
    EXPECT_TRUE(IsWindowEnabled(hwnd));
    EXPECT_TRUE(boxes.shown.empty()) << "the dialog's images all loaded";
}

TEST(ModalLoop, DisablesTheOwnerWhileADialogRunsAndPassesThePreFilterFirst) {
    ASSERT_TRUE(RegisterMainWindowClass());
    const auto words =
        BuildDialogTemplate({WS_POPUP, 0, L"KelAPClass-Ver2", 100, 50, 12, L"Tahoma"});
    auto proc = [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; };
    HWND owner = CreateDialogIndirectParamW(
        nullptr, reinterpret_cast<LPCDLGTEMPLATEW>(words.data()), nullptr, proc, 0);
    HWND dialog = CreateDialogIndirectParamW(
        nullptr, reinterpret_cast<LPCDLGTEMPLATEW>(words.data()), owner, proc, 0);
    ASSERT_NE(owner, nullptr);
    ASSERT_NE(dialog, nullptr);
    bool ended = false;
    bool ownerDisabledDuringRun = false;
    std::vector<UINT> filtered;
    PostMessageW(dialog, WM_USER + 7, 0, 0);
    RunModalLoop(
        dialog, owner,
        [&](const MSG& m) {
            if (m.message == WM_USER + 7) {
                filtered.push_back(m.message);
                ownerDisabledDuringRun = !IsWindowEnabled(owner);
                ended = true;
                return true;
            }
            return false;
        },
        [&] { return ended; });
    EXPECT_EQ(filtered, std::vector<UINT>{WM_USER + 7});
    EXPECT_TRUE(ownerDisabledDuringRun);
    EXPECT_TRUE(IsWindowEnabled(owner));
    DestroyWindow(dialog);
    DestroyWindow(owner);
}

}  // namespace
}  // namespace corvane
