// Files in memory, replaced by the same policy as the real stores. Every
// step can be made to fail; a Replace that fails halfway has written part of
// the temporary file, which the policy then removes, so the old contents
// stay.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "settings/file_store.h"

namespace corvane::testing {

inline constexpr std::uint32_t kErrorFileNotFound = 2;
inline constexpr std::uint32_t kErrorAccessDenied = 5;
inline constexpr std::uint32_t kErrorFileExists = 80;

class FakeFileStore final : public FileStore {
  public:
    std::map<std::wstring, std::vector<std::uint8_t>> files;
    std::set<std::wstring> readOnly;            // files that refuse a replace
    std::set<std::wstring> folders;             // paths that name a folder
    bool foldersTakeNoNewFile = false;          // no temporary file can be made
    std::optional<std::uint32_t> readError;     // Read fails with this error
    std::optional<std::uint32_t> replaceError;  // Replace fails before writing
    std::optional<std::uint32_t> halfwayError;  // writing fails after half the bytes
    std::optional<std::uint32_t> createError;   // Create fails with this error
    std::vector<std::size_t> readLimits;        // maxBytes of every Read
    int replaceCalls = 0;
    std::vector<std::uint8_t> abandonedTemporary;  // what a failed halfway write left

    bool Exists(const std::wstring& path) override {
        return files.count(path) != 0 || folders.count(path) != 0;
    }

    std::optional<std::vector<std::uint8_t>> Read(const std::wstring& path, std::uint32_t& error,
                                                  std::size_t maxBytes) override {
        readLimits.push_back(maxBytes);
        const auto file = files.find(path);
        if (readError || file == files.end()) {
            error = readError.value_or(kErrorFileNotFound);
            return std::nullopt;
        }
        const std::size_t n = std::min(maxBytes, file->second.size());
        return std::vector<std::uint8_t>(file->second.begin(), file->second.begin() + n);
    }

    bool Create(const std::wstring& path, std::span<const std::uint8_t> bytes,
                std::uint32_t& error) override {
        if (Exists(path)) {
            error = kErrorFileExists;
            return false;
        }
        if (createError || foldersTakeNoNewFile) {
            error = createError.value_or(kErrorAccessDenied);
            return false;
        }
        files[path].assign(bytes.begin(), bytes.end());
        return true;
    }

  protected:
    bool CheckReplaceable(const std::wstring& path, std::uint32_t& error) override {
        ++replaceCalls;
        if (files.count(path) == 0 && folders.count(path) == 0) {
            error = kErrorFileNotFound;  // never creates
            return false;
        }
        if (replaceError) {
            error = *replaceError;
            return false;
        }
        if (folders.count(path) != 0 || readOnly.count(path) != 0) {
            error = kErrorAccessDenied;
            return false;
        }
        return true;
    }

    std::optional<std::wstring> CreateTemporaryBeside(const std::wstring& path) override {
        if (foldersTakeNoNewFile) {
            return std::nullopt;
        }
        const std::wstring temporary = path + L".tmp" + std::to_wstring(++temporaries_);
        files[temporary] = {};
        return temporary;
    }

    bool WriteExisting(const std::wstring& path, std::span<const std::uint8_t> bytes,
                       std::uint32_t& error) override {
        const auto file = files.find(path);
        if (file == files.end()) {
            error = kErrorFileNotFound;
            return false;
        }
        if (halfwayError) {
            file->second.assign(bytes.begin(), bytes.begin() + bytes.size() / 2);
            abandonedTemporary = file->second;
            error = *halfwayError;
            return false;
        }
        file->second.assign(bytes.begin(), bytes.end());
        return true;
    }

    bool PutInPlace(const std::wstring& temporary, const std::wstring& path,
                    std::uint32_t&) override {
        files[path] = std::move(files[temporary]);
        files.erase(temporary);
        return true;
    }

    void Remove(const std::wstring& path) override { files.erase(path); }

  private:
    int temporaries_ = 0;
};

}  // namespace corvane::testing
