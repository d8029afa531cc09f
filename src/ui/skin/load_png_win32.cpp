#include "ui/skin/load_png_win32.h"

#include <span>
#include <vector>

#include "ui/skin/gdiplus_win32.h"
#include "ui/skin/premultiply.h"

namespace corvane {
namespace {

using namespace Gdiplus::DllExports;

// The bitmap form of a decoded format: alpha formats become 32-bit ARGB,
// plain bitmap formats stay, everything else becomes 32-bit RGB.
Gdiplus::PixelFormat ChosenFormat(Gdiplus::PixelFormat source) {
    if (Gdiplus::IsAlphaPixelFormat(source)) {
        return PixelFormat32bppARGB;
    }
    switch (source) {
        case PixelFormat1bppIndexed:
        case PixelFormat4bppIndexed:
        case PixelFormat8bppIndexed:
        case PixelFormat24bppRGB:
        case PixelFormat32bppRGB:
            return source;
        default:
            return PixelFormat32bppRGB;
    }
}

struct GdipBitmap {
    Gdiplus::GpBitmap* bitmap = nullptr;
    ~GdipBitmap() {
        if (bitmap != nullptr) {
            GdipDisposeImage(bitmap);
        }
    }
};

}  // namespace

DecodedImage::DecodedImage(const std::wstring& path) {
    if (!lease_.started()) {
        return;
    }
    GdipBitmap source;
    if (GdipCreateBitmapFromFile(path.c_str(), &source.bitmap) != Gdiplus::Ok) {
        return;
    }
    Gdiplus::PixelFormat format = 0;
    UINT width = 0;
    UINT height = 0;
    if (GdipGetImagePixelFormat(source.bitmap, &format) != Gdiplus::Ok ||
        GdipGetImageWidth(source.bitmap, &width) != Gdiplus::Ok ||
        GdipGetImageHeight(source.bitmap, &height) != Gdiplus::Ok || width == 0 || height == 0) {
        return;
    }
    const Gdiplus::PixelFormat chosen = ChosenFormat(format);
    const int bits = static_cast<int>(Gdiplus::GetPixelFormatSize(chosen));

    // Header plus room for a 256-entry colour table.
    std::vector<std::uint8_t> header(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
    auto* info = reinterpret_cast<BITMAPINFO*>(header.data());
    info->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info->bmiHeader.biWidth = static_cast<LONG>(width);
    info->bmiHeader.biHeight = static_cast<LONG>(height);  // bottom-up
    info->bmiHeader.biPlanes = 1;
    info->bmiHeader.biBitCount = static_cast<WORD>(bits);
    info->bmiHeader.biCompression = BI_RGB;

    if (Gdiplus::IsIndexedPixelFormat(chosen)) {
        INT paletteSize = 0;
        GdipGetImagePaletteSize(source.bitmap, &paletteSize);
        std::vector<std::uint8_t> paletteBytes(static_cast<std::size_t>(std::max(paletteSize, 0)) +
                                               sizeof(Gdiplus::ColorPalette));
        auto* palette = reinterpret_cast<Gdiplus::ColorPalette*>(paletteBytes.data());
        if (paletteSize <= 0 ||
            GdipGetImagePalette(source.bitmap, palette, paletteSize) != Gdiplus::Ok) {
            return;
        }
        const UINT count = std::min<UINT>(palette->Count, 1u << bits);
        info->bmiHeader.biClrUsed = count;
        for (UINT i = 0; i < count; ++i) {
            const Gdiplus::ARGB argb = palette->Entries[i];
            info->bmiColors[i] = RGBQUAD{static_cast<BYTE>(argb), static_cast<BYTE>(argb >> 8),
                                         static_cast<BYTE>(argb >> 16), 0};
            if (transparentIndex_ < 0 && (argb >> 24) == 0) {
                transparentIndex_ = static_cast<int>(i);
                transparentColour_ = RGB(argb >> 16 & 0xFF, argb >> 8 & 0xFF, argb & 0xFF);
            }
        }
    }

    void* pixels = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (section == nullptr || pixels == nullptr) {
        if (section != nullptr) {
            DeleteObject(section);
        }
        return;
    }
    const int stride = static_cast<int>(((width * bits + 31) / 32) * 4);
    auto* top = static_cast<std::uint8_t*>(pixels) + static_cast<std::size_t>(height - 1) * stride;

    // GDI+ fills the section row by row in the chosen format, converting
    // when the decoded format differs.
    Gdiplus::BitmapData data{};
    data.Width = width;
    data.Height = height;
    data.Stride = -stride;
    data.PixelFormat = chosen;
    data.Scan0 = top;
    Gdiplus::GpRect all(0, 0, static_cast<INT>(width), static_cast<INT>(height));
    if (GdipBitmapLockBits(source.bitmap, &all,
                           Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf, chosen,
                           &data) != Gdiplus::Ok) {
        DeleteObject(section);
        return;
    }
    GdipBitmapUnlockBits(source.bitmap, &data);

    bitmap_ = section;
    width_ = static_cast<int>(width);
    height_ = static_cast<int>(height);
    bitsPerPixel_ = bits;
    pitch_ = -stride;
    firstRow_ = top;
    hasAlpha_ = chosen == PixelFormat32bppARGB;
}

DecodedImage::~DecodedImage() {
    if (bitmap_ != nullptr) {
        DeleteObject(bitmap_);
    }
}

void DecodedImage::Premultiply() {
    if (bitmap_ == nullptr || bitsPerPixel_ != 32) {
        return;
    }
    GdiFlush();  // the section may be written by GDI+ through GDI
    // 32-bit rows are never padded: the rows form one block, bottom row first.
    std::uint8_t* bottom = firstRow_ + static_cast<std::ptrdiff_t>(pitch_) * (height_ - 1);
    opaque_ = PremultiplyBgra(
        std::span<std::uint8_t>(bottom, static_cast<std::size_t>(width_) * height_ * 4));
}

bool DecodedImage::DrawAt(HDC target, int x, int y) const {
    if (bitmap_ == nullptr || target == nullptr) {
        return false;
    }
    HDC source = CreateCompatibleDC(target);
    if (source == nullptr) {
        return false;
    }
    HGDIOBJ old = SelectObject(source, bitmap_);
    BOOL drawn = FALSE;
    if (hasAlpha_ && opaque_) {
        // Blending a premultiplied opaque image gives its own pixels.
        drawn = BitBlt(target, x, y, width_, height_, source, 0, 0, SRCCOPY);
    } else if (hasAlpha_) {
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        drawn = AlphaBlend(target, x, y, width_, height_, source, 0, 0, width_, height_, blend);
    } else if (transparentIndex_ >= 0) {
        drawn = TransparentBlt(target, x, y, width_, height_, source, 0, 0, width_, height_,
                               transparentColour_);
    } else {
        drawn = StretchBlt(target, x, y, width_, height_, source, 0, 0, width_, height_, SRCCOPY);
    }
    SelectObject(source, old);
    DeleteDC(source);
    return drawn != FALSE;
}

HBITMAP DecodedImage::TakeBitmap() {
    HBITMAP bitmap = bitmap_;
    bitmap_ = nullptr;
    return bitmap;
}

bool LoadPng(HDC target, const std::wstring& path, int x, int y, UserMessages& messages) {
    if (target == nullptr) {
        return false;
    }
    DecodedImage image(path);
    if (!image.ok()) {
        messages.Show(MessageKind::LoadPngFailed, Caption::None);
        return false;
    }
    image.Premultiply();
    image.DrawAt(target, x, y);
    return true;
}

HBITMAP LoadBackgroundBitmap(const std::wstring& path) {
    DecodedImage image(path);
    return image.ok() ? image.TakeBitmap() : nullptr;
}

}  // namespace corvane
