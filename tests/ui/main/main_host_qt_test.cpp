// The main window's Qt host on a real widget (offscreen platform) with the
// real window logic: the key page composed on the back buffer and shown,
// hover looks from a resting pointer, the key lists as children whose
// highlight follows the pointer, a dialog run over the window, the keys the
// pre-filter takes, the window drag and the message boxes.
#include "ui/main/main_host_qt.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>

#include <cstring>

#include "settings/settings_files.h"
#include "support/fake_file_store.h"
#include "support/fake_ini_store.h"
#include "support/fake_system_facts.h"
#include "support/fake_user_messages.h"
#include "ui/main/fake_window_owner.h"
#include "ui/main/main_layout.h"
#include "ui/main/pages/key_page.h"
#include "ui/main/tessary_dlg.h"
#include "ui/skin/dropdown_box.h"
#include "ui/skin/qt_pixels.h"
#include "ui/skin/skin_dir.h"
#include "ui/skin/skin_image_qt.h"

namespace corvane::testing {
namespace {

class MainHostQtTest : public ::testing::Test {
  protected:
    FakeUserMessages messages;
    std::wstring skin = AssetsSkinDir(L"EN");
    MainHostQt host;
    DeviceState state;
    FakeSystemFacts facts;
    FakeFileStore files;
    FakeIniStore ini;
    SettingsFiles stored{state, files, ini, facts, L"/settings/", L"Setting-EN"};
    FakeWindowOwner owner;
    CTessaryDlg dlg{state,  host,  messages,      TextTableFor(kLangEnglishUs),
                    stored, owner, kLangEnglishUs};

    MainHostQtTest() {
        state.firstRunFlag = 1;
        // Every button a Right Click: every key box opens its list.
        std::memset(state.records.working.buttonFunction, 1,
                    sizeof state.records.working.buttonFunction);
        for (int layer = 0; layer < 2; ++layer) {
            for (int button = 0; button < 8; ++button) {
                dlg.labels()[layer][button] = L"Right Click";
            }
        }
        host.SetUp({skin, FontsFor(kLangEnglishUs, 0), 0, messages});
        host.LoadBackground(L"/main.png");
        EXPECT_TRUE(host.hasBackBuffer());
        host.Attach(dlg);
        host.window()->move(0, 0);
        host.Show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(host.window()));
    }

    QWindow* Window() const { return host.window()->windowHandle(); }
    void Key(int key, quint32 xKeycode) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, xKeycode, 0, 0);
        QApplication::sendEvent(Window(), &event);
    }
    static QPoint Inside(const Rect& r) { return {r.left + 5, r.top + 5}; }

    static bool InAnyKeyBox(int x, int y) {
        for (const auto& layer : kKeyBoxes) {
            for (const Rect& box : layer) {
                if (box.Contains({x, y})) {
                    return true;
                }
            }
        }
        return false;
    }

    // KeySet.png blended over main.png, as the back buffer should hold it.
    QImage ExpectedKeyPage() const {
        const QImage keySet = DecodeStraight(SkinImagePath(skin, L"/KeySet.png"));
        QImage page = LoadBackgroundImage(SkinImagePath(skin, L"/main.png"));
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                page.setPixel(x, y, BlendOver(keySet.pixel(x, y), page.pixel(x, y)));
            }
        }
        return page;
    }
    // The key list of the normal layer's button 3, open.
    QListWidget* OpenKeyList() {
        QTest::mouseClick(Window(), Qt::LeftButton, Qt::NoModifier, Inside(kKeyBoxes[0][3]));
        QCoreApplication::processEvents();  // the logic takes a press after its delivery
        return host.window()->findChild<QListWidget*>(
            QStringLiteral("list%1").arg(KeyListId(0, 3)));
    }
};

