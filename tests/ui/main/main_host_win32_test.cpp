// The main window's Win32 host on a real window: the key page composed on a
// real back buffer, hover images on the screen, the list boxes, and the one
// live control brush.
#include <gtest/gtest.h>

#include "support/fake_file_store.h"
#include "support/fake_ini_store.h"
#include "support/fake_system_facts.h"
#include "support/fake_user_messages.h"
#include "ui/main/fake_window_owner.h"
#include "ui/main/main_host_win32.h"
#include "ui/main/main_layout.h"
#include "ui/main/tessary_dlg.h"
#include "ui/skin/pixels_win32.h"
#include "ui/skin/skin_dir.h"
#include "ui/skin/window_probes_win32.h"

namespace corvane::testing {
namespace {

constexpr wchar_t kClass[] = L"CorvaneHostTestWindow";

HWND CreateTestWindow() {
    HWND window = CreatePlainWindow(kClass, L"host test", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                                    0, 0, kClientWidth, kClientHeight);
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return window;
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&msg);
    }
}

class MainHostTest : public ::testing::Test {
  protected:
    HWND window = CreateTestWindow();
    FakeUserMessages messages;
    std::wstring skin = AssetsSkinDir(L"EN");
    MainHostWin32 host;

    DeviceState state;
    FakeSystemFacts facts;
    FakeFileStore files;
    FakeIniStore ini;
    SettingsFiles stored{state, files, ini, facts, L"C:\\Tools\\", L"Setting-EN"};
    FakeWindowOwner owner;
    CTessaryDlg dlg{state,  host,  messages,      TextTableFor(kLangEnglishUs),
                    stored, owner, kLangEnglishUs};

    MainHostTest() {
        state.firstRunFlag = 1;
        host.Attach(window);
        host.SetUp(
            {skin, FontsFor(kLangEnglishUs, facts.VersionWord()), facts.VersionWord(), messages});
        host.LoadBackground(kImageMain);
        PumpMessages();
    }
    ~MainHostTest() override { DestroyWindow(window); }

    static bool InAnyKeyBox(int x, int y) {
        for (int layer = 0; layer < kKeyLayerCount; ++layer) {
            for (int button = 0; button < kClickableKeyButtonCount; ++button) {
                if (kKeyBoxes[layer][button].Contains({x, y})) {
                    return true;
                }
            }
        }
        return false;
    }

    // Counts the pixels of `actual` that differ from `expected` outside the
    // key boxes, reporting the first.
    static int DifferencesOutsideKeyBoxes(const Pixels& actual, const Pixels& expected) {
        int differences = 0;
        for (int y = 0; y < kClientHeight; ++y) {
            for (int x = 0; x < kClientWidth; ++x) {
                if (InAnyKeyBox(x, y) || SameColour(actual.At(x, y), expected.At(x, y), 1)) {
                    continue;
                }
                if (differences++ == 0) {
                    ADD_FAILURE() << "first difference at " << x << "," << y << ": "
                                  << Describe(actual.At(x, y)) << " expected "
                                  << Describe(expected.At(x, y));
                }
            }
        }
        return differences;
    }

    // KeySet.png blended over main.png, as the back buffer should hold it.
    Pixels ExpectedKeyPage() const {
        Pixels keySet = DecodeStraight(SkinImagePath(skin, kImageKeySet));
        const Pixels main = DecodeStraight(SkinImagePath(skin, kImageMain));
        for (std::size_t i = 0; i < keySet.data.size() && i < main.data.size(); ++i) {
            keySet.data[i] = BlendOver(keySet.data[i], main.data[i]);
        }
        return keySet;
    }
};

TEST_F(MainHostTest, TheKeyPageOnARealBackBufferEqualsKeySetOutsideTheKeyBoxes) {
    ASSERT_NE(host.backBuffer(), nullptr);
    for (int layer = 0; layer < 2; ++layer) {
        for (int button = 0; button < 8; ++button) {
            dlg.labels()[layer][button] = L"Right Click";
        }
    }
    dlg.ShowKeyPage();
    EXPECT_TRUE(messages.shown.empty()) << "every image loaded";

    const Pixels expected = ExpectedKeyPage();
    ASSERT_EQ(expected.width, kClientWidth);
    ASSERT_EQ(expected.height, kClientHeight);
    EXPECT_EQ(DifferencesOutsideKeyBoxes(ReadBitmap(host.backBuffer(), kClientWidth, kClientHeight),
                                         expected),
              0);
    EXPECT_EQ(DifferencesOutsideKeyBoxes(ReadWindow(window, kClientWidth, kClientHeight), expected),
              0)
        << "the window shows the back buffer";

    // The labels were drawn inside their boxes, in the text colour.
    const Pixels shown = ReadWindow(window, kClientWidth, kClientHeight);
    int textPixels = 0;
    const Rect text = kKeyBoxes[1][2].Inset(kKeyBoxTextInsetLeft, kBoxArrowWidth);
    for (int y = text.top; y < text.bottom; ++y) {
        for (int x = text.left; x < text.right; ++x) {
            textPixels += SameColour(shown.At(x, y), {198, 255, 0, 0}, 0) ? 1 : 0;
        }
    }
    EXPECT_GT(textPixels, 10);
}

