// The dialogs' runner on Win32: each dialog in its own window over the main
// window, run by our modal loop.
#pragma once

#include <windows.h>

#include "ui/dialogs/dialog_runner.h"
#include "ui/skin/dialog_host_win32.h"

namespace corvane {

using DialogRunnerWin32 = DialogRunner<DialogHostWin32, HWND>;

}  // namespace corvane
