// The application shell over its fakes and the real window logic: the
// start-up order and its failure paths, the tray's click and menu, notices,
// close and destroy, the mouse's arrivals and removals, and the hidden start.
#include "app/shell.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "app/notice_table.h"
#include "app/shell_fakes.h"
#include "core/module_path.h"
#include "device/simulator/simulated_mouse.h"
#include "meaning/choice_lists.h"
#include "settings/settings_files.h"
#include "support/fake_file_store.h"
#include "support/fake_ini_store.h"
#include "support/fake_system_facts.h"
#include "ui/main/main_layout.h"
#include "ui/main/main_window_tables.h"
#include "ui/main/text_table.h"

namespace corvane {
namespace {

using testing::FakeFileStore;
using testing::FakeIniStore;
using testing::FakeShellHost;
using testing::FakeSystemFacts;
using testing::ShellWindowHost;

const std::wstring kExe = L"C:\\Tools\\Corvane1.0.exe";
const std::wstring kConfig = L"C:\\Tools\\config.bin";
const std::wstring kStrIni = L"C:\\Tools\\str.ini";

// Messages recorded into the host's call list, so their order against the
// host's calls shows.
class RecordingMessages final : public UserMessages {
  public:
    explicit RecordingMessages(FakeShellHost& host) : host_(host) {}
    void Show(MessageKind kind, Caption caption, std::int64_t) override {
        shown.push_back({kind, caption});
        host_.calls.push_back(L"Message");
    }
    std::vector<std::pair<MessageKind, Caption>> shown;

  private:
    FakeShellHost& host_;
};

// A port whose mouse can be plugged in and pulled out between discoveries.
class PluggablePort final : public HidPort {
  public:
    explicit PluggablePort(bool present) { Plug(present); }
    void Plug(bool present, std::uint8_t sensorType = 0) {
        SimulatedMouseOptions options;
        options.interfaces = StandardInterfaces(1, false, present);
        options.sensorType = sensorType;
        options.sleep = [](unsigned) {};
        mouse = std::make_unique<SimulatedMouse>(options);
    }
    std::unique_ptr<SimulatedMouse> mouse;

    bool OpenInterfaceList() override { return mouse->OpenInterfaceList(); }
    HidListing EnumInterface(std::uint32_t i) override { return mouse->EnumInterface(i); }
    bool GetInterfacePath(std::uint32_t i, std::wstring& p) override {
        return mouse->GetInterfacePath(i, p);
    }
    void CloseInterfaceList() override { mouse->CloseInterfaceList(); }
    HidHandle Open(const std::wstring& p, HidOpenPurpose f, std::uint32_t& e) override {
        return mouse->Open(p, f, e);
    }
    void Close(HidHandle h) override { mouse->Close(h); }
    bool GetAttributes(HidHandle h, HidAttributes& a) override {
        return mouse->GetAttributes(h, a);
    }
    bool GetPreparsedData(HidHandle h, HidPreparsedData& d) override {
        return mouse->GetPreparsedData(h, d);
    }
    void FreePreparsedData(HidPreparsedData d) override { mouse->FreePreparsedData(d); }
    HidCapsStatus GetCaps(HidPreparsedData d, HidCaps& c) override { return mouse->GetCaps(d, c); }
    bool SetFeature(HidHandle h, std::span<const std::uint8_t> r) override {
        return mouse->SetFeature(h, r);
    }
    bool GetFeature(HidHandle h, std::span<std::uint8_t> r) override {
        return mouse->GetFeature(h, r);
    }
};

// The shell and the window logic it drives, wired as the program wires them:
// the shell is the window's owner.
struct ShellAndWindow {
    ShellAndWindow(DeviceState& state, ShellHost& host, MainWindowHost& windowHost, MouseLink& link,
                   SettingsFiles& files, SystemFacts& facts, UserMessages& messages,
                   const TextTable& texts, const std::wstring& skinFolder)
        : shell(ShellParts{state, host, windowHost, window, link, files, facts, messages, texts,
                           skinFolder}),
          window(state, windowHost, messages, texts, files, shell, facts.DefaultLanguageId()) {}
    Shell shell;
    CTessaryDlg window;
};

class ShellTest : public ::testing::Test {
  protected:
    explicit ShellTest(bool mousePresent = true, std::uint16_t languageId = kLangEnglishUs)
        : port(mousePresent) {
        facts.languageId = languageId;
        facts.executablePath = kExe;
    }