TEST_F(MainHostTest, AHoverShowsTheOverImageAndTheRestoreTheNormalOne) {
    dlg.ShowKeyPage();
    const Pixels over = DecodeStraight(SkinImagePath(skin, kImageSaveOver));
    const Pixels normal = DecodeStraight(SkinImagePath(skin, kImageSaveNormal));
    const Pixels page = ExpectedKeyPage();
    const auto expectSave = [&](const Pixels& image, const char* what) {
        const Pixels shown = ReadWindow(window, kClientWidth, kClientHeight);
        int wrong = 0;
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                const int px = kSaveButton.left + x;
                const int py = kSaveButton.top + y;
                const Bgra expected = BlendOver(image.At(x, y), page.At(px, py));
                wrong += SameColour(shown.At(px, py), expected, 3) ? 0 : 1;
            }
        }
        EXPECT_EQ(wrong, 0) << what;
    };
    dlg.OnMouseHover({kSaveButton.left + 5, kSaveButton.top + 5});
    expectSave(over, "over");
    dlg.OnMouseMove({100, 100});
    // The normal image lies over the over image now; where it is opaque it
    // alone shows.
    const Pixels shown = ReadWindow(window, kClientWidth, kClientHeight);
    const Bgra centre = normal.At(normal.width / 2, normal.height / 2);
    ASSERT_EQ(centre.a, 255);
    EXPECT_TRUE(SameColour(
        shown.At(kSaveButton.left + normal.width / 2, kSaveButton.top + normal.height / 2),
        centre));
}

TEST_F(MainHostTest, ListsAreRealListBoxChildren) {
    const std::wstring items[] = {L"Left Click", L"Right Click", L"Mid Click"};
    const Rect zone = kKeyListZones[0][0];
    host.CreateList(31, zone, items);
    ASSERT_TRUE(host.ListExists(31));
    EXPECT_FALSE(host.ListExists(32));
    EXPECT_EQ(host.ListText(31, 1), L"Right Click");
    EXPECT_EQ(host.ListText(31, 7), L"");
    EXPECT_FALSE(host.ListSelection(31).has_value());
    host.SetListSelection(31, 2);
    EXPECT_EQ(host.ListSelection(31), 2);

    HWND list = GetDlgItem(window, 31);
    ASSERT_NE(list, nullptr);
    const LONG style = GetWindowLongW(list, GWL_STYLE);
    EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY),
              WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY);
    RECT r{};
    GetWindowRect(list, &r);
    EXPECT_EQ(r.left, zone.left);
    EXPECT_EQ(r.bottom - r.top, zone.Height());

    PumpMessages();
    const Point firstItem{zone.left + 10, zone.top + 5};
    EXPECT_EQ(host.ListUnderScreenPoint(firstItem), 31);
    EXPECT_EQ(host.ListItemAt(31, firstItem), 0);
    EXPECT_FALSE(host.ListUnderScreenPoint({10, 10}).has_value());

    host.DestroyList(31);
    EXPECT_FALSE(host.ListExists(31));
    EXPECT_EQ(GetDlgItem(window, 31), nullptr);
}

TEST_F(MainHostTest, OnlyOneControlBrushLivesAtATime) {
    HDC dc = GetDC(window);
    const ControlColourChoice list = dlg.ControlColour(ControlCategory::ListBox, 31);
    HBRUSH first = host.ApplyControlColour(dc, list, nullptr);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(GetTextColor(dc), RGB(0, 255, 198));
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    LOGBRUSH brush{};
    GetObjectW(first, sizeof brush, &brush);
    EXPECT_EQ(brush.lbColor, RGB(26, 54, 51));

    HBRUSH fallback = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(host.ApplyControlColour(dc, dlg.ControlColour(ControlCategory::Button, 1), fallback),
              fallback);
    EXPECT_EQ(GetObjectType(first), 0u) << "the previous brush is deleted";
    ReleaseDC(window, dc);
    EXPECT_EQ(ControlCategoryOf(WM_CTLCOLORLISTBOX), ControlCategory::ListBox);
    EXPECT_EQ(ControlCategoryOf(WM_CTLCOLORSTATIC), ControlCategory::Static);
    EXPECT_EQ(ControlCategoryOf(WM_CTLCOLORDLG), ControlCategory::Other);
}

TEST_F(MainHostTest, WithoutABackBufferAPassDrawsOnABlankSurface) {
    host.SetBackBuffer(nullptr);
    EXPECT_FALSE(host.BeginDrawingPass());
    EXPECT_TRUE(host.DrawImage(kImageSaveOver, kSaveButton.TopLeft()));
    host.Present();
    dlg.ShowLedPage();
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace corvane::testing
