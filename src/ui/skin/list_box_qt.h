// The drop-down list boxes of a Qt window, kept by control id: made and
// filled at a rectangle in the skin's colours with rows as high as the
// Windows program's, asked for their selection, an item's text and the item
// under a screen point. A click on an item reports a selection change and a
// double click a double click, as a notifying list box does; choosing from
// code reports nothing. The dialogs' host and the main window's host keep
// their lists here.
#pragma once

#include <QFont>
#include <QListWidget>
#include <QPointer>

#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>

#include "core/rect.h"
#include "ui/skin/list_box_hit.h"
#include "ui/skin/window_events.h"

namespace corvane {

// Every list's row: the height of the system font, which a list box takes
// for its rows when it is made (the list font only paints them).
inline constexpr int kListRowHeight = 16;

class ListBoxesQt {
  public:
    // `notify` hears of clicks and double clicks on items.
    explicit ListBoxesQt(std::function<void(int id, ChildEvent event)> notify);
    ~ListBoxesQt();
    ListBoxesQt(const ListBoxesQt&) = delete;
    ListBoxesQt& operator=(const ListBoxesQt&) = delete;

    // The list with control id `id`, or nullptr.
    QListWidget* Find(int id) const;
    bool Exists(int id) const { return Find(id) != nullptr; }

    // Makes list `id` as a child of `parent` over `rect` (its one-pixel
    // border included), shows `items` in `font` and keeps it; nullptr when
    // the list exists already. With `scrollBar` a scroll bar appears when
    // the items do not fit.
    QListWidget* Create(QWidget* parent, int id, Rect rect, std::span<const std::wstring> items,
                        const QFont& font, bool scrollBar);
    // Hides list `id` and lets it go; it is deleted once control is back in
    // the event loop, since it may be the list whose click is being handled.
    void Destroy(int id);
    void DestroyAll();

    std::optional<int> Selection(int id) const;
    void SetSelection(int id, int index);
    // The text of item `index`; empty without the list or the item.
    std::wstring Text(int id, int index) const;
    std::optional<ListBoxHit> ItemAt(int id, Point screenPoint) const;
    // The id of the visible list right under a screen point, if one is.
    std::optional<int> IdUnder(Point screenPoint) const;

  private:
    std::function<void(int, ChildEvent)> notify_;
    // Guarded: a list goes with its parent window when that goes first.
    std::map<int, QPointer<QListWidget>> lists_;
};

}  // namespace corvane
