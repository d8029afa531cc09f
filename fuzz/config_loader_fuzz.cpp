// Any bytes as config.bin: loading never fails, takes exactly a 180-byte
// file and otherwise keeps the factory settings, and a save after it writes
// 180 bytes starting with 1 that load back to the same record.
#include <algorithm>
#include <cstdlib>

#include "meaning/factory_settings.h"
#include "settings/settings_files.h"
#include "support/fake_file_store.h"
#include "support/fake_ini_store.h"
#include "support/fake_system_facts.h"

namespace {

using namespace corvane;
using namespace corvane::testing;

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// What a load gives for `bytes` as config.bin, and the store it came from.
struct Loaded {
    SettingsState state;
    FakeFileStore files;
    FakeIniStore ini;
    FakeSystemFacts facts;
    SettingsFiles stored{state, files, ini, facts, L"C:\\Tools\\", L"Setting-EN"};
    ConfigLoad load = ConfigLoad::Missing;

    explicit Loaded(std::vector<std::uint8_t> bytes) {
        files.files[L"C:\\Tools\\config.bin"] = std::move(bytes);
        load = stored.LoadConfig(FactorySettingsRecord());
    }
    const std::vector<std::uint8_t>& Saved() { return files.files[L"C:\\Tools\\config.bin"]; }
};

bool SameRecord(const SettingsRecord& a, const SettingsRecord& b) {
    return std::equal(a.bytes().begin(), a.bytes().end(), b.bytes().begin());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Loaded loaded(std::vector<std::uint8_t>(data, data + size));
    Check(loaded.load == (size == kConfigFileSize ? ConfigLoad::Loaded : ConfigLoad::Ignored));
    if (size == kConfigFileSize) {
        Check(loaded.state.firstRunFlag == data[0]);
        Check(std::equal(loaded.state.records.working.bytes().begin(),
                         loaded.state.records.working.bytes().end(), data + 1));
    } else {
        // Every file of another size loads as an empty one does: the
        // factory settings, first run still to come.
        const Loaded empty(std::vector<std::uint8_t>{});
        Check(loaded.state.firstRunFlag == empty.state.firstRunFlag);
        Check(SameRecord(loaded.state.records.working, empty.state.records.working));
        Check(SameRecord(empty.state.records.working, FactorySettingsRecord()));
    }
    const SettingsRecord record = loaded.state.records.working;
    Check(loaded.stored.SaveConfig().done());
    Check(loaded.Saved().size() == kConfigFileSize && loaded.Saved()[0] == 1);
    loaded.state = SettingsState{};
    Check(loaded.stored.LoadConfig(FactorySettingsRecord()) == ConfigLoad::Loaded);
    Check(loaded.state.firstRunFlag == 1);
    Check(SameRecord(record, loaded.state.records.working));
    return 0;
}
