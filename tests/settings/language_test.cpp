#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/system_facts.h"

namespace corvane {
namespace {

TEST(LanguageOfLocaleTest, SimplifiedTraditionalAndEverythingElse) {
    for (const char* locale : {"zh_CN.UTF-8", "zh_CN", "zh_SG.GB2312", "zh_Hans_CN"}) {
        EXPECT_EQ(LanguageIdOfLocale(locale), kLangSimplifiedChinese) << locale;
    }
    EXPECT_EQ(LanguageIdOfLocale("zh_TW.UTF-8"), kLangTraditionalChinese);
    for (const char* locale : {"", "C", "POSIX", "en_US.UTF-8", "zh_HK.UTF-8", "zh", "de_DE"}) {
        EXPECT_EQ(LanguageIdOfLocale(locale), kLangEnglishUs) << locale;
    }
}

// The variables as a desktop session sets them: LANG for everything, the
// others to override it; an empty one counts as not set.
TEST(LanguageOfEnvironmentTest, TheFirstNonEmptyOfLcAllLcMessagesAndLangDecides) {
    struct Case {
        std::map<std::string, std::wstring> variables;
        std::uint16_t language;
    };
    const Case cases[] = {
        {{}, kLangEnglishUs},
        {{{"LANG", L"zh_CN.UTF-8"}}, kLangSimplifiedChinese},
        {{{"LANG", L"zh_TW.UTF-8"}}, kLangTraditionalChinese},
        {{{"LANG", L"zh_CN.UTF-8"}, {"LC_MESSAGES", L"en_GB.UTF-8"}}, kLangEnglishUs},
        {{{"LANG", L"en_US.UTF-8"}, {"LC_MESSAGES", L"zh_SG"}}, kLangSimplifiedChinese},
        {{{"LC_MESSAGES", L"zh_CN"}, {"LC_ALL", L"zh_TW.Big5"}}, kLangTraditionalChinese},
        {{{"LC_ALL", L""}, {"LC_MESSAGES", L""}, {"LANG", L"zh_CN.GB18030"}},
         kLangSimplifiedChinese},
        {{{"LC_ALL", L"C"}, {"LANG", L"zh_CN.UTF-8"}}, kLangEnglishUs},
        // Only the name counts: a locale this machine has not generated too.
        {{{"LANG", L"zh_SG.not-generated"}}, kLangSimplifiedChinese},
    };
    for (const Case& c : cases) {
        const auto lookup = [&](const std::string& name) -> std::optional<std::wstring> {
            const auto found = c.variables.find(name);
            return found == c.variables.end() ? std::nullopt : std::optional(found->second);
        };
        std::string described;
        for (const auto& [name, value] : c.variables) {
            described += name + "=" + std::string(value.begin(), value.end()) + " ";
        }
        EXPECT_EQ(LanguageIdOfEnvironment(lookup), c.language) << described;
    }
}

}  // namespace
}  // namespace corvane
