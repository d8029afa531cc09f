#include "ui/skin/skin_image_qt.h"

#include <QImageReader>

#include <bit>
#include <span>

#include "ui/skin/premultiply.h"

namespace corvane {

QString QtPath(const std::wstring& path) {
    return QString::fromStdWString(path);
}

static_assert(std::endian::native == std::endian::little,
              "straight ARGB32 pixels are read as blue, green, red, alpha bytes");

namespace {

// Skin images are PNG files, so they go straight to Qt's own PNG reader: a
// reader left to guess the format first loads and asks every image format
// plugin installed (GIF, ICO, JPEG with libjpeg, ...), which costs a start
// more than a millisecond. A file the PNG reader cannot take is still read
// as any format Qt knows, as before.
QImage ReadImage(const std::wstring& path) {
    QImageReader png(QtPath(path), QByteArrayLiteral("png"));
    png.setAutoDetectImageFormat(false);
    QImage image = png.read();
    if (image.isNull()) {
        image = QImage(QtPath(path));
    }
    return image;
}

}  // namespace

std::optional<QImage> DecodeSkinImage(const std::wstring& path) {
    QImage image = ReadImage(path);
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
    return DrawDecodedSkinImage(painter, DecodeSkinImage(path).value_or(QImage()), at, messages);
}

bool DrawDecodedSkinImage(QPainter& painter, const QImage& image, Point at,
                          UserMessages& messages) {
    if (image.isNull()) {
        messages.Show(MessageKind::LoadPngFailed, Caption::None);
        return false;
    }
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(QPoint(at.x, at.y), image);
    return true;
}

QImage LoadBackgroundImage(const std::wstring& path) {
    QImage image = ReadImage(path);
    if (image.isNull()) {
        return image;
    }
    // Straight channels kept, alpha set opaque: no blending with anything.
    image = image.convertToFormat(QImage::Format_ARGB32);
    image.reinterpretAsFormat(QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            row[x] |= 0xFF000000u;
        }
    }
    return image;
}

}  // namespace corvane