    // Built on first use so that a test can choose the language first.
    Shell& shell() {
        if (!wired_) {
            texts = &TextTableFor(facts.languageId);
            files = std::make_unique<SettingsFiles>(state, fileStore, ini, facts,
                                                    ExecutableFolder(facts.executablePath),
                                                    std::wstring(texts->settingsSection));
            wired_ = std::make_unique<ShellAndWindow>(
                state, host, windowHost, link, *files, facts, messages, *texts,
                SkinFolderBesideExecutable(facts.executablePath));
        }
        return wired_->shell;
    }
    CTessaryDlg& window() {
        shell();
        return wired_->window;
    }
    KeyLabels& labels() { return window().labels(); }
    // How often a page's image has been drawn: once per show of that page.
    int PageDraws(std::wstring_view image) const {
        return windowHost.Count("image " + testing::Narrow(image) + " 0,0");
    }

    void StoreConfig(std::uint8_t firstByte, std::uint8_t reportRate) {
        SettingsRecord record{};
        record.reportRate = reportRate;
        auto bytes = ConfigFileBytes(record);
        bytes[0] = firstByte;
        fileStore.files[kConfig].assign(bytes.begin(), bytes.end());
    }

    DeviceState state;
    PluggablePort port;
    FakeSystemFacts facts;
    FakeShellHost host;
    ShellWindowHost windowHost{host};
    RecordingMessages messages{host};
    MouseLink link{port, state, facts, messages};
    FakeFileStore fileStore;
    FakeIniStore ini;
    const TextTable* texts = nullptr;
    std::unique_ptr<SettingsFiles> files;
    std::unique_ptr<ShellAndWindow> wired_;
};

TEST_F(ShellTest, StartUpRunsItsStepsInOrderAndEndsOnTheKeyPage) {
    StoreConfig(1, 4);
    ini.values[{kStrIni, L"Setting-EN", L"Item2"}] = L"Right Click";
    port.Plug(true, 2);

    EXPECT_EQ(shell().Initialise(), Initialisation::Ready);

    const std::vector<std::wstring> expected = {
        L"Mutex",
        L"SetWindowIcons",
        L"UseToolWindowStyle",
        L"SetUp C:\\Tools\\/Skins/EN",
        L"AddTrayIcon Gaming Mouse Setting",
        L"BeginWaitCursor",  // the full read
        L"EndWaitCursor",
        L"RegisterDeviceNotification",
        L"LoadBackground /main.png",
    };
    EXPECT_EQ(host.calls, expected);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(state.devicePresent, 1u);
    EXPECT_EQ(state.scrambleEnabled, 1u);
    EXPECT_EQ(state.sensorType, 2);
    EXPECT_EQ(state.image.page4.sensorType, 2);
    EXPECT_EQ(state.records.working.reportRate, 4);
    EXPECT_EQ(state.records.backup.reportRate, 4) << "backup taken after loading";
    EXPECT_EQ(labels()[0][1], L"Right Click");
    EXPECT_EQ(window().currentPage(), kKeyPage);
    EXPECT_EQ(PageDraws(kImageKeySet), 1);
    EXPECT_EQ(windowHost.CallsOf("background"), std::vector<std::string>{"background /main.png"});
    EXPECT_LT(std::find(windowHost.calls.begin(), windowHost.calls.end(), "background /main.png"),
              std::find(windowHost.calls.begin(), windowHost.calls.end(), "image /KeySet.png 0,0"))
        << "the key page is drawn on the background";
    EXPECT_EQ(windowHost.fonts, (WindowFonts{{16, 400, L"Tahoma"}, {18, 400, L"Tahoma"}}));
    EXPECT_EQ(shell().uiLanguage(), kUiLanguageOther);
}

TEST_F(ShellTest, SecondInstanceStopsBeforeAnythingIsSetUp) {
    host.mutexExisted = true;
    EXPECT_EQ(shell().Initialise(), Initialisation::SecondInstance);
    EXPECT_EQ(host.calls, std::vector<std::wstring>{L"Mutex"});
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(port.mouse->transferCount(), 0u);
    EXPECT_TRUE(windowHost.calls.empty());
}

class ShellWithoutMouseTest : public ShellTest {
  protected:
    ShellWithoutMouseTest() : ShellTest(false) {}
};

TEST_F(ShellWithoutMouseTest, StartShowsOneWarningAfterTheTrayIconAndGoesOn) {
    StoreConfig(1, 2);
    EXPECT_EQ(shell().Initialise(), Initialisation::Ready);

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], std::make_pair(MessageKind::NotDetected, Caption::Warning));
    const auto tray =
        std::find(host.calls.begin(), host.calls.end(), L"AddTrayIcon Gaming Mouse Setting");
    const auto box = std::find(host.calls.begin(), host.calls.end(), L"Message");
    EXPECT_LT(tray, box);
    EXPECT_EQ(state.devicePresent, 0u);
    EXPECT_EQ(state.scrambleEnabled, 0u);
    EXPECT_EQ(state.records.working.reportRate, 2) << "stored settings still load";
    EXPECT_EQ(window().currentPage(), kKeyPage);
}

