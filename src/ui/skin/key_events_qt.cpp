#include "ui/skin/key_events_qt.h"

#include <QKeySequence>

#include <string_view>

#include "ui/skin/evdev_keys.h"

namespace corvane {
namespace {

constexpr quint32 kXkbKeycodeOffset = 8;
constexpr quint32 kXkbRightSuper = 126 + kXkbKeycodeOffset;

// Keys Qt has no name for: it would show the key's number as a character.
struct KeyNameEntry {
    int key;
    std::wstring_view name;
};
constexpr KeyNameEntry kUnnamedByQt[] = {
    {Qt::Key_Super_L, L"Super L"}, {Qt::Key_Super_R, L"Super R"}, {Qt::Key_AltGr, L"AltGr"},
    {Qt::Key_Hyper_L, L"Hyper L"}, {Qt::Key_Hyper_R, L"Hyper R"},
};

std::wstring NameOf(const QKeyEvent& event) {
    const int key = event.key();
    for (const KeyNameEntry& entry : kUnnamedByQt) {
        if (entry.key == key) {
            return std::wstring(entry.name);
        }
    }
    if (key != 0 && key != Qt::Key_unknown) {
        const QString name = QKeySequence(key).toString(QKeySequence::NativeText);
        const bool numberAsCharacter =
            key >= Qt::Key_Escape && name.toUcs4() == QList<uint>{static_cast<uint>(key)};
        if (!name.isEmpty() && !numberAsCharacter) {
            return name.toStdWString();
        }
    }
    return event.text().toStdWString();
}

}  // namespace

Key KeyOf(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return Key::Enter;
        case Qt::Key_Escape:
            return Key::Escape;
        case Qt::Key_Super_L:
            return Key::LeftSuper;
        case Qt::Key_Super_R:
            return Key::RightSuper;
        case Qt::Key_Meta:
            // Some layouts name both Windows keys Meta; the position tells.
            return event.nativeScanCode() == kXkbRightSuper ? Key::RightSuper : Key::LeftSuper;
        default:
            return Key::Other;
    }
}

KeyNotice KeyNoticeOf(const QKeyEvent& event) {
    KeyNotice notice;
    notice.name = NameOf(event);
    const quint32 native = event.nativeScanCode();
    if (native > kXkbKeycodeOffset) {
        const HeldModifiers held{event.modifiers().testFlag(Qt::AltModifier),
                                 event.modifiers().testFlag(Qt::ControlModifier)};
        if (const auto position =
                Set1PositionOfEvdev(static_cast<int>(native - kXkbKeycodeOffset), held)) {
            notice.scanCode = position->scanCode;
            notice.extended = position->extended;
        }
    }
    return notice;
}

}  // namespace corvane
