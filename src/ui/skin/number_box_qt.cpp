#include "ui/skin/number_box_qt.h"

#include <QFocusEvent>
#include <QValidator>

#include <algorithm>

#include "ui/skin/canvas_qt.h"

namespace corvane {
namespace {

class NumberBox final : public QLineEdit {
  public:
    NumberBox(QWidget* parent, std::function<void()> lostFocus)
        : QLineEdit(parent), lostFocus_(std::move(lostFocus)) {}
    void Forget() { lostFocus_ = nullptr; }

  protected:
    void focusOutEvent(QFocusEvent* event) override {
        QLineEdit::focusOutEvent(event);
        if (lostFocus_) {
            lostFocus_();
        }
    }

  private:
    std::function<void()> lostFocus_;
};

// Typing takes the digits 0 to 9 only. (A regular expression validator
// compiles its expression for every box made, a tenth of a millisecond of
// each fire key dialog's opening.)
class DigitsOnly final : public QValidator {
  public:
    explicit DigitsOnly(QObject* parent) : QValidator(parent) {}
    State validate(QString& input, int&) const override {
        const bool digits = std::all_of(input.cbegin(), input.cend(), [](QChar c) {
            return c >= QLatin1Char('0') && c <= QLatin1Char('9');
        });
        return digits ? Acceptable : Invalid;
    }
};

}  // namespace

NumberBoxesQt::NumberBoxesQt(std::function<void(int id, ChildEvent event)> notify)
    : notify_(std::move(notify)) {}

NumberBoxesQt::~NumberBoxesQt() {
    for (const auto& [id, box] : boxes_) {
        if (box.edit) {
            static_cast<NumberBox*>(box.edit.data())->Forget();
            delete box.edit.data();
        }
    }
}

QLineEdit* NumberBoxesQt::Find(int id) const {
    const auto it = boxes_.find(id);
    return it == boxes_.end() ? nullptr : it->second.edit.data();
}

QLineEdit* NumberBoxesQt::First() const {
    const Box* first = nullptr;
    for (const auto& [id, box] : boxes_) {
        if (box.edit && (first == nullptr || box.made < first->made)) {
            first = &box;
        }
    }
    return first != nullptr ? first->edit.data() : nullptr;
}

void NumberBoxesQt::Create(QWidget* parent, int id, Rect rect, std::wstring_view text,
                           const QFont& font) {
    if (Exists(id)) {
        return;
    }
    auto* box = new NumberBox(parent, [this, id] {
        if (notify_ && Exists(id)) {
            notify_(id, ChildEvent::EditLostFocus);
        }
    });
    box->setObjectName(QStringLiteral("box%1").arg(id));
    box->setFrame(false);
    // Centred across, on the top line as a single-line edit box has it.
    box->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    box->setFocusPolicy(Qt::ClickFocus);
    // Typing takes digits only; a text set from code is shown as it is.
    box->setValidator(new DigitsOnly(box));
    box->setFont(font);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, ListBackgroundColour());
    palette.setColor(QPalette::Text, SkinTextColour());
    palette.setColor(QPalette::Highlight, ListHighlightColour());
    palette.setColor(QPalette::HighlightedText, ListHighlightTextColour());
    box->setPalette(palette);
    box->setText(QString::fromWCharArray(text.data(), static_cast<qsizetype>(text.size())));
    box->setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
    boxes_[id] = Box{box, made_++};
    QObject::connect(box, &QLineEdit::textChanged, box, [this, id] {
        if (notify_) {
            notify_(id, ChildEvent::EditChanged);
        }
    });
    box->show();
}

void NumberBoxesQt::Destroy(int id) {
    QLineEdit* box = Find(id);
    boxes_.erase(id);
    if (box == nullptr) {
        return;
    }
    static_cast<NumberBox*>(box)->Forget();
    box->disconnect();
    box->hide();
    box->deleteLater();
}

void NumberBoxesQt::DestroyAll() {
    while (!boxes_.empty()) {
        Destroy(boxes_.begin()->first);
    }
}

std::wstring NumberBoxesQt::Text(int id) const {
    QLineEdit* box = Find(id);
    return box == nullptr ? std::wstring() : box->text().toStdWString();
}

void NumberBoxesQt::SetText(int id, std::wstring_view text) {
    if (QLineEdit* box = Find(id)) {
        box->setText(QString::fromWCharArray(text.data(), static_cast<qsizetype>(text.size())));
    }
}

void NumberBoxesQt::Repaint(int id) {
    if (QLineEdit* box = Find(id)) {
        box->repaint();
    }
}

}  // namespace corvane