TEST_F(ShellWithoutMouseTest, TrayClickShowsTheWarningBalloonAndNoWindow) {
    shell().Initialise();
    host.calls.clear();
    shell().OnTrayClick();
    shell().OnTrayClick();
    ASSERT_EQ(host.balloons.size(), 2u);
    EXPECT_EQ(
        host.balloons[0],
        (FakeShellHost::Balloon{L"The system did not detect the gaming mouse!", L"Warning", 100}));
    EXPECT_EQ(host.Count(L"ShowInFront"), 0u);
}

// A program without a tray shows its window this way, mouse or not.
TEST_F(ShellWithoutMouseTest, TheShowStepShowsTheWindowAndARestoredPageWithoutAMouse) {
    shell().Initialise();
    window().Exit();
    host.calls.clear();
    windowHost.Clear();
    shell().ShowWindow();
    EXPECT_EQ(PageDraws(kImageKeySet), 1);
    EXPECT_FALSE(window().refreshOnShow());
    EXPECT_EQ(host.calls, std::vector<std::wstring>{L"ShowInFront"});
    EXPECT_TRUE(host.balloons.empty());
}

TEST_F(ShellTest, FailedNotificationRegistrationIsShownAndStartUpGoesOn) {
    StoreConfig(1, 4);
    ini.values[{kStrIni, L"Setting-EN", L"Item2"}] = L"Right Click";
    host.registrationSucceeds = false;
    EXPECT_EQ(shell().Initialise(), Initialisation::NotificationFailed);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0],
              std::make_pair(MessageKind::RegisterNotificationFailed, Caption::AppTitle));
    EXPECT_EQ(state.records.working.reportRate, 4) << "config.bin loaded";
    EXPECT_EQ(state.records.backup.reportRate, 4);
    EXPECT_EQ(labels()[0][1], L"Right Click");
    EXPECT_EQ(host.Count(L"LoadBackground /main.png"), 1u);
    EXPECT_EQ(windowHost.skinDir, L"C:\\Tools\\/Skins/EN");
    EXPECT_EQ(PageDraws(kImageKeySet), 1);
}

