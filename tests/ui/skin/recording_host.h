// What the recording hosts of the main window and of the dialogs share:
// every effect recorded in order as a readable line, and list boxes kept by
// control identifier, answering queries from what the test scripted.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/rect.h"
#include "core/text_encoding.h"
#include "ui/skin/text_format.h"

namespace corvane::testing {

inline std::string Narrow(std::wstring_view text) {
    return ToUtf8(std::wstring(text));
}

inline std::string Describe(const Rect& r) {
    std::ostringstream out;
    out << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom;
    return out.str();
}

inline std::string Describe(TextFormat format) {
    switch (format) {
        case TextFormat::LeftAligned:
            return "left";
        case TextFormat::Centred:
            return "centred";
        case TextFormat::RightAligned:
            return "right";
    }
    return "?";
}

// `Host` is the host interface the fake implements; `List` a list box as
// the fake keeps it, with its `items` and `selection`.
template <class Host, class List>
class RecordingHost : public Host {
  public:
    // Scripted answers.
    std::optional<int> listUnderPointer;
    std::optional<int> itemUnderPointer;

    std::map<int, List> lists;

    // Every effect, in order.
    std::vector<std::string> calls;

    // The calls with a given first word ("image", "text", "present", ...).
    std::vector<std::string> CallsOf(const std::string& word) const {
        std::vector<std::string> out;
        for (const std::string& call : calls) {
            if (call == word || call.rfind(word + " ", 0) == 0) {
                out.push_back(call);
            }
        }
        return out;
    }
    int Count(const std::string& word) const { return static_cast<int>(CallsOf(word).size()); }
    void Clear() { calls.clear(); }

    void DestroyList(int id) override {
        calls.push_back("destroy " + std::to_string(id));
        lists.erase(id);
    }
    bool ListExists(int id) const override { return lists.count(id) != 0; }
    std::optional<int> ListSelection(int id) const override {
        const auto it = lists.find(id);
        return it == lists.end() ? std::nullopt : it->second.selection;
    }
    void SetListSelection(int id, int index) override {
        calls.push_back("select " + std::to_string(id) + " " + std::to_string(index));
        lists[id].selection = index;
    }
    std::wstring ListText(int id, int index) const override {
        const auto it = lists.find(id);
        if (it == lists.end() || index < 0 || index >= static_cast<int>(it->second.items.size())) {
            return {};
        }
        return it->second.items[static_cast<std::size_t>(index)];
    }
    std::optional<int> ListItemAt(int, Point) const override { return itemUnderPointer; }
    std::optional<int> ListUnderScreenPoint(Point) const override { return listUnderPointer; }
};

}  // namespace corvane::testing
