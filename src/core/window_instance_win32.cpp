#include <windows.h>

#include "core/window_instance.h"

namespace corvane {

std::string InstanceSocketName(std::string_view, unsigned) {
    return std::string();
}

std::string InstanceSocketName() {
    return std::string();
}

// Opened, never created: a probe must not become the guard itself.
bool WindowRunsForThisUser() {
    const std::wstring name(kSingleInstanceMutex);
    HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, name.c_str());
    if (mutex == nullptr) {
        return false;
    }
    CloseHandle(mutex);
    return true;
}

}  // namespace corvane
