// The tray notices that message 1026 asks for: a notice kind and a value
// select a balloon text of the language, a title and a time-out. Any other
// kind or value shows nothing.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/settings_record.h"
#include "ui/main/text_table.h"

namespace corvane {

inline constexpr std::uint64_t kNoticeReportRate = 5;
inline constexpr std::uint64_t kNoticeDpiStage = 7;
inline constexpr std::uint64_t kNoticeKeyMatrix = 8;
inline constexpr std::uint64_t kNoticeMacro = 9;
inline constexpr std::uint64_t kNoticeDetected = 14;
inline constexpr std::uint64_t kNoticeNotDetected = 15;

inline constexpr std::wstring_view kTitleInfo = L"Info";
inline constexpr std::wstring_view kTitleWarning = L"Warning";
inline constexpr unsigned kLongNoticeMs = 5000;
inline constexpr unsigned kShortNoticeMs = 100;

// Which values of a kind an entry accepts.
enum class NoticeValues {
    Exactly,  // only `value`
    Any,
    NonZero,
};

// What follows the entry's text directly.
enum class NoticeSuffix {
    None,
    DpiTextOfStage,  // the DPI text of the stage's dpiLevel for the sensor type
    ValueInDecimal,
};

struct NoticeEntry {
    std::uint64_t kind;
    NoticeValues values;
    std::int64_t value;
    std::wstring_view TextTable::*text;
    NoticeSuffix suffix;
    int dpiStage;  // 0-3, for DpiTextOfStage
    std::wstring_view title;
    unsigned timeoutMs;
};

inline constexpr std::array<NoticeEntry, 13> kNoticeTable = {{
    {kNoticeReportRate, NoticeValues::Exactly, 1, &TextTable::textRate1000, NoticeSuffix::None, 0,
     kTitleInfo, kLongNoticeMs},
    {kNoticeReportRate, NoticeValues::Exactly, 2, &TextTable::textRate500, NoticeSuffix::None, 0,
     kTitleInfo, kLongNoticeMs},
    {kNoticeReportRate, NoticeValues::Exactly, 4, &TextTable::textRate250, NoticeSuffix::None, 0,
     kTitleInfo, kLongNoticeMs},
    {kNoticeReportRate, NoticeValues::Exactly, 8, &TextTable::textRate125, NoticeSuffix::None, 0,
     kTitleInfo, kLongNoticeMs},
    {kNoticeDpiStage, NoticeValues::Exactly, 1, &TextTable::textDpiStage1,
     NoticeSuffix::DpiTextOfStage, 0, kTitleInfo, kLongNoticeMs},
    {kNoticeDpiStage, NoticeValues::Exactly, 2, &TextTable::textDpiStage2,
     NoticeSuffix::DpiTextOfStage, 1, kTitleInfo, kLongNoticeMs},
    {kNoticeDpiStage, NoticeValues::Exactly, 3, &TextTable::textDpiStage3,
     NoticeSuffix::DpiTextOfStage, 2, kTitleInfo, kLongNoticeMs},
    {kNoticeDpiStage, NoticeValues::Exactly, 4, &TextTable::textDpiStage4,
     NoticeSuffix::DpiTextOfStage, 3, kTitleInfo, kLongNoticeMs},
    {kNoticeKeyMatrix, NoticeValues::Exactly, 1, &TextTable::textMatrix1, NoticeSuffix::None, 0,
     kTitleInfo, kLongNoticeMs},
    {kNoticeKeyMatrix, NoticeValues::Exactly, 2, &TextTable::textMatrix2, NoticeSuffix::None, 0,
     kTitleInfo, kLongNoticeMs},
    {kNoticeMacro, NoticeValues::NonZero, 0, &TextTable::textMacro, NoticeSuffix::ValueInDecimal, 0,
     kTitleInfo, kLongNoticeMs},
    {kNoticeDetected, NoticeValues::Any, 0, &TextTable::textDetected, NoticeSuffix::None, 0,
     kTitleInfo, kShortNoticeMs},
    {kNoticeNotDetected, NoticeValues::Any, 0, &TextTable::textNotDetected, NoticeSuffix::None, 0,
     kTitleWarning, kShortNoticeMs},
}};

struct Notice {
    std::wstring text;
    std::wstring_view title;
    unsigned timeoutMs;
    friend bool operator==(const Notice&, const Notice&) = default;
};

// The notice of (kind, value), or none. The DPI notices name the DPI of
// the stage's level in the working record for `sensorType`.
std::optional<Notice> NoticeFor(std::uint64_t kind, std::int64_t value, const TextTable& texts,
                                const SettingsRecord& record, std::uint8_t sensorType);

}  // namespace corvane
