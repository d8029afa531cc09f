// The demo under faults, as a user meets them: the simulated mouse vanishing
// in the middle of a Save, a damaged config.bin, and a str.ini that cannot
// be written. Driven from this process through the window's class name and
// real messages, checked by the boxes the program shows, its files and the
// simulated mouse's memory file. Every wait is a bounded poll of a
// condition.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "driver_win32.h"
#include "meaning/apply.h"
#include "meaning/factory_settings.h"
#include "settings/dpi_table.h"
#include "settings/settings_files.h"
#include "ui/main/main_layout.h"

namespace corvane::e2e {
namespace {

namespace fs = std::filesystem;

// Bounds of the waits: a step that takes longer has failed.
constexpr DWORD kStartTimeoutMs = 20000;
constexpr DWORD kStepTimeoutMs = 10000;
constexpr wchar_t kWriteOperation[] = L"WriteOperation";
constexpr wchar_t kNullFp[] = L"NULL ==fp ";
constexpr std::uint32_t kStartUpReadTransfers = 17;

const fs::path kDist = CORVANE_E2E_DIST_DIR;
const fs::path kWork = CORVANE_E2E_WORK_DIR;

POINT CentreOf(const Rect& r) {
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

DeviceImage ImageOf(const std::vector<std::uint8_t>& memory) {
    DeviceImage image{};
    std::memcpy(&image, memory.data(), kDeviceImageSize);
    return image;
}

std::vector<std::uint8_t> BytesOf(const DeviceImage& image) {
    return std::vector<std::uint8_t>(image.bytes().begin(), image.bytes().end());
}

class Faults : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "." + info->name();
        std::replace(name.begin(), name.end(), '/', '_');
        folder_ = kWork / name;
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
        fs::create_directories(kWork);
        fs::copy(kDist / "CorvaneDemo", folder_, fs::copy_options::recursive);
        for (const char* runtime : {"simulated-mouse.bin", "simulated-mouse-wire.log", "str.ini"}) {
            fs::remove(folder_ / runtime);
        }
        std::ifstream in(folder_ / "simulated-mouse.ini", std::ios::binary);
        demoSettings_.assign(std::istreambuf_iterator<char>(in), {});
    }

    // The demo's simulated-mouse.ini with `extra` lines after its own.
    void SetMouseSettings(const std::string& extra) {
        std::ofstream(folder_ / "simulated-mouse.ini", std::ios::binary | std::ios::trunc)
            << demoSettings_ << "\n"
            << extra;
    }

