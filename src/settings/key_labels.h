// The sixteen key labels of the key page, [layer][button], and the str.ini
// keys they are stored under.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "settings/settings_record.h"

namespace corvane {

using KeyLabels = std::array<std::array<std::wstring, kButtonSlots>, kLayerCount>;

// The str.ini key of each label: layer 0 "Item1".."Item8", layer 1 "Item13",
// "Item23", .. "Item83".
inline constexpr std::array<std::array<std::wstring_view, kButtonSlots>, kLayerCount> kLabelKeys = {
    {
        {L"Item1", L"Item2", L"Item3", L"Item4", L"Item5", L"Item6", L"Item7", L"Item8"},
        {L"Item13", L"Item23", L"Item33", L"Item43", L"Item53", L"Item63", L"Item73", L"Item83"},
    }};

// Labels are read into a buffer of this many characters (one for the end).
inline constexpr std::size_t kLabelCapacity = 1024;

}  // namespace corvane
