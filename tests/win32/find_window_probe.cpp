// A second process for the harness test: exits 0 when a top-level window of
// the class named on the command line exists, 1 otherwise.
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        return 2;
    }
    return FindWindowW(argv[1], nullptr) != nullptr ? 0 : 1;
}
