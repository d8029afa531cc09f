// Facts about the running system that the core asks for, injected so that
// tests choose them.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/language.h"

namespace corvane {

// Whether a version word (SystemFacts::VersionWord) is Windows 6.2, whose
// Chinese texts use another face.
constexpr bool IsWindows62(std::uint32_t versionWord) {
    return (versionWord & 0xFF) == 6 && ((versionWord >> 8) & 0xFF) == 2;
}

class SystemFacts {
  public:
    virtual ~SystemFacts() = default;

    // The system default language id (a Windows language identifier).
    virtual std::uint16_t DefaultLanguageId() = 0;
    // The Windows version word: major version in the low byte, minor in the
    // next byte.
    virtual std::uint32_t VersionWord() = 0;
    // The full path of the running executable, at most 1023 characters.
    virtual std::wstring ExecutablePath() = 0;
    virtual void Sleep(unsigned milliseconds) = 0;
    // Diagnostic trace text; never shown to the user.
    virtual void Trace(const std::wstring& text) = 0;
};

// The language id of a POSIX locale name: simplified Chinese script to 2052,
// Chinese of Taiwan to 1028, everything else to 1033.
std::uint16_t LanguageIdOfLocale(const std::string& locale);

// One environment variable's value, none when it is not set; tests hand in
// an environment of their own.
using EnvironmentLookup = std::function<std::optional<std::wstring>(const std::string& name)>;

// The process environment's variable `name`, none when it is not set.
std::optional<std::wstring> ProcessEnvironment(const std::string& name);

// The system language of both Linux programs: the locale named by the first
// non-empty of LC_ALL, LC_MESSAGES and LANG (the variables that choose the
// language of messages, in the order they win), through LanguageIdOfLocale.
// Only the names are read: a locale need not be installed to be named.
std::uint16_t LanguageIdOfEnvironment(const EnvironmentLookup& lookup);

// The platform's own facts (Win32 on Windows, the process locale and
// /proc/self/exe elsewhere).
std::unique_ptr<SystemFacts> MakePlatformSystemFacts();

}  // namespace corvane
