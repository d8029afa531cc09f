// What the window benchmarks set up alike: their window, the skin folder,
// a message sink that counts what would have been shown, and the main
// window's logic over its real host.
#pragma once

#include <windows.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "core/module_path.h"
#include "core/system_facts.h"
#include "core/user_messages.h"
#include "settings/file_store.h"
#include "settings/ini_store.h"
#include "settings/settings_files.h"
#include "ui/main/main_host_win32.h"
#include "ui/main/main_layout.h"
#include "ui/main/tessary_dlg.h"
#include "ui/main/text_table.h"
#include "ui/skin/load_png_win32.h"
#include "ui/skin/skin_dir.h"

namespace corvane::bench {

// Counts the messages a run would have shown: any is a skin image that
// failed to load.
class CountingMessages final : public UserMessages {
  public:
    int shown = 0;
    void Show(MessageKind, Caption, std::int64_t) override { ++shown; }
    // Says how many images failed to load, if any.
    void ReportFailedImages() const {
        if (shown != 0) {
            std::printf("%d images failed to load\n", shown);
        }
    }
};

// The English skin of the source tree's assets, as Wine names it.
inline std::wstring DefaultSkinDir() {
    std::wstring dir = CORVANE_ASSETS_DIR_W;
    if (!dir.empty() && dir[0] == L'/') {
        dir = L"Z:" + dir;  // Wine maps the Unix root to drive Z:
    }
    return dir + L"/Skins/EN";
}

// Registers the benchmark's window class; its name.
inline const wchar_t* RegisterBenchClass(const wchar_t* name, WNDPROC proc = DefWindowProcW) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = name;
    RegisterClassW(&wc);
    return name;
}

// A window of the main window's client size, of a class registered here.
inline HWND OpenMainSizedWindow(const wchar_t* className, WNDPROC proc, DWORD style) {
    RegisterBenchClass(className, proc);
    return CreateWindowExW(0, className, L"bench", style, 0, 0, kClientWidth, kClientHeight,
                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// One BitBlt of the main window's back buffer to `window`.
inline void CopyBackBuffer(HWND window, HBITMAP backBuffer) {
    HDC dc = GetDC(window);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, backBuffer);
    BitBlt(dc, 0, 0, kClientWidth, kClientHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(window, dc);
}

// The main window's logic over its real host in the benchmark's window,
// with the skin's background as back buffer and the platform's stores.
struct MainWindowBench {
    // None (said on stdout) when the skin's background does not load.
    // `adjust` sets the state the window starts from; the state never asks
    // for first-run handling, so no files are touched.
    static std::unique_ptr<MainWindowBench> Open(HWND window, const std::wstring& skin,
                                                 const std::function<void(DeviceState&)>& adjust) {
        auto bench = std::make_unique<MainWindowBench>();
        bench->host.Attach(window);
        bench->host.SetUp({skin, FontsFor(kLangEnglishUs, 0x0106), 0x0106, bench->messages});
        bench->host.LoadBackground(kImageMain);
        if (bench->host.backBuffer() == nullptr) {
            std::printf("cannot load %ls\n", SkinImagePath(skin, kImageMain).c_str());
            return nullptr;
        }
        bench->state.firstRunFlag = 1;
        if (adjust) {
            adjust(bench->state);
        }
        bench->files = MakePlatformFileStore();
        bench->ini = MakePlatformIniStore();
        bench->facts = MakePlatformSystemFacts();
        bench->stored = std::make_unique<SettingsFiles>(
            bench->state, *bench->files, *bench->ini, *bench->facts,
            ExecutableFolder(bench->facts->ExecutablePath()), L"Setting-EN");
        bench->dlg = std::make_unique<CTessaryDlg>(bench->state, bench->host, bench->messages,
                                                   TextTableFor(kLangEnglishUs), *bench->stored,
                                                   bench->owner, kLangEnglishUs);
        return bench;
    }

    // Destroys the benchmark's window; the exit code: 0 when every image
    // loaded.
    int Close(HWND window) {
        DestroyWindow(window);
        return messages.shown == 0 ? 0 : 1;
    }

    // Save and Close are not pressed in a benchmark.
    class Owner final : public MainWindowOwner {
      public:
        bool WriteMouse() override { return false; }
        void EndProgram() override {}
    };

    CountingMessages messages;
    MainHostWin32 host;
    DeviceState state;
    std::unique_ptr<FileStore> files;
    std::unique_ptr<IniStore> ini;
    std::unique_ptr<SystemFacts> facts;
    std::unique_ptr<SettingsFiles> stored;
    Owner owner;
    std::unique_ptr<CTessaryDlg> dlg;
};

}  // namespace corvane::bench
