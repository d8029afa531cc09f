// Every kind and value of the notice table, and the values that show nothing.
#include "app/notice_table.h"

#include <gtest/gtest.h>

#include "core/system_facts.h"

namespace corvane {
namespace {

const TextTable& English() {
    return TextTableFor(kLangEnglishUs);
}

std::optional<Notice> EnglishNotice(std::uint64_t kind, std::int64_t value,
                                    const SettingsRecord& record = {}, std::uint8_t sensor = 0) {
    return NoticeFor(kind, value, English(), record, sensor);
}

TEST(NoticeTable, ReportRateNotices) {
    EXPECT_EQ(EnglishNotice(5, 1), (Notice{L"Switch report rate into 1000HZ", L"Info", 5000}));
    EXPECT_EQ(EnglishNotice(5, 2)->text, L"Switch report rate into 500HZ");
    EXPECT_EQ(EnglishNotice(5, 4)->text, L"Switch report rate into 250HZ");
    EXPECT_EQ(EnglishNotice(5, 8)->text, L"Switch report rate into 125HZ");
    for (std::int64_t value : {0, 3, 5, 16, -1}) {
        EXPECT_FALSE(EnglishNotice(5, value)) << value;
    }
}

TEST(NoticeTable, DpiNoticesNameTheStageDpiOfTheSensor) {
    SettingsRecord record{};
    record.dpiLevel[0] = 0;
    record.dpiLevel[1] = 2;
    record.dpiLevel[2] = 4;
    record.dpiLevel[3] = 1;
    EXPECT_EQ(EnglishNotice(7, 1, record, 0),
              (Notice{L"Switch DPI into the first stage 250", L"Info", 5000}));
    EXPECT_EQ(EnglishNotice(7, 2, record, 0)->text, L"Switch DPI into the second stage 750");
    EXPECT_EQ(EnglishNotice(7, 3, record, 1)->text, L"Switch DPI into the third stage 1600");
    EXPECT_EQ(EnglishNotice(7, 4, record, 2)->text, L"Switch DPI into the fourth stage 500");
    EXPECT_EQ(EnglishNotice(7, 3, record, 3)->text, L"Switch DPI into the third stage 2000");
    // A sensor without a DPI list names no value.
    EXPECT_EQ(EnglishNotice(7, 1, record, 4)->text, L"Switch DPI into the first stage ");
    EXPECT_FALSE(EnglishNotice(7, 0));
    EXPECT_FALSE(EnglishNotice(7, 5));
}

TEST(NoticeTable, ChineseDpiTextFollowsWithoutASpace) {
    SettingsRecord record{};
    record.dpiLevel[1] = 1;
    const std::optional<Notice> notice =
        NoticeFor(7, 2, TextTableFor(kLangSimplifiedChinese), record, 0);
    EXPECT_EQ(notice->text, L"DPI切换到第二段500");
}

TEST(NoticeTable, KeyMatrixMacroAndDetectionNotices) {
    EXPECT_EQ(EnglishNotice(8, 1)->text, L"Switch to key matrix 1");
    EXPECT_EQ(EnglishNotice(8, 2)->text, L"Switch to key matrix 2");
    EXPECT_FALSE(EnglishNotice(8, 3));
    EXPECT_EQ(EnglishNotice(9, 2), (Notice{L"Switch to macro key2", L"Info", 5000}));
    EXPECT_EQ(EnglishNotice(9, 123)->text, L"Switch to macro key123");
    EXPECT_FALSE(EnglishNotice(9, 0));
    EXPECT_EQ(EnglishNotice(14, 0), (Notice{L"The system detect the gaming mouse.", L"Info", 100}));
    EXPECT_EQ(EnglishNotice(15, 9),
              (Notice{L"The system did not detect the gaming mouse!", L"Warning", 100}));
}

TEST(NoticeTable, OtherKindsShowNothing) {
    for (std::uint64_t kind : {0ull, 1ull, 4ull, 6ull, 10ull, 13ull, 16ull, 0x1'0000'0005ull}) {
        EXPECT_FALSE(EnglishNotice(kind, 1)) << kind;
    }
}

TEST(NoticeTable, TraditionalChineseTexts) {
    EXPECT_EQ(NoticeFor(5, 1, TextTableFor(kLangTraditionalChinese), {}, 0)->text,
              L"報告率切換到1000HZ");
}

}  // namespace
}  // namespace corvane
