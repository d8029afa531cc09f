// UTF-8 and UTF-16 both ways: every boundary of the encodings, every kind of
// invalid input, and the replacement rule: each maximal subpart of an
// invalid UTF-8 sequence (the longest start of a valid sequence, or else one
// byte) becomes one U+FFFD, and the byte that breaks a sequence starts the
// next one; each lone surrogate or out-of-range unit becomes one U+FFFD.
#include "core/text_encoding.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <string>
#include <vector>

namespace corvane {
namespace {

std::string Bytes(std::initializer_list<unsigned> bytes) {
    std::string text;
    for (const unsigned b : bytes) {
        text.push_back(static_cast<char>(b));
    }
    return text;
}

struct Case {
    std::string bytes;
    std::wstring text;
};

void ExpectDecodes(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        std::string hex;
        for (const char b : c.bytes) {
            hex += "0123456789ABCDEF"[static_cast<unsigned char>(b) >> 4];
            hex += "0123456789ABCDEF"[b & 0xF];
            hex += ' ';
        }
        EXPECT_EQ(FromUtf8(c.bytes), c.text) << "bytes " << hex;
    }
}

TEST(Utf8Test, EveryLengthAtItsBoundariesBothWays) {
    const std::vector<Case> cases = {
        {Bytes({0x00}), std::wstring(1, L'\0')},
        {Bytes({0x7F}), L"\u007F"},
        {Bytes({0xC2, 0x80}), L"\u0080"},
        {Bytes({0xDF, 0xBF}), L"\u07FF"},
        {Bytes({0xE0, 0xA0, 0x80}), L"\u0800"},
        {Bytes({0xED, 0x9F, 0xBF}), L"\uD7FF"},
        {Bytes({0xEE, 0x80, 0x80}), L"\uE000"},
        {Bytes({0xEF, 0xBF, 0xBD}), L"\uFFFD"},
        {Bytes({0xEF, 0xBF, 0xBF}), L"\uFFFF"},
        {Bytes({0xF0, 0x90, 0x80, 0x80}), L"\U00010000"},
        {Bytes({0xF0, 0x9F, 0x98, 0x80}), L"\U0001F600"},
        {Bytes({0xF4, 0x8F, 0xBF, 0xBF}), L"\U0010FFFF"},
        {Bytes({0xE5, 0xB7, 0xA6, 'k', 0xC3, 0xA9}), L"\u5DE6k\u00E9"},
    };
    ExpectDecodes(cases);
    for (const Case& c : cases) {
        EXPECT_EQ(ToUtf8(c.text), c.bytes);
    }
}

TEST(Utf8Test, EachMaximalInvalidSubpartBecomesOneReplacement) {
    ExpectDecodes({
        // Lone continuation bytes and bytes that never begin a sequence.
        {Bytes({0x80}), L"\uFFFD"},
        {Bytes({'A', 0xBF, 'B'}),
         L"A\uFFFD"
         L"B"},
        {Bytes({0x80, 0xBF}), L"\uFFFD\uFFFD"},
        {Bytes({0xFE, 0xFF}), L"\uFFFD\uFFFD"},
        // Overlong forms: the lead admits no such second byte.
        {Bytes({0xC0, 0x80}), L"\uFFFD\uFFFD"},
        {Bytes({0xC1, 0xBF}), L"\uFFFD\uFFFD"},
        {Bytes({0xE0, 0x80, 0x80}), L"\uFFFD\uFFFD\uFFFD"},
        {Bytes({0xE0, 0x9F, 0xBF}), L"\uFFFD\uFFFD\uFFFD"},
        {Bytes({0xF0, 0x8F, 0xBF, 0xBF}), L"\uFFFD\uFFFD\uFFFD\uFFFD"},
        // Truncated sequences: the valid start is one replacement, and the
        // byte that cut it is read afresh.
        {Bytes({0xC3}), L"\uFFFD"},
        {Bytes({0xC2, 'A'}),
         L"\uFFFD"
         L"A"},
        {Bytes({0xE2, 0x82, 'A'}),
         L"\uFFFD"
         L"A"},
        {Bytes({0xF0, 0x9F, 0x98}), L"\uFFFD"},
        {Bytes({0xF0, 0x9F, 0x98, 'A'}),
         L"\uFFFD"
         L"A"},
        {Bytes({0xE2, 0x82, 0xE2, 0x82, 0xAC}), L"\uFFFD\u20AC"},
        {Bytes({0xF1, 0x80, 0x80, 0xE4, 0xB8, 0xAD}), L"\uFFFD\u4E2D"},
        {Bytes({0xE1, 0x80, 0xC2, 0xA9}), L"\uFFFD\u00A9"},
        // Beyond U+10FFFF.
        {Bytes({0xF4, 0x90, 0x80, 0x80}), L"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {Bytes({0xF5, 0x80, 0x80, 0x80}), L"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {Bytes({0xF7, 0xBF, 0xBF, 0xBF}), L"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {Bytes({0xF8, 0x88, 0x80, 0x80, 0x80}), L"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
        // Encoded surrogates, alone and as a pair.
        {Bytes({0xED, 0xA0, 0x80}), L"\uFFFD\uFFFD\uFFFD"},
        {Bytes({0xED, 0xBF, 0xBF, 'x'}), L"\uFFFD\uFFFD\uFFFDx"},
        {Bytes({0xED, 0xA0, 0xBD, 0xED, 0xB8, 0x80}), L"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
    });
}

// wchar_t is 16-bit on Windows and 32-bit elsewhere: a lone surrogate is one
// unit in both, a code point above U+10FFFF exists only in the second.
TEST(Utf8Test, LoneSurrogatesAndOutOfRangeUnitsEncodeAsOneReplacementEach) {
    const std::string replacement = Bytes({0xEF, 0xBF, 0xBD});
    // Low before high: with 16-bit units a high followed by a low is a pair.
    const std::wstring lone = {L'a', static_cast<wchar_t>(0xDFFF), static_cast<wchar_t>(0xD800),
                               L'b', static_cast<wchar_t>(0xDC00), static_cast<wchar_t>(0xD83D)};
    EXPECT_EQ(ToUtf8(lone), "a" + replacement + replacement + "b" + replacement + replacement);
    if constexpr (sizeof(wchar_t) == 4) {
        const std::wstring beyond = {static_cast<wchar_t>(0x110000), L'c',
                                     static_cast<wchar_t>(-1)};
        EXPECT_EQ(ToUtf8(beyond), replacement + "c" + replacement);
        EXPECT_EQ(ToUtf16(beyond), u"\uFFFDc\uFFFD");
    }
}

TEST(Utf16Test, SurrogatePairsAndLoneSurrogatesBothWays) {
    EXPECT_EQ(FromUtf16(u"a\U0001F600b\U0010FFFF"), L"a\U0001F600b\U0010FFFF");
    EXPECT_EQ(ToUtf16(L"a\U0001F600b\U0010FFFF"), u"a\U0001F600b\U0010FFFF");
    const std::u16string broken = {
        0xD83D,                  // high at the end of a run
        u'x',   0xDE00,          // low without high
        0xDE00, 0xD83D,          // a pair the wrong way round
        0xD83D, 0xD83D, 0xDE00,  // high, then a pair
        0xD800,                  // high at the very end
    };
    EXPECT_EQ(FromUtf16(broken), L"\uFFFDx\uFFFD\uFFFD\uFFFD\uFFFD\U0001F600\uFFFD");
    const std::wstring lone = {static_cast<wchar_t>(0xDBFF), L'y', static_cast<wchar_t>(0xDC00)};
    EXPECT_EQ(ToUtf16(lone), u"\uFFFDy\uFFFD");
}

TEST(TextEncodingTest, EveryScalarValueRoundTripsThroughBothEncodings) {
    std::wstring all;
    for (char32_t cp = 1; cp <= 0x10FFFF; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF) {
            continue;
        }
        if (sizeof(wchar_t) == 4 || cp < 0x10000) {
            all.push_back(static_cast<wchar_t>(cp));
        } else {
            all.push_back(static_cast<wchar_t>(0xD800 + ((cp - 0x10000) >> 10)));
            all.push_back(static_cast<wchar_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        }
    }
    const std::string utf8 = ToUtf8(all);
    EXPECT_EQ(utf8.size(), 0x7Fu + 2 * (0x800u - 0x80) + 3 * (0x10000u - 0x800 - 0x800) +
                               4 * (0x110000u - 0x10000));
    EXPECT_EQ(FromUtf8(utf8), all);
    EXPECT_EQ(FromUtf16(ToUtf16(all)), all);
}

TEST(TextEncodingTest, AnyBytesDecodeToTextThatEncodesBackUnchanged) {
    std::mt19937 random(7);
    for (int run = 0; run < 2000; ++run) {
        std::string bytes(random() % 24, '\0');
        for (char& b : bytes) {
            // Mostly the bytes of multi-byte sequences, where the rules are.
            b = static_cast<char>(random() % 4 == 0 ? random() : 0x80 + random() % 0x78);
        }
        const std::wstring text = FromUtf8(bytes);
        EXPECT_EQ(FromUtf8(ToUtf8(text)), text) << run;
        EXPECT_EQ(FromUtf16(ToUtf16(text)), text) << run;
        EXPECT_LE(text.size(), bytes.size()) << "at most one unit per byte";
    }
}

}  // namespace
}  // namespace corvane
