#include <windows.h>

#include <cstdlib>

#include "core/system_facts.h"
#include "core/text_encoding.h"

namespace corvane {
namespace {

class Win32SystemFacts final : public SystemFacts {
  public:
    std::uint16_t DefaultLanguageId() override { return GetSystemDefaultLangID(); }
    std::uint32_t VersionWord() override {
        // The plain version word on purpose: the font choice keys on it as the
        // program reports it, manifest-free (see the application manifest).
#if defined(_MSC_VER)
#pragma warning(suppress : 4996)
#endif
        return static_cast<std::uint32_t>(GetVersion());
    }
    std::wstring ExecutablePath() override {
        wchar_t buffer[1024] = {};
        const DWORD n = GetModuleFileNameW(nullptr, buffer, 1024);
        return std::wstring(buffer, n < 1024 ? n : 1023);
    }
    void Sleep(unsigned milliseconds) override {
        ::Sleep(milliseconds);
    }
    void Trace(const std::wstring& text) override {
        OutputDebugStringW(text.c_str());
    }
};

}  // namespace

std::optional<std::wstring> ProcessEnvironment(const std::string& name) {
    const wchar_t* value = _wgetenv(FromUtf8(name).c_str());
    return value ? std::optional<std::wstring>(value) : std::nullopt;
}

std::unique_ptr<SystemFacts> MakePlatformSystemFacts() {
    return std::make_unique<Win32SystemFacts>();
}

}  // namespace corvane
