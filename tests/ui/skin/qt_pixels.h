// Pixels of the Qt host tests: the skin folders of the committed assets,
// what a window shows (read back from what was flushed to its backing
// store, as a screen reader would, without painting it again), the blend
// the Windows program's drawing gives, and the waits for conditions.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>

#include "core/rect.h"
#include "core/text_encoding.h"
#include "ui/skin/premultiply.h"

namespace corvane::testing {

inline std::wstring AssetsSkinDir(const wchar_t* language) {
    return FromUtf8(CORVANE_ASSETS_DIR) + L"/Skins/" + language;
}

inline QImage DecodeStraight(const std::wstring& path) {
    return QImage(QString::fromStdWString(path)).convertToFormat(QImage::Format_ARGB32);
}

// What `widget` shows on the screen, in its own coordinates.
inline QImage Shown(const QWidget& widget) {
    const QWidget* top = widget.window();
    const QImage all =
        top->screen()->grabWindow(top->winId()).toImage().convertToFormat(QImage::Format_RGB32);
    return all.copy(QRect(widget.mapTo(top, QPoint(0, 0)), widget.size()));
}

// A straight-alpha pixel over an opaque one: premultiplied with truncation,
// then source-over with the destination's share rounded.
inline QRgb BlendOver(QRgb source, QRgb destination) {
    const int a = qAlpha(source);
    const auto channel = [a](int s, int d) {
        return PremultiplyChannel(static_cast<std::uint8_t>(s), static_cast<std::uint8_t>(a)) +
               (d * (255 - a) + 127) / 255;
    };
    return qRgb(channel(qRed(source), qRed(destination)),
                channel(qGreen(source), qGreen(destination)),
                channel(qBlue(source), qBlue(destination)));
}

inline bool SameColour(QRgb a, QRgb b, int tolerance = 0) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

inline std::string Describe(QRgb p) {
    return "(" + std::to_string(qRed(p)) + ", " + std::to_string(qGreen(p)) + ", " +
           std::to_string(qBlue(p)) + ")";
}

// Pixels of `actual` that differ from `expected` over the area both cover,
// skipping where `skip` says; the first is reported.
inline int Differences(const QImage& actual, const QImage& expected,
                       const std::function<bool(int, int)>& skip = {}) {
    int differences = 0;
    for (int y = 0; y < std::min(actual.height(), expected.height()); ++y) {
        for (int x = 0; x < std::min(actual.width(), expected.width()); ++x) {
            if ((skip && skip(x, y)) || SameColour(actual.pixel(x, y), expected.pixel(x, y))) {
                continue;
            }
            if (differences++ == 0) {
                ADD_FAILURE() << "first difference at " << x << "," << y << ": "
                              << Describe(actual.pixel(x, y)) << " expected "
                              << Describe(expected.pixel(x, y));
            }
        }
    }
    return differences;
}

// Pixels of `image` inside `rect` that have `colour`.
inline int CountColour(const QImage& image, const Rect& rect, QRgb colour) {
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            count += SameColour(image.pixel(x, y), colour) ? 1 : 0;
        }
    }
    return count;
}

// Runs the event loop until `condition` holds, for at most two seconds.
inline bool WaitFor(const std::function<bool()>& condition) {
    return QTest::qWaitFor(condition, 2000);
}

// Counts the paints of the widgets it watches.
class PaintCounter final : public QObject {
  public:
    void Watch(QWidget& widget) { widget.installEventFilter(this); }
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

// Returns once the updates asked for so far in the window of `sentinel` are
// painted: Qt paints a window's pending updates together, some milliseconds
// after they are asked for, so the wait asks `sentinel` for one more and
// ends when it is painted. False when it never was.
inline bool PaintPendingUpdates(QWidget& sentinel) {
    PaintCounter counter;
    counter.Watch(sentinel);
    sentinel.update();
    return WaitFor([&counter] { return counter.paints > 0; });
}

}  // namespace corvane::testing
