#include "ui/main/text_table.h"

#include <gtest/gtest.h>

#include "core/system_facts.h"

namespace corvane {
namespace {

TEST(TextTableTest, LanguageChoiceByDefaultLanguageId) {
    EXPECT_EQ(TextTableFor(2052).settingsSection, L"Setting-CHS");
    EXPECT_EQ(TextTableFor(1028).settingsSection, L"Setting-CHT");
    for (const std::uint16_t other : {0, 1033, 3076, 4100, 0x0804 + 1, 0xFFFF}) {
        EXPECT_EQ(&TextTableFor(other), &TextTableFor(kLangEnglishUs)) << other;
    }
    EXPECT_EQ(TextTableFor(1033).settingsSection, L"Setting-EN");
}

TEST(TextTableTest, SimplifiedChineseFunctionListAndTray) {
    const TextTable& texts = TextTableFor(kLangSimplifiedChinese);
    EXPECT_EQ(texts.functionNames.front(), L"左键");
    EXPECT_EQ(texts.functionNames[5], L"DPI切换");
    EXPECT_EQ(texts.functionNames[13], L"Shift");
    EXPECT_EQ(texts.textExit, L"退出");
    EXPECT_EQ(texts.textLeftRequired, L"左键功能必须选择！");  // full-width "！"
    EXPECT_EQ(texts.textDetected, L"系统检测到游戏鼠标。");
    EXPECT_EQ(texts.textDpiStage2, L"DPI切换到第二段");
}

TEST(TextTableTest, TraditionalChineseDiffersWhereItsWordsDo) {
    const TextTable& texts = TextTableFor(kLangTraditionalChinese);
    EXPECT_EQ(texts.functionNames[8], L"快速鍵");
    EXPECT_EQ(texts.functionNames[4], L"後退方向鍵");
    EXPECT_EQ(texts.textMatrix1, L"切換到按鍵群組1");
    EXPECT_EQ(texts.textMacro, L"切換到巨集");
    EXPECT_EQ(texts.textNotDetected, L"系統沒有檢測到遊戲滑鼠！");
}

TEST(TextTableTest, EnglishTextsAndTheirTrailingSpaces) {
    const TextTable& texts = TextTableFor(kLangEnglishUs);
    const std::array<std::wstring_view, kButtonFunctionCount> names = {
        L"Left Click", L"Right Click", L"Mid Click",  L"Forward", L"Backward",
        L"DPI Switch", L"Windows",     L"Multimedia", L"HotKey",  L"Fire Key",
        L"Single Key", L"Snipe Key",   L"Key Off",    L"Shift"};
    EXPECT_EQ(texts.functionNames, names);
    // The DPI value follows directly: English separates by its own space.
    EXPECT_EQ(std::wstring(texts.textDpiStage2) + L"800", L"Switch DPI into the second stage 800");
    EXPECT_EQ(std::wstring(TextTableFor(2052).textDpiStage2) + L"800", L"DPI切换到第二段800");
    for (const auto text : {texts.textDpiStage1, texts.textDpiStage3, texts.textDpiStage4}) {
        EXPECT_EQ(text.back(), L' ');
    }
    EXPECT_EQ(texts.textRate125, L"Switch report rate into 125HZ");
    EXPECT_EQ(texts.textDetected, L"The system detect the gaming mouse.");
}

}  // namespace
}  // namespace corvane
