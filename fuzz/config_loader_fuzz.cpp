// Any bytes as config.bin: loading never fails, takes exactly a 180-byte
// file and otherwise keeps the factory settings, and a save after it writes
// 180 bytes starting with 1 that load back to the same record.
#include <algorithm>
#include <cstdlib>
#include <map>

#include "settings/factory_settings.h"
#include "settings/stored_files.h"

namespace {

using namespace corvane;

class MemoryFiles final : public FileStore {
  public:
    std::map<std::wstring, std::vector<std::uint8_t>> files;
    bool Exists(const std::wstring& path) override { return files.count(path) != 0; }
    std::optional<std::vector<std::uint8_t>> Read(const std::wstring& path, std::uint32_t& error,
                                                  std::size_t maxBytes) override {
        const auto& bytes = files.at(path);
        error = 0;
        return std::vector<std::uint8_t>(bytes.begin(),
                                         bytes.begin() + std::min(maxBytes, bytes.size()));
    }
    bool Replace(const std::wstring& path, std::span<const std::uint8_t> bytes,
                 std::uint32_t&) override {
        files[path].assign(bytes.begin(), bytes.end());
        return true;
    }
};

class NoIni final : public IniStore {
  public:
    std::wstring Read(const std::wstring&, const std::wstring&, const std::wstring&,
                      const std::wstring& fallback, std::size_t) override {
        return fallback;
    }
    bool Write(const std::wstring&, const std::wstring&, const std::wstring&,
               const std::wstring&) override {
        return true;
    }
};

class Facts final : public SystemFacts {
  public:
    std::uint16_t DefaultLanguageId() override { return 1033; }
    std::uint32_t VersionWord() override { return 0; }
    std::wstring ExecutablePath() override { return L"C:\\T\\Corvane1.0.exe"; }
    void Sleep(unsigned) override {}
    void Trace(const std::wstring&) override {}
};

class Messages final : public UserMessages {
  public:
    int shown = 0;
    void Show(MessageKind, Caption, std::int64_t) override { ++shown; }
};

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring config = L"C:\\T\\config.bin";
    MemoryFiles files;
    files.files[config].assign(data, data + size);
    NoIni ini;
    Facts facts;
    Messages messages;
    SettingsState state;
    StoredFiles stored(state, files, ini, facts, messages, L"Setting-EN");
    stored.LoadConfig();
    Check(messages.shown == 0);
    if (size == kConfigFileSize) {
        Check(state.firstRunFlag == data[0]);
        Check(std::equal(state.records.working.bytes().begin(), state.records.working.bytes().end(),
                         data + 1));
    } else {
        Check(state.firstRunFlag == 0);
        const SettingsRecord factory = FactorySettingsRecord();
        Check(std::equal(state.records.working.bytes().begin(), state.records.working.bytes().end(),
                         factory.bytes().begin()));
    }
    const SettingsRecord loaded = state.records.working;
    stored.SaveConfig();
    const auto& saved = files.files[config];
    Check(saved.size() == kConfigFileSize && saved[0] == 1);
    state = SettingsState{};
    stored.LoadConfig();
    Check(state.firstRunFlag == 1);
    Check(std::equal(loaded.bytes().begin(), loaded.bytes().end(),
                     state.records.working.bytes().begin()));
    return 0;
}
