#include "settings/user_settings_folder.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "core/text_encoding.h"

namespace corvane {
namespace {

std::wstring AbsoluteOrEmpty(const EnvironmentLookup& lookup, const char* name) {
    const std::optional<std::wstring> value = lookup(name);
    return value && !value->empty() && value->front() == L'/' ? *value : std::wstring();
}

std::wstring WithSlash(std::wstring folder) {
    if (folder.back() != L'/') {
        folder += L'/';
    }
    return folder;
}

}  // namespace

std::wstring UserSettingsFolder(const EnvironmentLookup& lookup) {
    std::wstring base = AbsoluteOrEmpty(lookup, "XDG_CONFIG_HOME");
    if (base.empty()) {
        const std::wstring home = AbsoluteOrEmpty(lookup, "HOME");
        if (home.empty()) {
            return std::wstring();
        }
        base = WithSlash(home) + L".config";
    }
    return WithSlash(base) + L"corvane/";
}

std::wstring DefaultSettingsFolder(const EnvironmentLookup& lookup) {
    const std::wstring user = UserSettingsFolder(lookup);
    if (!user.empty()) {
        return user;
    }
    std::error_code error;
    const std::string current = std::filesystem::current_path(error).string();
    return current.empty() ? std::wstring(L"./") : WithSlash(FromUtf8(current));
}

bool MakeFolder(const std::wstring& folder, std::uint32_t& error) {
    std::filesystem::path path;
    if constexpr (sizeof(wchar_t) == 2) {
        path = folder;
    } else {
        path = ToUtf8(folder);
    }
    std::error_code failure;
    std::filesystem::create_directories(path, failure);
    if (std::filesystem::is_directory(path)) {
        return true;
    }
    error = static_cast<std::uint32_t>(failure ? failure.value() : ENOTDIR);
    return false;
}

}  // namespace corvane
