#include "app/program_folders.h"

namespace corvane {

std::wstring InstalledSkinFolder(const std::wstring& executablePath,
                                 const std::function<bool(const std::wstring&)>& isFolder) {
    const std::size_t slash = executablePath.find_last_of(L'/');
    const std::wstring folder =
        slash == std::wstring::npos ? std::wstring(L".") : executablePath.substr(0, slash);
    const std::wstring beside = folder + L"/Skins";
    if (isFolder(beside)) {
        return beside;
    }
    const std::wstring installed = folder + L"/../share/corvane/Skins";
    return isFolder(installed) ? installed : beside;
}

}  // namespace corvane
