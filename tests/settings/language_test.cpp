#include <gtest/gtest.h>

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

}  // namespace
}  // namespace corvane
