// Recording fakes of the shell's seams: the platform host, the window's page
// operations and in-memory stored files.
#pragma once

#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/shell_host.h"
#include "app/shell_window.h"
#include "support/fake_file_store.h"
#include "support/fake_ini_store.h"

namespace corvane::testing {

class FakeShellHost final : public ShellHost {
  public:
    bool mutexExisted = false;
    bool registrationSucceeds = true;
    // Every call in order, e.g. "AddTrayIcon Gaming Mouse Setting".
    std::vector<std::wstring> calls;
    struct Balloon {
        std::wstring text, title;
        unsigned timeoutMs;
        friend bool operator==(const Balloon&, const Balloon&) = default;
    };
    std::vector<Balloon> balloons;
    WindowFonts fonts{};
    std::vector<int> exitCodes;
    bool visible = false;

    bool SingleInstanceMutexExisted() override {
        calls.push_back(L"Mutex");
        return mutexExisted;
    }
    void SetWindowIcons() override { calls.push_back(L"SetWindowIcons"); }
    void UseToolWindowStyle() override { calls.push_back(L"UseToolWindowStyle"); }
    void CreateFonts(const WindowFonts& f) override {
        fonts = f;
        calls.push_back(L"CreateFonts");
    }
    void AddTrayIcon(std::wstring_view tip) override {
        calls.push_back(L"AddTrayIcon " + std::wstring(tip));
    }
    void ShowBalloon(std::wstring_view text, std::wstring_view title, unsigned timeoutMs) override {
        balloons.push_back({std::wstring(text), std::wstring(title), timeoutMs});
        calls.push_back(L"ShowBalloon");
    }
    void RemoveTrayIcon() override { calls.push_back(L"RemoveTrayIcon"); }
    void ShowTrayMenu(std::wstring_view exitText) override {
        calls.push_back(L"ShowTrayMenu " + std::wstring(exitText));
    }
    bool RegisterForDeviceChanges() override {
        calls.push_back(L"RegisterDeviceNotification");
        return registrationSucceeds;
    }
    void LoadBackground(const std::wstring& path) override {
        calls.push_back(L"LoadBackground " + path);
    }
    void ShowInFront() override {
        visible = true;
        calls.push_back(L"ShowInFront");
    }
    void Hide() override {
        visible = false;
        calls.push_back(L"Hide");
    }
    void BeginWaitCursor() override { calls.push_back(L"BeginWaitCursor"); }
    void EndWaitCursor() override { calls.push_back(L"EndWaitCursor"); }
    void EndProcess(int exitCode) override {
        exitCodes.push_back(exitCode);
        calls.push_back(L"EndProcess");
    }

    std::size_t Count(const std::wstring& call) const {
        std::size_t n = 0;
        for (const auto& c : calls) {
            n += c == call;
        }
        return n;
    }
};

class FakeShellWindow final : public ShellWindow {
  public:
    int page = kNoPage;
    bool refresh = false;
    KeyLabels labels{};
    std::vector<std::wstring> calls;  // page operations, with the page at the time

    int CurrentPage() const override { return page; }
    void SetCurrentPage(int p) override { page = p; }
    bool RefreshOnShow() const override { return refresh; }
    void SetRefreshOnShow(bool value) override { refresh = value; }
    void PageLeave() override { calls.push_back(L"PageLeave " + std::to_wstring(page)); }
    // Like the window: a show of the current page does nothing.
    void ShowKeyPage() override { Show(kKeyPage, L"ShowKeyPage"); }
    void ShowDpiPage() override { Show(kDpiPage, L"ShowDpiPage"); }
    void ShowLedPage() override { Show(kLedPage, L"ShowLedPage"); }
    KeyLabels& Labels() override { return labels; }

  private:
    void Show(int p, const wchar_t* name) {
        if (page == p) {
            return;
        }
        page = p;
        calls.push_back(name);
    }
};

}  // namespace corvane::testing
