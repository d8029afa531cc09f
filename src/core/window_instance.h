// How a program tells that the window runs for this user: the Windows
// program holds a named mutex, the Linux program a local socket in the
// abstract namespace named by the user id. Both are the window's
// single-instance guard; corvanectl only looks at them.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

inline constexpr std::wstring_view kSingleInstanceMutex = L"APPKelVer2Mutex";
// Followed by the user id. A leading slash keeps the name as it is in Qt.
inline constexpr std::string_view kInstanceSocketPrefix = "/org.corvane.Corvane/instance-";

// The Linux window's socket name for this user.
std::string InstanceSocketName();

// True when the window runs for this user: its mutex exists (Windows), or a
// process of this user listens on its socket (Linux). Asks nothing of the
// window: it is not shown.
bool WindowRunsForThisUser();

}  // namespace corvane
