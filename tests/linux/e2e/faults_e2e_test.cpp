// Bad input to the running corvane: no skins beside it or installed, a
// settings folder whose files cannot be written, and a config.bin of the
// wrong size.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "corvane_fixture.h"
#include "meaning/factory_settings.h"
#include "ui/main/main_layout.h"

namespace corvane::e2e {
namespace {

constexpr int kMostBoxes = 5;
constexpr int kBoxGapMs = 1000;

class Faults : public CorvaneTest {
  protected:
    void PutSettingsFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        std::filesystem::create_directories(SettingsFolder());
        std::ofstream out(SettingsFolder() / name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
};

// Without a back buffer the start draws no image, so no box comes before
// the window; each image drawn later is one box, and a dialog without its
// background says so, as the Windows program's do. The window still runs
// and ends normally.
TEST_F(Faults, WithoutSkinsEveryImageIsItsFailureBoxAndTheWindowStillRuns) {
    const std::filesystem::path alone = work() / "bin" / "corvane";
    std::filesystem::create_directories(alone.parent_path());
    std::filesystem::copy_file(kCorvane, alone);
    desktop.MoveToScreen(1270, 1020);
    Launch("", {}, alone);
    const std::optional<WindowId> window = MainWindow();
    ASSERT_TRUE(window) << Log();
    EXPECT_TRUE(Boxes().empty()) << Log();

    // The pointer's rest on Save draws its over look; the pointer leaves
    // before the box goes, or the next rest would draw it again.
    const Point save = CentreOf(kSaveButton);
    ASSERT_TRUE(desktop.MoveTo(*window, save.x, save.y));
    ASSERT_TRUE(WaitUntil([&] { return !Boxes().empty(); }, kWaitMs));
    ASSERT_TRUE(desktop.MoveToScreen(1270, 1020));
    ASSERT_TRUE(DismissBoxes(1));
    EXPECT_EQ(Boxes(), std::vector<std::string>{"LoadPng---Load image failed."});

    // Default's own over look may fail on the way; then its dialog's
    // background.
    const Point defaults = CentreOf(kDefaultButton);
    ASSERT_TRUE(desktop.Click(*window, defaults.x, defaults.y));
    std::optional<WindowId> dialog;
    for (int boxes = 0; boxes < kMostBoxes && !dialog; ++boxes) {
        ASSERT_TRUE(DismissBoxes(1)) << Log();
        dialog = desktop.WaitForWindow(kClass, 300 + 2 * kDialogBorder, 200 + 2 * kDialogBorder,
                                       kBoxGapMs);
    }
    ASSERT_TRUE(dialog) << "the blank dialog still answers; " << Log();
    std::vector<std::string> boxes = Boxes();
    EXPECT_EQ(boxes.back(), "KeysRecover Dialog Load background image failed!!!: error");
    boxes.pop_back();
    for (const std::string& box : boxes) {
        EXPECT_EQ(box, "LoadPng---Load image failed.");
    }
    ASSERT_TRUE(desktop.Keys({"Escape"}));
    ASSERT_TRUE(WaitUntilDialogClosed(*dialog));
    EXPECT_EQ(Close(*window), 0) << Log();
}

// No write bit on config.bin: Save shows the system's error under
// "NULL ==fp " and the program goes on, config.bin untouched.
TEST_F(Faults, ASettingsFileThatCannotBeWrittenIsTheNullFpBoxOnSave) {
    const auto factory = FactoryConfigFile();
    const std::vector<std::uint8_t> config(factory.begin(), factory.end());
    PutSettingsFile("config.bin", config);
    ::chmod((SettingsFolder() / "config.bin").c_str(), 0444);
    const std::optional<WindowId> window = Start();
    ASSERT_TRUE(window);
    const Point save = CentreOf(kSaveButton);
    ASSERT_TRUE(desktop.Click(*window, save.x, save.y));
    ASSERT_TRUE(DismissBoxes(1)) << Log();
    // The next click acts where it is made: the press that opened the box
    // is not replayed.
    ASSERT_TRUE(desktop.Click(*window, 300, 150));
    ASSERT_TRUE(desktop.Click(*window, 300, 160));
    EXPECT_FALSE(WaitUntil([&] { return Boxes().size() > 1; }, 500)) << Log();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"NULL ==fp : Error Code is: 13 "});
    EXPECT_TRUE(program->Running());
    EXPECT_EQ(ConfigBytes(), config);
    EXPECT_EQ(Close(*window), 0) << Log();
}

TEST_F(Faults, AConfigBinOfTheWrongSizeStartsFromTheFactoryRecord) {
    PutSettingsFile("config.bin", {1, 2, 3, 4, 5, 6, 7});
    const std::optional<WindowId> window = Start();
    ASSERT_TRUE(window);
    const QImage expected = WindowsScreenshot("keys-en");
    EXPECT_EQ(DifferingPixels(CaptureShowing(*window, expected, KeyBoxes()), expected, KeyBoxes()),
              0);
    EXPECT_TRUE(Boxes().empty()) << Log();
    ASSERT_TRUE(Save(*window));
    const std::vector<std::uint8_t> saved = ConfigBytes();
    ASSERT_EQ(saved.size(), kConfigFileSize);
    EXPECT_EQ(saved[0], 1);
    const SettingsRecord factory = FactorySettingsRecord();
    EXPECT_EQ(std::memcmp(StoredRecord()->buttonFunction, factory.buttonFunction,
                          sizeof factory.buttonFunction),
              0);
    EXPECT_EQ(StoredRecord()->reportRate, factory.reportRate);
    EXPECT_EQ(Close(*window), 0);
}

}  // namespace
}  // namespace corvane::e2e
