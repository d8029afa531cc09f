// The off-screen surface of a skinned Qt window: a drawing pass composes on
// the window's background image (or, without one, on a blank surface of the
// client size) and the window then shows the whole surface at once, so it
// never shows a half-drawn state.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QSize>

#include <memory>
#include <string_view>

#include "core/rect.h"
#include "ui/skin/text_format.h"

namespace corvane {

class CanvasQt {
  public:
    explicit CanvasQt(QSize clientSize) : clientSize_(clientSize) {}
    ~CanvasQt();
    CanvasQt(const CanvasQt&) = delete;
    CanvasQt& operator=(const CanvasQt&) = delete;

    // The background, kept as the surface every pass draws on; a null image
    // leaves the canvas without one. Ends a pass in progress.
    void SetBackground(QImage background);
    bool hasBackground() const { return !background_.isNull(); }
    const QImage& background() const { return background_; }

    // Starts a pass (ending one in progress); false when there is no
    // background and the pass draws on a blank surface.
    bool Begin();
    bool inPass() const { return painter_ != nullptr; }
    // The painter of the pass in progress, or nullptr.
    QPainter* painter() const { return painter_.get(); }
    // Ends the pass; what it drew is what the window shows next.
    void End();
    // The window shows the background again (blank without one), as an
    // erase of its background does.
    void ShowBackground();

    // What the window shows: the surface of the last pass or erase.
    const QImage& shown() const { return hasBackground() ? background_ : blank_; }

  private:
    void ClearBlank();

    QSize clientSize_;
    QImage background_;
    QImage blank_;
    std::unique_ptr<QPainter> painter_;
};

// Draws `text` in `rect` on one line, vertically centred, aligned as
// `format` says, clipped to the rectangle, transparent behind, in `colour`.
void DrawSkinText(QPainter& painter, std::wstring_view text, Rect rect, TextFormat format,
                  const QFont& font, QColor colour);

// `palette` with every colour group (active, inactive, disabled) as its
// active one: a widget whose look does not follow the activation of its
// window or its being disabled is not repainted for them.
QPalette AlikeInEveryGroup(QPalette palette);

// The skin's colours (skin_colours.h).
QColor SkinTextColour();
QColor ListBackgroundColour();
// The system's colours as the Windows program shows them (measured under
// Wine): a thin window border, and a list's selected row and its text.
QColor ThinBorderColour();
QColor ListHighlightColour();
QColor ListHighlightTextColour();

}  // namespace corvane
