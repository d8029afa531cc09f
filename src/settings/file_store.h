// Whole-file storage of the stored settings. Implemented for Windows
// (file_store_win32.cpp), POSIX (file_store_posix.cpp) and by a fake in
// tests that can fail at any step.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace corvane {

class FileStore {
  public:
    virtual ~FileStore() = default;

    virtual bool Exists(const std::wstring& path) = 0;
    // The whole file, or nullopt with the system error number in `error`.
    virtual std::optional<std::vector<std::uint8_t>> Read(const std::wstring& path,
                                                          std::uint32_t& error) = 0;
    // Replaces the existing file `path` by `bytes` in one step (a temporary
    // file beside it, then put in place), falling back to writing in place
    // when no temporary file can be made. Never creates `path`. False with
    // the system error number on failure; the old contents then stay.
    virtual bool Replace(const std::wstring& path, std::span<const std::uint8_t> bytes,
                         std::uint32_t& error) = 0;
};

}  // namespace corvane
