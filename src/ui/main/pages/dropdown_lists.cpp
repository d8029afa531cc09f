#include "ui/main/pages/dropdown_lists.h"

#include <algorithm>

#include "ui/main/main_window_tables.h"

namespace corvane {
namespace {

bool AnyContains(std::span<const IdRange> ranges, int id) {
    return std::any_of(ranges.begin(), ranges.end(),
                       [id](const IdRange& range) { return range.Contains(id); });
}

}  // namespace

DropdownLists::DropdownLists(MainWindowHost& host, std::span<const DropdownSlot> slots,
                             ListNotifications notifications)
    : host_(host),
      slots_(slots.first(std::min<std::size_t>(slots.size(), kMaxLists))),
      notifications_(notifications) {}

void DropdownLists::Open(int index, Rect rect, std::span<const std::wstring> items) {
    if (!Exists(index)) {
        host_.CreateList(slots_[index].id, rect, items);
    }
    open_[index] = true;
}

void DropdownLists::Close(int index) {
    if (Exists(index)) {
        host_.DestroyList(slots_[index].id);
    }
    open_[index] = false;
}

void DropdownLists::CloseOutside(Point p) {
    for (int i = 0; i < count(); ++i) {
        if (!slots_[i].zone.Contains(p) && !slots_[i].box.Contains(p) && Exists(i)) {
            Close(i);
        }
    }
}

void DropdownLists::CloseOthers(int index) {
    for (int i = 0; i < count(); ++i) {
        if (i != index) {
            Close(i);
        }
    }
}

void DropdownLists::CloseAll() {
    for (int i = 0; i < count(); ++i) {
        Close(i);
    }
}

std::optional<int> DropdownLists::FirstExisting() const {
    for (int i = 0; i < count(); ++i) {
        if (Exists(i)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<int> DropdownLists::IndexOfId(int id) const {
    for (int i = 0; i < count(); ++i) {
        if (slots_[i].id == id) {
            return i;
        }
    }
    return std::nullopt;
}

bool DropdownLists::Notifies(int id, ChildEvent event) const {
    return (event == ChildEvent::ListSelectionChanged &&
            AnyContains(notifications_.selectionChanged, id)) ||
           (event == ChildEvent::ListDoubleClicked &&
            AnyContains(notifications_.doubleClicked, id));
}

}  // namespace corvane
