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
    // temporary file is left behind. The same policy for every store, over
    // the calls below.
    bool Replace(const std::wstring& path, std::span<const std::uint8_t> bytes,
                 std::uint32_t& error);
    // Creates `path`, which must not exist yet, holding `bytes`: written
    // under another name beside it and put in place in one step, so that no
    // reader sees part of it. Never replaces: an existing file or folder of
    // that name is refused. False with the system error number on failure;
    // no file is left behind then.
    virtual bool Create(const std::wstring& path, std::span<const std::uint8_t> bytes,
                        std::uint32_t& error) = 0;

  protected:
    // True when `path` is an existing file that may be replaced: writable,
    // not a folder, not held open by another program. False with the system
    // error number otherwise.
    virtual bool CheckReplaceable(const std::wstring& path, std::uint32_t& error) = 0;
    // Creates an empty file beside `path` that takes `path`'s permissions;
    // its name, or nullopt when the folder takes no new file.
    virtual std::optional<std::wstring> CreateTemporaryBeside(const std::wstring& path) = 0;
    // Writes `bytes` over the existing file `path` and flushes them to the
    // disk; never creates the file.
    virtual bool WriteExisting(const std::wstring& path, std::span<const std::uint8_t> bytes,
                               std::uint32_t& error) = 0;
    // Puts `temporary` in the place of `path` in one step.
    virtual bool PutInPlace(const std::wstring& temporary, const std::wstring& path,
                            std::uint32_t& error) = 0;
    virtual void Remove(const std::wstring& path) = 0;
};

// The platform's file store (Win32 on Windows, POSIX elsewhere).
std::unique_ptr<FileStore> MakePlatformFileStore();

}  // namespace corvane
