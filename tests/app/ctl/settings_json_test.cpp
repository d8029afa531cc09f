// config.bin and str.ini as JSON: an export imported again gives the same
// bytes, values read as their names, and an import refuses a document at
// its first bad value, naming where it is.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "app/ctl/ctl.h"
#include "app/ctl/settings_json.h"
#include "meaning/factory_settings.h"
#include "settings/ini_document.h"

namespace corvane::ctl {
namespace {

using ::testing::HasSubstr;
using Json = nlohmann::ordered_json;

SettingsFilesBytes FilesOf(const SettingsRecord& record, std::uint8_t firstRunFlag,
                           std::optional<std::wstring> iniText) {
    SettingsFilesBytes files;
    files.config = ConfigFileBytes(record);
    files.config[0] = firstRunFlag;
    if (iniText) {
        files.strIni = EncodeUtf16LeWithBom(*iniText);
    }
    return files;
}

// Every byte of the record a different value, most of them without a name.
SettingsRecord EveryByteDifferent() {
    SettingsRecord record{};
    auto bytes = record.bytes();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 37 + 11);
    }
    return record;
}

constexpr wchar_t kLabels[] =
    L"[Setting-EN]\r\nItem1=Left Click\r\nItem4=Fire Key-A\r\n"
    L"[Setting-CHS]\r\nItem1=左键\r\nItem13=多媒体-静音\r\nnoValue\r\n";

TEST(SettingsJson, AnExportImportsToTheSameBytes) {
    const std::vector<SettingsFilesBytes> cases = {
        FilesOf(FactorySettingsRecord(), 0, std::nullopt),
        FilesOf(FactorySettingsRecord(), 1, kLabels),
        FilesOf(EveryByteDifferent(), 0xA5, std::wstring(L"")),
        FilesOf(SettingsRecord{}, 1, std::wstring(L"before=any section\r\n[x]\r\n")),
    };
    for (std::uint8_t sensor = 0; sensor < 4; ++sensor) {
        for (const SettingsFilesBytes& files : cases) {
            const ImportedSettings back = SettingsFromJson(SettingsToJson(files, sensor));
            EXPECT_EQ(back.files, files) << "sensor type " << int(sensor);
            EXPECT_EQ(back.sensorType, sensor);
        }
    }
}

TEST(SettingsJson, ValuesReadAsTheirNames) {
    SettingsRecord record = FactorySettingsRecord();
    record.reportRate = 2;
    record.dpiLevel[1] = 4;  // "1600" of sensor type 1
    record.dpiStageOn[2] = 0;
    record.ledColour[1] = Rgb{0x12, 0xAB, 0xFF};
    record.buttonFunction[0][3] = static_cast<std::uint8_t>(ButtonFunction::FireKey);
    record.fireKeyChoice[0][3] = 5;
    record.fireKeyCode[0][3] = 0x04;
    record.singleKeyCode[1][1] = 0x5D;
    record.mediaChoice[0][4] = 4;
    const Json json = Json::parse(SettingsToJson(FilesOf(record, 1, std::nullopt), 1));
    const Json& config = json["config"];
    EXPECT_EQ(config["reportRate"], "500 Hz");
    EXPECT_EQ(config["dpiLevel"][1], "1600");
    EXPECT_EQ(config["dpiStageOn"], Json::parse("[true, true, false]"));
    EXPECT_EQ(config["ledColour"][1], "#12ABFF");
    EXPECT_EQ(config["ledMode"], "mode2");
    EXPECT_EQ(config["leftRuleLayer"], "normal");
    const Json& button4 = config["buttons"]["normal"]["4"];
    EXPECT_EQ(button4["buttonFunction"], "fire-key");
    EXPECT_EQ(button4["fireKeyChoice"], "A");
    EXPECT_EQ(button4["fireKeyCode"], "A");
    EXPECT_EQ(config["buttons"]["shift"]["2"]["singleKeyCode"], "Num 5");
    EXPECT_EQ(config["buttons"]["normal"]["5"]["mediaChoice"], "Mute");
    EXPECT_TRUE(json["strIni"].is_null());
}

TEST(SettingsJson, StrIniKeepsSectionsKeysAndValuesInFileOrder) {
    const Json json = Json::parse(SettingsToJson(FilesOf(FactorySettingsRecord(), 1, kLabels), 0));
    EXPECT_EQ(json["strIni"].dump(),
              Json::parse(R"({"Setting-EN": {"Item1": "Left Click", "Item4": "Fire Key-A"},
                              "Setting-CHS": {"Item1": "左键", "Item13": "多媒体-静音",
                                              "noValue": null}})")
                  .dump());
}

