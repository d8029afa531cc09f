// The commands on the settings files, run as a user runs them: export and
// import, show, and every kind of bad input, which must leave the files as
// they were.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/ctl/ctl_fixture.h"
#include "meaning/factory_settings.h"

namespace corvane::testing {
namespace {

using ::testing::HasSubstr;

class CtlFilesTest : public CtlTest {
  protected:
    // A folder the window has saved in: config.bin and str.ini with labels.
    void SaveSomeSettings() {
        for (const std::vector<std::string>& set :
             {std::vector<std::string>{"set", "button", "normal", "4", "fire-key", "A", "--times",
                                       "3"},
              {"set", "button", "shift", "2", "single-key", "Num 5"},
              {"set", "button", "normal", "3", "shift"},
              {"set", "lighting", "mode1", "5"},
              {"set", "dpi", "2", "2500"}}) {
            ASSERT_EQ(Ctl(set).exitCode, 0) << set[1];
        }
        config_ = Bytes("config.bin");
        strIni_ = Bytes("str.ini");
    }
    void ExpectFilesUntouched() const {
        EXPECT_EQ(Bytes("config.bin"), config_);
        EXPECT_EQ(Bytes("str.ini"), strIni_);
    }

    std::vector<std::uint8_t> config_, strIni_;
};

TEST_F(CtlFilesTest, ExportThenImportGivesByteIdenticalFiles) {
    SaveSomeSettings();
    const CtlRun exported = Ctl({"export", PathOf("settings.json")});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_EQ(exported.err, "");

    ASSERT_EQ(Ctl({"set", "rate", "1000"}).exitCode, 0);
    ASSERT_EQ(Ctl({"set", "button", "shift", "1", "hot-key", "Copy"}).exitCode, 0);
    ASSERT_NE(Bytes("config.bin"), config_);
    ASSERT_NE(Bytes("str.ini"), strIni_);

    const CtlRun imported = Ctl({"import", PathOf("settings.json")});
    EXPECT_EQ(imported.exitCode, 0) << imported.err;
    ExpectFilesUntouched();
}

TEST_F(CtlFilesTest, ExportWithoutAFileWritesToStandardOutputAsShowJsonDoes) {
    SaveSomeSettings();
    const CtlRun exported = Ctl({"export"});
    EXPECT_EQ(exported.exitCode, 0);
    EXPECT_THAT(exported.out, HasSubstr("\"buttonFunction\": \"fire-key\""));
    EXPECT_EQ(Ctl({"show", "--json"}).out, exported.out);
}

TEST_F(CtlFilesTest, ImportWithoutStrIniRemovesIt) {
    const auto factory = ConfigFileBytes(FactorySettingsRecord());
    Write("config.bin", std::vector<std::uint8_t>(factory.begin(), factory.end()));
    ASSERT_EQ(Ctl({"export", PathOf("settings.json")}).exitCode, 0);
    ASSERT_EQ(Ctl({"set", "rate", "500"}).exitCode, 0);
    ASSERT_TRUE(Exists("str.ini"));
    EXPECT_EQ(Ctl({"import", PathOf("settings.json")}).exitCode, 0);
    EXPECT_FALSE(Exists("str.ini"));
    EXPECT_EQ(Config()->record.reportRate, 8);
}

TEST_F(CtlFilesTest, ShowReadsTheSettingsAndTheirLabels) {
    SaveSomeSettings();
    const CtlRun run = Ctl({"show"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_THAT(run.out, HasSubstr("Report rate: 125 Hz"));
    EXPECT_THAT(run.out, HasSubstr("  2  2500  on\n"));
    EXPECT_THAT(run.out, HasSubstr("  4  fire-key A, 3 times             \"Fire Key-A\"\n"));
    EXPECT_THAT(run.out, HasSubstr("  2  single-key Num 5                \"Single Key-Num 5\"\n"));
    EXPECT_THAT(run.out, HasSubstr("Lighting: mode1, mode1 parameter 5"));
}

TEST_F(CtlFilesTest, ShowAndExportNeedConfigBin) {
    ExpectRefused(Ctl({"show"}), 1, "there is no config.bin");
    ExpectRefused(Ctl({"export"}), 1, "there is no config.bin");
}

TEST_F(CtlFilesTest, ADamagedConfigBinIsRefusedAndKept) {
    SaveSomeSettings();
    for (const std::size_t size : {179u, 181u, 0u}) {
        SCOPED_TRACE(size);
        std::vector<std::uint8_t> damaged = config_;
        damaged.resize(size, 0x77);
        Write("config.bin", damaged);
        ExpectRefused(Ctl({"set", "rate", "500"}), 2, "is damaged");
        ExpectRefused(Ctl({"show"}), 2, "is damaged");
        ExpectRefused(Ctl({"export", PathOf("x.json")}), 2, "is damaged");
        EXPECT_EQ(Bytes("config.bin"), damaged);
        EXPECT_FALSE(Exists("x.json"));
    }
}

struct BadSet {
    std::string name;
    std::vector<std::string> args;
    std::string message;
};

class CtlRefusesSet : public CtlFilesTest, public ::testing::WithParamInterface<BadSet> {};

TEST_P(CtlRefusesSet, WithExitTwoAndUntouchedFiles) {
    SaveSomeSettings();
    std::vector<std::string> args = {"set"};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    ExpectRefused(Ctl(args), 2, GetParam().message);
    ExpectFilesUntouched();
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, CtlRefusesSet,
    ::testing::Values(
        BadSet{"UnknownFunction", {"button", "normal", "4", "turbo"}, "unknown function \"turbo\""},
        BadSet{"UnknownLayer", {"button", "upper", "4", "key-off"}, "unknown layer \"upper\""},
        BadSet{"UnknownKeyName",
               {"button", "shift", "2", "single-key", "Num5"},
               "unknown key name \"Num5\""},
        BadSet{"LowerCaseKeyName",
               {"button", "shift", "2", "single-key", "a"},
               "unknown key name \"a\""},
        BadSet{"UnknownFireKey",
               {"button", "normal", "4", "fire-key", "Q1"},
               "unknown fire key \"Q1\""},
        BadSet{"UnknownMediaKey",
               {"button", "normal", "5", "multimedia", "Louder"},
               "unknown media key \"Louder\""},
        BadSet{"MissingArgument", {"button", "normal", "5", "windows"}, "windows needs"},
        BadSet{"ArgumentNotTaken", {"button", "normal", "5", "forward", "x"}, "takes no argument"},
        BadSet{"DpiNotInTheSensorsList", {"dpi", "2", "1600"}, "not in the list of sensor type 0"},
        BadSet{"SnipeDpiNotInTheList",
               {"button", "normal", "5", "snipe", "1600"},
               "not in the list of sensor type 0"},
        BadSet{"StageOutOfRange", {"dpi", "4", "500"}, "the DPI stage 4 is out of range"},
        BadSet{"ButtonOutOfRange", {"button", "normal", "6", "key-off"}, "the button 6 is out"},
        BadSet{"ButtonNotANumber", {"button", "normal", "four", "key-off"}, "is not a number"},
        BadSet{"TimesOutOfRange",
               {"button", "normal", "4", "fire-key", "A", "--times", "128"},
               "--times 128 is out of range"},
        BadSet{"MakeTimeTooShort",
               {"button", "normal", "4", "fire-key", "A", "--make", "4"},
               "--make 4 is out of range"},
        BadSet{"BreakTimeTooLong",
               {"button", "normal", "4", "fire-key", "A", "--break", "256"},
               "--break 256 is out of range"},
        BadSet{"TimesWithoutFireKey",
               {"button", "normal", "4", "key-off", "--times", "2"},
               "belong to fire-key"},
        BadSet{"NoSuchRate", {"rate", "300"}, "is not one the mouse has"},
        BadSet{"NoSuchLightingMode", {"lighting", "mode3"}, "unknown"},
        BadSet{"NoSuchModeOneParameter", {"lighting", "mode1", "7"}, "10, 5 or 1"},
        BadSet{"ShiftInTheShiftLayer", {"button", "shift", "2", "shift"}, "normal layer only"},
        BadSet{"TheOnlyLeftClick",
               {"button", "normal", "1", "right-click"},
               "Warning: Left key must be selected!"},
        BadSet{"ShiftInBothLayers",
               {"button", "shift", "3", "key-off"},
               "changed in the normal layer only"}),
    [](const auto& info) { return info.param.name; });

struct BadImport {
    std::string name;
    std::string from, to;  // the export with the first `from` replaced by `to`
    std::string message;
};

class CtlRefusesImport : public CtlFilesTest, public ::testing::WithParamInterface<BadImport> {};

TEST_P(CtlRefusesImport, WithExitTwoAndUntouchedFiles) {
    SaveSomeSettings();
    std::string json = Ctl({"export"}).out;
    const std::size_t at = json.find(GetParam().from);
    ASSERT_NE(at, std::string::npos);
    json.replace(at, GetParam().from.size(), GetParam().to);
    Write("bad.json", std::vector<std::uint8_t>(json.begin(), json.end()));
    ASSERT_EQ(Ctl({"set", "rate", "500"}).exitCode, 0);
    config_ = Bytes("config.bin");
    ExpectRefused(Ctl({"import", PathOf("bad.json")}), 2, GetParam().message);
    ExpectFilesUntouched();
}

INSTANTIATE_TEST_SUITE_P(
    Documents, CtlRefusesImport,
    ::testing::Values(
        BadImport{"WrongType", "\"fireMakeTime\": 5", "\"fireMakeTime\": \"5\"",
                  "config.fireMakeTime: expected a number"},
        BadImport{"MissingField", "\"ledParamB\": 3,", "", "config.ledParamB: missing"},
        BadImport{"UnknownFunctionName", "\"buttonFunction\": \"fire-key\"",
                  "\"buttonFunction\": \"fire\"", "unknown function \"fire\""},
        BadImport{"OutOfRange", "\"fireCount\": 3", "\"fireCount\": 300", "300 is out of range"},
        BadImport{"NotJson", "{", "[", "not valid JSON"}),
    [](const auto& info) { return info.param.name; });

TEST_F(CtlFilesTest, EveryCommandHasItsHelp) {
    for (const std::vector<std::string>& command : {std::vector<std::string>{"--help"},
                                                    {"list", "--help"},
                                                    {"info", "--help"},
                                                    {"backup", "--help"},
                                                    {"restore", "--help"},
                                                    {"show", "--help"},
                                                    {"export", "--help"},
                                                    {"import", "--help"},
                                                    {"set", "--help"},
                                                    {"set", "button", "--help"},
                                                    {"set", "rate", "--help"},
                                                    {"set", "dpi", "--help"},
                                                    {"set", "lighting", "--help"}}) {
        const CtlRun run = RunCtl(command);
        EXPECT_EQ(run.exitCode, 0) << command[0];
        EXPECT_THAT(run.out, HasSubstr("Usage:")) << command[0];
    }
    EXPECT_THAT(RunCtl({"set", "button", "--help"}).out, HasSubstr("fire-key KEY --times T"));
}

TEST_F(CtlFilesTest, UsageErrorsAreExitTwo) {
    ExpectRefused(RunCtl({}), 2, "a command is required");
    ExpectRefused(RunCtl({"frobnicate"}), 2, "--help");
    ExpectRefused(RunCtl({"set", "dpi", "2"}), 2, "VALUE is required");
    ExpectRefused(RunCtl({"info", "--sensor", "4"}), 2, "--sensor");
    ExpectRefused(RunCtl({"show", "--dir", PathOf("nowhere")}), 2, "does not exist");
}

// Without --dir, corvanectl works on the settings the Linux window keeps:
// "corvane" in the user's configuration folder, made on first use.
TEST_F(CtlFilesTest, WithoutDirTheSettingsAreTheUsersConfigurationFolderOnes) {
    environment["XDG_CONFIG_HOME"] = PathOf("config");
    const CtlRun set = RunCtl({"set", "rate", "500"}, environment);
    ASSERT_EQ(set.exitCode, 0) << set.err;
    EXPECT_EQ(ParseConfigFile(Bytes("config/corvane/config.bin"))->record.reportRate, 2);
    EXPECT_THAT(RunCtl({"show"}, environment).out, HasSubstr("Report rate: 500 Hz"));

    environment["XDG_CONFIG_HOME"] = "";
    environment["HOME"] = PathOf("home");
    ASSERT_EQ(RunCtl({"set", "rate", "250"}, environment).exitCode, 0);
    EXPECT_EQ(ParseConfigFile(Bytes("home/.config/corvane/config.bin"))->record.reportRate, 4);
}

TEST_F(CtlFilesTest, VersionNamesTheProgram) {
    const CtlRun run = RunCtl({"--version"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "corvanectl 1.0.0\n");
}

}  // namespace
}  // namespace corvane::testing
