// The file store on Win32: a temporary file in the same folder put in place
// by ReplaceFileW, which keeps the old file's attributes and security and
// fails when the old file is absent.
#include <shlwapi.h>
#include <windows.h>

#include <algorithm>

#include "settings/file_store.h"

namespace corvane {
namespace {

class Handle {
  public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() { Close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    bool Close() {
        const bool ok = !valid() || CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return ok;
    }

  private:
    HANDLE handle_;
};

bool WriteAll(HANDLE file, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
        if (!WriteFile(file, bytes.data() + done, want, &written, nullptr) || written == 0) {
            return false;
        }
        done += written;
    }
    return true;
}

std::wstring FolderOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash + 1);
}

class Win32FileStore final : public FileStore {
  public:
    bool Exists(const std::wstring& path) override { return PathFileExistsW(path.c_str()) != 0; }

    std::optional<std::vector<std::uint8_t>> Read(const std::wstring& path, std::uint32_t& error,
                                                  std::size_t maxBytes) override {
        Handle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid()) {
            error = GetLastError();
            return std::nullopt;
        }
        std::vector<std::uint8_t> bytes;
        std::uint8_t chunk[4096];
        while (bytes.size() < maxBytes) {
            const DWORD want = static_cast<DWORD>(std::min(sizeof(chunk), maxBytes - bytes.size()));
            DWORD got = 0;
            if (!ReadFile(file.get(), chunk, want, &got, nullptr)) {
                error = GetLastError();
                return std::nullopt;
            }
            if (got == 0) {
                break;
            }
            bytes.insert(bytes.end(), chunk, chunk + got);
        }
        return bytes;
    }

    // MoveFileExW without MOVEFILE_REPLACE_EXISTING refuses an existing
    // target, and within a folder it renames in one step.
    bool Create(const std::wstring& path, std::span<const std::uint8_t> bytes,
                std::uint32_t& error) override {
        const std::optional<std::wstring> temporary = CreateTemporaryBeside(path);
        if (!temporary) {
            error = GetLastError();
            return false;
        }
        if (!WriteExisting(*temporary, bytes, error)) {
            DeleteFileW(temporary->c_str());
            return false;
        }
        if (!MoveFileExW(temporary->c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH)) {
            error = GetLastError();
            DeleteFileW(temporary->c_str());
            return false;
        }
        return true;
    }

  protected:
    bool CheckReplaceable(const std::wstring& path, std::uint32_t& error) override {
        const DWORD attributes = GetFileAttributesW(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            error = GetLastError();
            return false;
        }
        if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) {
            error = ERROR_ACCESS_DENIED;
            return false;
        }
        // A file another program holds open cannot be replaced. Asking first
        // leaves nothing behind: a failing ReplaceFileW can leave a temporary
        // file of its own.
        Handle probe(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!probe.valid()) {
            error = GetLastError();
            return false;
        }
        return true;
    }

    // ReplaceFileW gives the new file the old one's attributes and security.
    std::optional<std::wstring> CreateTemporaryBeside(const std::wstring& path) override {
        wchar_t temporary[MAX_PATH] = {};
        if (GetTempFileNameW(FolderOf(path).c_str(), L"cfg", 0, temporary) == 0) {
            return std::nullopt;
        }
        return std::wstring(temporary);
    }

    bool WriteExisting(const std::wstring& path, std::span<const std::uint8_t> bytes,
                       std::uint32_t& error) override {
        // TRUNCATE_EXISTING: the file is never created here.
        Handle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid() || !WriteAll(file.get(), bytes) || !FlushFileBuffers(file.get()) ||
            !file.Close()) {
            error = GetLastError();
            return false;
        }
        return true;
    }

    bool PutInPlace(const std::wstring& temporary, const std::wstring& path,
                    std::uint32_t& error) override {
        if (!ReplaceFileW(path.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                          nullptr, nullptr)) {
            error = GetLastError();
            return false;
        }
        return true;
    }

    void Remove(const std::wstring& path) override { DeleteFileW(path.c_str()); }
};

}  // namespace

std::unique_ptr<FileStore> MakePlatformFileStore() {
    return std::make_unique<Win32FileStore>();
}

}  // namespace corvane
