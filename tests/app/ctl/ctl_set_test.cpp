// Every form of `set` stores the record bytes and labels the window stores
// for the same choice: the same start files are loaded into the window's
// logic (over the recording host), the choice is made there with the
// outcome its dialog gives, and the window's Save bytes are compared with
// the files corvanectl wrote.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "app/ctl/ctl_fixture.h"
#include "core/system_facts.h"
#include "meaning/factory_settings.h"
#include "meaning/function_labels.h"
#include "support/fake_file_store.h"
#include "support/fake_ini_store.h"
#include "support/fake_system_facts.h"
#include "support/fake_user_messages.h"
#include "ui/main/fake_main_host.h"
#include "ui/main/fake_window_owner.h"
#include "ui/main/main_window_tables.h"
#include "ui/main/tessary_dlg.h"

namespace corvane::testing {
namespace {

// The main window's logic on the recording host, started on the settings a
// folder holds, as start-up loads them.
class Window {
  public:
    Window(const SettingsRecord& record, std::uint8_t firstRunFlag, const KeyLabels& stored,
           std::uint16_t language)
        : texts_(TextTableFor(language)),
          dlg_(state_, host_, messages_, texts_, files_, owner_, language) {
        state_.records.working = record;
        state_.firstRunFlag = firstRunFlag;
        dlg_.labels() = stored;
        FillEmptyLabels(dlg_.labels(), record, texts_, language, state_.sensorType);
        dlg_.ShowKeyPage();
    }

    // Opens the box's function list, has its dialog give `outcome`, picks entry `n`.
    void ChooseFunction(int layer, int button, int n, const DialogOutcome& outcome = {}) {
        Click(kKeyBoxes[layer][button]);
        const int id = KeyListId(layer, button);
        ASSERT_TRUE(host_.ListExists(id)) << "the box did not open";
        host_.lists[id].selection = n;
        host_.dialogOutcomes.push_back(outcome);
        dlg_.OnListNotify(id, ChildEvent::ListSelectionChanged);
    }
    void ChooseDpi(int stage, int index) {
        dlg_.ShowDpiPage();
        Click(kDpiStageBoxes[stage]);
        host_.lists[DpiListId(stage)].selection = index;
        dlg_.OnListNotify(DpiListId(stage), ChildEvent::ListSelectionChanged);
    }
    void ClickLed(const Rect& position) {
        dlg_.ShowLedPage();
        Click(position);
    }

    std::array<std::uint8_t, kConfigFileSize> SavedConfig() const {
        return ConfigFileBytes(state_.records.working);
    }
    const KeyLabels& labels() { return dlg_.labels(); }

  private:
    void Click(const Rect& r) { dlg_.OnLButtonDown({r.left + 1, r.top + 1}); }

