#include "ui/skin/list_box_win32.h"

namespace corvane {

HWND ListBoxesWin32::Find(int id) const {
    const auto it = lists_.find(id);
    return it == lists_.end() ? nullptr : it->second;
}

HWND ListBoxesWin32::Create(HWND parent, int id, Rect rect, DWORD style,
                            std::span<const std::wstring> items) {
    if (Exists(id)) {
        return nullptr;
    }
    HWND list = CreateWindowExW(
        0, L"LISTBOX", L"", style, rect.left, rect.top, rect.Width(), rect.Height(), parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
    if (list == nullptr) {
        return nullptr;
    }
    for (const std::wstring& item : items) {
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    lists_[id] = list;
    return list;
}

void ListBoxesWin32::DestroyAll() {
    for (const auto& [id, list] : lists_) {
        DestroyWindow(list);
    }
    lists_.clear();
}

std::optional<int> ListBoxesWin32::Selection(int id) const {
    HWND list = Find(id);
    if (list == nullptr) {
        return std::nullopt;
    }
    const LRESULT selection = SendMessageW(list, LB_GETCURSEL, 0, 0);
    return selection == LB_ERR ? std::nullopt : std::optional<int>(static_cast<int>(selection));
}

void ListBoxesWin32::SetSelection(int id, int index) {
    if (HWND list = Find(id)) {
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
}

std::wstring ListBoxesWin32::Text(int id, int index) const {
    HWND list = Find(id);
    if (list == nullptr) {
        return {};
    }
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

std::optional<ListBoxHit> ListBoxesWin32::ItemAt(int id, Point screenPoint) const {
    HWND list = Find(id);
    if (list == nullptr) {
        return std::nullopt;
    }
    POINT p{screenPoint.x, screenPoint.y};
    ScreenToClient(list, &p);
    const LRESULT item = SendMessageW(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(p.x, p.y));
    if (item == LB_ERR) {
        return std::nullopt;
    }
    // The high word is set when the point lies outside every item.
    return ListBoxHit{static_cast<int>(LOWORD(item)), HIWORD(item) == 0};
}

std::optional<int> ListBoxesWin32::IdUnder(Point screenPoint) const {
    HWND under = WindowFromPoint(POINT{screenPoint.x, screenPoint.y});
    for (const auto& [id, list] : lists_) {
        if (list == under) {
            return id;
        }
    }
    return std::nullopt;
}

}  // namespace corvane
