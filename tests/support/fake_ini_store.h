// INI values in memory, keyed by (path, section, key) as given; records the
// order of the writes. Can fail every write from the k-th on.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "settings/ini_store.h"

namespace corvane::testing {

class FakeIniStore final : public IniStore {
  public:
    using Key = std::tuple<std::wstring, std::wstring, std::wstring>;
    std::map<Key, std::wstring> values;
    std::vector<Key> writes;  // the writes that were stored
    // The 1-based number of the first write that fails (and every later one
    // then fails too), with `failError`; none fails when unset.
    std::optional<int> failFromWrite;
    std::uint32_t failError = 5;
    int attempts = 0;  // every write, stored or failed

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
    SaveResult Write(const std::wstring& path, const std::wstring& section, const std::wstring& key,
                     const std::wstring& value) override {
        ++attempts;
        if (failFromWrite && attempts >= *failFromWrite) {
            return SaveResult::Failed(failError);
        }
        writes.push_back(Key{path, section, key});
        values[Key{path, section, key}] = value;
        return SaveResult::Done();
    }
};

}  // namespace corvane::testing
