// PNG skin images on Win32: decoded by GDI+ into a device-independent
// bitmap section, premultiplied, and drawn at their natural size. Nothing is
// cached: every draw reads and decodes the file again.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "core/user_messages.h"
#include "ui/skin/gdiplus_lease_win32.h"

namespace corvane {

// One decoded image, alive for one load or one draw (or, for a background,
// until its bitmap is taken out).
class DecodedImage {
  public:
    explicit DecodedImage(const std::wstring& path);
    ~DecodedImage();
    DecodedImage(const DecodedImage&) = delete;
    DecodedImage& operator=(const DecodedImage&) = delete;

    bool ok() const { return bitmap_ != nullptr; }
    int width() const { return width_; }
    int height() const { return height_; }
    int bitsPerPixel() const { return bitsPerPixel_; }
    bool hasAlpha() const { return hasAlpha_; }
    int transparentIndex() const { return transparentIndex_; }
    // The top row; rows lie bottom-up, so the pitch is negative.
    std::uint8_t* firstRow() const { return firstRow_; }
    int pitch() const { return pitch_; }

    // Scales the colour channels of a 32-bit image by their alpha.
    void Premultiply();
    // Premultiplied and without a transparent pixel: drawn as a copy.
    bool opaque() const { return opaque_; }
    // Blends (alpha), keys (transparent index) or copies the image onto
    // `target` with its top-left corner at (x, y).
    bool DrawAt(HDC target, int x, int y) const;
    // Hands the bitmap section to the caller, who deletes it.
    HBITMAP TakeBitmap();

  private:
    GdiplusLease lease_;
    HBITMAP bitmap_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    int bitsPerPixel_ = 0;
    int pitch_ = 0;
    std::uint8_t* firstRow_ = nullptr;
    bool hasAlpha_ = false;
    bool opaque_ = false;
    int transparentIndex_ = -1;
    COLORREF transparentColour_ = 0;
};

// Loads the PNG at `path` and draws it at (x, y) on `target`. A file that
// cannot be loaded is reported as MessageKind::LoadPngFailed (no caption)
// and nothing is drawn. False when nothing was drawn.
bool LoadPng(HDC target, const std::wstring& path, int x, int y, UserMessages& messages);

// A window background: decoded once, never premultiplied, kept by the
// caller (who deletes it). nullptr when it cannot be loaded.
HBITMAP LoadBackgroundBitmap(const std::wstring& path);

}  // namespace corvane
