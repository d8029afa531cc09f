// Pixel helpers of the Win32 drawing tests: canvases, reading bitmaps and
// windows, writing test PNGs with GDI+, and the blend arithmetic the
// results are compared against.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ui/skin/gdiplus_win32.h"
#include "ui/skin/load_png_win32.h"
#include "ui/skin/premultiply.h"

namespace corvane::testing {

struct Bgra {
    std::uint8_t b, g, r, a;
};

// Pixels top row first, 4 bytes each (blue, green, red, alpha).
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<Bgra> data;
    Bgra At(int x, int y) const { return data[static_cast<std::size_t>(y) * width + x]; }
};

inline BITMAPINFO TopDown32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A 32-bit canvas selected into its own memory context.
class Canvas {
  public:
    Canvas(int width, int height, Bgra fill) : width_(width), height_(height) {
        BITMAPINFO info = TopDown32(width, height);
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        pixels_ = static_cast<Bgra*>(bits);
        for (int i = 0; i < width * height; ++i) {
            pixels_[i] = fill;
        }
        dc_ = CreateCompatibleDC(nullptr);
        old_ = SelectObject(dc_, bitmap_);
    }
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    Bgra At(int x, int y) const {
        GdiFlush();
        return pixels_[y * width_ + x];
    }
    int width() const { return width_; }
    int height() const { return height_; }

  private:
    int width_, height_;
    HBITMAP bitmap_ = nullptr;
    Bgra* pixels_ = nullptr;
    HDC dc_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

inline Pixels ReadBitmap(HBITMAP bitmap, int width, int height) {
    Pixels p{width, height, std::vector<Bgra>(static_cast<std::size_t>(width) * height)};
    BITMAPINFO info = TopDown32(width, height);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, height, p.data.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return p;
}

// The window's client area as it is on the screen.
inline Pixels ReadWindow(HWND window, int width, int height) {
    HDC source = GetDC(window);
    HDC memory = CreateCompatibleDC(source);
    BITMAPINFO info = TopDown32(width, height);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
    GdiFlush();
    Pixels p{width, height, std::vector<Bgra>(static_cast<std::size_t>(width) * height)};
    std::memcpy(p.data.data(), bits, p.data.size() * sizeof(Bgra));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, source);
    return p;
}

// The straight (not premultiplied) pixels of a PNG, decoded by GDI+.
inline Pixels DecodeStraight(const std::wstring& path) {
    DecodedImage image(path);
    EXPECT_TRUE(image.ok()) << "cannot decode the test image";
    Pixels p{image.width(), image.height(), {}};
    if (!image.ok() || image.bitsPerPixel() != 32) {
        return p;
    }
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const Bgra*>(image.firstRow() + y * image.pitch());
        p.data.insert(p.data.end(), row, row + image.width());
    }
    return p;
}

// Source-over of a straight pixel onto an opaque destination, after the
// truncating premultiply step.
inline Bgra BlendOver(Bgra src, Bgra dst) {
    const auto channel = [&](std::uint8_t s, std::uint8_t d) {
        return static_cast<std::uint8_t>(PremultiplyChannel(s, src.a) + d * (255 - src.a) / 255);
    };
    return {channel(src.b, dst.b), channel(src.g, dst.g), channel(src.r, dst.r), dst.a};
}

// Colour channels equal within `tolerance`; alpha is ignored (GDI leaves 0).
inline bool SameColour(Bgra a, Bgra b, int tolerance = 0) {
    return std::abs(a.b - b.b) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.r - b.r) <= tolerance;
}

inline std::string Describe(Bgra p) {
    return "(b " + std::to_string(p.b) + ", g " + std::to_string(p.g) + ", r " +
           std::to_string(p.r) + ", a " + std::to_string(p.a) + ")";
}

// Writes `pixels` (straight BGRA, top row first) as a PNG through GDI+.
inline bool WritePng(const std::wstring& path, int width, int height, std::vector<Bgra> pixels,
                     bool withAlpha = true) {
    using namespace Gdiplus::DllExports;
    GdiplusLease lease;
    std::vector<std::uint8_t> rgb;
    void* scan0 = pixels.data();
    INT stride = width * 4;
    Gdiplus::PixelFormat format = PixelFormat32bppARGB;
    if (!withAlpha) {
        stride = ((width * 3 + 3) / 4) * 4;
        rgb.assign(static_cast<std::size_t>(stride) * height, 0);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const Bgra& p = pixels[static_cast<std::size_t>(y) * width + x];
                std::uint8_t* out = &rgb[static_cast<std::size_t>(y) * stride + x * 3];
                out[0] = p.b;
                out[1] = p.g;
                out[2] = p.r;
            }
        }
        scan0 = rgb.data();
        format = PixelFormat24bppRGB;
    }
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (GdipCreateBitmapFromScan0(width, height, stride, format, static_cast<BYTE*>(scan0),
                                  &bitmap) != Gdiplus::Ok) {
        return false;
    }
    // The PNG encoder.
    const CLSID png = {
        0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
    const bool saved = GdipSaveImageToFile(bitmap, path.c_str(), &png, nullptr) == Gdiplus::Ok;
    GdipDisposeImage(bitmap);
    return saved;
}

inline std::wstring TempPath(const std::wstring& name) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + L"corvane_" + name;
}

// The committed skin folder as a Windows path (Wine maps / to drive Z:).
inline std::wstring AssetsSkinDir(const wchar_t* language) {
    std::wstring dir = CORVANE_ASSETS_DIR_W;
    if (!dir.empty() && dir[0] == L'/') {
        dir = L"Z:" + dir;
    }
    return dir + L"/Skins/" + language;
}

}  // namespace corvane::testing