TEST_F(ShellTest, MissingConfigIsReportedAndStartUpContinues) {
    EXPECT_EQ(shell().Initialise(), Initialisation::Ready);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].first, MessageKind::ConfigMissing);
    EXPECT_EQ(window().currentPage(), kKeyPage);
}

struct LanguageCase {
    std::uint16_t languageId;
    std::uint32_t versionWord;
    WindowFonts fonts;
    std::uint8_t uiLanguage;
    std::wstring skinDir;
    std::wstring_view exitText;
};

class ShellLanguageTest : public ShellTest, public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(ShellLanguageTest, LanguageChoosesFontsSkinAndTexts) {
    const LanguageCase& c = GetParam();
    facts.languageId = c.languageId;
    facts.versionWord = c.versionWord;
    StoreConfig(1, 8);
    shell().Initialise();
    EXPECT_EQ(windowHost.fonts, c.fonts);
    EXPECT_EQ(shell().uiLanguage(), c.uiLanguage);
    EXPECT_EQ(windowHost.skinDir, c.skinDir);
    EXPECT_EQ(host.Count(L"LoadBackground /main.png"), 1u);
    shell().OnTrayMenuRequest();
    EXPECT_EQ(host.calls.back(), L"ShowTrayMenu " + std::wstring(c.exitText));
}

INSTANTIATE_TEST_SUITE_P(
    Languages, ShellLanguageTest,
    ::testing::Values(LanguageCase{2052,
                                   0x0206,
                                   {{13, 400, L"黑体"}, {15, 700, L"黑体"}},
                                   1,
                                   L"C:\\Tools\\/Skins/CHS",
                                   L"退出"},
                      LanguageCase{2052,
                                   0x0106,
                                   {{13, 400, L"宋体"}, {15, 400, L"宋体"}},
                                   1,
                                   L"C:\\Tools\\/Skins/CHS",
                                   L"退出"},
                      LanguageCase{2052,
                                   0x0A06,
                                   {{13, 400, L"宋体"}, {15, 400, L"宋体"}},
                                   1,
                                   L"C:\\Tools\\/Skins/CHS",
                                   L"退出"},
                      LanguageCase{1028,
                                   0x0206,
                                   {{16, 400, L"Tahoma"}, {18, 400, L"Tahoma"}},
                                   2,
                                   L"C:\\Tools\\/Skins/EN",
                                   L"退出"},
                      LanguageCase{1033,
                                   0x0206,
                                   {{16, 400, L"Tahoma"}, {18, 400, L"Tahoma"}},
                                   2,
                                   L"C:\\Tools\\/Skins/EN",
                                   L"Exit"}),
    [](const auto& info) {
        return "Language" + std::to_string(info.param.languageId) + "Version" +
               std::to_string(info.param.versionWord);
    });

TEST_F(ShellTest, ExecutableOfAnotherNameFindsNoSkin) {
    facts.executablePath = L"C:\\Tools\\Other.exe";
    shell().Initialise();
    EXPECT_EQ(windowHost.skinDir, L"C:\\Tools\\Other.exe/EN");
}

TEST_F(ShellTest, TrayClickShowsTheWindow) {
    StoreConfig(1, 8);
    shell().Initialise();
    host.calls.clear();
    shell().OnTrayClick();
    EXPECT_EQ(host.calls, std::vector<std::wstring>{L"ShowInFront"});
    EXPECT_TRUE(host.balloons.empty());
}

struct RefreshCase {
    int page;
    std::wstring_view pageImage;
    bool labelsReloaded;
};

class ShellRefreshTest : public ShellTest, public ::testing::WithParamInterface<RefreshCase> {};

