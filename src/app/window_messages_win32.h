// The window messages, command and resource of the program on Win32: the
// tray callback and the notice request that other programs may post, the
// tray menu's one command, and the application icon.
#pragma once

#include <windows.h>

namespace corvane {

inline constexpr UINT kTrayCallbackMessage = WM_USER + 1;  // 1025
inline constexpr UINT kNoticeMessage = WM_USER + 2;        // 1026
inline constexpr UINT kTrayExitCommand = 1028;
inline constexpr int kAppIconResource = 710;

}  // namespace corvane
