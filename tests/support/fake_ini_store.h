// INI values in memory, keyed by (path, section, key) as given; records the
// order of the writes.
#pragma once

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "settings/ini_store.h"

namespace corvane::testing {

class FakeIniStore final : public IniStore {
  public:
    using Key = std::tuple<std::wstring, std::wstring, std::wstring>;
    std::map<Key, std::wstring> values;
    std::vector<Key> writes;

    std::wstring Read(const std::wstring& path, const std::wstring& section,
                      const std::wstring& key, const std::wstring& fallback,
                      std::size_t capacity) override {
        const auto found = values.find(Key{path, section, key});
        const std::wstring& value = found == values.end() ? fallback : found->second;
        return value.substr(0, capacity == 0 ? 0 : capacity - 1);
    }
    std::wstring Value(const std::wstring& path, const std::wstring& section,
                       const std::wstring& key) const {
        const auto found = values.find(Key{path, section, key});
        return found == values.end() ? std::wstring() : found->second;
    }
    bool Write(const std::wstring& path, const std::wstring& section, const std::wstring& key,
               const std::wstring& value) override {
        writes.push_back(Key{path, section, key});
        values[Key{path, section, key}] = value;
        return true;
    }
};

}  // namespace corvane::testing