    DeviceState state_;
    FakeMainHost host_;
    FakeUserMessages messages_;
    FakeSystemFacts facts_;
    FakeFileStore fileStore_;
    FakeIniStore ini_;
    const TextTable& texts_;
    FakeWindowOwner owner_;  // Save and Close are not pressed here
    SettingsFiles files_{state_, fileStore_, ini_, facts_, L"C:\\Tools\\", L"Setting-EN"};
    CTessaryDlg dlg_;
};

DialogOutcome Accepted(int index, const std::wstring& text) {
    DialogOutcome outcome;
    outcome.result = kDialogAccepted;
    outcome.choiceIndex = index;
    outcome.choiceText = text;
    return outcome;
}

DialogOutcome FireKey(int index, const std::wstring& text, int times, int make, int breakTime) {
    DialogOutcome outcome = Accepted(index, text);
    outcome.fireTimes = times;
    outcome.fireMakeTime = make;
    outcome.fireBreakTime = breakTime;
    return outcome;
}

struct SetCase {
    std::string name;
    std::vector<std::string> args;
    std::function<void(Window&)> inWindow;
    std::string locale = "";
};

// Start files: a record that has run before, with some labels stored.
SettingsRecord StartRecord() {
    SettingsRecord record = FactorySettingsRecord();
    record.buttonFunction[0][1] = static_cast<std::uint8_t>(ButtonFunction::LeftClick);
    record.fireMakeTime = 9;
    return record;
}

class CtlSetEqualsWindow : public CtlTest, public ::testing::WithParamInterface<SetCase> {};

TEST_P(CtlSetEqualsWindow, RecordBytesAndLabels) {
    const SetCase& c = GetParam();
    const std::uint16_t language = LanguageIdOfLocale(c.locale);
    const std::wstring section = std::wstring(TextTableFor(language).settingsSection);
    for (const std::uint8_t firstRunFlag : {1, 0}) {
        SCOPED_TRACE("first-run flag " + std::to_string(firstRunFlag));
        auto config = ConfigFileBytes(StartRecord());
        config[0] = firstRunFlag;
        Write("config.bin", std::vector<std::uint8_t>(config.begin(), config.end()));
        const std::wstring ini = L"[" + section + L"]\r\nItem1=Left Click\r\nItem2=My Label\r\n";
        Write("str.ini", EncodeUtf16LeWithBom(ini));
        KeyLabels stored{};
        stored[0][0] = L"Left Click";
        stored[0][1] = L"My Label";

        if (!c.locale.empty()) {
            environment["LC_ALL"] = c.locale;
        }
        std::vector<std::string> args = {"set"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CtlRun run = Ctl(args);
        ASSERT_EQ(run.exitCode, 0) << run.err;

        Window window(StartRecord(), firstRunFlag, stored, language);
        c.inWindow(window);
        const auto saved = window.SavedConfig();
        EXPECT_EQ(Bytes("config.bin"), std::vector<std::uint8_t>(saved.begin(), saved.end()));
        EXPECT_EQ(Labels(section), window.labels());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Forms, CtlSetEqualsWindow,
    ::testing::Values(
        SetCase{"FireKey",
                {"button", "normal", "4", "fire-key", "A", "--times", "3"},
                [](Window& w) { w.ChooseFunction(0, 3, 9, FireKey(5, L"A", 3, 5, 5)); }},
        SetCase{"FireKeyWithTimes",
                {"button", "shift", "1", "fire-key", "F12", "--times", "0", "--make", "30",
                 "--break", "255"},
                [](Window& w) { w.ChooseFunction(1, 0, 9, FireKey(58, L"F12", 0, 30, 255)); }},
        SetCase{"SingleKey",
                {"button", "shift", "2", "single-key", "Num 5"},
                [](Window& w) { w.ChooseFunction(1, 1, 10, Accepted(0, L"Num 5")); }},
        SetCase{"ShiftCouplesTheShiftLayer",
                {"button", "normal", "3", "shift"},
                [](Window& w) { w.ChooseFunction(0, 2, 13); }},
        SetCase{"Multimedia",
                {"button", "normal", "5", "multimedia", "Mute"},
                [](Window& w) { w.ChooseFunction(0, 4, 7, Accepted(4, L"Mute")); }},
        SetCase{"WindowsFunction",
                {"button", "shift", "5", "windows", "Calculator"},
                [](Window& w) { w.ChooseFunction(1, 4, 6, Accepted(2, L"Calculator")); }},
        SetCase{"HotKey",
                {"button", "normal", "2", "hot-key", "Paste"},
                [](Window& w) { w.ChooseFunction(0, 1, 8, Accepted(2, L"Paste")); }},
        SetCase{"Snipe",
                {"button", "shift", "4", "snipe", "3000"},
                [](Window& w) { w.ChooseFunction(1, 3, 11, Accepted(9, L"3000")); }},
        SetCase{"PlainFunctions",
                {"button", "normal", "1", "dpi-switch"},
                [](Window& w) { w.ChooseFunction(0, 0, 5); }},
        SetCase{"KeyOff",
                {"button", "shift", "3", "key-off"},
                [](Window& w) { w.ChooseFunction(1, 2, 12); }},
        SetCase{"ChineseLabels",
                {"button", "normal", "5", "multimedia", "Mute"},
                [](Window& w) { w.ChooseFunction(0, 4, 7, Accepted(4, L"静音")); },
                "zh_CN.UTF-8"},
        SetCase{"TraditionalChineseFunctionNames",
                {"button", "normal", "4", "fire-key", "R-CTRL"},
                [](Window& w) { w.ChooseFunction(0, 3, 9, FireKey(44, L"R-CTRL", 1, 5, 5)); },
                "zh_TW.UTF-8"},
        SetCase{
            "ReportRate", {"rate", "500"}, [](Window& w) { w.ClickLed(kReportRatePositions[2]); }},
        SetCase{"Dpi", {"dpi", "2", "2500"}, [](Window& w) { w.ChooseDpi(1, 8); }},
        SetCase{"LightingModeOne",
                {"lighting", "mode1", "5"},
                [](Window& w) { w.ClickLed(kLightingRows[3]); }},
        SetCase{"LightingModeTwoWithParameter",
                {"lighting", "mode2", "1"},
                [](Window& w) {
                    w.ClickLed(kLightingRows[1]);
                    w.ClickLed(kModeTwoParamRows[2]);
                }},
        SetCase{
            "LightingOff", {"lighting", "mode0"}, [](Window& w) { w.ClickLed(kLightingRows[0]); }}),
    [](const auto& info) { return info.param.name; });

TEST_F(CtlTest, SetCreatesAMissingConfigBinFromTheFactorySettings) {
    const CtlRun run = Ctl({"set", "rate", "1000"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    SettingsRecord expected = FactorySettingsRecord();
    expected.reportRate = 1;
    const auto bytes = ConfigFileBytes(expected);
    EXPECT_EQ(Bytes("config.bin"), std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    EXPECT_EQ(Labels()[0][3], L"Snipe Key");  // first-run labels
}

}  // namespace
}  // namespace corvane::testing
