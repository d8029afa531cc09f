#include "app/ctl/choice_names.h"

#include "core/text_encoding.h"
#include "meaning/choice_lists.h"

namespace corvane::ctl {
namespace {

std::span<const ChoiceEntry> EntriesOf(ChoiceList list) {
    switch (list) {
        case ChoiceList::Media:
            return MediaChoices();
        case ChoiceList::Windows:
            return WindowsChoices();
        case ChoiceList::HotKey:
            return HotKeyChoices();
        case ChoiceList::FireKey:
            break;
    }
    return {};
}

std::string Utf8(std::wstring_view text) {
    return ToUtf8(std::wstring(text));
}

}  // namespace

// Choices are named by their English texts; the Chinese ones are taken too.
std::optional<std::string> ChoiceName(ChoiceList list, std::uint8_t index) {
    if (list == ChoiceList::FireKey) {
        const FireKeyEntry* entry = EntryAt(FireKeys(), index);
        return entry ? std::optional(Utf8(entry->text)) : std::nullopt;
    }
    const ChoiceEntry* entry = EntryAt(EntriesOf(list), index);
    return entry ? std::optional(Utf8(entry->text.english)) : std::nullopt;
}

std::optional<std::uint8_t> ChoiceOfName(ChoiceList list, std::string_view name) {
    if (list == ChoiceList::FireKey) {
        const auto keys = FireKeys();
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (Utf8(keys[i].text) == name) {
                return static_cast<std::uint8_t>(i);
            }
        }
        return std::nullopt;
    }
    const auto entries = EntriesOf(list);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (Utf8(entries[i].text.english) == name || Utf8(entries[i].text.chinese) == name) {
            return static_cast<std::uint8_t>(i);
        }
    }
    return std::nullopt;
}

std::string ChoiceNameList(ChoiceList list) {
    std::string names;
    for (std::uint8_t i = 0;; ++i) {
        const auto name = ChoiceName(list, i);
        if (!name) {
            return names;
        }
        names += (names.empty() ? "" : ", ") + *name;
    }
}

std::optional<std::string> FireKeyNameOfCode(std::uint8_t code) {
    for (const FireKeyEntry& entry : FireKeys()) {
        if (entry.code == code) {
            return Utf8(entry.text);
        }
    }
    return std::nullopt;
}

std::optional<std::uint8_t> FireKeyCodeOfName(std::string_view name) {
    const auto index = ChoiceOfName(ChoiceList::FireKey, name);
    return index ? std::optional(FireKeyCodeOf(*index)) : std::nullopt;
}

}  // namespace corvane::ctl
