// The off-screen drawing context: drawing goes to a bitmap compatible with
// the target, and the destruction copies the rectangle to the target in one
// piece, so a window never shows a half-drawn state. On a printer context
// it draws straight onto the target.
#pragma once

#include <windows.h>

namespace corvane {

class CMemDC {
  public:
    // An all-zero `rect` means the target's current clip box. Drawing uses
    // the target's coordinates.
    explicit CMemDC(HDC target, const RECT& rect = RECT{});
    // The canvas pattern from the start: `canvas` is the surface, and no
    // compatible bitmap is made unless `canvas` is nullptr (a blank surface).
    CMemDC(HDC target, const RECT& rect, HBITMAP canvas);
    ~CMemDC();
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    HDC dc() const { return offScreen_ ? memory_ : target_; }
    bool offScreen() const { return offScreen_; }
    const RECT& rect() const { return rect_; }

    // The canvas pattern: `canvas` (a window's background bitmap) replaces
    // the compatible bitmap as the surface, so what is drawn stays on it.
    void SelectCanvas(HBITMAP canvas);

  private:
    HDC target_;
    HDC memory_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    RECT rect_{};
    bool offScreen_ = false;
};

}  // namespace corvane
