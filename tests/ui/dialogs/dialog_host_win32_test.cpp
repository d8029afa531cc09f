// The dialogs on real windows under Wine: the window over its owner, its
// painted background, Enter and Escape through the dialog manager, the list
// and number boxes as real children, and real key presses caught by the
// single key dialog's thread keyboard hook.
#include "ui/skin/dialog_host_win32.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "support/fake_user_messages.h"
#include "ui/dialogs/dialog_factory.h"
#include "ui/dialogs/dialog_layout.h"
#include "ui/dialogs/fire_key_dialog.h"
#include "ui/dialogs/single_dialog.h"
#include "ui/skin/dropdown_box.h"
#include "ui/skin/modal_loop_win32.h"
#include "ui/skin/pixels_win32.h"
#include "ui/skin/skin_dir.h"
#include "ui/skin/window_probes_win32.h"

namespace corvane::testing {
namespace {

constexpr wchar_t kOwnerClass[] = L"CorvaneDialogOwner";
constexpr Point kOwnerAt{60, 40};

HWND CreateOwner() {
    return CreatePlainWindow(kOwnerClass, L"owner", WS_POPUP | WS_VISIBLE, kOwnerAt.x, kOwnerAt.y,
                             760, 630);
}

// What a timer callback inside the modal loop acts on.
struct LoopProbe {
    HWND owner = nullptr;
    HWND dialog = nullptr;
    bool ownerEnabledDuringRun = true;
    std::function<void()> act;
};
LoopProbe g_probe;

void CALLBACK ProbeTimer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    g_probe.ownerEnabledDuringRun = IsWindowEnabled(g_probe.owner) != FALSE;
    if (g_probe.act) {
        g_probe.act();
    }
}

// A run that goes on too long is cancelled, so that a fault cannot hang
// the suite.
void CALLBACK GuardTimer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    ADD_FAILURE() << "the dialog did not end by itself";
    PostMessageW(g_probe.dialog, WM_COMMAND, IDCANCEL, 0);
}

void SendKey(WORD virtualKey, WORD scanCode, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = scanCode;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

void PressAndRelease(WORD virtualKey, WORD scanCode) {
    SendKey(virtualKey, scanCode, false);
    SendKey(virtualKey, scanCode, true);
}

LPARAM ClientPoint(Point p) {
    return MAKELPARAM(p.x, p.y);
}

class DialogWin32Test : public ::testing::Test {
  protected:
    HWND owner = CreateOwner();
    FakeUserMessages messages;
    DialogFlagsOfRun flags;
    std::wstring skin = AssetsSkinDir(L"EN");
    std::unique_ptr<DialogHostWin32> host = std::make_unique<DialogHostWin32>(skin, messages);
    std::unique_ptr<SkinnedDialog> dialog;

    ~DialogWin32Test() override {
        host.reset();
        DestroyWindow(owner);
        g_probe = LoopProbe{};
    }

    HWND Open(DialogKind kind, DialogInputs inputs = {0, 1033}) {
        dialog = MakeDialog(kind, DialogParts{*host, messages, flags, 0x0106}, inputs);
        EXPECT_TRUE(host->Open(owner, *dialog));
        g_probe.owner = owner;
        g_probe.dialog = host->window();
        Pump();
        return host->window();
    }
    void Pump() {
        DrainMessages(host->window(), [this](const MSG& m) { return host->PreFilter(m); });
    }
    // Pumps until `condition` holds, for at most two seconds.
    bool PumpUntil(const std::function<bool()>& condition) {
        for (int i = 0; i < 100 && !condition(); ++i) {
            Pump();
            Sleep(20);
        }
        return condition();
    }
    // Runs the modal loop; `act` runs inside it once it has started.
    void Run(std::function<void()> act = {}) {
        g_probe.act = std::move(act);
        SetTimer(nullptr, 0, 1, ProbeTimer);
        const UINT_PTR guard = SetTimer(nullptr, 0, 5000, GuardTimer);
        host->RunLoop();
        KillTimer(nullptr, guard);
    }
    void PostClick(HWND window, Point p) {
        PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(p));
        PostMessageW(window, WM_LBUTTONUP, 0, ClientPoint(p));
    }
};

