// Where the Linux programs keep config.bin and str.ini when no folder is
// named: a folder of the user's, since the program's own folder is not
// writable once installed. The window and corvanectl share it, so both see
// one set of settings.
#pragma once

#include <cstdint>
#include <string>

#include "core/system_facts.h"

namespace corvane {

// "corvane/" in the user's configuration folder: $XDG_CONFIG_HOME, or
// $HOME/.config when that is unset, empty or relative (the XDG base
// directory rules ignore a relative one). Empty when HOME is not usable
// either.
std::wstring UserSettingsFolder(const EnvironmentLookup& lookup);

// The folder both Linux programs use when none is named: the user's
// settings folder, else (no usable home) the current folder, else "./";
// never empty, always with a trailing slash.
std::wstring DefaultSettingsFolder(const EnvironmentLookup& lookup);

// Makes `folder` and the folders above it that are missing. True when it is
// a folder afterwards; otherwise false with the system error number.
bool MakeFolder(const std::wstring& folder, std::uint32_t& error);

}  // namespace corvane
