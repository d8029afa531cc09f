// A main window host that records every effect in order, as readable lines,
// and answers queries from what the test scripted.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ui/main/main_host.h"
#include "ui/skin/recording_host.h"

namespace corvane::testing {

struct FakeList {
    Rect rect{};
    std::vector<std::wstring> items;
    std::optional<int> selection;
};

class FakeMainHost : public RecordingHost<MainWindowHost, FakeList> {
  public:
    // Scripted answers.
    bool hasBackBuffer = true;
    std::set<std::wstring> missingImages;
    int dialogResult = kDialogCancelled;
    std::deque<DialogOutcome> dialogOutcomes;
    std::vector<DialogInputs> dialogInputs;
    // What the set-up gave.
    std::wstring skinDir;
    WindowFonts fonts{};

    void SetUp(const WindowSetup& setup) override {
        skinDir = setup.skinDir;
        fonts = setup.fonts;
        calls.push_back("setup " + Narrow(setup.skinDir));
    }
    void LoadBackground(std::wstring_view name) override {
        calls.push_back("background " + Narrow(name));
    }
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
        calls.push_back("text '" + Narrow(text) + "' " + Describe(rect) + " " + Describe(format) +
                        (font == FontKind::Page ? " page" : " list"));
    }
    void Present() override { calls.push_back("present"); }
    void RepaintFromBackBuffer() override { calls.push_back("repaint"); }

    void CreateList(int id, Rect rect, std::span<const std::wstring> items) override {
        calls.push_back("create " + std::to_string(id) + " " + Describe(rect));
        lists[id] = FakeList{rect, {items.begin(), items.end()}, std::nullopt};
    }
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
};

}  // namespace corvane::testing