TEST_F(DialogWin32Test, ADialogSitsOnItsOwnersClientOriginWithItsExactClientSize) {
    for (const DialogKind kind : {DialogKind::Media, DialogKind::KeysRecover}) {
        HWND window = Open(kind);
        ASSERT_NE(window, nullptr);
        RECT outer{};
        GetWindowRect(window, &outer);
        POINT origin{0, 0};
        ClientToScreen(owner, &origin);
        EXPECT_EQ(outer.left, origin.x);
        EXPECT_EQ(outer.top, origin.y);
        RECT client{};
        GetClientRect(window, &client);
        EXPECT_EQ(client.right, LayoutOf(kind).clientWidth);
        EXPECT_EQ(client.bottom, LayoutOf(kind).clientHeight);
        const auto style = GetWindowLongPtrW(window, GWL_STYLE);
        EXPECT_NE(style & WS_CAPTION, WS_CAPTION) << "no caption";
        EXPECT_FALSE(style & WS_SYSMENU);
        EXPECT_EQ(GetWindow(window, GW_OWNER), owner);
        host->Close();
        EXPECT_FALSE(IsWindow(window));
    }
}

TEST_F(DialogWin32Test, KeysRecoverPaintsItsBackgroundExactly) {
    HWND window = Open(DialogKind::KeysRecover);
    const Pixels expected = DecodeStraight(SkinImagePath(skin, L"/Keys-recover.png"));
    const Pixels shown = ReadWindow(window, 300, 200);
    int wrong = 0;
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 300; ++x) {
            wrong += SameColour(shown.At(x, y), expected.At(x, y), 1) ? 0 : 1;
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DialogWin32Test, ADialogPaintsItsButtonsAndItsChoiceOnTheBackground) {
    HWND window = Open(DialogKind::Media);
    const Pixels background = DecodeStraight(SkinImagePath(skin, L"/media-key.png"));
    const Pixels save = DecodeStraight(SkinImagePath(skin, L"/Save-normal.png"));
    const Pixels shown = ReadWindow(window, 400, 300);
    const DialogLayout& layout = LayoutOf(DialogKind::Media);
    int wrong = 0;
    for (int y = 0; y < 300; ++y) {
        for (int x = 0; x < 400; ++x) {
            const Point p{x, y};
            if (layout.accept.Contains(p) || layout.cancel.Contains(p) ||
                layout.dropdown->Contains(p)) {
                continue;
            }
            wrong += SameColour(shown.At(x, y), background.At(x, y), 1) ? 0 : 1;
        }
    }
    EXPECT_EQ(wrong, 0) << "outside the buttons and the box the background shows";
    const Bgra centre = save.At(save.width / 2, save.height / 2);
    EXPECT_TRUE(SameColour(
        shown.At(layout.accept.left + save.width / 2, layout.accept.top + save.height / 2),
        centre));
    int textPixels = 0;
    const Rect text = layout.dropdown->Inset(0, kBoxArrowWidth);
    for (int y = text.top; y < text.bottom; ++y) {
        for (int x = text.left; x < text.right; ++x) {
            textPixels += SameColour(shown.At(x, y), {198, 255, 0, 0}, 0) ? 1 : 0;
        }
    }
    EXPECT_GT(textPixels, 10) << "\"Next\" in the text colour";
}

TEST_F(DialogWin32Test, EnterAcceptsEscapeCancelsAndTheOwnerIsDisabledMeanwhile) {
    HWND window = Open(DialogKind::Windows);
    Run([window] { PostMessageW(window, WM_KEYDOWN, VK_RETURN, 0x001C0001); });
    EXPECT_FALSE(g_probe.ownerEnabledDuringRun);
    EXPECT_EQ(dialog->Outcome().result, kDialogAccepted);
    EXPECT_EQ(dialog->Outcome().choiceText, L"Multimedia Player");
    EXPECT_TRUE(IsWindowEnabled(owner)) << "enabled again afterwards";
    host->Close();

    window = Open(DialogKind::Windows);
    Run([window] { PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0x00010001); });
    EXPECT_EQ(dialog->Outcome().result, kDialogCancelled);
}

TEST_F(DialogWin32Test, TheListIsARealListBoxAndAClickInItChooses) {
    HWND window = Open(DialogKind::Media);
    PostClick(window, Point{60, 120});
    Pump();
    HWND list = GetDlgItem(window, 553);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 7);
    const auto style = GetWindowLongPtrW(list, GWL_STYLE);
    EXPECT_TRUE(style & LBS_NOTIFY);
    EXPECT_TRUE(style & WS_BORDER);
    EXPECT_FALSE(style & WS_VSCROLL);

    const ListBoxColours colours = AskListBoxColours(window, list);
    ASSERT_TRUE(colours.brushRead);
    EXPECT_EQ(colours.brush, RGB(26, 54, 51));
    EXPECT_EQ(colours.text, RGB(0, 255, 198));
    EXPECT_EQ(colours.backgroundMode, TRANSPARENT);
    EXPECT_STREQ(colours.font.lfFaceName, L"Tahoma");
    EXPECT_EQ(colours.font.lfHeight, 14);

    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, 6, reinterpret_cast<LPARAM>(&item));
    PostClick(list, Point{(item.left + item.right) / 2, (item.top + item.bottom) / 2});
    ASSERT_TRUE(PumpUntil([&] { return GetDlgItem(window, 553) == nullptr; }));
    EXPECT_EQ(dialog->choiceText(), L"Vol-");
    EXPECT_EQ(dialog->choiceIndex(), 6);
    Run([window] { PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(160, 260)); });
    EXPECT_EQ(dialog->Outcome().result, kDialogAccepted);
    EXPECT_EQ(dialog->Outcome().choiceIndex, 6);
}

