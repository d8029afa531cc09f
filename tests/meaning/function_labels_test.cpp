#include "meaning/function_labels.h"

#include <gtest/gtest.h>

#include <string>

#include "core/language.h"
#include "meaning/factory_settings.h"

namespace corvane {
namespace {

constexpr std::uint8_t Fn(ButtonFunction function) {
    return static_cast<std::uint8_t>(function);
}

class FunctionLabelsTest : public ::testing::Test {
  protected:
    // Layer 0 holds one button of each kind that carries a choice.
    void SetUp() override {
        record_.buttonFunction[0][0] = Fn(ButtonFunction::WindowsFunction);
        record_.windowsChoice[0][0] = 8;
        record_.buttonFunction[0][1] = Fn(ButtonFunction::Multimedia);
        record_.mediaChoice[0][1] = 6;
        record_.buttonFunction[0][2] = Fn(ButtonFunction::HotKey);
        record_.hotKeyChoice[0][2] = 7;
        record_.buttonFunction[0][3] = Fn(ButtonFunction::FireKey);
        record_.fireKeyChoice[0][3] = 5;
        record_.buttonFunction[0][4] = Fn(ButtonFunction::SingleKey);
        record_.singleKeyCode[0][4] = 0x5D;
        record_.buttonFunction[0][5] = Fn(ButtonFunction::SnipeKey);
        record_.snipeChoice[0][5] = 11;
    }

    std::wstring Label(int layer, int button, std::uint16_t interfaceLanguage,
                       std::uint16_t systemLanguage, std::uint8_t sensorType = 0) const {
        return FunctionLabel(record_, layer, button, LanguageTextsFor(interfaceLanguage),
                             systemLanguage, sensorType);
    }
    std::wstring English(int layer, int button, std::uint8_t sensorType = 0) const {
        return Label(layer, button, kLangEnglishUs, kLangEnglishUs, sensorType);
    }

