// Costs of the pages under Wine, each beside a floor measured the same way:
//   opening a key list = the box click, the list created with its 14
//                        functions and painted in the window's colours;
//                        floor: a bare LISTBOX created with 14 items, painted
//   a choice           = the assignment, the box redrawn, one copy;
//                        floor: decoding the box image plus one BitBlt
//   an LED click       = the page image and its marks, one copy;
//                        floor: decoding the page image and the tick plus one
//                        BitBlt
// Target: each within 1.3 times its floor.
// Run: scripts/wine-env.sh -- wine build/windows/bench/ui/corvane_pages_bench.exe [skin folder]
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench_setup_win32.h"
#include "bench_timing_win32.h"
#include "ui/main/main_host_win32.h"
#include "ui/main/main_layout.h"
#include "ui/main/main_window_tables.h"
#include "ui/main/tessary_dlg.h"
#include "ui/main/text_table.h"
#include "ui/skin/load_png_win32.h"
#include "ui/skin/skin_dir.h"

namespace corvane {
namespace {

using bench::Figures;
using bench::Print;

constexpr int kRounds = 200;
constexpr double kTarget = 1.3;
constexpr int kBareListId = 99;
constexpr KeyBox kBox{0, 1};

// The window's control colours for its own lists, as the main window hands
// them out; the floor's bare list keeps the default ones.
CTessaryDlg* gDialog = nullptr;
MainHostWin32* gHost = nullptr;

LRESULT CALLBACK BenchWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CTLCOLORLISTBOX && gDialog != nullptr &&
        GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) != kBareListId) {
        const auto defaultResult =
            reinterpret_cast<HBRUSH>(DefWindowProcW(window, message, wParam, lParam));
        const ControlColourChoice choice = gDialog->ControlColour(
            ControlCategory::ListBox, GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
        return reinterpret_cast<LRESULT>(
            gHost->ApplyControlColour(reinterpret_cast<HDC>(wParam), choice, defaultResult));
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

Point CentreOf(const Rect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void PrintBeside(const char* name, Figures f, Figures floor) {
    Print(name, f, &floor);
}

int Run(const std::wstring& skin) {
    HWND window = bench::OpenMainSizedWindow(L"CorvanePagesBench", BenchWindowProc,
                                             WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN);
    const auto app = bench::MainWindowBench::Open(window, skin, [](DeviceState& state) {
        state.records.working.leftRuleLayer = 2;  // no left-click rule
        state.records.working.ledMode = 1;
        state.records.working.reportRate = 8;
    });
    if (app == nullptr) {
        return 1;
    }
    MainHostWin32& host = app->host;
    CTessaryDlg& dlg = *app->dlg;
    gDialog = &dlg;
    gHost = &host;
    dlg.ShowKeyPage();

    const int listId = KeyListId(kBox.layer, kBox.button);
    const Point boxCentre = CentreOf(kKeyBoxes[kBox.layer][kBox.button]);
    const auto onKeyPage = [&] {
        if (dlg.currentPage() != kKeyPage) {
            dlg.ShowKeyPage();
        }
    };
    const auto closeKeyList = [&] {
        onKeyPage();
        if (dlg.keyListOpen(kBox.layer, kBox.button)) {
            dlg.OnLButtonDown(boxCentre);
        }
    };
    const auto openKeyList = [&] {
        onKeyPage();
        if (!dlg.keyListOpen(kBox.layer, kBox.button)) {
            dlg.OnLButtonDown(boxCentre);
        }
    };

    std::vector<std::wstring> functionNames;
    for (std::wstring_view name : TextTableFor(kLangEnglishUs).functionNames) {
        functionNames.emplace_back(name);
    }
    HWND bareList = nullptr;
    const Rect zone = kKeyListZones[kBox.layer][kBox.button];

    int choice = 0;
    bool lightingRowA = false;
    GdiplusLease lease;  // as the window's own image keeps GDI+ started
    const std::vector<Figures> f = bench::Measure(
        {
            // Opening a key list.
            {closeKeyList,
             [&] {
                 dlg.OnLButtonDown(boxCentre);
                 UpdateWindow(GetDlgItem(window, listId));
             }},
            // Floor: a bare list box with the same items, painted.
            {[&] {
                 if (bareList != nullptr) {
                     DestroyWindow(bareList);
                 }
             },
             [&] {
                 bareList = CreateWindowExW(
                     0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY, zone.left,
                     zone.top, zone.Width(), zone.Height(), window,
                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(kBareListId)),
                     GetModuleHandleW(nullptr), nullptr);
                 for (const std::wstring& name : functionNames) {
                     SendMessageW(bareList, LB_ADDSTRING, 0,
                                  reinterpret_cast<LPARAM>(name.c_str()));
                 }
                 UpdateWindow(bareList);
             }},
            // A choice: Mid Click and Right Click in turn.
            {[&] {
                 openKeyList();
                 choice = choice == 2 ? 1 : 2;
                 // Shown and highlighted, as the user saw it before the click.
                 HWND list = GetDlgItem(window, listId);
                 SendMessageW(list, LB_SETCURSEL, choice, 0);
                 UpdateWindow(list);
             },
             [&] { dlg.OnListNotify(listId, ChildEvent::ListSelectionChanged); }},
            // Floor: the box image decoded, one copy of the client area.
            [&] {
                DecodedImage box(SkinImagePath(skin, kImageDropdownNormal));
                bench::CopyBackBuffer(window, host.backBuffer());
            },
            // An LED click: two lighting rows in turn.
            {[&] {
                 if (dlg.currentPage() != kLedPage) {
                     dlg.ShowLedPage();
                 }
                 lightingRowA = !lightingRowA;
             },
             [&] { dlg.OnLButtonDown(CentreOf(kLightingRows[lightingRowA ? 2 : 3])); }},
            // Floor: the page image and the tick decoded, one copy.
            [&] {
                DecodedImage page(SkinImagePath(skin, kImageLedSet));
                DecodedImage tick(SkinImagePath(skin, kImageTick));
                bench::CopyBackBuffer(window, host.backBuffer());
            },
        },
        kRounds);

    std::printf("Pages of the main window, %d rounds each, target x%.1f of each floor\n", kRounds,
                kTarget);
    Print("floor: bare LISTBOX, 14 items, painted", f[1], nullptr);
    Print("floor: decode the box image + one BitBlt", f[3], nullptr);
    Print("floor: decode LEDSet and the tick + BitBlt", f[5], nullptr);
    PrintBeside("opening a key list", f[0], f[1]);
    PrintBeside("a choice (assign, box redraw, copy)", f[2], f[3]);
    PrintBeside("an LED click", f[4], f[5]);
    app->messages.ReportFailedImages();

    gDialog = nullptr;
    gHost = nullptr;
    if (bareList != nullptr) {
        DestroyWindow(bareList);
    }
    return app->Close(window);
}

}  // namespace
}  // namespace corvane

int wmain(int argc, wchar_t** argv) {
    return corvane::Run(argc > 1 ? argv[1] : corvane::bench::DefaultSkinDir());
}
