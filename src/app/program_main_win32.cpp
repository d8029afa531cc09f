// Corvane1.0.exe: the program takes no command-line options.
#include <windows.h>

#include "app/program_port.h"
#include "app/program_win32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return corvane::RunProgram(corvane::MakeProgramHidPort());
}