    SettingsRecord record_{};
};

TEST_F(FunctionLabelsTest, PlainFunctionsShowTheirName) {
    const wchar_t* names[] = {L"Left Click", L"Right Click", L"Mid Click", L"Forward", L"Backward",
                              L"DPI Switch", nullptr,        nullptr,      nullptr,    nullptr,
                              nullptr,       nullptr,        L"Key Off",   L"Shift"};
    for (int function = 0; function < kButtonFunctionCount; ++function) {
        if (!names[function]) {
            continue;
        }
        record_.buttonFunction[1][6] = static_cast<std::uint8_t>(function);
        EXPECT_EQ(English(1, 6), names[function]) << function;
    }
}

TEST_F(FunctionLabelsTest, ChoicesInEnglish) {
    EXPECT_EQ(English(0, 0), L"Browser-Refresh");  // the text alone
    EXPECT_EQ(English(0, 1), L"Multimedia-Vol-");
    EXPECT_EQ(English(0, 2), L"Undo");  // the text alone
    EXPECT_EQ(English(0, 3), L"Fire Key-A");
    EXPECT_EQ(English(0, 4), L"Single Key-Num 5");
    EXPECT_EQ(English(0, 5), L"Snipe Key-4000");
}

TEST_F(FunctionLabelsTest, ChoiceTextsAreChineseOnASimplifiedChineseSystem) {
    const auto chinese = [&](int button) {
        return Label(0, button, kLangSimplifiedChinese, kLangSimplifiedChinese);
    };
    EXPECT_EQ(chinese(0), L"浏览器-刷新");
    EXPECT_EQ(chinese(1), L"多媒体-音量-");
    EXPECT_EQ(chinese(2), L"撤销");
    EXPECT_EQ(chinese(3), L"火力键-A");  // the key list has no Chinese texts
    EXPECT_EQ(chinese(4), L"单键-Num 5");
    EXPECT_EQ(chinese(5), L"狙击-4000");
}

TEST_F(FunctionLabelsTest, TraditionalChineseNamesWithEnglishChoiceTexts) {
    // The dialogs have no Traditional Chinese texts: they speak English there.
    const auto traditional = [&](int button) {
        return Label(0, button, kLangTraditionalChinese, kLangTraditionalChinese);
    };
    EXPECT_EQ(traditional(0), L"Browser-Refresh");
    EXPECT_EQ(traditional(1), L"多媒體-Vol-");
    EXPECT_EQ(traditional(2), L"Undo");
    EXPECT_EQ(traditional(3), L"火力鍵-A");
}

TEST_F(FunctionLabelsTest, ChoiceOutsideItsListGivesTheNameAlone) {
    record_.windowsChoice[0][0] = 9;
    record_.mediaChoice[0][1] = 7;
    record_.hotKeyChoice[0][2] = 0xFF;
    record_.fireKeyChoice[0][3] = 59;
    record_.snipeChoice[0][5] = 12;
    EXPECT_EQ(English(0, 0), L"Windows");
    EXPECT_EQ(English(0, 1), L"Multimedia");
    EXPECT_EQ(English(0, 2), L"HotKey");
    EXPECT_EQ(English(0, 3), L"Fire Key");
    EXPECT_EQ(English(0, 5), L"Snipe Key");
}

TEST_F(FunctionLabelsTest, SnipeTextComesFromTheSensorsList) {
    record_.snipeChoice[0][5] = 7;
    EXPECT_EQ(English(0, 5, 0), L"Snipe Key-2000");
    EXPECT_EQ(English(0, 5, 1), L"Snipe Key-3200");
    EXPECT_EQ(English(0, 5, 2), L"Snipe Key-2500");
    EXPECT_EQ(English(0, 5, 3), L"Snipe Key-3200");
    EXPECT_EQ(English(0, 5, 4), L"Snipe Key");
    record_.snipeChoice[0][5] = 11;  // only sensor type 0 has twelve values
    EXPECT_EQ(English(0, 5, 1), L"Snipe Key");
}

TEST_F(FunctionLabelsTest, SingleKeyWithoutANameKeepsTheDash) {
    for (const std::uint8_t unnamed : {0x00, 0x31, 0x64, 0xF3, 0xFF}) {
        record_.singleKeyCode[0][4] = unnamed;
        EXPECT_EQ(English(0, 4), L"Single Key-") << int(unnamed);
    }
    record_.singleKeyCode[0][4] = 0xF0;
    EXPECT_EQ(English(0, 4), L"Single Key-L-Button");
    record_.singleKeyCode[0][4] = 0x32;
    EXPECT_EQ(English(0, 4), L"Single Key-Eurpo(Note 2)");
}

TEST_F(FunctionLabelsTest, FunctionAboveShiftIsKeyOff) {
    for (const std::uint8_t beyond : {14, 15, 0x80, 0xFF}) {
        record_.buttonFunction[0][7] = beyond;
        EXPECT_EQ(English(0, 7), L"Key Off") << int(beyond);
        EXPECT_EQ(Label(0, 7, kLangSimplifiedChinese, kLangSimplifiedChinese), L"按键关闭");
    }
}

TEST_F(FunctionLabelsTest, EachLayerReadsItsOwnBytes) {
    record_.buttonFunction[1][3] = Fn(ButtonFunction::FireKey);
    record_.fireKeyChoice[1][3] = 44;
    record_.buttonFunction[1][5] = Fn(ButtonFunction::Multimedia);
    record_.mediaChoice[1][5] = 3;
    EXPECT_EQ(English(1, 3), L"Fire Key-R-CTRL");
    EXPECT_EQ(English(0, 3), L"Fire Key-A");
    EXPECT_EQ(English(1, 5), L"Multimedia-Play/Pause");
    EXPECT_EQ(English(0, 5), L"Snipe Key-4000");
}

TEST_F(FunctionLabelsTest, PositionOutsideTheRecordGivesAnEmptyLabel) {
    EXPECT_EQ(English(-1, 0), L"");
    EXPECT_EQ(English(2, 0), L"");
    EXPECT_EQ(English(0, -1), L"");
    EXPECT_EQ(English(0, 8), L"");
    EXPECT_EQ(English(1, 7), L"Left Click");
}

TEST_F(FunctionLabelsTest, FillReplacesOnlyEmptyLabels) {
    KeyLabels labels;
    labels[0][0] = L"Copied by hand";
    labels[0][2] = L" ";  // a space is a label the user's file holds
    labels[1][7] = L"Fire Key-Z";
    record_.buttonFunction[1][7] = Fn(ButtonFunction::Shift);
    FillEmptyLabels(labels, record_, LanguageTextsFor(kLangEnglishUs), kLangEnglishUs, 0);
    EXPECT_EQ(labels[0][0], L"Copied by hand");
    EXPECT_EQ(labels[0][1], L"Multimedia-Vol-");
    EXPECT_EQ(labels[0][2], L" ");
    EXPECT_EQ(labels[0][3], L"Fire Key-A");
    EXPECT_EQ(labels[0][4], L"Single Key-Num 5");
    EXPECT_EQ(labels[0][5], L"Snipe Key-4000");
    EXPECT_EQ(labels[0][6], L"Left Click");
    EXPECT_EQ(labels[0][7], L"Left Click");
    for (int button = 0; button < 7; ++button) {
        EXPECT_EQ(labels[1][button], L"Left Click") << button;
    }
    EXPECT_EQ(labels[1][7], L"Fire Key-Z");
}

TEST_F(FunctionLabelsTest, EnglishFileReadOnAChineseSystemShowsEveryFunction) {
    // str.ini held only the English section: every label reads empty.
    KeyLabels labels;
    for (int button = 0; button < kButtonSlots; ++button) {
        record_.buttonFunction[1][button] = Fn(kDefaultButtonFunctions[button]);
        record_.snipeChoice[1][button] = 0;
    }
    FillEmptyLabels(labels, record_, LanguageTextsFor(kLangSimplifiedChinese),
                    kLangSimplifiedChinese, 1);
    EXPECT_EQ(labels[0][0], L"浏览器-刷新");
    EXPECT_EQ(labels[0][5], L"狙击");  // sensor type 1 has eight values
    const wchar_t* layer1[] = {L"左键",    L"右键",     L"中键",     L"狙击-600",
                               L"DPI切换", L"按键关闭", L"按键关闭", L"按键关闭"};
    for (int button = 0; button < kButtonSlots; ++button) {
        EXPECT_EQ(labels[1][button], layer1[button]) << button;
        EXPECT_FALSE(labels[0][button].empty()) << button;
    }
}

}  // namespace
}  // namespace corvane
