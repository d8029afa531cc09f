// Linked into every native test program: before any test runs, the process
// environment loses what would make results depend on the machine's
// session. The locale variables choose the programs' language, and the
// configuration folder is where the Linux programs keep their settings.
#include <sys/stat.h>

#include <cstdlib>
#include <initializer_list>

namespace {

const bool kSessionCleared = [] {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        unsetenv(name);
    }
    mkdir(CORVANE_TEST_CONFIG_HOME, 0700);
    setenv("XDG_CONFIG_HOME", CORVANE_TEST_CONFIG_HOME, 1);
    return true;
}();

}  // namespace