TEST_F(MainHostQtTest, TheWindowIsFramelessWithTheExactClientSize) {
    EXPECT_EQ(host.window()->size(), QSize(760, 630));
    EXPECT_TRUE(host.window()->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(host.window()->isWindow());
    EXPECT_EQ(QFontMetrics(host.pageFont()).height(), 18);
    EXPECT_EQ(QFontMetrics(host.listFont()).height(), 16);
}

TEST_F(MainHostQtTest, TheKeyPageOnTheBackBufferEqualsKeySetOverMainOutsideTheKeyBoxes) {
    dlg.ShowKeyPage();
    EXPECT_TRUE(messages.shown.empty()) << "every image loaded";
    const QImage expected = ExpectedKeyPage();
    const auto skip = [](int x, int y) { return InAnyKeyBox(x, y); };
    EXPECT_EQ(Differences(host.backBuffer(), expected, skip), 0);
    const QImage shown = Shown(*host.window());
    EXPECT_EQ(Differences(shown, expected, skip), 0) << "the window shows the back buffer";
    const Rect text = kKeyBoxes[1][2].Inset(kKeyBoxTextInsetLeft, kBoxArrowWidth);
    EXPECT_GT(CountColour(shown, text, SkinTextColour().rgb()), 10) << "the label";
}

TEST_F(MainHostQtTest, RestingOnSaveShowsItsOverLookAndMovingAwayItsNormalOne) {
    dlg.ShowKeyPage();
    const QImage over = DecodeStraight(SkinImagePath(skin, L"/Save-over.png"));
    const QImage normal = DecodeStraight(SkinImagePath(skin, L"/Save-normal.png"));
    const QImage page = ExpectedKeyPage();
    const auto shows = [&](const QImage& image) {
        const QImage shown = Shown(*host.window());
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QPoint at(kSaveButton.left + x, kSaveButton.top + y);
                if (!SameColour(shown.pixel(at), BlendOver(image.pixel(x, y), page.pixel(at)))) {
                    return false;
                }
            }
        }
        return true;
    };
    QTest::mouseMove(Window(), Inside(kSaveButton));
    EXPECT_TRUE(WaitFor([&] { return shows(over); })) << "over, after the pointer rested";
    EXPECT_TRUE(dlg.hoverFlag(HotRegion::Save));
    QTest::mouseMove(Window(), QPoint(100, 100));
    EXPECT_TRUE(WaitFor([&] { return dlg.hoverFlag(HotRegion::Save) == false; }));
    const QImage shown = Shown(*host.window());
    const QPoint centre(normal.width() / 2, normal.height() / 2);
    EXPECT_EQ(shown.pixel(QPoint(kSaveButton.left, kSaveButton.top) + centre),
              normal.pixel(centre) | 0xFF000000u)
        << "the normal image lies over the over image where it is opaque";
}

// A pointer that goes from a key box onto its open list has left the
// window's own regions, as Windows tells the window when the pointer enters
// a child: the box behind it gets no hover.
TEST_F(MainHostQtTest, APointerGoneOntoAnOpenListHoversNothingBehindIt) {
    dlg.ShowKeyPage();
    QListWidget* list = OpenKeyList();
    ASSERT_NE(list, nullptr);
    QTest::mouseMove(Window(), Inside(kKeyBoxes[0][3]));
    QTest::mouseMove(Window(), list->geometry().center());
    QTest::qWait(kHoverMilliseconds * 5);  // a hover would have come by now
    EXPECT_FALSE(dlg.hoverFlag(KeyBoxRegion(0, 3)));
}

TEST_F(MainHostQtTest, AKeyListIsAChildWhoseHighlightFollowsThePointerAndWhoseClickChooses) {
    dlg.ShowKeyPage();
    QListWidget* list = OpenKeyList();
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(dlg.keyListOpen(0, 3));
    const Rect zone = kKeyListZones[0][3];
    EXPECT_EQ(list->geometry(), QRect(zone.left, zone.top, zone.Width(), zone.Height()));
    EXPECT_EQ(host.ListText(KeyListId(0, 3), 1), L"Right Click");
    EXPECT_EQ(list->visualItemRect(list->item(0)).height(), kListRowHeight);

    const QPoint item2 =
        list->viewport()->mapTo(host.window(), list->visualItemRect(list->item(2)).center());
    QTest::mouseMove(Window(), item2);
    EXPECT_EQ(host.ListSelection(KeyListId(0, 3)), 2) << "the pre-filter saw the move";
    const QPoint screen = host.window()->mapToGlobal(item2);
    EXPECT_EQ(host.ListUnderScreenPoint(Point{screen.x(), screen.y()}), KeyListId(0, 3));
    EXPECT_EQ(host.ListItemAt(KeyListId(0, 3), Point{screen.x(), screen.y() + 400}), 13)
        << "below the last item: the last";

    QTest::mouseClick(Window(), Qt::LeftButton, Qt::NoModifier, item2);
    EXPECT_FALSE(dlg.keyListOpen(0, 3));
    EXPECT_FALSE(host.ListExists(KeyListId(0, 3)));
    EXPECT_EQ(dlg.labels()[0][3], L"Mid Click");
}

TEST_F(MainHostQtTest, AFunctionWithADialogRunsItModallyOverTheWindow) {
    dlg.ShowKeyPage();
    QListWidget* list = OpenKeyList();
    ASSERT_NE(list, nullptr);
    // The dialog disables, deactivates and unfocuses the window: the Windows
    // program erases nothing for that, and the window looks the same.
    PaintCounter counter;
    counter.Watch(*host.window());
    int paintsWhileTheDialogRuns = -1;
    bool windowEnabledDuringRun = true;
    QPoint dialogAt;
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(WaitFor([&] { return !host.window()->isActiveWindow(); }));
        ASSERT_TRUE(PaintPendingUpdates(*list->viewport()));
        paintsWhileTheDialogRuns = counter.paints;
        QWidget* dialog = QApplication::activeWindow();
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top != host.window() && top->isVisible() && top->size() == QSize(402, 302)) {
                dialog = top;
            }
        }
        ASSERT_NE(dialog, nullptr);
        windowEnabledDuringRun = host.window()->isEnabled();
        dialogAt = dialog->pos();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, 36, 0, 0);
        QApplication::sendEvent(dialog->windowHandle(), &enter);
    });
    const QPoint media =
        list->viewport()->mapTo(host.window(), list->visualItemRect(list->item(7)).center());
    QTest::mouseClick(Window(), Qt::LeftButton, Qt::NoModifier, media);
    EXPECT_EQ(paintsWhileTheDialogRuns, 0);
    EXPECT_FALSE(windowEnabledDuringRun);
    EXPECT_EQ(dialogAt, host.window()->mapToGlobal(QPoint(0, 0)));
    EXPECT_TRUE(host.window()->isEnabled());
    EXPECT_EQ(state.records.working.buttonFunction[0][3], 7) << "Multimedia";
    EXPECT_NE(dlg.labels()[0][3].find(L"Next"), std::wstring::npos) << "the dialog's choice";
}

