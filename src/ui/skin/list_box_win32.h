// The LISTBOX children of one window, kept by control id: made and filled,
// asked for their selection, an item's text and the item under a screen
// point. The dialogs' host and the main window's host keep their lists
// here; each still decides how a list appears and how it goes.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <span>
#include <string>

#include "core/rect.h"
#include "ui/skin/list_box_hit.h"

namespace corvane {

class ListBoxesWin32 {
  public:
    ListBoxesWin32() = default;
    ListBoxesWin32(const ListBoxesWin32&) = delete;
    ListBoxesWin32& operator=(const ListBoxesWin32&) = delete;

    // The list with control id `id`, or nullptr.
    HWND Find(int id) const;
    bool Exists(int id) const { return Find(id) != nullptr; }

    // Makes list `id` as a child of `parent` with `style` over `rect`, adds
    // `items` in order and keeps it; nullptr when the list exists already
    // or the window cannot be made.
    HWND Create(HWND parent, int id, Rect rect, DWORD style, std::span<const std::wstring> items);
    // Stops keeping list `id`; its window is the caller's to destroy.
    void Forget(int id) { lists_.erase(id); }
    // Stops keeping every list (their windows went with their parent).
    void ForgetAll() { lists_.clear(); }
    // Destroys every list's window and stops keeping them.
    void DestroyAll();

    std::optional<int> Selection(int id) const;
    void SetSelection(int id, int index);
    // The text of item `index`; empty without the list or the item.
    std::wstring Text(int id, int index) const;
    std::optional<ListBoxHit> ItemAt(int id, Point screenPoint) const;
    // The id of the list right under a screen point, if one is.
    std::optional<int> IdUnder(Point screenPoint) const;

  private:
    std::map<int, HWND> lists_;
};

}  // namespace corvane
