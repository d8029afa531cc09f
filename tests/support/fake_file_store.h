// Files in memory. Every step can be made to fail; a Replace that fails
// halfway has written part of the temporary file, which the real stores then
// remove, so the old contents stay.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "settings/file_store.h"

namespace corvane::testing {

inline constexpr std::uint32_t kErrorFileNotFound = 2;

class FakeFileStore final : public FileStore {
  public:
    std::map<std::wstring, std::vector<std::uint8_t>> files;
    std::optional<std::uint32_t> readError;     // Read fails with this error
    std::optional<std::uint32_t> replaceError;  // Replace fails before writing
    std::optional<std::uint32_t> halfwayError;  // Replace fails after half the bytes
    std::vector<std::size_t> readLimits;        // maxBytes of every Read
    int replaceCalls = 0;
    std::vector<std::uint8_t> abandonedTemporary;  // what a failed halfway write left

    bool Exists(const std::wstring& path) override { return files.count(path) != 0; }

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

    bool Replace(const std::wstring& path, std::span<const std::uint8_t> bytes,
                 std::uint32_t& error) override {
        ++replaceCalls;
        const auto file = files.find(path);
        if (file == files.end()) {
            error = kErrorFileNotFound;  // never creates
            return false;
        }
        if (replaceError) {
            error = *replaceError;
            return false;
        }
        if (halfwayError) {
            abandonedTemporary.assign(bytes.begin(), bytes.begin() + bytes.size() / 2);
            error = *halfwayError;
            return false;
        }
        file->second.assign(bytes.begin(), bytes.end());
        return true;
    }
};

}  // namespace corvane::testing
