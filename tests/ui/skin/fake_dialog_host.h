// A dialog host that records every effect in order, as readable lines, and
// answers queries from what the test scripted. Number boxes behave like
// edit boxes: typing is a text change the test reports to the dialog.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ui/skin/dialog_host.h"
#include "ui/skin/recording_host.h"

namespace corvane::testing {

struct FakeDialogList {
    Rect rect{};
    std::vector<std::wstring> items;
    bool scrollBar = false;
    std::optional<int> selection;
};

class FakeDialogHost final : public RecordingHost<DialogHost, FakeDialogList> {
  public:
    // Scripted answers.
    bool backgroundLoads = true;
    KeyboardHookResult hookResult{true, 0};

    // State the dialog built.
    std::optional<DialogFont> font;
    std::map<int, std::wstring> numberBoxes;
    bool hookInstalled = false;

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
        calls.push_back("text '" + Narrow(text) + "' " + Describe(rect) + " " + Describe(format));
    }
    void Present() override { calls.push_back("present"); }

    void CreateList(int id, Rect rect, std::span<const std::wstring> items,
                    bool scrollBar) override {
        calls.push_back("create " + std::to_string(id) + " " + Describe(rect) + " " +
                        std::to_string(items.size()) + (scrollBar ? " scroll" : ""));
        lists[id] = FakeDialogList{rect, {items.begin(), items.end()}, scrollBar, std::nullopt};
    }
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