TEST_P(ShellRefreshTest, ShowAfterExitRedrawsTheCurrentPageFirst) {
    StoreConfig(1, 8);
    shell().Initialise();
    if (GetParam().page == kDpiPage) {
        window().ShowDpiPage();
    } else if (GetParam().page == kLedPage) {
        window().ShowLedPage();
    }
    window().Exit();
    labels()[0][0] = L"edited";
    ini.values[{kStrIni, L"Setting-EN", L"Item1"}] = L"Left Click";
    // Lists of the key page and of the DPI page left open.
    windowHost.lists[KeyListId(0, 1)] = {};
    windowHost.lists[DpiListId(1)] = {};
    host.calls.clear();
    windowHost.Clear();

    shell().OnTrayClick();

    EXPECT_EQ(PageDraws(GetParam().pageImage), 1);
    EXPECT_EQ(window().currentPage(), GetParam().page);
    EXPECT_FALSE(window().refreshOnShow());
    EXPECT_TRUE(windowHost.lists.empty()) << "every page's lists close";
    EXPECT_EQ(labels()[0][0], GetParam().labelsReloaded ? L"Left Click" : L"edited");
    EXPECT_EQ(host.calls, std::vector<std::wstring>{L"ShowInFront"});

    windowHost.Clear();
    shell().OnTrayClick();
    EXPECT_EQ(PageDraws(GetParam().pageImage), 0) << "refreshOnShow is consumed";
}

INSTANTIATE_TEST_SUITE_P(Pages, ShellRefreshTest,
                         ::testing::Values(RefreshCase{kKeyPage, kImageKeySet, true},
                                           RefreshCase{kDpiPage, kImageDpiSet, false},
                                           RefreshCase{kLedPage, kImageLedSet, false}),
                         [](const auto& info) { return "Page" + std::to_string(info.param.page); });

// Labels live in the language's section of str.ini: one that is missing or
// was written under another language reads as empty labels.
class ShellLabelTest : public ShellTest {
  protected:
    explicit ShellLabelTest(std::uint16_t languageId = kLangEnglishUs)
        : ShellTest(true, languageId) {}
    void StoreRecord(const SettingsRecord& record) {
        auto bytes = ConfigFileBytes(record);
        bytes[0] = 1;
        fileStore.files[kConfig].assign(bytes.begin(), bytes.end());
    }
    SettingsRecord record{};
};

TEST_F(ShellLabelTest, EmptyLabelsAtStartAreBuiltFromTheStoredFunctionsAndOthersStay) {
    record.buttonFunction[0][1] = static_cast<std::uint8_t>(ButtonFunction::FireKey);
    record.fireKeyChoice[0][1] = 5;
    record.buttonFunction[0][2] = static_cast<std::uint8_t>(ButtonFunction::MidClick);
    record.buttonFunction[1][3] = static_cast<std::uint8_t>(ButtonFunction::SnipeKey);
    record.snipeChoice[1][3] = 8;
    StoreRecord(record);
    ini.values[{kStrIni, L"Setting-EN", L"Item3"}] = L"my own";
    port.Plug(true, 0);

    shell().Initialise();

    EXPECT_EQ(labels()[0][0], L"Left Click");
    EXPECT_EQ(labels()[0][1], L"Fire Key-A");
    EXPECT_EQ(labels()[0][2], L"my own") << "a label with text stays as read";
    EXPECT_EQ(labels()[1][3], L"Snipe Key-2500");
    EXPECT_EQ(labels()[1][7], L"Left Click");
}

TEST_F(ShellLabelTest, TheTraysReloadAfterExitFillsTheEmptyLabelsFromTheRestoredRecord) {
    StoreRecord(record);
    shell().Initialise();
    state.records.working.buttonFunction[0][4] = static_cast<std::uint8_t>(ButtonFunction::KeyOff);
    state.records.backup.buttonFunction[0][4] = static_cast<std::uint8_t>(ButtonFunction::Forward);
    window().Exit();
    labels()[0][4] = L"Key Off";

    shell().OnTrayClick();

    EXPECT_EQ(labels()[0][4], L"Forward");
}

class ShellChineseLabelTest : public ShellLabelTest {
  protected:
    ShellChineseLabelTest() : ShellLabelTest(kLangSimplifiedChinese) {}
};

