// Costs of the key function dialogs under Wine, each beside its floor:
//   opening      = the dialog's window from its template, its font, its
//                  background decoded, its children, its first paint
//   floor        = a bare window of the same size created and shown, the
//                  background and both button images decoded, one BitBlt
//                  (and, beside the fire key dialog, its three edit boxes)
//   hover change = the over image of one button and the normal image of the
//                  other decoded and blended, one copy of the client area
//   floor        = the two decodes, one BitBlt
// Run: scripts/wine-env.sh -- wine build/windows/bench/ui/corvane_dialog_bench.exe [skin folder]
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench_setup_win32.h"
#include "bench_timing_win32.h"
#include "ui/dialogs/dialog_factory.h"
#include "ui/dialogs/dialog_layout.h"
#include "ui/skin/dialog_host_win32.h"
#include "ui/skin/load_png_win32.h"
#include "ui/skin/skin_dir.h"

namespace corvane {
namespace {

using bench::Figures;
using bench::Print;

constexpr int kRounds = 200;

HWND CreateBareWindow(const wchar_t* className, int width, int height, DWORD style) {
    return CreateWindowExW(0, className, L"", style, 0, 0, width, height, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

// One BitBlt of a dialog-sized memory surface to `window`.
void CopyClientArea(HWND window, HDC memory, int width, int height) {
    HDC dc = GetDC(window);
    BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
}

int Run(const std::wstring& skin) {
    const wchar_t* className = bench::RegisterBenchClass(L"CorvaneDialogBench");
    HWND owner = CreateBareWindow(className, 760, 630, WS_POPUP | WS_VISIBLE);
    bench::CountingMessages messages;
    DialogFlagsOfRun flags;
    GdiplusLease lease;  // as the main window's own image keeps GDI+ started

    const DialogLayout& media = LayoutOf(DialogKind::Media);
    const int width = media.clientWidth;
    const int height = media.clientHeight;
    const std::wstring background = SkinImagePath(skin, media.background);
    const std::wstring acceptNormal = SkinImagePath(skin, media.acceptNormal);
    const std::wstring cancelNormal = SkinImagePath(skin, media.cancelNormal);
    const std::wstring acceptOver = SkinImagePath(skin, media.acceptOver);
    const std::wstring cancelOver = SkinImagePath(skin, media.cancelOver);

    HDC screen = GetDC(owner);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP surface = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ oldSurface = SelectObject(memory, surface);
    ReleaseDC(owner, screen);

    // A dialog of `kind` opened and painted, then closed again.
    const auto openAndPaint = [&](DialogKind kind) {
        DialogHostWin32 host(skin, messages);
        const auto dialog =
            MakeDialog(kind, DialogParts{host, messages, flags, 0x0106}, DialogInputs{0, 1033});
        host.Open(owner, *dialog);
        UpdateWindow(host.window());
        host.Close();
    };
    // The floor, with `editBoxes` bare edit children for the fire key's
    // number boxes, which the plain floor has nothing for.
    const auto bareWindow = [&](int editBoxes) {
        HWND bare =
            CreateBareWindow(className, width + 2, height + 2, WS_POPUP | WS_BORDER | WS_VISIBLE);
        for (int i = 0; i < editBoxes; ++i) {
            const Rect& box = kFireKeyNumberBoxes[i].box;
            CreateWindowExW(0, L"EDIT", L"5", WS_CHILD | WS_VISIBLE, box.left, box.top, box.Width(),
                            box.Height(), bare, nullptr, nullptr, nullptr);
        }
        DecodedImage backgroundImage(background);
        DecodedImage accept(acceptNormal);
        DecodedImage cancel(cancelNormal);
        CopyClientArea(bare, memory, width, height);
        UpdateWindow(bare);
        DestroyWindow(bare);
    };

    DialogHostWin32 hoverHost(skin, messages);
    const auto hoverDialog = MakeDialog(
        DialogKind::Media, DialogParts{hoverHost, messages, flags, 0x0106}, DialogInputs{0, 1033});
    hoverHost.Open(owner, *hoverDialog);
    UpdateWindow(hoverHost.window());
    bool onAccept = false;
    const Point acceptPoint{media.accept.left + 5, media.accept.top + 5};
    const Point cancelPoint{media.cancel.left + 5, media.cancel.top + 5};

    // Two batches: windows created and destroyed make the next drawing on
    // any window recompute its visible region, which the hover steps must
    // not pay for.
    const std::vector<Figures> opening =
        bench::Measure({
                           [&] { openAndPaint(DialogKind::Media); },
                           [&] { openAndPaint(DialogKind::FireKey); },
                           [&] { bareWindow(0); },
                           [&] { bareWindow(3); },
                       },
                       kRounds);
    const std::vector<Figures> hovering =
        bench::Measure({
                           [&] {
                               // Each hover draws one over and one normal image.
                               onAccept = !onAccept;
                               hoverDialog->OnMouseHover(onAccept ? acceptPoint : cancelPoint);
                           },
                           [&] {
                               // The same two decodes as the hover, alternating like it.
                               DecodedImage over(onAccept ? acceptOver : cancelOver);
                               DecodedImage normal(onAccept ? cancelNormal : acceptNormal);
                           },
                           [&] { CopyClientArea(hoverHost.window(), memory, width, height); },
                       },
                       kRounds);
    const Figures openMedia = opening[0], openFire = opening[1], floorOpen = opening[2],
                  floorFire = opening[3];
    const Figures hover = hovering[0], decodeTwo = hovering[1], copy = hovering[2];
    const Figures floorHover = decodeTwo + copy;

    std::printf("Key function dialogs, %d rounds each, client %d x %d\n", kRounds, width, height);
    Print("floor: bare window, 3 decodes, one BitBlt", floorOpen, nullptr);
    Print("open and paint the media key dialog", openMedia, &floorOpen);
    Print("open and paint the fire key dialog", openFire, &floorOpen);
    Print("floor with three bare edit children", floorFire, nullptr);
    Print("  fire key beside that", openFire, &floorFire);
    Print("floor: decode the hover's two PNGs", decodeTwo, nullptr);
    Print("floor: one BitBlt of the client area", copy, nullptr);
    Print("hover change (accept <-> cancel)", hover, &floorHover);
    std::printf("(target: within x1.30 of the floor)\n");

    hoverHost.Close();
    SelectObject(memory, oldSurface);
    DeleteObject(surface);
    DeleteDC(memory);
    DestroyWindow(owner);
    messages.ReportFailedImages();
    return messages.shown == 0 ? 0 : 1;
}

}  // namespace
}  // namespace corvane

int wmain(int argc, wchar_t** argv) {
    return corvane::Run(argc > 1 ? argv[1] : corvane::bench::DefaultSkinDir());
}
