// Any bytes as str.ini: decoding and parsing never fail, lookups stay inside
// the buffer, a written label reads back, and a rewritten file answers
// every lookup of a stored key as the original did.
#include <algorithm>
#include <cstdlib>

#include "settings/ini_document.h"

namespace {

using namespace corvane;

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring text = DecodeIniBytes(std::span<const std::uint8_t>(data, size));
    IniDocument document = IniDocument::Parse(text);
    for (const wchar_t* key : {L"Item1", L"Item83", L"", L"a"}) {
        for (const wchar_t* section : {L"Setting-EN", L"Setting-CHS", L""}) {
            if (const std::wstring* value = document.Find(section, key)) {
                Check(ProfileResult(*value, 1024).size() <= 1023);
                Check(ProfileResult(*value, 1).empty());
            }
        }
    }
    const std::wstring serialized = document.Serialize();
    document.Set(L"Setting-CHS", L"Item13", L"火力键-A");
    const auto bytes = EncodeUtf16LeWithBom(document.Serialize());
    const IniDocument reread = IniDocument::Parse(DecodeIniBytes(bytes));
    const std::wstring* label = reread.Find(L"setting-chs", L"ITEM13");
    Check(label != nullptr && *label == L"火力键-A");
    const IniDocument rewritten = IniDocument::Parse(serialized);
    const IniDocument original = IniDocument::Parse(text);
    for (const IniSection& section : original.sections()) {
        // A later "[]" section is written without its header, as the profile
        // API does, so its keys join the section before it.
        if (section.name.empty() && &section != &original.sections().front()) {
            continue;
        }
        for (const IniKey& key : section.keys) {
            if (key.name.empty()) {
                continue;  // a nameless line without "=" is written as a blank line
            }
            const std::wstring* before = original.Find(section.name, key.name);
            const std::wstring* after = rewritten.Find(section.name, key.name);
            Check((before == nullptr) == (after == nullptr));
            Check(before == nullptr || *before == *after);
        }
    }
    return 0;
}
