// One string under a section and key of an INI file, as the Windows
// private-profile functions read and write them. Implemented on the profile
// API (ini_store_win32.cpp, the reference) and portably.
#pragma once

#include <string>

namespace corvane {

class IniStore {
  public:
    virtual ~IniStore() = default;

    // The value of `key` in `section` of `path`, or `fallback` when the file,
    // the section or the key is missing. At most `capacity - 1` characters.
    virtual std::wstring Read(const std::wstring& path, const std::wstring& section,
                              const std::wstring& key, const std::wstring& fallback,
                              std::size_t capacity) = 0;
    // Writes `value` under `key`; creates the file and the section when they
    // do not exist. False when the file cannot be written.
    virtual bool Write(const std::wstring& path, const std::wstring& section,
                       const std::wstring& key, const std::wstring& value) = 0;
};

}  // namespace corvane
