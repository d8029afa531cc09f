#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "core/system_facts.h"
#include "core/text_encoding.h"

namespace corvane {
namespace {

class PosixSystemFacts final : public SystemFacts {
  public:
    std::uint16_t DefaultLanguageId() override {
        return LanguageIdOfEnvironment(ProcessEnvironment);
    }
    std::uint32_t VersionWord() override { return 0; }
    std::wstring ExecutablePath() override {
        char buffer[1024];
        const ssize_t n = readlink("/proc/self/exe", buffer, sizeof(buffer) - 1);
        return n > 0 ? FromUtf8(std::string(buffer, static_cast<std::size_t>(n))) : L"";
    }
    void Sleep(unsigned milliseconds) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
    void Trace(const std::wstring&) override {}
};

}  // namespace

std::optional<std::wstring> ProcessEnvironment(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    return value ? std::optional<std::wstring>(FromUtf8(value)) : std::nullopt;
}

std::unique_ptr<SystemFacts> MakePlatformSystemFacts() {
    return std::make_unique<PosixSystemFacts>();
}

}  // namespace corvane
