// The commands on the settings files: show (readable lines), export, import.
#include <limits>

#include "app/ctl/ctl.h"
#include "app/ctl/device_session.h"
#include "app/ctl/settings_folder.h"
#include "app/ctl/settings_json.h"
#include "core/text_encoding.h"
#include "meaning/button_functions.h"
#include "meaning/language_texts.h"

namespace corvane::ctl {
namespace {

SettingsFilesBytes ReadSettingsFiles(CtlContext& context, const SettingsFilePaths& paths) {
    const auto config = ReadConfigBytes(context.files, paths.configPath);
    if (!config) {
        throw Failed("there is no config.bin in " + Utf8Path(paths.folder) +
                     "; name the folder with --dir (a `set` creates it from the factory settings)");
    }
    return SettingsFilesBytes{*config, ReadStrIniBytes(context.files, paths.strIniPath)};
}

// An export whose import would not give the same str.ini says so.
void NoteUnkeptText(CtlContext& context, const SettingsFilesBytes& files, const std::string& json) {
    if (SettingsFromJson(json).files != files) {
        context.err << kProgramName
                    << ": note: str.ini holds text the program does not keep (comments, blank "
                       "lines, repeated names or another encoding); an import writes the same "
                       "sections, keys and values in the program's own form\n";
    }
}

// str.ini's labels of the system language, read as the window reads them.
KeyLabels LabelsOf(CtlContext& context, const SettingsFilePaths& paths) {
    SettingsState unused;
    SettingsFiles files(
        unused, context.files, context.ini, context.facts, paths.folder,
        std::wstring(LanguageTextsFor(context.facts.DefaultLanguageId()).settingsSection));
    KeyLabels labels;
    files.LoadLabels(labels);
    return labels;
}

// config.bin and the labels of str.ini as readable lines, for `show`.

void AppendLayers(const SettingsRecord& r, const KeyLabels& labels, const SettingNames& names,
                  std::string& text) {
    for (int layer = 0; layer < kLayerCount; ++layer) {
        text += (layer == kNormalLayer ? "Normal" : "Shift") +
                std::string(" layer (button, function, label):\n");
        for (int button = 0; button < kButtonSlots; ++button) {
            text += "  " + std::to_string(button + kFirstButtonNumber) + "  " +
                    Padded(ButtonText(r, names, layer, button), 32) + "\"" +
                    ToUtf8(labels[layer][button]) + "\"\n";
        }
    }
}

std::string RecordText(const ConfigFileContents& config, const KeyLabels& labels,
                       std::uint8_t sensorType) {
    const SettingsRecord& r = config.record;
    const SettingNames names = SettingNames::For(sensorType);
    std::string text;
    text += "First-run flag: " + std::to_string(config.firstRunFlag) + "\n";
    text += "Report rate: " + NameOrNumber(r.reportRate, names.rate) + "\n";
    text += "DPI stages (sensor type " + std::to_string(sensorType) + "):\n";
    for (int stage = 0; stage < kDpiStages; ++stage) {
        const std::uint8_t on = r.dpiStageOn[stage];
        text += "  " + std::to_string(stage + 1) + "  " +
                Padded(NameOrNumber(r.dpiLevel[stage], names.dpi), 6) +
                (on == 1   ? "on"
                 : on == 0 ? "off"
                           : "on (" + std::to_string(on) + ")") +
                "\n";
    }
    text += "  4  " + NameOrNumber(r.dpiLevel[3], names.dpi) + " (tray notices only)\n";
    text += "Lighting: " + NameOrNumber(r.ledMode, names.ledMode) + ", mode1 parameter " +
            std::to_string(r.ledParamA) + ", mode2 parameter " + std::to_string(r.ledParamB) + "\n";
    text += "Fire key: make time " + std::to_string(r.fireMakeTime) + ", break time " +
            std::to_string(r.fireBreakTime) + "\n";
    text += "Snipe DPI code: " + Hex2(r.snipeDpiCode) + "\n";
    text += "Left-click rule: " +
            (LayerName(r.leftRuleLayer) ? std::string(*LayerName(r.leftRuleLayer)) + " layer"
                                        : "none (" + std::to_string(r.leftRuleLayer) + ")") +
            "\n";
    AppendLayers(r, labels, names, text);
    return text;
}

}  // namespace

int RunShow(CtlContext& context, const CommonOptions& options) {
    const SettingsFilePaths paths = SettingsFolderOf(context, options);
    const SettingsFilesBytes files = ReadSettingsFiles(context, paths);
    const auto sensor = static_cast<std::uint8_t>(options.sensor);
    if (options.json) {
        context.out << SettingsToJson(files, sensor);
        return kExitDone;
    }
    const LanguageTexts& texts = LanguageTextsFor(context.facts.DefaultLanguageId());
    context.out << "config.bin: " << Utf8Path(paths.configPath) << '\n'
                << "str.ini: " << Utf8Path(paths.strIniPath) << (files.strIni ? "" : " (missing)")
                << ", labels of section " << ToUtf8(std::wstring(texts.settingsSection)) << '\n'
                << RecordText(*ParseConfigFile(files.config), LabelsOf(context, paths), sensor);
    return kExitDone;
}

int RunExport(CtlContext& context, const CommonOptions& options,
              const std::optional<std::string>& file) {
    const SettingsFilePaths paths = SettingsFolderOf(context, options);
    const SettingsFilesBytes files = ReadSettingsFiles(context, paths);
    const std::string json = SettingsToJson(files, static_cast<std::uint8_t>(options.sensor));
    NoteUnkeptText(context, files, json);
    if (!file) {
        context.out << json;
        return kExitDone;
    }
    WriteWholeFile(context.files, FromUtf8(*file),
                   std::span(reinterpret_cast<const std::uint8_t*>(json.data()), json.size()));
    return kExitDone;
}

int RunImport(CtlContext& context, const CommonOptions& options, const std::string& file) {
    const SettingsFilePaths paths = SettingsFolderOf(context, options);
    const auto bytes =
        ReadWholeFile(context.files, FromUtf8(file), std::numeric_limits<std::size_t>::max());
    if (!bytes) {
        throw Failed("the file " + file + " does not exist");
    }
    ImportedSettings imported;
    try {
        imported = SettingsFromJson(
            std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    } catch (const CommandFailure& failure) {
        throw BadInput(file + ": " + failure.what() + "; nothing was changed");
    }
    WriteWholeFile(context.files, paths.configPath, imported.files.config);
    if (imported.files.strIni) {
        WriteWholeFile(context.files, paths.strIniPath, *imported.files.strIni);
    } else {
        RemoveFile(paths.strIniPath);
    }
    context.out << "Wrote config.bin" << (imported.files.strIni ? " and str.ini" : "") << " in "
                << Utf8Path(paths.folder) << " from " << file << '\n';
    return kExitDone;
}

}  // namespace corvane::ctl
