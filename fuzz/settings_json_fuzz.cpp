// Any bytes as corvanectl's settings JSON: an import either refuses the
// document as bad input or gives files whose export imports to the very
// same files again.
#include <cstdlib>
#include <string_view>

#include "app/ctl/ctl.h"
#include "app/ctl/settings_json.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace corvane::ctl;
    ImportedSettings imported;
    try {
        imported = SettingsFromJson(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const CommandFailure& failure) {
        Check(failure.exitCode() == kExitBadInput);
        return 0;
    }
    const ImportedSettings again =
        SettingsFromJson(SettingsToJson(imported.files, imported.sensorType));
    Check(again.files == imported.files);
    Check(again.sensorType == imported.sensorType);
    return 0;
}
