// A dialog host that records every effect in order, as readable lines, and
// answers queries from what the test scripted. Number boxes behave like
// edit boxes: typing is a text change the test reports to the dialog.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/text_encoding.h"
#include "ui/skin/dialog_host.h"

namespace corvane::testing {

struct FakeDialogList {
    Rect rect{};
    std::vector<std::wstring> items;
    bool scrollBar = false;
    std::optional<int> selection;
};

class FakeDialogHost final : public DialogHost {
  public:
    // Scripted answers.
    bool backgroundLoads = true;
    KeyboardHookResult hookResult{true, 0};
    std::optional<int> listUnderPointer;
    std::optional<int> itemUnderPointer;

    // State the dialog built.
    std::optional<DialogFont> font;
    std::map<int, FakeDialogList> lists;
    std::map<int, std::wstring> numberBoxes;
    bool hookInstalled = false;

    // Every effect, in order.
    std::vector<std::string> calls;

    static std::string Narrow(std::wstring_view text) { return ToUtf8(std::wstring(text)); }
    static std::string Describe(const Rect& r) {
        std::ostringstream out;
        out << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom;
        return out.str();
    }

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

    void CreateDialogFont(const DialogFont& f) override {
        font = f;
        calls.push_back("font " + Narrow(f.face) + " " + std::to_string(f.height));
    }
    bool LoadBackground(std::wstring_view name) override {
        calls.push_back("background " + Narrow(name) + (backgroundLoads ? "" : " missing"));
        return backgroundLoads;
    }

    void BeginDrawingPass() override { calls.push_back("pass"); }
    bool DrawImage(std::wstring_view name, Point at) override {
        calls.push_back("image " + Narrow(name) + " " + std::to_string(at.x) + "," +
                        std::to_string(at.y));
        return true;
    }
    void DrawText(std::wstring_view text, Rect rect, TextFormat format) override {
        calls.push_back("text '" + Narrow(text) + "' " + Describe(rect) + " " +
                        std::to_string(static_cast<unsigned>(format)));
    }
    void Present() override { calls.push_back("present"); }

    void CreateList(int id, Rect rect, std::span<const std::wstring> items,
                    bool scrollBar) override {
        calls.push_back("create " + std::to_string(id) + " " + Describe(rect) + " " +
                        std::to_string(items.size()) + (scrollBar ? " scroll" : ""));
        lists[id] = FakeDialogList{rect, {items.begin(), items.end()}, scrollBar, std::nullopt};
    }
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

    void CreateNumberBox(int id, Rect rect, std::wstring_view text) override {
        calls.push_back("box " + std::to_string(id) + " " + Describe(rect) + " '" + Narrow(text) +
                        "'");
        numberBoxes[id] = std::wstring(text);
    }
    void DestroyNumberBox(int id) override {
        calls.push_back("unbox " + std::to_string(id));
        numberBoxes.erase(id);
    }
    bool NumberBoxExists(int id) const override { return numberBoxes.count(id) != 0; }
    std::wstring NumberBoxText(int id) const override {
        const auto it = numberBoxes.find(id);
        return it == numberBoxes.end() ? std::wstring() : it->second;
    }
    void SetNumberBoxText(int id, std::wstring_view text) override {
        calls.push_back("set " + std::to_string(id) + " '" + Narrow(text) + "'");
        numberBoxes[id] = std::wstring(text);
    }
    void RepaintNumberBox(int id) override { calls.push_back("repaint " + std::to_string(id)); }

    void RequestHover(int milliseconds) override {
        calls.push_back("hover " + std::to_string(milliseconds));
    }
    KeyboardHookResult InstallKeyboardHook() override {
        calls.push_back("hook");
        hookInstalled = hookResult.installed;
        return hookResult;
    }
};

}  // namespace corvane::testing
