#include "settings/ini_document.h"

#include <gtest/gtest.h>

#include <random>

namespace corvane {
namespace {

std::vector<std::uint8_t> Bytes(std::initializer_list<int> values) {
    std::vector<std::uint8_t> bytes;
    for (const int v : values) {
        bytes.push_back(static_cast<std::uint8_t>(v));
    }
    return bytes;
}

TEST(IniDecodeTest, TheByteOrderMarkChoosesTheEncoding) {
    IniEncoding encoding{};
    EXPECT_EQ(DecodeIniBytes(Bytes({0xFF, 0xFE, 'a', 0, 0xE6, 0x5D}), &encoding), L"a\u5DE6");
    EXPECT_EQ(encoding, IniEncoding::Utf16Le);
    EXPECT_EQ(DecodeIniBytes(Bytes({0xFE, 0xFF, 0, 'b'}), &encoding), L"b");
    EXPECT_EQ(encoding, IniEncoding::Utf16Be);
    EXPECT_EQ(DecodeIniBytes(Bytes({0xEF, 0xBB, 0xBF, 0xE5, 0xB7, 0xA6}), &encoding), L"\u5DE6");
    EXPECT_EQ(encoding, IniEncoding::Utf8);
    EXPECT_EQ(DecodeIniBytes(Bytes({'k', '=', 0x80, 0xE9}), &encoding), L"k=\u20AC\u00E9");
    EXPECT_EQ(encoding, IniEncoding::Ansi);
}

TEST(IniDecodeTest, BrokenUtf16NeverFails) {
    // Odd length: the stray last byte is dropped.
    EXPECT_EQ(DecodeIniBytes(Bytes({0xFF, 0xFE, 'a', 0, 'b'})), L"a");
    // A lone surrogate becomes the replacement character.
    const std::wstring lone = DecodeIniBytes(Bytes({0xFF, 0xFE, 0x00, 0xD8, 'c', 0}));
    ASSERT_FALSE(lone.empty());
    EXPECT_EQ(lone.back(), L'c');
    EXPECT_EQ(DecodeIniBytes(Bytes({0xFF})), L"\u00FF");
    EXPECT_EQ(DecodeIniBytes({}), L"");
}

TEST(IniEncodeTest, Utf16LeWithBomRoundTripsOutsideTheBasicPlane) {
    const std::wstring text = L"[S]\r\nk=左\U0001F600\r\n";
    const auto bytes = EncodeUtf16LeWithBom(text);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xFE);
    EXPECT_EQ(bytes.size(), 2 + 2 * 12u);
    EXPECT_EQ(DecodeIniBytes(bytes), text);
}

TEST(IniDocumentTest, SectionNameRunsToTheLastClosingBracket) {
    const auto document = IniDocument::Parse(L"[a]b]\r\nk=1\r\n[broken\r\nj=2\r\n");
    ASSERT_NE(document.Find(L"a]b", L"k"), nullptr);
    // "[broken" opens no section: it is a key of the section before.
    EXPECT_NE(document.Find(L"a]b", L"j"), nullptr);
    EXPECT_EQ(*document.Find(L"a]b", L"j"), L"2");
}

TEST(IniDocumentTest, CarriageReturnsAloneEndLinesAndNulEndsNames) {
    auto document = IniDocument::Parse(std::wstring(L"[S]\rk=v\rz=a\0b\r", 15));
    ASSERT_NE(document.Find(L"S", L"z"), nullptr);
    EXPECT_EQ(*document.Find(L"S", L"z"), L"a");
    EXPECT_EQ(*document.Find(L"S", L"k"), L"v");
}

TEST(IniDocumentTest, SetAppendsToTheFirstSectionOfTheName) {
    auto document = IniDocument::Parse(L"top=1\r\n[A]\r\nx=1\r\n[B]\r\n[a]\r\n");
    document.Set(L" a ", L"y", L"2");
    document.Set(L"C", L"z", L"3");
    EXPECT_EQ(document.Serialize(), L"top=1\r\n[A]\r\nx=1\r\ny=2\r\n[B]\r\n[a]\r\n[C]\r\nz=3\r\n");
}

TEST(IniDocumentTest, SerializedTextParsesToItself) {
    std::mt19937 random(7);
    const wchar_t alphabet[] = L"[]=; \t\r\nab\"'左\x1A";
    for (int round = 0; round < 300; ++round) {
        std::wstring text;
        for (int i = 0; i < 60; ++i) {
            text.push_back(alphabet[random() % (std::size(alphabet) - 1)]);
        }
        const auto first = IniDocument::Parse(text);
        const auto second = IniDocument::Parse(first.Serialize());
        EXPECT_EQ(second.Serialize(), first.Serialize()) << round;
    }
}

TEST(ProfileResultTest, QuotesGoOnlyWhenTheWholeValueFits) {
    EXPECT_EQ(ProfileResult(L"\"abc\"", 1024), L"abc");
    EXPECT_EQ(ProfileResult(L"\"abc\"", 3), L"ab");
    EXPECT_EQ(ProfileResult(L"'a\"", 1024), L"'a\"");
    EXPECT_EQ(ProfileResult(L"abc", 0), L"");
    EXPECT_EQ(TrimFallback(L"def  "), L"def");
}

}  // namespace
}  // namespace corvane
