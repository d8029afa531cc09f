// How a program tells that the window runs for this user: the Windows
// program holds a named mutex, the Linux program a local socket in the
// abstract namespace named by the user id. Both are the window's
// single-instance guard; corvanectl only looks at them.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

inline constexpr std::wstring_view kSingleInstanceMutex = L"APPKelVer2Mutex";
// A leading slash keeps the name as it is in Qt.
inline constexpr std::string_view kInstanceSocketFolder = "/org.corvane.Corvane/";
inline constexpr std::string_view kInstanceSocketStem = "instance-";

// The Linux window's socket name for this user in a session whose runtime
// folder is `runtimeFolder` (empty when none is set). The login manager makes
// one runtime folder per user for all of that user's sessions, so the name
// stays one per user; a session with a folder of its own (a test, a sandbox)
// gets an instance of its own. The folder goes in as a digest: an abstract
// name is at most 107 bytes long.
std::string InstanceSocketName(std::string_view runtimeFolder, unsigned userId);
// The same for this process: $XDG_RUNTIME_DIR and its user id.
std::string InstanceSocketName();

// True when the window runs for this user: its mutex exists (Windows), or a
// process of this user listens on its socket (Linux). Asks nothing of the
// window: it is not shown.
bool WindowRunsForThisUser();

}  // namespace corvane
