// The tray piece on Qt's offscreen platform (which has no tray): which
// activations are the shell's tray click, the menu's one item and its end,
// the built-in application icon, and the start's wait for a tray.
#include "app/tray_icon_qt.h"

#include <gtest/gtest.h>

#include <QTest>

#include <vector>

namespace corvane::testing {
namespace {

struct Counts {
    int clicks = 0, menus = 0, exits = 0;
};

TrayActions ActionsOf(Counts& counts) {
    return {[&] { ++counts.clicks; }, [&] { ++counts.menus; }, [&] { ++counts.exits; }};
}

TEST(TrayIconQtTest, LeftClicksShowTheWindowAndTheMenuHoldsExitWhichEnds) {
    Counts counts;
    TrayIconQt tray(BuiltInApplicationIcon(), L"Exit", ActionsOf(counts));
    EXPECT_FALSE(tray.Add(L"Gaming Mouse Setting")) << "no tray on the offscreen platform";
    EXPECT_EQ(tray.icon().toolTip(), QStringLiteral("Gaming Mouse Setting"));

    emit tray.icon().activated(QSystemTrayIcon::Trigger);
    emit tray.icon().activated(QSystemTrayIcon::DoubleClick);
    emit tray.icon().activated(QSystemTrayIcon::Context);
    emit tray.icon().activated(QSystemTrayIcon::MiddleClick);
    EXPECT_EQ(counts.clicks, 2) << "release and double click, as on Windows";

    ASSERT_EQ(tray.icon().contextMenu(), &tray.menu());
    ASSERT_EQ(tray.menu().actions().size(), 1);
    EXPECT_EQ(tray.menu().actions()[0]->text(), QStringLiteral("Exit"));
    emit tray.menu().aboutToShow();
    EXPECT_EQ(counts.menus, 1);
    tray.SetExitText(L"退出");
    EXPECT_EQ(tray.menu().actions()[0]->text(), QStringLiteral("退出"));

    tray.menu().actions()[0]->trigger();
    EXPECT_EQ(counts.exits, 0) << "not from inside the menu's own signal";
    ASSERT_TRUE(QTest::qWaitFor([&] { return counts.exits == 1; }, 1000));
    tray.Remove();
    EXPECT_FALSE(tray.icon().isVisible());
}

// The theme's lookup falls back on the built-in icon where the theme has
// none (as here, uninstalled).
TEST(TrayIconQtTest, TheApplicationIconIsBuiltInAtTheTraySizes) {
    for (const QIcon& icon : {BuiltInApplicationIcon(), ThemeApplicationIcon()}) {
        ASSERT_FALSE(icon.isNull());
        for (const int size : {16, 22, 24, 32, 48, 256}) {
            const QPixmap pixmap = icon.pixmap(size, size);
            EXPECT_EQ(pixmap.size(), QSize(size, size)) << size;
            // The corner is transparent, the middle the mouse's colour.
            const QImage image = pixmap.toImage();
            EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size;
            EXPECT_GT(qGreen(image.pixel(size / 2, size / 2)), 200) << size;
        }
    }
}

TEST(TrayIconQtTest, AHiddenStartWaitsForATrayAndAShownOneDoesNot) {
    std::vector<StartStep> settled;
    const auto record = [&](StartStep step) { settled.push_back(step); };

    StartWaitQt shown(
        false, [] { return false; }, record);
    shown.Begin();
    EXPECT_EQ(settled, std::vector<StartStep>{StartStep::ShowWindow}) << "at once";

    settled.clear();
    int asked = 0;
    StartWaitQt hidden(
        true, [&] { return ++asked >= 3; }, record);
    hidden.Begin();
    EXPECT_TRUE(settled.empty()) << "no tray yet: waits";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !settled.empty(); }, kTrayWaitMs));
    EXPECT_EQ(settled, std::vector<StartStep>{StartStep::StayInTray});
    EXPECT_EQ(asked, 3);
    QTest::qWait(kTrayPollMs * 2);
    EXPECT_EQ(asked, 3) << "settled once, asks no more";
}

}  // namespace
}  // namespace corvane::testing
