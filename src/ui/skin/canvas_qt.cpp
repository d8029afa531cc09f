#include "ui/skin/canvas_qt.h"

#include "ui/skin/skin_colours.h"

namespace corvane {
namespace {

QColor ColourOf(ColourWord c) {
    return QColor(c.red, c.green, c.blue);
}

Qt::Alignment AlignmentOf(TextFormat format) {
    switch (format) {
        case TextFormat::Centred:
            return Qt::AlignHCenter;
        case TextFormat::RightAligned:
            return Qt::AlignRight;
        case TextFormat::LeftAligned:
        default:
            return Qt::AlignLeft;
    }
}

}  // namespace

CanvasQt::~CanvasQt() {
    End();
}

void CanvasQt::SetBackground(QImage background) {
    End();
    background_ = std::move(background);
}

bool CanvasQt::Begin() {
    End();
    if (hasBackground()) {
        painter_ = std::make_unique<QPainter>(&background_);
        return true;
    }
    ClearBlank();
    painter_ = std::make_unique<QPainter>(&blank_);
    return false;
}

void CanvasQt::End() {
    painter_.reset();
}

void CanvasQt::ShowBackground() {
    End();
    if (!hasBackground()) {
        ClearBlank();
    }
}

// A blank surface as a new compatible bitmap is: black.
void CanvasQt::ClearBlank() {
    if (blank_.size() != clientSize_) {
        blank_ = QImage(clientSize_, QImage::Format_RGB32);
    }
    blank_.fill(Qt::black);
}

void DrawSkinText(QPainter& painter, std::wstring_view text, Rect rect, TextFormat format,
                  const QFont& font, QColor colour) {
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    painter.setClipRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()));
    painter.drawText(QRect(rect.left, rect.top, rect.Width(), rect.Height()),
                     static_cast<int>(AlignmentOf(format) | Qt::AlignVCenter | Qt::TextSingleLine),
                     QString::fromWCharArray(text.data(), static_cast<qsizetype>(text.size())));
    painter.restore();
}

QPalette AlikeInEveryGroup(QPalette palette) {
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = static_cast<QPalette::ColorRole>(role);
        const QBrush active = palette.brush(QPalette::Active, r);
        palette.setBrush(QPalette::Inactive, r, active);
        palette.setBrush(QPalette::Disabled, r, active);
    }
    return palette;
}

QColor SkinTextColour() {
    return ColourOf(kTextColour);
}

QColor ListBackgroundColour() {
    return ColourOf(kListBackground);
}

QColor ThinBorderColour() {
    return QColor(158, 158, 158);
}

QColor ListHighlightColour() {
    return QColor(48, 150, 250);
}

QColor ListHighlightTextColour() {
    return QColor(255, 255, 255);
}

}  // namespace corvane
