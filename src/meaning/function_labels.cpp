#include "meaning/function_labels.h"

#include <optional>
#include <string_view>

#include "meaning/choice_lists.h"
#include "meaning/key_names.h"

namespace corvane {
namespace {

// The facts a label is built from, for one (layer, button).
struct LabelInputs {
    const SettingsRecord& record;
    int layer;
    int button;
    const LanguageTexts& texts;
    DialogLanguage language;
    std::uint8_t sensorType;

    std::uint8_t At(const LayerButtonBytes& bytes) const { return bytes[layer][button]; }
    std::wstring_view Name(ButtonFunction function) const {
        return texts.functionNames[static_cast<std::size_t>(function)];
    }
};

template <class Entry, std::size_t Extent>
std::optional<std::wstring_view> ChoiceText(std::span<const Entry, Extent> list, int index,
                                            DialogLanguage language) {
    const Entry* entry = EntryAt(list, index);
    if (!entry) {
        return std::nullopt;
    }
    return entry->text.In(language);
}

std::optional<std::wstring_view> FireKeyText(int index) {
    const FireKeyEntry* entry = EntryAt(FireKeys(), index);
    return entry ? std::optional(entry->text) : std::nullopt;
}

std::optional<std::wstring_view> SnipeText(std::uint8_t sensorType, int index) {
    const DpiChoice* entry = EntryAt(SnipeChoicesOf(sensorType), index);
    return entry ? std::optional(entry->text) : std::nullopt;
}

// The name, "-" and the text; the name alone when there is no text.
std::wstring NameAndText(std::wstring_view name, std::optional<std::wstring_view> text) {
    std::wstring label(name);
    if (text) {
        label += L'-';
        label += *text;
    }
    return label;
}

// The text alone; the function's name when there is no text.
std::wstring TextOrName(std::wstring_view name, std::optional<std::wstring_view> text) {
    return std::wstring(text.value_or(name));
}

std::wstring LabelOf(const LabelInputs& in) {
    const std::uint8_t stored = in.At(in.record.buttonFunction);
    if (stored >= kButtonFunctionCount) {
        return std::wstring(in.Name(ButtonFunction::KeyOff));
    }
    const auto function = static_cast<ButtonFunction>(stored);
    const std::wstring_view name = in.Name(function);
    switch (function) {
        case ButtonFunction::WindowsFunction:
            return TextOrName(
                name, ChoiceText(WindowsChoices(), in.At(in.record.windowsChoice), in.language));
        case ButtonFunction::Multimedia:
            return NameAndText(
                name, ChoiceText(MediaChoices(), in.At(in.record.mediaChoice), in.language));
        case ButtonFunction::HotKey:
            return TextOrName(
                name, ChoiceText(HotKeyChoices(), in.At(in.record.hotKeyChoice), in.language));
        case ButtonFunction::FireKey:
            return NameAndText(name, FireKeyText(in.At(in.record.fireKeyChoice)));
        case ButtonFunction::SingleKey:
            // A code without a name still shows the "-", as a single key
            // accepted without a key press does.
            return NameAndText(name, KeyNameOfCode(in.At(in.record.singleKeyCode)));
        case ButtonFunction::SnipeKey:
            return NameAndText(name, SnipeText(in.sensorType, in.At(in.record.snipeChoice)));
        default:
            return std::wstring(name);
    }
}

}  // namespace

std::wstring FunctionLabel(const SettingsRecord& record, int layer, int button,
                           const LanguageTexts& texts, std::uint16_t systemLanguageId,
                           std::uint8_t sensorType) {
    if (layer < 0 || layer >= kLayerCount || button < 0 || button >= kButtonSlots) {
        return {};
    }
    return LabelOf({record, layer, button, texts, DialogLanguageOf(systemLanguageId), sensorType});
}

void FillEmptyLabels(KeyLabels& labels, const SettingsRecord& record, const LanguageTexts& texts,
                     std::uint16_t systemLanguageId, std::uint8_t sensorType) {
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (int button = 0; button < kButtonSlots; ++button) {
            std::wstring& label = labels[layer][button];
            if (label.empty()) {
                label = FunctionLabel(record, layer, button, texts, systemLanguageId, sensorType);
            }
        }
    }
}

}  // namespace corvane