TEST_F(MainHostQtTest, EnterAndEscapeHideTheWindow) {
    dlg.ShowKeyPage();
    Key(Qt::Key_Return, 36);
    EXPECT_FALSE(host.window()->isVisible());
    host.Show();
    Key(Qt::Key_Escape, 9);
    EXPECT_FALSE(host.window()->isVisible());
    host.Show();
    Key(Qt::Key_A, 38);
    EXPECT_TRUE(host.window()->isVisible());
}

TEST_F(MainHostQtTest, APressNoRegionTakesDragsTheWindowByHand) {
    dlg.ShowKeyPage();
    host.window()->move(20, 30);
    const QPoint empty(300, 150);
    QTest::mousePress(Window(), Qt::LeftButton, Qt::NoModifier, empty);
    QCoreApplication::processEvents();
    QTest::mouseMove(Window(), empty + QPoint(40, 25));
    EXPECT_EQ(host.window()->pos(), QPoint(60, 55));
    QTest::mouseRelease(Window(), Qt::LeftButton, Qt::NoModifier, empty);
    QTest::mouseMove(Window(), QPoint(100, 100));
    EXPECT_EQ(host.window()->pos(), QPoint(60, 55)) << "released: the window stays";
}

// A program that minimises instead (the Linux one without a tray) takes
// the logic's hides; Exit's press then drags nothing.
// A press that opens a box loses its release to the box: once the box has
// gone, the window must not follow a pointer whose button is up.
TEST_F(MainHostQtTest, APressWhoseReleaseAnotherWindowTookDragsNothing) {
    dlg.ShowKeyPage();
    host.window()->move(20, 30);
    const QPoint empty(300, 150);
    QTest::mousePress(Window(), Qt::LeftButton, Qt::NoModifier, empty);
    QWindow box;
    box.resize(50, 50);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    QTest::mouseRelease(&box, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QCoreApplication::processEvents();  // the logic takes the press now
    QTest::mouseMove(Window(), empty + QPoint(40, 25));
    EXPECT_EQ(host.window()->pos(), QPoint(20, 30));
}

TEST_F(MainHostQtTest, AHideRequestTakesTheLogicsHidesAndAPressThatHidDragsNothing) {
    int hides = 0;
    host.SetHideRequest([&] {
        ++hides;
        host.window()->showMinimized();
    });
    dlg.ShowKeyPage();
    Key(Qt::Key_Escape, 9);
    EXPECT_EQ(hides, 1);
    EXPECT_TRUE(host.window()->isVisible());

    host.window()->showNormal();
    host.window()->move(20, 30);
    const QPoint exit = Inside(kExitButton);
    QTest::mousePress(Window(), Qt::LeftButton, Qt::NoModifier, exit);
    QCoreApplication::processEvents();
    QTest::mouseMove(Window(), exit + QPoint(40, 25));
    QTest::mouseRelease(Window(), Qt::LeftButton, Qt::NoModifier, exit + QPoint(40, 25));
    EXPECT_EQ(hides, 2);
    EXPECT_EQ(host.window()->pos(), QPoint(20, 30));
}

TEST_F(MainHostQtTest, AMessageBoxHasTheCaptionTheTextAndOneOkButton) {
    QString caption;
    QString text;
    int buttons = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        buttons = static_cast<int>(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
    });
    host.ShowMessageBox(L"Write failed.", L"Corvane");
    EXPECT_EQ(caption, QStringLiteral("Corvane"));
    EXPECT_EQ(text, QStringLiteral("Write failed."));
    EXPECT_EQ(buttons, 1);
}

TEST_F(MainHostQtTest, WithoutABackBufferAPassDrawsOnABlankSurface) {
    MainHostQt bare;
    bare.SetUp({skin, FontsFor(kLangEnglishUs, 0), 0, messages});
    bare.LoadBackground(L"/nonexistent.png");
    EXPECT_FALSE(bare.BeginDrawingPass());
    EXPECT_TRUE(bare.DrawImage(L"/Save-over.png", kSaveButton.TopLeft()));
    bare.Present();
    EXPECT_FALSE(bare.hasBackBuffer());
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace corvane::testing
