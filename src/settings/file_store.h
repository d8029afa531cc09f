// Whole-file storage of the stored settings. Implemented for Windows
// (file_store_win32.cpp), POSIX (file_store_posix.cpp) and by a fake in
// tests that can fail at any step.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace corvane {

class FileStore {
  public:
    virtual ~FileStore() = default;

    virtual bool Exists(const std::wstring& path) = 0;
    // The file's first `maxBytes` bytes (the whole file when it is shorter),
    // or nullopt with the system error number in `error`. A caller that
    // expects a fixed size asks for one byte more, so that a longer file is
    // told apart without reading all of it.
    virtual std::optional<std::vector<std::uint8_t>> Read(
        const std::wstring& path, std::uint32_t& error,
        std::size_t maxBytes = std::numeric_limits<std::size_t>::max()) = 0;
    // Replaces the existing file `path` by `bytes` in one step (a temporary
    // file beside it, then put in place), falling back to writing in place
    // when no temporary file can be made. Never creates `path`; refuses a
    // read-only one. False with the system error number on failure; the old
    // contents then stay (except when an in-place write fails) and no
    // temporary file is left behind.
    virtual bool Replace(const std::wstring& path, std::span<const std::uint8_t> bytes,
                         std::uint32_t& error) = 0;
};

// The platform's file store (Win32 on Windows, POSIX elsewhere).
std::unique_ptr<FileStore> MakePlatformFileStore();

}  // namespace corvane
