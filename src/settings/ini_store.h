// One string under a section and key of an INI file, as the Windows
// private-profile functions read and write them. Implemented on the profile
// API (ini_store_win32.cpp, the reference) and portably
// (ini_store_portable.cpp); one contract suite runs against both.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "settings/save_result.h"

namespace corvane {

class IniStore {
  public:
    virtual ~IniStore() = default;

    // The value of `key` in `section` of `path`, or `fallback` when the file,
    // the section or the key is missing. At most `capacity - 1` characters.
    // Section and key names compare without regard to case; a value in
    // matching quotes loses them.
    virtual std::wstring Read(const std::wstring& path, const std::wstring& section,
                              const std::wstring& key, const std::wstring& fallback,
                              std::size_t capacity) = 0;
    // Writes `value` under `key`; creates the section when it does not exist,
    // and the file, as an empty UTF-16LE file with a byte-order mark first,
    // so that any text survives whatever the code page. Done, or Failed
    // with the system error number when the file cannot be written (never
    // Missing).
    virtual SaveResult Write(const std::wstring& path, const std::wstring& section,
                             const std::wstring& key, const std::wstring& value) = 0;
};

// The platform's store (the profile API on Windows, the portable one elsewhere).
std::unique_ptr<IniStore> MakePlatformIniStore();
// The portable store on every platform.
std::unique_ptr<IniStore> MakePortableIniStore();

}  // namespace corvane
