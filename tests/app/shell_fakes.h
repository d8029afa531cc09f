// Recording fakes of the shell's seams: the platform host, the window's
// host whose start-up steps show among the platform host's calls, the
// message boxes, and a mouse that this user may not open.
#pragma once

#include <map>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/shell_host.h"
#include "core/text_encoding.h"
#include "device/simulator/simulated_mouse.h"
#include "ui/main/fake_main_host.h"
#include "ui/main/text_messages.h"

namespace corvane::testing {

struct Box {
    std::wstring text, caption;
    friend bool operator==(const Box&, const Box&) = default;
    friend void PrintTo(const Box& box, std::ostream* out) {
        *out << ToUtf8(box.caption) << ": " << ToUtf8(box.text);
    }
};

// Message boxes recorded instead of shown.
class RecordedBoxes final : public MessageBoxSink {
  public:
    std::vector<Box> shown;
    void ShowMessageBox(const std::wstring& text, const std::wstring& caption) override {
        shown.push_back({text, caption});
    }
    // Each box as "CAPTION: TEXT".
    std::vector<std::wstring> Lines() const {
        std::vector<std::wstring> lines;
        for (const Box& box : shown) {
            lines.push_back(box.caption + L": " + box.text);
        }
        return lines;
    }
};

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
    std::vector<int> exitCodes;
    bool visible = false;

    bool SingleInstanceMutexExisted() override {
        calls.push_back(L"Mutex");
        return mutexExisted;
    }
    void SetWindowIcons() override { calls.push_back(L"SetWindowIcons"); }
    void UseToolWindowStyle() override { calls.push_back(L"UseToolWindowStyle"); }
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

// The window's host, whose set-up and background also go into the shell
// host's call list, so that the start-up's order across both shows.
class ShellWindowHost final : public FakeMainHost {
  public:
    explicit ShellWindowHost(FakeShellHost& shellHost) : shellHost_(shellHost) {}
    void SetUp(const WindowSetup& setup) override {
        FakeMainHost::SetUp(setup);
        shellHost_.calls.push_back(L"SetUp " + setup.skinDir);
    }
    void LoadBackground(std::wstring_view name) override {
        FakeMainHost::LoadBackground(name);
        shellHost_.calls.push_back(L"LoadBackground " + std::wstring(name));
    }

  private:
    FakeShellHost& shellHost_;
};

// The simulated mouse, whose "access denied" (5) an access rule would mend,
// as a permission error is on Linux.
class NoAccessPort final : public HidPort {
  public:
    explicit NoAccessPort(SimulatedMouseOptions options) : mouse_(std::move(options)) {}
    bool OpenInterfaceList() override { return mouse_.OpenInterfaceList(); }
    HidListing EnumInterface(std::uint32_t i) override { return mouse_.EnumInterface(i); }
    bool GetInterfacePath(std::uint32_t i, std::wstring& p) override {
        return mouse_.GetInterfacePath(i, p);
    }
    void CloseInterfaceList() override { mouse_.CloseInterfaceList(); }
    HidHandle Open(const std::wstring& p, HidOpenPurpose u, std::uint32_t& e) override {
        return mouse_.Open(p, u, e);
    }
    void Close(HidHandle h) override { mouse_.Close(h); }
    bool NeedsAccessRule(std::uint32_t error) const override { return error == 5; }
    bool GetAttributes(HidHandle h, HidAttributes& a) override {
        return mouse_.GetAttributes(h, a);
    }
    bool GetPreparsedData(HidHandle h, HidPreparsedData& d) override {
        return mouse_.GetPreparsedData(h, d);
    }
    void FreePreparsedData(HidPreparsedData d) override { mouse_.FreePreparsedData(d); }
    HidCapsStatus GetCaps(HidPreparsedData d, HidCaps& c) override { return mouse_.GetCaps(d, c); }
    bool SetFeature(HidHandle h, std::span<const std::uint8_t> r) override {
        return mouse_.SetFeature(h, r);
    }
    bool GetFeature(HidHandle h, std::span<std::uint8_t> r) override {
        return mouse_.GetFeature(h, r);
    }

  private:
    SimulatedMouse mouse_;
};

}  // namespace corvane::testing
