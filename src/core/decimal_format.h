// printf-style "%d" formats of the system's fixed texts, filled without the
// C library's locale or buffer limits.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace corvane {

// `format` with each "%d" replaced by the next value in decimal; a "%d"
// without a value is left as it stands.
std::wstring FormatDecimals(std::wstring_view format, std::initializer_list<std::int64_t> values);

}  // namespace corvane
