// The drop-down lists of one page: list-box children that a box click
// creates and a choice, a second click or a click elsewhere destroys. Each
// list has its box, its zone (where a click does not close it) and an open
// flag. A list can exist with its flag clear (a notification without a
// selection clears the flag and leaves the window); the closing steps
// therefore ask the host whether the window exists, not the flag.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>

#include "core/rect.h"
#include "ui/main/main_host.h"
#include "ui/skin/window_events.h"

namespace corvane {

// An inclusive range of control identifiers.
struct IdRange {
    int first;
    int last;
    constexpr bool Contains(int id) const { return first <= id && id <= last; }
};

// Which list identifiers a page's notification handler answers, per
// notification code. The ranges are wider than the lists in use.
struct ListNotifications {
    std::span<const IdRange> selectionChanged;
    std::span<const IdRange> doubleClicked;
};

struct DropdownSlot {
    int id;     // control identifier of the list
    Rect box;   // the box that opens it
    Rect zone;  // a click here does not close it
};

class DropdownLists {
  public:
    static constexpr int kMaxLists = 12;

    DropdownLists(MainWindowHost& host, std::span<const DropdownSlot> slots,
                  ListNotifications notifications);

    int count() const { return static_cast<int>(slots_.size()); }
    const DropdownSlot& slot(int index) const { return slots_[index]; }
    bool IsOpen(int index) const { return open_[index]; }
    bool Exists(int index) const { return host_.ListExists(slots_[index].id); }

    // Creates list `index` on `rect` with `items` in order unless its window
    // exists already, and sets its flag.
    void Open(int index, Rect rect, std::span<const std::wstring> items);
    // Destroys list `index` if it exists and clears its flag.
    void Close(int index);
    void ClearFlag(int index) { open_[index] = false; }
    // Destroys, in slot order, every existing list whose box and zone both
    // lie away from `p`, and clears its flag.
    void CloseOutside(Point p);
    // Clears every flag but `index`'s and destroys the other lists that exist.
    void CloseOthers(int index);
    // Destroys every list that exists and clears every flag.
    void CloseAll();

    // The first list that exists, in slot order.
    std::optional<int> FirstExisting() const;
    // The list of control identifier `id`.
    std::optional<int> IndexOfId(int id) const;
    // True when a notification `code` from list `id` is this page's.
    bool Notifies(int id, ChildEvent event) const;

  private:
    MainWindowHost& host_;
    std::span<const DropdownSlot> slots_;
    ListNotifications notifications_;
    std::array<bool, kMaxLists> open_{};
};

}  // namespace corvane
