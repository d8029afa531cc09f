#include "app/notice_table.h"

#include "settings/dpi_table.h"

namespace corvane {
namespace {

bool Accepts(const NoticeEntry& entry, std::uint64_t kind, std::int64_t value) {
    if (entry.kind != kind) {
        return false;
    }
    switch (entry.values) {
        case NoticeValues::Exactly:
            return value == entry.value;
        case NoticeValues::NonZero:
            return value != 0;
        case NoticeValues::Any:
            return true;
    }
    return false;
}

std::wstring SuffixOf(const NoticeEntry& entry, std::int64_t value, const SettingsRecord& record,
                      std::uint8_t sensorType) {
    switch (entry.suffix) {
        case NoticeSuffix::DpiTextOfStage:
            return std::wstring(DpiText(sensorType, record.dpiLevel[entry.dpiStage]));
        case NoticeSuffix::ValueInDecimal:
            return std::to_wstring(value);
        case NoticeSuffix::None:
            break;
    }
    return std::wstring();
}

}  // namespace

std::optional<Notice> NoticeFor(std::uint64_t kind, std::int64_t value, const TextTable& texts,
                                const SettingsRecord& record, std::uint8_t sensorType) {
    for (const NoticeEntry& entry : kNoticeTable) {
        if (Accepts(entry, kind, value)) {
            std::wstring text(texts.*entry.text);
            text += SuffixOf(entry, value, record, sensorType);
            return Notice{std::move(text), entry.title, entry.timeoutMs};
        }
    }
    return std::nullopt;
}

}  // namespace corvane