    void WriteConfig(std::size_t size) {
        const auto factory = FactoryConfigFile();
        std::vector<std::uint8_t> bytes(size);
        std::copy_n(factory.begin(), std::min(size, factory.size()), bytes.begin());
        std::ofstream(folder_ / "config.bin", std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }

    std::vector<std::uint8_t> File(const char* name) const { return ReadFileBytes(folder_ / name); }

    // Starts the demo, waits for the end of its start-up (with no box) and
    // shows the window from the tray; none when that does not come.
    HWND Start(Program& program) {
        program = Program::WithLocale(folder_ / "Corvane1.0.exe", L"en_US.UTF-8", kMainClass,
                                      kStartTimeoutMs);
        HWND window = program.WaitForWindow(kMainClass, nullptr, kStartTimeoutMs);
        if (window == nullptr || !WaitUntilStartedUp(window, kStartTimeoutMs)) {
            return nullptr;
        }
        EXPECT_TRUE(program.WindowsOf(kDialogBoxClass).empty()) << "no box at the start";
        const bool shown =
            ClickTray(window) && WaitUntil("the window to show after a tray click", kStepTimeoutMs,
                                           [&] { return IsWindowVisible(window) != FALSE; });
        return shown ? window : nullptr;
    }

    void End(Program& program, HWND window) {
        PostMessageW(window, WM_COMMAND, 1028, 0);
        EXPECT_EQ(program.WaitForExit(kStepTimeoutMs), std::optional<DWORD>(0));
    }

    // Waits for the box of `caption`, keeps its text and the number of
    // boxes open with it, and closes it.
    static void CloseBox(Program& program, const wchar_t* caption, std::wstring& text, int& boxes) {
        HWND box = program.WaitForWindow(kDialogBoxClass, caption, kStepTimeoutMs);
        ASSERT_NE(box, nullptr);
        // The box's own message loop runs the program now: the box is complete.
        ASSERT_TRUE(WaitUntilAnswered(box, kStepTimeoutMs));
        text = MessageBoxText(box);
        boxes = static_cast<int>(program.WindowsOf(kDialogBoxClass).size());
        CloseMessageBox(box);
        ASSERT_TRUE(
            WaitUntil("the box to close", kStepTimeoutMs, [&] { return IsWindow(box) == FALSE; }));
    }

    // Clicks Save and waits until its handler has returned: config.bin
    // replaced (watched without opening it, which would make the replace
    // fail), the window answering again and no box open; config.bin is then
    // 180 bytes starting with 1. With `writeBoxes`, the write's failure box
    // is awaited first and closed, and the boxes open with it are counted;
    // `boxCaption` names another failure box than the write's.
    void SaveAndWait(Program& program, HWND window, int* writeBoxes,
                     const wchar_t* boxCaption = kWriteOperation, std::wstring* boxText = nullptr) {
        const fs::path config = folder_ / "config.bin";
        const std::optional<std::uint64_t> before = LastWriteTime(config);
        ClickAt(window, CentreOf(kSaveButton));
        if (writeBoxes != nullptr) {
            std::wstring text;
            ASSERT_NO_FATAL_FAILURE(CloseBox(program, boxCaption, text, *writeBoxes));
            if (boxText != nullptr) {
                *boxText = text;
            } else {
                EXPECT_EQ(text, L"The system did not detect the gaming mouse!");
            }
        }
        ASSERT_TRUE(WaitUntil("Save to replace config.bin", kStepTimeoutMs, [&] {
            const std::optional<std::uint64_t> now = LastWriteTime(config);
            return now && now != before;
        }));
        ASSERT_TRUE(WaitUntilAnswered(window, kStepTimeoutMs));
        EXPECT_TRUE(program.WindowsOf(kDialogBoxClass).empty()) << "no further box";
        const std::vector<std::uint8_t> stored = File("config.bin");
        ASSERT_EQ(stored.size(), kConfigFileSize);
        EXPECT_EQ(stored[0], 1);
    }

    fs::path folder_;
    std::string demoSettings_;
    GdiplusScope gdiplus_;
};

class SaveWithTheMouseVanishing : public Faults, public ::testing::WithParamInterface<int> {};

// The mouse vanishes at the k-th transfer of the write: one "WriteOperation"
// box, config.bin still stored. Started again with the mouse back (its
// memory, a mix of old and new pages, kept in its file), a Save completes
// the mouse: its memory is then Apply of config.bin over what it held.
TEST_P(SaveWithTheMouseVanishing, IsReportedAndTheNextSaveCompletesTheMouse) {
    const int k = GetParam();
    SetMouseSettings("fail_from_transfer = " + std::to_string(kStartUpReadTransfers + k) + "\n");
    {
        Program program;
        HWND window = Start(program);
        ASSERT_NE(window, nullptr);
        int boxes = 0;
        SaveAndWait(program, window, &boxes);
        EXPECT_EQ(boxes, 1) << "exactly one box";
        End(program, window);
    }
    const auto stored = ParseConfigFile(File("config.bin"));
    ASSERT_TRUE(stored);

    SetMouseSettings("");
    Program program;
    HWND window = Start(program);
    ASSERT_NE(window, nullptr);
    const std::vector<std::uint8_t> held = File("simulated-mouse.bin");
    ASSERT_EQ(held.size(), kDeviceImageSize);
    DeviceImage expected = ImageOf(held);
    PatchDeviceImage(stored->record, expected.page4.sensorType, expected);
    SaveAndWait(program, window, nullptr);
    // The mouse was written before config.bin was stored.
    EXPECT_EQ(File("simulated-mouse.bin"), BytesOf(expected))
        << "the mouse holds Apply of config.bin";
    End(program, window);
}

INSTANTIATE_TEST_SUITE_P(AtTransfer, SaveWithTheMouseVanishing,
                         ::testing::Values(1, 2, 3, 4, 6, 10, 17, 18),
                         [](const auto& info) { return "K" + std::to_string(info.param); });

class DamagedConfig : public Faults, public ::testing::WithParamInterface<std::size_t> {};

// A config.bin of the wrong size is ignored without a message, and the
// settings are the factory ones: Save gives the mouse the factory report
// rate and DPI codes, not zeros.
TEST_P(DamagedConfig, SaveWritesTheFactorySettings) {
    WriteConfig(GetParam());
    Program program;
    HWND window = Start(program);
    ASSERT_NE(window, nullptr);
    const std::vector<std::uint8_t> before = File("simulated-mouse.bin");
    ASSERT_EQ(before.size(), kDeviceImageSize);
    SaveAndWait(program, window, nullptr);

    const SettingsRecord factory = FactorySettingsRecord();
    const auto stored = ParseConfigFile(File("config.bin"));
    ASSERT_TRUE(stored);
    EXPECT_EQ(0, std::memcmp(&stored->record, &factory, sizeof factory));

    // The mouse was written before config.bin was stored.
    const std::uint8_t sensor = ImageOf(before).page4.sensorType;
    const DeviceImage mouse = ImageOf(File("simulated-mouse.bin"));
    EXPECT_EQ(mouse.reportRate, factory.reportRate);
    EXPECT_NE(mouse.reportRate, 0);
    for (int stage = 0; stage < kDpiStages; ++stage) {
        EXPECT_EQ(mouse.page4.dpiCode[stage], DpiCode(sensor, factory.dpiLevel[stage], 1))
            << "stage " << stage + 1;
    }
    DeviceImage expected = ImageOf(before);
    WriteDefaultDeviceTables(expected);  // first-run handling: the flag was never read
    PatchDeviceImage(factory, sensor, expected);
    EXPECT_EQ(BytesOf(mouse), BytesOf(expected));
    End(program, window);
}

INSTANTIATE_TEST_SUITE_P(OfSize, DamagedConfig, ::testing::Values(0u, 179u),
                         [](const auto& info) { return "Bytes" + std::to_string(info.param); });

// "Error Code is: %d \n" with a system error number other than 0.
void ExpectErrorCodeBox(const std::wstring& text) {
    const std::wstring prefix = L"Error Code is: ";
    ASSERT_EQ(text.substr(0, prefix.size()), prefix) << Utf8(text);
    EXPECT_EQ(text.substr(text.size() - 2), L" \n") << Utf8(text);
    const std::wstring number = text.substr(prefix.size(), text.size() - prefix.size() - 2);
    EXPECT_GT(std::stoul(number), 0u) << Utf8(text);
}

// A str.ini the program cannot write (a folder of that name: CI runs as
// root, and root may write a read-only file). The first-run labels at
// start-up and each Save show one "NULL ==fp " box with the system error,
// and Save still stores config.bin.
TEST_F(Faults, AStrIniThatCannotBeWrittenIsOneBoxAndConfigBinIsStored) {
    fs::create_directory(folder_ / "str.ini");
    Program program = Program::WithLocale(folder_ / "Corvane1.0.exe", L"en_US.UTF-8", kMainClass,
                                          kStartTimeoutMs);
    // The demo's config.bin is in its factory state: the key page's first
    // show stores the first-run labels.
    std::wstring text;
    int boxes = 0;
    ASSERT_NO_FATAL_FAILURE(CloseBox(program, kNullFp, text, boxes));
    ExpectErrorCodeBox(text);
    EXPECT_EQ(boxes, 1) << "exactly one box at the start";
    HWND window = program.WaitForWindow(kMainClass, nullptr, kStartTimeoutMs);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntilStartedUp(window, kStartTimeoutMs));
    EXPECT_TRUE(program.WindowsOf(kDialogBoxClass).empty()) << "no further box";
    ASSERT_TRUE(ClickTray(window));
    ASSERT_TRUE(WaitUntil("the window to show after a tray click", kStepTimeoutMs,
                          [&] { return IsWindowVisible(window) != FALSE; }));

    SaveAndWait(program, window, &boxes, kNullFp, &text);
    ExpectErrorCodeBox(text);
    EXPECT_EQ(boxes, 1) << "exactly one box for the Save";
    EXPECT_EQ(ParseConfigFile(File("config.bin"))->firstRunFlag, 1);
    End(program, window);
    EXPECT_TRUE(fs::is_directory(folder_ / "str.ini"));
}

}  // namespace
}  // namespace corvane::e2e
