#include "ui/skin/mem_dc_win32.h"

namespace corvane {

CMemDC::CMemDC(HDC target, const RECT& rect) : CMemDC(target, rect, nullptr) {}

CMemDC::CMemDC(HDC target, const RECT& rect, HBITMAP canvas) : target_(target), rect_(rect) {
    if (target_ == nullptr || GetDeviceCaps(target_, TECHNOLOGY) == DT_RASPRINTER) {
        return;
    }
    if (rect_.left == 0 && rect_.top == 0 && rect_.right == 0 && rect_.bottom == 0) {
        GetClipBox(target_, &rect_);
    }
    memory_ = CreateCompatibleDC(target_);
    if (memory_ == nullptr) {
        return;
    }
    if (canvas != nullptr) {
        oldBitmap_ = SelectObject(memory_, canvas);
    }
    // Without a canvas (or one that cannot be selected) the surface is a
    // blank bitmap of the rectangle's size.
    if (oldBitmap_ == nullptr) {
        bitmap_ =
            CreateCompatibleBitmap(target_, rect_.right - rect_.left, rect_.bottom - rect_.top);
        if (bitmap_ == nullptr) {
            DeleteDC(memory_);
            memory_ = nullptr;
            return;
        }
        oldBitmap_ = SelectObject(memory_, bitmap_);
    }
    SetWindowOrgEx(memory_, rect_.left, rect_.top, nullptr);
    offScreen_ = true;
}

CMemDC::~CMemDC() {
    if (!offScreen_) {
        return;
    }
    BitBlt(target_, rect_.left, rect_.top, rect_.right - rect_.left, rect_.bottom - rect_.top,
           memory_, rect_.left, rect_.top, SRCCOPY);
    SelectObject(memory_, oldBitmap_);
    if (bitmap_ != nullptr) {
        DeleteObject(bitmap_);
    }
    DeleteDC(memory_);
}

void CMemDC::SelectCanvas(HBITMAP canvas) {
    if (offScreen_ && canvas != nullptr) {
        SelectObject(memory_, canvas);
    }
}

}  // namespace corvane