TEST_F(ShellChineseLabelTest, LabelsAreBuiltInTheLanguageOfTheSystem) {
    record.buttonFunction[0][0] = static_cast<std::uint8_t>(ButtonFunction::WindowsFunction);
    record.buttonFunction[0][1] = static_cast<std::uint8_t>(ButtonFunction::Multimedia);
    record.mediaChoice[0][1] = 1;
    record.buttonFunction[0][2] = static_cast<std::uint8_t>(ButtonFunction::RightClick);
    StoreRecord(record);
    ini.values[{kStrIni, L"Setting-EN", L"Item1"}] = L"Left Click";  // another language's

    shell().Initialise();

    EXPECT_EQ(labels()[0][0], WindowsChoices()[0].text.chinese);
    EXPECT_EQ(labels()[0][1],
              std::wstring(L"多媒体-") + std::wstring(MediaChoices()[1].text.chinese));
    EXPECT_EQ(labels()[0][2], L"右键");
}

TEST_F(ShellTest, NoticesShowTheirBalloonOrNothing) {
    StoreConfig(1, 8);
    shell().Initialise();
    shell().OnNotice(5, 1);
    shell().OnNotice(5, 3);
    shell().OnNotice(15, 77);
    ASSERT_EQ(host.balloons.size(), 2u);
    EXPECT_EQ(host.balloons[0],
              (FakeShellHost::Balloon{L"Switch report rate into 1000HZ", L"Info", 5000}));
    EXPECT_EQ(host.balloons[1].title, L"Warning");
}

TEST_F(ShellTest, CloseHidesAndEndingClosesHandlesAndRemovesTheIcon) {
    StoreConfig(1, 8);
    shell().Initialise();
    ASSERT_NE(state.link.commandHandle, kInvalidHidHandle);
    host.calls.clear();

    shell().OnClose();
    EXPECT_EQ(host.calls, std::vector<std::wstring>{L"Hide"});
    EXPECT_NE(state.link.commandHandle, kInvalidHidHandle);

    host.calls.clear();
    shell().EndProgram();
    EXPECT_EQ(host.calls, (std::vector<std::wstring>{L"RemoveTrayIcon", L"EndProcess"}));
    EXPECT_EQ(host.exitCodes, std::vector<int>{0});
    EXPECT_EQ(state.link.commandHandle, kInvalidHidHandle);
    EXPECT_EQ(state.link.dataHandle, kInvalidHidHandle);
    EXPECT_EQ(port.mouse->openHandleCount(), 0u);
    EXPECT_EQ(fileStore.files[kConfig][0], 1) << "nothing saved";
}

TEST_F(ShellTest, TaskbarRecreatedAddsTheTrayIconAgain) {
    shell().Initialise();
    shell().OnTaskbarCreated();
    EXPECT_EQ(host.Count(L"AddTrayIcon Gaming Mouse Setting"), 2u);
}

TEST_F(ShellTest, ARemovalThatFindsTheMouseReadsNothing) {
    StoreConfig(1, 8);
    shell().Initialise();
    const std::uint32_t transfersAfterStart = port.mouse->transferCount();
    state.image.page4.sensorType = 0x55;

    shell().OnMouseRemoved();

    EXPECT_EQ(state.devicePresent, 1u);
    EXPECT_EQ(state.image.page4.sensorType, 0x55) << "a removal reads nothing";
    EXPECT_EQ(port.mouse->transferCount(), transfersAfterStart);
    EXPECT_TRUE(host.balloons.empty());
}

// A removal that finds the mouse again reads nothing; the image read at the
// start is still the mouse's, so Save writes it.
TEST_F(ShellTest, SaveAfterARemovalThatFoundTheMouseAgainWrites) {
    StoreConfig(1, 8);
    shell().Initialise();
    shell().OnMouseRemoved();
    ASSERT_EQ(state.devicePresent, 1u);
    state.image.page4.ledMode = 1;
    host.calls.clear();

    EXPECT_TRUE(shell().WriteMouse());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(port.mouse->memory()[204], 1);
    EXPECT_EQ(host.calls, (std::vector<std::wstring>{L"BeginWaitCursor", L"EndWaitCursor"}));
}

