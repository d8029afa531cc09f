// Drawing costs of the main window under Wine, each beside its floor:
//   hover change   = two PNG decodes, blends, one copy of the client area
//   key page draw  = the page image, ten labels, one copy
//   floors         = one BitBlt of the client area; decoding the same PNGs
// Run: scripts/wine-env.sh -- wine build/windows/bench/ui/corvane_draw_bench.exe [skin folder]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench_timing_win32.h"
#include "core/system_facts.h"
#include "settings/file_store.h"
#include "settings/ini_store.h"
#include "settings/stored_files.h"
#include "ui/main/main_host_win32.h"
#include "ui/main/main_layout.h"
#include "ui/main/tessary_dlg.h"
#include "ui/main/text_table.h"
#include "ui/skin/load_png_win32.h"
#include "ui/skin/skin_dir.h"

namespace corvane {
namespace {

using bench::Figures;
using bench::Print;

constexpr int kRounds = 200;

class CountingMessages final : public UserMessages {
  public:
    int shown = 0;
    void Show(MessageKind, Caption, std::int64_t) override { ++shown; }
};

std::wstring DefaultSkinDir() {
    std::wstring dir = CORVANE_ASSETS_DIR_W;
    if (!dir.empty() && dir[0] == L'/') {
        dir = L"Z:" + dir;  // Wine maps the Unix root to drive Z:
    }
    return dir + L"/Skins/EN";
}

int Run(const std::wstring& skin) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"CorvaneDrawBench";
    RegisterClassW(&wc);
    HWND window =
        CreateWindowExW(0, wc.lpszClassName, L"bench", WS_POPUP | WS_VISIBLE, 0, 0, kClientWidth,
                        kClientHeight, nullptr, nullptr, wc.hInstance, nullptr);
    HFONT pageFont = CreateFontW(18, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0x20, L"Tahoma");
    HFONT listFont = CreateFontW(16, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0x20, L"Tahoma");

    CountingMessages messages;
    MainHostWin32 host(window, skin, messages, {pageFont, listFont});
    host.SetBackBuffer(LoadBackgroundBitmap(SkinImagePath(skin, kImageMain)));
    if (host.backBuffer() == nullptr) {
        std::printf("cannot load %ls\n", SkinImagePath(skin, kImageMain).c_str());
        return 1;
    }
    AppState state;
    state.firstRunFlag = 1;  // no first-run handling, no files touched
    auto files = MakePlatformFileStore();
    auto ini = MakePlatformIniStore();
    auto facts = MakePlatformSystemFacts();
    StoredFiles stored(state, *files, *ini, *facts, messages, L"Setting-EN");
    CTessaryDlg dlg(state, host, messages, TextTableFor(kLangEnglishUs), stored, nullptr,
                    kLangEnglishUs);
    for (auto& layer : dlg.labels()) {
        for (auto& label : layer) {
            label = L"Right Click";
        }
    }
    dlg.ShowKeyPage();

    // Alternating Save and Exit: each hover draws one over and one normal image.
    bool onSave = false;
    GdiplusLease lease;  // as the window's own image keeps GDI+ started
    const std::vector<Figures> f = bench::Measure(
        {
            [&] {
                onSave = !onSave;
                dlg.OnMouseHover(onSave ? Point{kSaveButton.left + 5, kSaveButton.top + 5}
                                        : Point{kExitButton.left + 5, kExitButton.top + 5});
            },
            [&] {
                dlg.setCurrentPage(kNoPage);
                dlg.ShowKeyPage();
            },
            [&] {
                HDC dc = GetDC(window);
                HDC memory = CreateCompatibleDC(dc);
                HGDIOBJ old = SelectObject(memory, host.backBuffer());
                BitBlt(dc, 0, 0, kClientWidth, kClientHeight, memory, 0, 0, SRCCOPY);
                SelectObject(memory, old);
                DeleteDC(memory);
                ReleaseDC(window, dc);
            },
            [&] {
                DecodedImage over(SkinImagePath(skin, onSave ? kImageSaveOver : kImageExitOver));
                DecodedImage normal(
                    SkinImagePath(skin, onSave ? kImageExitNormal : kImageSaveNormal));
            },
            [&] { DecodedImage page(SkinImagePath(skin, kImageKeySet)); },
        },
        kRounds);
    const Figures hover = f[0], keyPage = f[1], copy = f[2], decodeTwo = f[3], decodeKeySet = f[4];
    const Figures floorHover = copy + decodeTwo;
    const Figures floorKeyPage = copy + decodeKeySet;

    std::printf("Main window drawing, %d rounds each, client %d x %d\n", kRounds, kClientWidth,
                kClientHeight);
    Print("floor: one BitBlt of the client area", copy, nullptr);
    Print("floor: decode the hover's two PNGs", decodeTwo, nullptr);
    Print("floor: decode KeySet.png", decodeKeySet, nullptr);
    Print("hover change (Save <-> Exit)", hover, &floorHover);
    Print("  vs BitBlt alone", hover, &copy);
    Print("key page full draw", keyPage, &floorKeyPage);
    Print("  vs BitBlt alone", keyPage, &copy);
    std::printf(
        "(floor of a hover change = BitBlt + two decodes; of the key page = BitBlt + "
        "KeySet decode)\n");
    if (messages.shown != 0) {
        std::printf("%d images failed to load\n", messages.shown);
    }

    DestroyWindow(window);
    DeleteObject(pageFont);
    DeleteObject(listFont);
    return messages.shown == 0 ? 0 : 1;
}

}  // namespace
}  // namespace corvane

int wmain(int argc, wchar_t** argv) {
    return corvane::Run(argc > 1 ? argv[1] : corvane::DefaultSkinDir());
}
