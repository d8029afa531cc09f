// A main window host that records every effect in order, as readable lines,
// and answers queries from what the test scripted.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/text_encoding.h"
#include "ui/main/main_host.h"

namespace corvane::testing {

struct FakeList {
    Rect rect{};
    std::vector<std::wstring> items;
    std::optional<int> selection;
};

inline std::string Narrow(std::wstring_view text) {
    return ToUtf8(std::wstring(text));
}

inline std::string Describe(const Rect& r) {
    std::ostringstream out;
    out << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom;
    return out.str();
}

class FakeMainHost final : public MainWindowHost {
  public:
    // Scripted answers.
    bool hasBackBuffer = true;
    std::set<std::wstring> missingImages;
    std::map<int, FakeList> lists;
    std::optional<int> listUnderPointer;
    std::optional<int> itemUnderPointer;
    int dialogResult = kDialogCancelled;
    std::deque<DialogOutcome> dialogOutcomes;
    std::vector<DialogInputs> dialogInputs;

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

    bool BeginDrawingPass() override {
        calls.push_back("pass");
        return hasBackBuffer;
    }
    bool DrawImage(std::wstring_view name, Point at) override {
        const bool missing = missingImages.count(std::wstring(name)) != 0;
        calls.push_back("image " + Narrow(name) + " " + std::to_string(at.x) + "," +
                        std::to_string(at.y) + (missing ? " missing" : ""));
        return !missing;
    }
    void DrawText(std::wstring_view text, Rect rect, TextFormat format, FontKind font) override {
        calls.push_back("text '" + Narrow(text) + "' " + Describe(rect) + " " +
                        std::to_string(static_cast<unsigned>(format)) +
                        (font == FontKind::Page ? " page" : " list"));
    }
    void Present() override { calls.push_back("present"); }
    void RepaintFromBackBuffer() override { calls.push_back("repaint"); }

    void CreateList(int id, Rect rect, std::span<const std::wstring> items) override {
        calls.push_back("create " + std::to_string(id) + " " + Describe(rect));
        lists[id] = FakeList{rect, {items.begin(), items.end()}, std::nullopt};
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
    std::optional<int> ListItemAt(int, Point) const override { return itemUnderPointer; }
    std::wstring ListText(int id, int index) const override {
        const auto it = lists.find(id);
        if (it == lists.end() || index < 0 || index >= static_cast<int>(it->second.items.size())) {
            return {};
        }
        return it->second.items[index];
    }
    std::optional<int> ListUnderScreenPoint(Point) const override { return listUnderPointer; }

    void ShowMessageBox(const std::wstring& text, const std::wstring& caption) override {
        calls.push_back("box " + Narrow(text) + "|" + Narrow(caption));
    }
    void Hide() override { calls.push_back("hide"); }
    void Show() override { calls.push_back("show"); }
    void BringToFront() override { calls.push_back("front"); }
    void StartDrag() override { calls.push_back("drag"); }
    void RequestHover(int milliseconds) override {
        calls.push_back("hover " + std::to_string(milliseconds));
    }
    // Answers with the next scripted outcome, or `dialogResult` alone when
    // none is left.
    DialogOutcome RunDialog(DialogKind kind, const DialogInputs& inputs) override {
        calls.push_back("dialog " + std::to_string(static_cast<int>(kind)));
        dialogInputs.push_back(inputs);
        if (!dialogOutcomes.empty()) {
            DialogOutcome next = dialogOutcomes.front();
            dialogOutcomes.pop_front();
            return next;
        }
        DialogOutcome outcome;
        outcome.result = dialogResult;
        return outcome;
    }
    void EndProgram() override { calls.push_back("end"); }
};

}  // namespace corvane::testing
