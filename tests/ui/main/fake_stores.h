// In-memory file and INI stores for the window's tests.
#pragma once

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "settings/file_store.h"
#include "settings/ini_store.h"

namespace corvane::testing {

class MemoryFileStore final : public FileStore {
  public:
    std::map<std::wstring, std::vector<std::uint8_t>> files;
    int replaces = 0;

    bool Exists(const std::wstring& path) override { return files.count(path) != 0; }
    std::optional<std::vector<std::uint8_t>> Read(const std::wstring& path, std::uint32_t& error,
                                                  std::size_t maxBytes) override {
        const auto it = files.find(path);
        if (it == files.end()) {
            error = 2;
            return std::nullopt;
        }
        std::vector<std::uint8_t> bytes = it->second;
        if (bytes.size() > maxBytes) {
            bytes.resize(maxBytes);
        }
        return bytes;
    }
    bool Replace(const std::wstring& path, std::span<const std::uint8_t> bytes,
                 std::uint32_t& error) override {
        if (!Exists(path)) {
            error = 2;
            return false;
        }
        ++replaces;
        files[path].assign(bytes.begin(), bytes.end());
        return true;
    }
};

class MemoryIniStore final : public IniStore {
  public:
    std::map<std::tuple<std::wstring, std::wstring, std::wstring>, std::wstring> values;
    int writes = 0;

    std::wstring Read(const std::wstring& path, const std::wstring& section,
                      const std::wstring& key, const std::wstring& fallback, std::size_t) override {
        const auto it = values.find({path, section, key});
        return it == values.end() ? fallback : it->second;
    }
    bool Write(const std::wstring& path, const std::wstring& section, const std::wstring& key,
               const std::wstring& value) override {
        ++writes;
        values[{path, section, key}] = value;
        return true;
    }
};

}  // namespace corvane::testing
