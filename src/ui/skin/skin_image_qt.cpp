#include "ui/skin/skin_image_qt.h"

#include <bit>
#include <span>

#include "ui/skin/premultiply.h"

namespace corvane {

QString QtPath(const std::wstring& path) {
    return QString::fromStdWString(path);
}

static_assert(std::endian::native == std::endian::little,
              "straight ARGB32 pixels are read as blue, green, red, alpha bytes");

std::optional<QImage> DecodeSkinImage(const std::wstring& path) {
    QImage image(QtPath(path));
    if (image.isNull()) {
        return std::nullopt;
    }
    if (!image.hasAlphaChannel()) {
        return image.convertToFormat(QImage::Format_RGB32);
    }
    // Straight ARGB32 is blue, green, red, alpha in memory on a little-endian
    // machine, as premultiply.h reads it. Qt's own conversion rounds, where
    // the Win32 path truncates.
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        PremultiplyBgra(std::span<std::uint8_t>(image.scanLine(y),
                                                static_cast<std::size_t>(image.width()) * 4));
    }
    image.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
    return image;
}

bool DrawSkinImage(QPainter& painter, const std::wstring& path, Point at, UserMessages& messages) {
    const std::optional<QImage> image = DecodeSkinImage(path);
    if (!image) {
        messages.Show(MessageKind::LoadPngFailed, Caption::None);
        return false;
    }
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(QPoint(at.x, at.y), *image);
    return true;
}

QImage LoadBackgroundImage(const std::wstring& path) {
    QImage image(QtPath(path));
    if (image.isNull()) {
        return image;
    }
    // Straight channels kept, alpha set opaque: no blending with anything.
    image = image.convertToFormat(QImage::Format_ARGB32);
    image.reinterpretAsFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            row[x] |= 0xFF000000u;
        }
    }
    return image;
}

}  // namespace corvane
