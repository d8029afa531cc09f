// System facts chosen by the test; records every sleep and trace.
#pragma once

#include <string>
#include <vector>

#include "core/system_facts.h"

namespace corvane::testing {

class FakeSystemFacts final : public SystemFacts {
  public:
    std::uint16_t languageId = kLangEnglishUs;
    std::uint32_t versionWord = 0x0106;  // 6.1
    std::wstring executablePath = L"C:\\Tools\\Corvane1.0.exe";
    std::vector<unsigned> sleeps;
    std::vector<std::wstring> traces;

    std::uint16_t DefaultLanguageId() override { return languageId; }
    std::uint32_t VersionWord() override { return versionWord; }
    std::wstring ExecutablePath() override { return executablePath; }
    void Sleep(unsigned milliseconds) override { sleeps.push_back(milliseconds); }
    void Trace(const std::wstring& text) override { traces.push_back(text); }
};

}  // namespace corvane::testing
