// The Linux program as its main assembles it, on Qt's offscreen platform
// with the simulated mouse and a real settings folder: the first start in a
// new folder, a start without the mouse, a folder that takes no file, a
// hidden start with a tray, a second start, and Close.
#include "app/program_qt.h"

#include <gtest/gtest.h>

#include <QTest>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "app/shell_fakes.h"
#include "core/text_encoding.h"

#include "device/simulator/simulated_mouse_settings.h"
#include "meaning/factory_settings.h"
#include "settings/ini_store.h"
#include "settings/settings_files.h"
#include "support/fake_system_facts.h"
#include "support/temp_folder.h"
#include "ui/main/text_table.h"

namespace corvane::testing {
namespace {

QString UniqueInstanceName() {
    static int counter = 0;
    return QStringLiteral("/org.corvane.Corvane/program-test-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(counter++);
}

class ProgramQtTest : public ::testing::Test {
  protected:
    TempFolder folder;
    RecordedBoxes boxes;
    std::vector<int> exitCodes;

    bool tray = false;
    bool hidden = false;
    // A name of this test's own, so that runs side by side never meet.
    QString instanceName = UniqueInstanceName();
    Initialisation started = Initialisation::Ready;
    SkinImagePrefetch* prefetch = nullptr;

    std::unique_ptr<ProgramQt> Start(const std::wstring& settingsFolder,
                                     SimulatedMouseSettings mouse = {}) {
        auto facts = std::make_unique<FakeSystemFacts>();
        facts->executablePath = L"/opt/corvane/bin/corvane";
        ProgramQt::Options options;
        options.port = std::make_unique<SimulatedMouse>(OptionsOf(mouse));
        options.facts = std::move(facts);
        options.settingsFolder = settingsFolder;
        options.skinFolder = SkinFolder();
        options.messageBoxes = &boxes;
        options.endProcess = [this](int code) { exitCodes.push_back(code); };
        options.windowManagerRuns = [] { return false; };
        options.trayAvailable = [this] { return tray; };
        options.hidden = hidden;
        options.instanceName = instanceName;
        options.watchDevices = [](DeviceWatchQt&) { return true; };
        options.prefetch = prefetch;
        auto program = std::make_unique<ProgramQt>(std::move(options));
        started = program->Start();
        return program;
    }
    static std::wstring SkinFolder() { return FromUtf8(CORVANE_ASSETS_DIR) + L"/Skins"; }
    std::wstring Label(const std::wstring& settingsFolder, const std::wstring& key) {
        return MakePlatformIniStore()->Read(settingsFolder + L"str.ini", L"Setting-EN", key, L"",
                                            256);
    }
};

// The factory file makes the first display install the factory labels, as
// the distribution's config.bin does on Windows.
TEST_F(ProgramQtTest, TheFirstStartMakesTheFolderAndTheFactoryFileAndShowsTheWindow) {
    const std::wstring settings = folder.Wide("config") + L"/corvane/";
    const auto program = Start(settings);
    EXPECT_TRUE(program->window()->isVisible());
    EXPECT_TRUE(boxes.shown.empty());
    const auto factory = FactoryConfigFile();
    EXPECT_EQ(TempFolder::ReadFile(folder / "config" / "corvane" / "config.bin"),
              std::vector<std::uint8_t>(factory.begin(), factory.end()));
    EXPECT_EQ(Label(settings, L"Item1"), L"Left Click");
    EXPECT_EQ(Label(settings, L"Item53"), L"DPI Switch");
    EXPECT_EQ(program->program().state().devicePresent, 1u);
    EXPECT_EQ(program->window()->windowTitle(), QStringLiteral("Gaming Mouse Setting"));
}

// The images a main decodes ahead are the ones the start draws, and the
// window shows what it shows without them.
TEST_F(ProgramQtTest, TheStartTakesTheImagesDecodedAheadAndDrawsTheSamePage) {
    QImage expected = Start(folder.Wide("plain") + L"/")->mainHost().backBuffer();
    const StartImages images = StartImagesOf(SkinFolder(), kLangEnglishUs);
    SkinImagePrefetch ahead(
        {{images.background, SkinImageUse::Background}, {images.keyPage, SkinImageUse::Drawn}});
    prefetch = &ahead;
    const auto program = Start(folder.Wide("ahead") + L"/");
    EXPECT_FALSE(ahead.Take(images.background, SkinImageUse::Background)) << "taken by the start";
    EXPECT_FALSE(ahead.Take(images.keyPage, SkinImageUse::Drawn)) << "taken by the start";
    EXPECT_EQ(program->mainHost().backBuffer(), expected);
}

TEST_F(ProgramQtTest, WithoutTheMouseTheWarningIsShownAndSoIsTheWindow) {
    SimulatedMouseSettings absent;
    absent.mousePresent = false;
    const auto program = Start(folder.Wide("settings") + L"/", absent);
    EXPECT_EQ(boxes.shown,
              (std::vector<Box>{
                  {std::wstring(TextTableFor(kLangEnglishUs).textNotDetected), L"Warning"}}));
    EXPECT_TRUE(program->window()->isVisible());
    EXPECT_EQ(program->program().state().devicePresent, 0u);
}

// The folder's place is taken by a file: the error says why, the start
// reports the missing file as Windows does, and so does the first display's
// store of the labels; the window still starts from the factory settings.
TEST_F(ProgramQtTest, AFolderThatTakesNoFileSaysWhyAndTheWindowStillStarts) {
    TempFolder::WriteFile(folder / "taken", {1});
    const auto program = Start(folder.Wide("taken") + L"/corvane/");
    const Box notAFolder{L"Error Code is: 20 \n", L"NULL ==fp "};
    EXPECT_EQ(
        boxes.shown,
        (std::vector<Box>{notAFolder, {L"Config file is not exist.", L"corvane"}, notAFolder}));
    EXPECT_TRUE(program->window()->isVisible());
}

TEST_F(ProgramQtTest, AHiddenStartWithATrayStaysThereUntilALaterStartShowsIt) {
    tray = true;
    hidden = true;
    const auto program = Start(folder.Wide("settings") + L"/");
    EXPECT_EQ(started, Initialisation::Ready);
    EXPECT_FALSE(program->window()->isVisible());
    EXPECT_TRUE(program->shellHost().tray().icon().isVisible()) << "the icon, waiting for its tray";

    hidden = false;
    // A folder that takes no file would show boxes to a start that goes on.
    TempFolder::WriteFile(folder / "taken", {1});
    const auto later = Start(folder.Wide("taken") + L"/corvane/");
    EXPECT_EQ(started, Initialisation::SecondInstance);
    EXPECT_FALSE(later->window()->isVisible());
    EXPECT_TRUE(program->window()->isVisible()) << "shown as a click on its icon shows it";
    EXPECT_TRUE(boxes.shown.empty()) << "the later start tried no folder";
}

TEST_F(ProgramQtTest, CloseEndsWithCodeZero) {
    const auto program = Start(folder.Wide("settings") + L"/");
    program->program().window().Close();
    EXPECT_EQ(exitCodes, std::vector<int>{0});
    EXPECT_FALSE(program->window()->isVisible());
}

}  // namespace
}  // namespace corvane::testing
