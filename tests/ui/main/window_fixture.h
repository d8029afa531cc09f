// A main window over fakes: the recording host, in-memory stores and
// recorded messages, with the English texts.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/settings_files.h"
#include "support/fake_file_store.h"
#include "support/fake_ini_store.h"
#include "support/fake_system_facts.h"
#include "support/fake_user_messages.h"
#include "ui/main/fake_main_host.h"
#include "ui/main/fake_window_owner.h"
#include "ui/main/tessary_dlg.h"
#include "ui/main/text_table.h"

namespace corvane::testing {

inline constexpr Point kEmptySpot{100, 100};

class WindowTest : public ::testing::Test {
  protected:
    DeviceState state;
    FakeMainHost host;
    FakeUserMessages messages;
    FakeSystemFacts facts;
    FakeFileStore files;
    FakeIniStore ini;
    SettingsFiles stored{state, files, ini, facts, L"C:\\Tools\\", L"Setting-EN"};
    // Close is recorded among the host's calls.
    FakeWindowOwner owner;
    int& deviceWrites = owner.writes;
    CTessaryDlg dlg{state,  host,  messages,      TextTableFor(kLangEnglishUs),
                    stored, owner, kLangEnglishUs};

    WindowTest() {
        owner.onEnd = [this] { host.calls.push_back("end"); };
        // A tool that has run before: no first-run handling unless a test
        // asks for it.
        state.firstRunFlag = 1;
    }

    // The window as start-up leaves it: key page shown, nothing recorded.
    void StartOnKeyPage() {
        dlg.ShowKeyPage();
        host.Clear();
    }
    void ShowPage(int page) {
        StartOnKeyPage();
        if (page == kDpiPage) {
            dlg.ShowDpiPage();
        } else if (page == kLedPage) {
            dlg.ShowLedPage();
        }
        host.Clear();
    }
    void OpenList(int id) { host.lists[id] = FakeList{}; }
    static Point Inside(const Rect& r) { return {r.left + 1, r.top + 1}; }
    // The texts of list `id`, as the list holds them.
    std::vector<std::string> ItemsOf(int id) const {
        std::vector<std::string> items;
        for (const std::wstring& item : host.lists.at(id).items) {
            items.push_back(Narrow(item));
        }
        return items;
    }
    SettingsRecord& record() { return state.records.working; }
};

}  // namespace corvane::testing
