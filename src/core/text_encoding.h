// Conversions between the core's wide strings and the byte encodings that
// files and the POSIX file system use. Invalid input never fails: bad
// sequences become U+FFFD.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace corvane {

std::string ToUtf8(const std::wstring& text);
std::wstring FromUtf8(const std::string& bytes);

// UTF-16 code units (surrogate pairs on platforms whose wchar_t is 32-bit).
std::u16string ToUtf16(const std::wstring& text);
std::wstring FromUtf16(const std::u16string& units);

}  // namespace corvane
