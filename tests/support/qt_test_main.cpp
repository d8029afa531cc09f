// The main of the Qt host tests: one QApplication on Qt's offscreen
// platform for the whole run, in a private runtime folder and the C locale,
// whatever the environment of the caller says.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>

#include <cstdlib>
#include <string>

// Qt's platform libraries keep a few allocations for the life of the
// process (the session bus, the font configuration); they are not ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\nleak:libfontconfig.so\n";
}

int main(int argc, char** argv) {
    char runtime[] = "/tmp/corvane-qt-tests-XXXXXX";  // made with mode 0700
    if (mkdtemp(runtime) == nullptr) {
        return 1;
    }
    setenv("XDG_RUNTIME_DIR", runtime, 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    unsetenv("LANG");

    ::testing::InitGoogleMock(&argc, argv);
    int result = 0;
    {
        QApplication app(argc, argv);
        result = RUN_ALL_TESTS();
    }
    rmdir(runtime);
    return result;
}
