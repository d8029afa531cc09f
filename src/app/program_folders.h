// Where the Linux program finds its skins: beside the executable (a build,
// or a program unpacked into one folder), else where an installation puts
// shared data, "../share/corvane/Skins" from the executable's folder.
#pragma once

#include <functional>
#include <string>

namespace corvane {

// The folder of the language folders "CHS" and "EN" for the executable at
// `executablePath`. When neither place is a folder, the one beside the
// executable, so that the window reports the missing images as the Windows
// program does.
std::wstring InstalledSkinFolder(const std::wstring& executablePath,
                                 const std::function<bool(const std::wstring&)>& isFolder);

}  // namespace corvane
