#include "ui/skin/list_box_qt.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

#include "ui/skin/canvas_qt.h"

namespace corvane {
namespace {

// A list box paints each row itself: the background (the highlight when
// selected) across the row and the text one pixel in from the left at the
// row's top, in the font the window selected.
class RowDelegate final : public QStyledItemDelegate {
  public:
    explicit RowDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return QSize(option.rect.width(), kListRowHeight);
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        painter->save();
        painter->fillRect(option.rect, selected ? ListHighlightColour() : ListBackgroundColour());
        painter->setFont(option.font);
        painter->setPen(selected ? ListHighlightTextColour() : SkinTextColour());
        painter->setClipRect(option.rect);
        // A cell taller than the row (a Chinese face, sized by its em) is
        // centred on the row, so its characters stay inside it.
        const int spare = option.rect.height() - QFontMetrics(option.font).height();
        const QRect text = option.rect.adjusted(1, std::min(spare / 2, 0), 0, 0);
        painter->drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }
};

// A list looks the same in an active, inactive or disabled window (its
// colours are alike in every group), so those changes repaint nothing: a
// dialog deactivates and disables its owner's window, lists and all, as it
// opens and gives both back as it closes, and the Windows program repaints
// no list for that. (Qt repaints a widget that is enabled or disabled, and
// an item view whose window is activated or deactivated, whatever its
// colours.)
class SameInEveryState final : public QObject {
  public:
    explicit SameInEveryState(QObject* parent) : QObject(parent) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::EnabledChange:
            case QEvent::WindowActivate:
            case QEvent::WindowDeactivate:
                return true;
            default:
                return false;
        }
    }
};

void ApplyColours(QWidget& list) {
    QPalette palette = list.palette();
    palette.setColor(QPalette::Base, ListBackgroundColour());
    palette.setColor(QPalette::Window, ListBackgroundColour());
    palette.setColor(QPalette::Text, SkinTextColour());
    palette.setColor(QPalette::WindowText, ThinBorderColour());  // the plain frame
    palette.setColor(QPalette::Highlight, ListHighlightColour());
    palette.setColor(QPalette::HighlightedText, ListHighlightTextColour());
    // Every colour group alike: a list in an inactive or disabled window
    // looks the same, and is not repainted when its window changes.
    list.setPalette(AlikeInEveryGroup(palette));
    list.setAutoFillBackground(true);
}

}  // namespace

ListBoxesQt::ListBoxesQt(std::function<void(int id, ChildEvent event)> notify)
    : notify_(std::move(notify)) {}

ListBoxesQt::~ListBoxesQt() {
    for (const auto& [id, list] : lists_) {
        delete list.data();
    }
}

QListWidget* ListBoxesQt::Find(int id) const {
    const auto it = lists_.find(id);
    return it == lists_.end() ? nullptr : it->second.data();
}

QListWidget* ListBoxesQt::Create(QWidget* parent, int id, Rect rect,
                                 std::span<const std::wstring> items, const QFont& font,
                                 bool scrollBar) {
    if (Exists(id)) {
        return nullptr;
    }
    auto* list = new QListWidget(parent);
    list->setObjectName(QStringLiteral("list%1").arg(id));
    list->setFrameStyle(QFrame::Box | QFrame::Plain);
    list->setLineWidth(1);
    list->setFocusPolicy(Qt::NoFocus);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(scrollBar ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    list->setUniformItemSizes(true);
    list->setItemDelegate(new RowDelegate(list));
    list->viewport()->setMouseTracking(true);
    list->setFont(font);
    ApplyColours(*list);
    ApplyColours(*list->viewport());
    auto* sameInEveryState = new SameInEveryState(list);
    list->installEventFilter(sameInEveryState);
    list->viewport()->installEventFilter(sameInEveryState);
    for (const std::wstring& item : items) {
        list->addItem(QString::fromStdWString(item));
    }
    list->setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
    QObject::connect(list, &QListWidget::itemClicked, list, [this, id](QListWidgetItem*) {
        if (notify_) {
            notify_(id, ChildEvent::ListSelectionChanged);
        }
    });
    QObject::connect(list, &QListWidget::itemDoubleClicked, list, [this, id](QListWidgetItem*) {
        if (notify_) {
            notify_(id, ChildEvent::ListDoubleClicked);
        }
    });
    lists_[id] = list;
    list->show();
    return list;
}

void ListBoxesQt::Destroy(int id) {
    QListWidget* list = Find(id);
    lists_.erase(id);
    if (list == nullptr) {
        return;
    }
    list->disconnect();
    list->hide();
    list->deleteLater();
}

void ListBoxesQt::DestroyAll() {
    while (!lists_.empty()) {
        Destroy(lists_.begin()->first);
    }
}

std::optional<int> ListBoxesQt::Selection(int id) const {
    QListWidget* list = Find(id);
    if (list == nullptr || list->currentRow() < 0 || list->selectedItems().isEmpty()) {
        return std::nullopt;
    }
    return list->currentRow();
}

void ListBoxesQt::SetSelection(int id, int index) {
    if (QListWidget* list = Find(id)) {
        if (index < 0 || index >= list->count()) {
            list->setCurrentRow(-1);
            list->clearSelection();
            return;
        }
        list->setCurrentRow(index);
    }
}

std::wstring ListBoxesQt::Text(int id, int index) const {
    QListWidget* list = Find(id);
    if (list == nullptr || index < 0 || index >= list->count()) {
        return {};
    }
    return list->item(index)->text().toStdWString();
}

std::optional<ListBoxHit> ListBoxesQt::ItemAt(int id, Point screenPoint) const {
    QListWidget* list = Find(id);
    if (list == nullptr || list->count() == 0) {
        return std::nullopt;
    }
    QWidget* client = list->viewport();
    QPoint p = client->mapFromGlobal(QPoint(screenPoint.x, screenPoint.y));
    bool hit = client->rect().contains(p);
    // Outside the list the nearest point inside it names the item.
    p.setX(std::clamp(p.x(), 0, std::max(client->width() - 1, 0)));
    p.setY(std::clamp(p.y(), 0, std::max(client->height() - 1, 0)));
    const QModelIndex index = list->indexAt(p);
    if (!index.isValid()) {
        return ListBoxHit{list->count() - 1, false};
    }
    return ListBoxHit{index.row(), hit};
}

std::optional<int> ListBoxesQt::IdUnder(Point screenPoint) const {
    const QPoint p(screenPoint.x, screenPoint.y);
    for (const auto& [id, list] : lists_) {
        if (list && list->isVisible() && list->rect().contains(list->mapFromGlobal(p))) {
            return id;
        }
    }
    return std::nullopt;
}

}  // namespace corvane
