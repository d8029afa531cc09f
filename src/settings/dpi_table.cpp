#include "settings/dpi_table.h"

#include <array>

#include "core/table_lookup.h"

namespace corvane {
namespace {

constexpr DpiChoice kSensor0[] = {
    {L"250", 0x01},  {L"500", 0x02},  {L"750", 0x03},  {L"1000", 0x04},
    {L"1250", 0x05}, {L"1500", 0x06}, {L"1750", 0x07}, {L"2000", 0x08},
    {L"2500", 0x25}, {L"3000", 0x26}, {L"3500", 0x27}, {L"4000", 0x28},
};
constexpr DpiChoice kSensor1[] = {
    {L"600", 0x01},  {L"800", 0x02},  {L"1000", 0x03}, {L"1200", 0x04},
    {L"1600", 0x05}, {L"2000", 0x23}, {L"2400", 0x24}, {L"3200", 0x25},
};
constexpr DpiChoice kSensor2[] = {
    {L"250", 0x02},  {L"500", 0x04},  {L"750", 0x06},  {L"1000", 0x08},
    {L"1250", 0x0A}, {L"1500", 0x26}, {L"2000", 0x28}, {L"2500", 0x2A},
};
constexpr DpiChoice kSensor3[] = {
    {L"400", 0x01},  {L"800", 0x02},  {L"1200", 0x03}, {L"1600", 0x04},
    {L"2000", 0x05}, {L"2400", 0x06}, {L"2800", 0x07}, {L"3200", 0x08},
};

constexpr std::array<std::span<const DpiChoice>, kSensorTypeCount> kDpiTable = {kSensor0, kSensor1,
                                                                                kSensor2, kSensor3};

const DpiChoice* FindChoice(std::uint8_t sensorType, int index) {
    const auto list = DpiChoicesOf(sensorType);
    if (index < 0 || static_cast<std::size_t>(index) >= list.size()) {
        return nullptr;
    }
    return &list[static_cast<std::size_t>(index)];
}

}  // namespace

std::span<const DpiChoice> DpiChoicesOf(std::uint8_t sensorType) {
    if (sensorType >= kSensorTypeCount) {
        return {};
    }
    return kDpiTable[sensorType];
}

std::wstring_view DpiText(std::uint8_t sensorType, int index) {
    const DpiChoice* choice = FindChoice(sensorType, index);
    return choice ? choice->text : std::wstring_view{};
}

std::optional<int> DpiIndexOfText(std::uint8_t sensorType, std::wstring_view text) {
    return IndexWhere(DpiChoicesOf(sensorType),
                      [text](const DpiChoice& choice) { return choice.text == text; });
}

std::uint8_t DpiCode(std::uint8_t sensorType, int index, std::uint8_t enabled) {
    const DpiChoice* choice = FindChoice(sensorType, index);
    const std::uint8_t code = choice ? choice->code : 0;
    return enabled ? static_cast<std::uint8_t>(code & ~kDpiDisabledBit)
                   : static_cast<std::uint8_t>(code | kDpiDisabledBit);
}

std::optional<int> DpiIndexOfCode(std::uint8_t sensorType, std::uint8_t code) {
    const auto value = static_cast<std::uint8_t>(code & ~kDpiDisabledBit);
    return IndexWhere(DpiChoicesOf(sensorType),
                      [value](const DpiChoice& choice) { return choice.code == value; });
}

}  // namespace corvane
