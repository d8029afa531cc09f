// Files beside the program are found by replacing the executable's file
// name in its full path; under another name the program finds none of them.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

inline constexpr std::wstring_view kExecutableName = L"Corvane1.0.exe";

// Replaces every occurrence of `name` in `text` by `replacement`.
std::wstring ReplaceAll(std::wstring text, std::wstring_view name, std::wstring_view replacement);

// `modulePath` with every "Corvane1.0.exe" in it replaced by `besideName`.
inline std::wstring BesideExecutable(const std::wstring& modulePath, std::wstring_view besideName) {
    return ReplaceAll(modulePath, kExecutableName, besideName);
}

// The folder of the program's settings: `modulePath` with every
// "Corvane1.0.exe" removed, so "C:\Tools\Corvane1.0.exe" gives "C:\Tools\".
// An executable of another name gives its own path, a folder that holds no
// settings.
inline std::wstring ExecutableFolder(const std::wstring& modulePath) {
    return BesideExecutable(modulePath, L"");
}

// The folder of the program's skins: `modulePath` with every
// "Corvane1.0.exe" replaced by "/Skins", so "C:\Tools\Corvane1.0.exe"
// gives "C:\Tools\/Skins", whose language folders the window reads.
inline std::wstring SkinFolderBesideExecutable(const std::wstring& modulePath) {
    return BesideExecutable(modulePath, L"/Skins");
}

}  // namespace corvane
