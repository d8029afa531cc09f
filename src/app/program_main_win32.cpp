// Corvane1.0.exe: the program takes no command-line options.
#include <windows.h>

#include "app/main_window_win32.h"
#include "app/program_port.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return corvane::RunProgram(corvane::MakeProgramHidPort());
}