TEST_F(DialogWin32Test, FireKeyBoxesAreDigitEditsCheckedAsTheyChangeAndReadOnAccept) {
    HWND window = Open(DialogKind::FireKey);
    HWND times = GetDlgItem(window, 573);
    HWND make = GetDlgItem(window, 574);
    ASSERT_NE(times, nullptr);
    ASSERT_NE(make, nullptr);
    const auto style = GetWindowLongPtrW(times, GWL_STYLE);
    EXPECT_TRUE(style & ES_NUMBER);
    EXPECT_TRUE(style & ES_CENTER);
    wchar_t text[16] = {};
    GetWindowTextW(make, text, 16);
    EXPECT_STREQ(text, L"5");

    SetWindowTextW(times, L"200");
    GetWindowTextW(times, text, 16);
    EXPECT_STREQ(text, L"1") << "out of range: the box shows 1 again";
    SetWindowTextW(times, L"3");

    // Typed for real into the make time box, which keeps the focus.
    SetFocus(make);
    SendMessageW(make, EM_SETSEL, 0, -1);
    PressAndRelease('3', 0x04);
    PressAndRelease('0', 0x0B);
    ASSERT_TRUE(PumpUntil([&] {
        GetWindowTextW(make, text, 16);
        return std::wstring(text) == L"30";
    }));
    EXPECT_EQ(dynamic_cast<CFireKeyDialog&>(*dialog).value(1), 5) << "not confirmed yet";
    Run([make] { PostMessageW(make, WM_KEYDOWN, VK_RETURN, 0x001C0001); });
    const DialogOutcome outcome = dialog->Outcome();
    EXPECT_EQ(outcome.result, kDialogAccepted);
    EXPECT_EQ(outcome.fireTimes, 3);
    EXPECT_EQ(outcome.fireMakeTime, 30);
}

TEST_F(DialogWin32Test, RealKeyPressesAreCaughtAndEnterDoesNotCloseTheSingleKeyDialog) {
    HWND window = Open(DialogKind::SingleKey);
    ASSERT_TRUE(DialogKeyboardHookInstalled());
    auto& single = dynamic_cast<CSingleDialog&>(*dialog);
    PressAndRelease('A', 0x1E);
    ASSERT_TRUE(PumpUntil([&] { return single.key().scanCode == 0x1E; }));
    EXPECT_EQ(single.keyText(), L"A");
    EXPECT_FALSE(single.key().extended);

    PressAndRelease(VK_RETURN, 0x1C);
    ASSERT_TRUE(PumpUntil([&] { return single.key().scanCode == 0x1C; }));
    EXPECT_FALSE(single.keyText().empty()) << "the driver's name of Enter";
    EXPECT_FALSE(dialog->ended()) << "Enter is captured, not accepted";
    PressAndRelease(VK_ESCAPE, 0x01);
    ASSERT_TRUE(PumpUntil([&] { return single.key().scanCode == 0x01; }));
    EXPECT_FALSE(dialog->ended());

    Run([window] { PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(160, 260)); });
    EXPECT_EQ(dialog->Outcome().result, kDialogAccepted);
    EXPECT_EQ(dialog->Outcome().key.scanCode, 0x01);
    host->Close();
    EXPECT_FALSE(DialogKeyboardHookInstalled()) << "closing removes the hook";
}

TEST_F(DialogWin32Test, AMissingBackgroundShowsTheBoxAndTheBlankDialogStillAnswers) {
    host = std::make_unique<DialogHostWin32>(L"Z:/nonexistent", messages);
    HWND window = Open(DialogKind::KeysRecover);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, Caption::KeysRecoverDialogBackground);
    Run([window] { PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 160)); });
    EXPECT_EQ(dialog->Outcome().result, kDialogAccepted);
}

}  // namespace
}  // namespace corvane::testing
