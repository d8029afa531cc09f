#include "core/system_facts.h"

#include "core/text_encoding.h"

namespace corvane {

std::uint16_t LanguageIdOfLocale(const std::string& locale) {
    // "zh_CN.UTF-8", "zh_SG", "zh_Hans..." are simplified; "zh_TW" is Taiwan.
    if (locale.rfind("zh", 0) != 0) {
        return kLangEnglishUs;
    }
    const std::string rest = locale.substr(2);
    if (rest.rfind("_TW", 0) == 0 || rest.rfind("-TW", 0) == 0 || rest.rfind("_Hant_TW", 0) == 0) {
        return kLangTraditionalChinese;
    }
    if (rest.rfind("_CN", 0) == 0 || rest.rfind("-CN", 0) == 0 || rest.rfind("_SG", 0) == 0 ||
        rest.rfind("-SG", 0) == 0 || rest.rfind("_Hans", 0) == 0 || rest.rfind("-Hans", 0) == 0) {
        return kLangSimplifiedChinese;
    }
    return kLangEnglishUs;
}

std::uint16_t LanguageIdOfEnvironment(const EnvironmentLookup& lookup) {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const std::optional<std::wstring> value = lookup(name);
        if (value && !value->empty()) {
            return LanguageIdOfLocale(ToUtf8(*value));
        }
    }
    return LanguageIdOfLocale("");
}

}  // namespace corvane