TEST(SettingsJson, AStrIniInAnotherFormImportsInTheProgramsForm) {
    const std::string ansi = "; comment\r\n\r\n[Setting-EN]\nItem1 = Left Click\n";
    SettingsFilesBytes files = FilesOf(FactorySettingsRecord(), 1, std::nullopt);
    files.strIni = std::vector<std::uint8_t>(ansi.begin(), ansi.end());
    const ImportedSettings back = SettingsFromJson(SettingsToJson(files, 0));
    ASSERT_TRUE(back.files.strIni);
    EXPECT_EQ(*back.files.strIni,
              EncodeUtf16LeWithBom(L"; comment\r\n[Setting-EN]\r\nItem1=Left Click\r\n"));
}

// ------------------------------------------------------------ bad documents

std::string Exported() {
    return SettingsToJson(FilesOf(FactorySettingsRecord(), 1, kLabels), 0);
}

// The export with one value replaced at `pointer` (or removed when null).
std::string With(const std::string& pointer, const std::optional<Json>& value) {
    Json json = Json::parse(Exported());
    const Json::json_pointer at(pointer);
    if (value) {
        json[at] = *value;
    } else {
        json[at.parent_pointer()].erase(at.back());
    }
    return json.dump();
}

struct BadDocument {
    std::string name;
    std::string text;
    std::string message;
};

class SettingsJsonRefuses : public ::testing::TestWithParam<BadDocument> {};

TEST_P(SettingsJsonRefuses, WithItsPathAndProblem) {
    try {
        SettingsFromJson(GetParam().text);
        FAIL() << "accepted";
    } catch (const CommandFailure& failure) {
        EXPECT_EQ(failure.exitCode(), kExitBadInput);
        EXPECT_THAT(failure.what(), HasSubstr(GetParam().message));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Documents, SettingsJsonRefuses,
    ::testing::Values(
        BadDocument{"NotJson", "{\"format\": ", "not valid JSON"},
        BadDocument{"NotAnObject", "[1, 2]", "expected an object"},
        BadDocument{"NumberBeyondADouble", "{\"format\": 1e400}", "not valid JSON"},
        BadDocument{"OtherFormat", With("/format", "something"), "format: expected"},
        BadDocument{"LaterVersion", With("/version", 2), "version: expected 1"},
        BadDocument{"SensorOutOfRange", With("/sensorType", 4), "sensorType: 4 is out of range"},
        BadDocument{"MissingField", With("/config/ledParamA", std::nullopt),
                    "config.ledParamA: missing"},
        BadDocument{"MissingButton", With("/config/buttons/shift/8", std::nullopt),
                    "config.buttons.shift.8: missing"},
        BadDocument{"UnknownField", With("/config/ledParamC", 1),
                    "config.ledParamC: unknown field"},
        BadDocument{"WrongType", With("/config/fireMakeTime", "five"),
                    "config.fireMakeTime: expected a number"},
        BadDocument{"NumberTooLarge", With("/config/buttons/normal/4/fireCount", 256),
                    "config.buttons.normal.4.fireCount: 256 is out of range"},
        BadDocument{"NegativeNumber", With("/config/reserved06", -1), "-1 is out of range"},
        BadDocument{"FractionalNumber", With("/config/reserved06", 1.5), "expected a number"},
        BadDocument{"UnknownFunction", With("/config/buttons/normal/1/buttonFunction", "turbo"),
                    "unknown function \"turbo\""},
        BadDocument{"UnknownKeyName", With("/config/buttons/shift/2/singleKeyCode", "Num5"),
                    "unknown key name \"Num5\""},
        BadDocument{"DpiNotInTheList", With("/config/dpiLevel/1", "1600"),
                    "unknown DPI value \"1600\""},
        BadDocument{"UnknownRate", With("/config/reportRate", "300 Hz"), "unknown report rate"},
        BadDocument{"ShortArray", With("/config/dpiStageOn", Json::parse("[true, true]")),
                    "config.dpiStageOn: expected 3 elements"},
        BadDocument{"BadColour", With("/config/ledColour/0", "#12345G"), "expected a colour"},
        BadDocument{"LabelNotText", With("/strIni/Setting-EN/Item1", 5),
                    "strIni.Setting-EN.Item1: expected a string"},
        BadDocument{"LabelWithALineBreak", With("/strIni/Setting-EN/Item1", "a\r\nItem2=b"),
                    "strIni.Setting-EN.Item1: a key or value str.ini cannot hold"},
        BadDocument{"LabelWithBlanksAtItsEnds", With("/strIni/Setting-EN/Item1", " Left "),
                    "strIni.Setting-EN.Item1"},
        BadDocument{"KeyWithAnEqualsSign", With("/strIni/Setting-EN/a=b", "c"),
                    "strIni.Setting-EN.a=b"},
        BadDocument{"SectionNotAnObject", With("/strIni/Setting-EN", "x"),
                    "strIni.Setting-EN: expected an object"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace corvane::ctl
