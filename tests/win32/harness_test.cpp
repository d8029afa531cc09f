// Proves the Wine harness: a window of a registered copy of the system dialog
// class is found by class name from a second process, and exit codes of
// started programs come back.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring ProbePath() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self);
    path.resize(path.find_last_of(L"\\/") + 1);
    return path + L"find_window_probe.exe";
}

DWORD RunProbe(const std::wstring& className) {
    std::wstring commandLine = L"\"" + ProbePath() + L"\" " + className;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return 1000 + GetLastError();
    }
    WaitForSingleObject(process.hProcess, 30000);
    DWORD code = 999;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

TEST(WineHarness, DialogClassCopyIsFoundByClassFromAnotherProcess) {
    const wchar_t* kClass = L"CorvaneHarnessClass";
    WNDCLASSW wc{};
    ASSERT_TRUE(GetClassInfoW(nullptr, MAKEINTRESOURCEW(0x8002), &wc));
    wc.lpszClassName = kClass;
    wc.hInstance = GetModuleHandleW(nullptr);
    ASSERT_NE(RegisterClassW(&wc), 0);

    EXPECT_EQ(RunProbe(kClass), 1u) << "no window yet";

    HWND window = CreateWindowExW(0, kClass, L"harness", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(RunProbe(kClass), 0u);

    DestroyWindow(window);
    UnregisterClassW(kClass, wc.hInstance);
}

}  // namespace
