// The skin folder rule and the premultiply step of image loading.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "core/language.h"
#include "core/module_path.h"
#include "device/device_state.h"
#include "ui/main/main_layout.h"
#include "ui/skin/premultiply.h"
#include "ui/skin/skin_dir.h"

namespace corvane {
namespace {

// The program's skin folder as the Windows program derives it.
std::wstring Beside(const std::wstring& modulePath) {
    return SkinFolderBesideExecutable(modulePath);
}

TEST(SkinDir, TheExecutableNameBecomesTheLanguageFolderWithMixedSeparatorsKept) {
    EXPECT_EQ(SkinDir(Beside(L"C:\\Tools\\Corvane1.0.exe"), kUiLanguageSimplifiedChinese),
              L"C:\\Tools\\/Skins/CHS");
    EXPECT_EQ(SkinDir(Beside(L"C:\\Tools\\Corvane1.0.exe"), kUiLanguageOther),
              L"C:\\Tools\\/Skins/EN");
    EXPECT_EQ(SkinDir(Beside(L"C:\\Tools\\Corvane1.0.exe"), 0), L"C:\\Tools\\/Skins/EN");
    EXPECT_EQ(SkinImagePath(SkinDir(Beside(L"C:\\Tools\\Corvane1.0.exe"), 1), L"/fire-key.png"),
              L"C:\\Tools\\/Skins/CHS/fire-key.png");
}

TEST(SkinDir, AnotherExecutableNameReplacesNothing) {
    EXPECT_EQ(SkinDir(Beside(L"C:\\Tools\\corvane1.0.exe"), 2), L"C:\\Tools\\corvane1.0.exe/EN");
    EXPECT_EQ(SkinImagePath(SkinDir(Beside(L"C:\\Tools\\Mouse.exe"), 2), kImageMain),
              L"C:\\Tools\\Mouse.exe/EN/main.png");
}

TEST(SkinDir, EveryOccurrenceIsReplaced) {
    EXPECT_EQ(SkinDir(Beside(L"D:\\Corvane1.0.exe\\Corvane1.0.exe"), 2), L"D:\\/Skins\\/Skins/EN");
}

TEST(Premultiply, ChannelsTruncate) {
    static_assert(PremultiplyChannel(255, 128) == 128);
    static_assert(PremultiplyChannel(1, 254) == 0);
    static_assert(PremultiplyChannel(200, 0) == 0);
    static_assert(PremultiplyChannel(200, 255) == 200);
    EXPECT_EQ(PremultiplyChannel(128, 128), 64);   // 64.25
    EXPECT_EQ(PremultiplyChannel(254, 254), 253);  // 253.0039
    EXPECT_EQ(PremultiplyChannel(100, 127), 49);   // 49.8
}

TEST(Premultiply, PixelsKeepTheirAlphaAndALeftoverByteIsUntouched) {
    std::array<std::uint8_t, 13> bgra = {255, 1,  128, 128,  // half transparent
                                         9,   9,  9,   0,    // fully transparent
                                         10,  20, 30,  255,  // opaque
                                         77};
    EXPECT_FALSE(PremultiplyBgra(bgra));
    EXPECT_EQ(bgra,
              (std::array<std::uint8_t, 13>{128, 0, 64, 128, 0, 0, 0, 0, 10, 20, 30, 255, 77}));
}

TEST(Premultiply, OnlyAnImageWithoutATransparentPixelIsOpaque) {
    std::array<std::uint8_t, 9> opaque = {1, 2, 3, 255, 4, 5, 6, 255, 0};  // leftover alpha 0
    EXPECT_TRUE(PremultiplyBgra(opaque));
    EXPECT_EQ(opaque, (std::array<std::uint8_t, 9>{1, 2, 3, 255, 4, 5, 6, 255, 0}));
    std::array<std::uint8_t, 8> lastNot = {1, 2, 3, 255, 4, 5, 6, 254};
    EXPECT_FALSE(PremultiplyBgra(lastNot));
}

}  // namespace
}  // namespace corvane
