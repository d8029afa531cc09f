#include "app/ctl/ini_json.h"

#include "core/text_encoding.h"
#include "settings/ini_document.h"

namespace corvane::ctl {
namespace {

Json KeysToJson(const IniSection& section) {
    Json keys = Json::object();
    for (const IniKey& key : section.keys) {
        const std::string name = ToUtf8(key.name);
        // Lookups only ever see the first key of a name.
        if (!keys.contains(name)) {
            keys[name] = key.value ? Json(ToUtf8(*key.value)) : Json(nullptr);
        }
    }
    return keys;
}

std::wstring TextOf(const Json& value, const std::string& path) {
    if (!value.is_string()) {
        BadValue(path, "expected a string, found " + TypeName(value));
    }
    return FromUtf8(value.get_ref<const std::string&>());
}

// The lines of the file as the program writes them.
std::wstring IniText(const Json& sections, const std::string& path) {
    std::wstring text;
    bool first = true;
    for (auto section = sections.begin(); section != sections.end(); ++section, first = false) {
        const std::string sectionPath = path + "." + section.key();
        if (!section.value().is_object()) {
            BadValue(sectionPath, "expected an object of keys, found " + TypeName(section.value()));
        }
        if (section.key().empty() && !first) {
            BadValue(sectionPath, "keys without a section must come first");
        }
        if (!section.key().empty()) {
            text += L"[" + FromUtf8(section.key()) + L"]\r\n";
        }
        for (auto key = section.value().begin(); key != section.value().end(); ++key) {
            text += FromUtf8(key.key());
            if (!key.value().is_null()) {
                text += L"=" + TextOf(key.value(), sectionPath + "." + key.key());
            }
            text += L"\r\n";
        }
    }
    return text;
}

// What the file would read back as must be what the JSON says; the first
// name or value that does not survive is refused.
void CheckReadsBack(const Json& sections, const std::string& path) {
    const Json back = StrIniToJson(EncodeUtf16LeWithBom(IniText(sections, path)));
    auto theirs = back.begin();
    for (auto section = sections.begin(); section != sections.end(); ++section) {
        const std::string sectionPath = path + "." + section.key();
        if (theirs == back.end() || theirs.key() != section.key()) {
            BadValue(sectionPath, "a section name str.ini cannot hold as given");
        }
        auto key = section.value().begin();
        auto theirKey = theirs.value().begin();
        for (; key != section.value().end(); ++key, ++theirKey) {
            if (theirKey == theirs.value().end() || theirKey.key() != key.key() ||
                theirKey.value() != key.value()) {
                BadValue(sectionPath + "." + key.key(),
                         "a key or value str.ini cannot hold as given (line breaks, blanks at "
                         "either end, \"=\" in a key, a repeated key)");
            }
        }
        if (theirKey != theirs.value().end()) {
            BadValue(sectionPath, "a section str.ini cannot hold as given");
        }
        ++theirs;
    }
    if (theirs != back.end()) {
        BadValue(path, "sections str.ini cannot hold as given");
    }
}

}  // namespace

Json StrIniToJson(std::span<const std::uint8_t> bytes) {
    const IniDocument document = IniDocument::Parse(DecodeIniBytes(bytes));
    Json sections = Json::object();
    for (const IniSection& section : document.sections()) {
        const std::string name = ToUtf8(section.name);
        // The keys before the first section appear only when there are any;
        // of repeated sections, lookups only ever see the first.
        if ((name.empty() && section.keys.empty()) || sections.contains(name)) {
            continue;
        }
        sections[name] = KeysToJson(section);
    }
    return sections;
}

std::vector<std::uint8_t> StrIniFromJson(const Json& sections, const std::string& path) {
    if (!sections.is_object()) {
        BadValue(path, "expected an object of sections or null, found " + TypeName(sections));
    }
    CheckReadsBack(sections, path);
    return EncodeUtf16LeWithBom(IniText(sections, path));
}

}  // namespace corvane::ctl
