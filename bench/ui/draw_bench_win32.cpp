// Drawing costs of the main window under Wine, each beside its floor:
//   hover change   = two PNG decodes, blends, one copy of the client area
//   key page draw  = the page image, ten labels, one copy
//   floors         = one BitBlt of the client area; decoding the same PNGs
// Run: scripts/wine-env.sh -- wine build/windows/bench/ui/corvane_draw_bench.exe [skin folder]
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench_setup_win32.h"
#include "bench_timing_win32.h"
#include "ui/main/main_host_win32.h"
#include "ui/main/main_layout.h"
#include "ui/main/tessary_dlg.h"
#include "ui/skin/load_png_win32.h"
#include "ui/skin/skin_dir.h"

namespace corvane {
namespace {

using bench::Figures;
using bench::Print;

constexpr int kRounds = 200;

int Run(const std::wstring& skin) {
    HWND window =
        bench::OpenMainSizedWindow(L"CorvaneDrawBench", DefWindowProcW, WS_POPUP | WS_VISIBLE);
    const auto app = bench::MainWindowBench::Open(window, skin, nullptr);
    if (app == nullptr) {
        return 1;
    }
    const MainHostWin32& host = app->host;
    CTessaryDlg& dlg = *app->dlg;
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
            [&] { bench::CopyBackBuffer(window, host.backBuffer()); },
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
    app->messages.ReportFailedImages();

    return app->Close(window);
}

}  // namespace
}  // namespace corvane

int wmain(int argc, wchar_t** argv) {
    return corvane::Run(argc > 1 ? argv[1] : corvane::bench::DefaultSkinDir());
}
