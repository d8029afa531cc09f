// The number boxes of a Qt dialog, kept by control id: single-line edits
// that take digits only from the keyboard, centred, in the skin's colours
// and the dialog font, without a border. A change of the text (typed or set
// from code) and the loss of the keyboard focus are reported, as an edit
// box reports them.
#pragma once

#include <QFont>
#include <QLineEdit>
#include <QPointer>

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "core/rect.h"
#include "ui/skin/window_events.h"

namespace corvane {

class NumberBoxesQt {
  public:
    // `notify` hears of changes of the text and the loss of the focus.
    explicit NumberBoxesQt(std::function<void(int id, ChildEvent event)> notify);
    ~NumberBoxesQt();
    NumberBoxesQt(const NumberBoxesQt&) = delete;
    NumberBoxesQt& operator=(const NumberBoxesQt&) = delete;

    QLineEdit* Find(int id) const;
    // The box made first of those that exist, or nullptr.
    QLineEdit* First() const;
    bool Exists(int id) const { return Find(id) != nullptr; }
    // Makes box `id` over `rect` showing `text`; nothing when it exists.
    void Create(QWidget* parent, int id, Rect rect, std::wstring_view text, const QFont& font);
    // Hides box `id` and lets it go without reporting anything more.
    void Destroy(int id);
    void DestroyAll();
    std::wstring Text(int id) const;
    void SetText(int id, std::wstring_view text);
    void Repaint(int id);

  private:
    std::function<void(int, ChildEvent)> notify_;
    struct Box {
        QPointer<QLineEdit> edit;
        int made;  // the order of making
    };
    std::map<int, Box> boxes_;
    int made_ = 0;
};

}  // namespace corvane
