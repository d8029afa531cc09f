// PNG skin images with Qt: decoded by QImage, premultiplied with the same
// truncating step as on Windows (premultiply.h) and blended source-over, so
// a drawn image gives the very pixels the Win32 path gives. Nothing is
// cached: every draw reads and decodes the file again.
#pragma once

#include <QImage>
#include <QPainter>

#include <optional>
#include <string>

#include "core/rect.h"
#include "core/user_messages.h"

namespace corvane {

// The image at `path` ready for drawing: an image with alpha as
// premultiplied ARGB32, one without as RGB32. Nothing when it cannot be
// decoded.
std::optional<QImage> DecodeSkinImage(const std::wstring& path);

// Loads the PNG at `path` and draws it with its top-left corner at `at`
// on `painter`. A file that cannot be loaded is reported as
// MessageKind::LoadPngFailed (no caption) and nothing is drawn. False when
// nothing was drawn.
bool DrawSkinImage(QPainter& painter, const std::wstring& path, Point at, UserMessages& messages);
// The same with the image decoded already (a null one when it could not be).
bool DrawDecodedSkinImage(QPainter& painter, const QImage& image, Point at, UserMessages& messages);

// A window background: decoded once and never premultiplied; its colour
// channels are the canvas as they stand (alpha is ignored, as a copy to the
// screen ignores it). A null image when it cannot be loaded.
QImage LoadBackgroundImage(const std::wstring& path);

// A path as Qt names files.
QString QtPath(const std::wstring& path);

}  // namespace corvane
