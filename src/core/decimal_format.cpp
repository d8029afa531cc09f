#include "core/decimal_format.h"

namespace corvane {
namespace {

void AppendDecimal(std::wstring& out, std::int64_t value) {
    // Through the unsigned magnitude, so that the smallest value has one too.
    std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    wchar_t digits[20];
    int count = 0;
    do {
        digits[count++] = static_cast<wchar_t>(L'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) {
        out.push_back(L'-');
    }
    while (count > 0) {
        out.push_back(digits[--count]);
    }
}

}  // namespace

std::wstring FormatDecimals(std::wstring_view format, std::initializer_list<std::int64_t> values) {
    std::wstring out;
    auto next = values.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == L'%' && i + 1 < format.size() && format[i + 1] == L'd' &&
            next != values.end()) {
            AppendDecimal(out, *next++);
            ++i;
        } else {
            out.push_back(format[i]);
        }
    }
    return out;
}

}  // namespace corvane
