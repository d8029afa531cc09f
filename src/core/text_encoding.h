// Conversions between the core's wide strings and the byte encodings that
// files and the POSIX file system use. Invalid input never fails: it becomes
// U+FFFD, one for each maximal invalid part of UTF-8 (the longest start of a
// valid sequence, or else a single byte; the usual practice of Unicode and
// the web), and one for each lone surrogate or out-of-range unit.
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