TEST_F(ShellTest, SaveWhoseMouseVanishesShowsOneBoxAndEndsTheWaitCursor) {
    StoreConfig(1, 8);
    shell().Initialise();
    port.Plug(false);  // pulled out, no device event yet
    host.calls.clear();
    EXPECT_FALSE(shell().WriteMouse());
    EXPECT_EQ(messages.shown, (std::vector<std::pair<MessageKind, Caption>>{
                                  {MessageKind::NotDetected, Caption::WriteOperation}}));
    EXPECT_EQ(host.calls,
              (std::vector<std::wstring>{L"BeginWaitCursor", L"Message", L"EndWaitCursor"}));
}

TEST_F(ShellTest, AnArrivalReadsTheMouseAgain) {
    StoreConfig(1, 8);
    shell().Initialise();
    port.Plug(true, 3);
    state.image.page1[0] = 0xEE;
    shell().OnMouseArrived();
    EXPECT_EQ(state.sensorType, 3);
    EXPECT_EQ(state.image.page1[0], port.mouse->memory()[DeviceImage::PageOffset(1)]);
    EXPECT_EQ(state.devicePresent, 1u);
    EXPECT_EQ(state.scrambleEnabled, 1u);
}

TEST_F(ShellTest, FailedRediscoveryWarnsHidesAndMarksTheMouseAbsent) {
    StoreConfig(1, 8);
    shell().Initialise();
    shell().OnTrayClick();
    port.Plug(false);
    const SettingsRecord before = state.records.working;
    host.calls.clear();
    shell().OnMouseRemoved();
    EXPECT_EQ(host.calls, (std::vector<std::wstring>{L"ShowBalloon", L"Hide"}));
    EXPECT_EQ(host.balloons.back().text, L"The system did not detect the gaming mouse!");
    EXPECT_EQ(state.devicePresent, 0u);
    EXPECT_EQ(0, std::memcmp(&before, &state.records.working, sizeof before));
    shell().OnTrayClick();
    EXPECT_FALSE(host.visible) << "the tray warns instead of showing";
}

TEST_F(ShellTest, FirstTwoFramePaintsHideTheWindow) {
    shell().Initialise();
    EXPECT_TRUE(shell().OnNonClientPaint());
    EXPECT_TRUE(shell().OnNonClientPaint());
    EXPECT_FALSE(shell().OnNonClientPaint());
    EXPECT_EQ(host.Count(L"Hide"), 2u);
    shell().OnStartSettled();
    EXPECT_EQ(host.Count(L"Hide"), 2u);
}

TEST_F(ShellTest, StartStaysHiddenWhenFewerFramePaintsCome) {
    shell().Initialise();
    EXPECT_TRUE(shell().OnNonClientPaint());
    shell().OnStartSettled();
    EXPECT_EQ(host.Count(L"Hide"), 2u);
    EXPECT_FALSE(shell().OnNonClientPaint()) << "a later paint must not hide the shown window";
}

TEST_F(ShellTest, ShowingFromTheTrayEndsTheStartHiding) {
    StoreConfig(1, 8);
    shell().Initialise();
    shell().OnTrayClick();
    EXPECT_FALSE(shell().OnNonClientPaint());
    EXPECT_TRUE(host.visible);
}

TEST(AppTitle, IsTheExecutableFileNameWithoutExtension) {
    EXPECT_EQ(AppTitleOf(L"C:\\Tools\\Corvane1.0.exe"), L"Corvane1.0");
    EXPECT_EQ(AppTitleOf(L"/opt/x/Corvane1.0.exe"), L"Corvane1.0");
    EXPECT_EQ(AppTitleOf(L"Tool"), L"Tool");
}

}  // namespace
}  // namespace corvane
