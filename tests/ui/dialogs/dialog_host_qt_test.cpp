// The dialogs on real Qt windows (offscreen platform): the window over its
// owner with its border, its painted background, Enter, Escape and the close
// request, the list and number boxes as real children, the hover look, and
// key presses caught by the single key dialog's keyboard hook.
#include "ui/skin/dialog_host_qt.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <memory>

#include "support/fake_user_messages.h"
#include "ui/dialogs/dialog_factory.h"
#include "ui/dialogs/dialog_layout.h"
#include "ui/dialogs/fire_key_dialog.h"
#include "ui/dialogs/single_dialog.h"
#include "ui/skin/dropdown_box.h"
#include "ui/skin/list_box_qt.h"
#include "ui/skin/qt_pixels.h"
#include "ui/skin/skin_dir.h"
#include "ui/skin/skin_image_qt.h"

namespace corvane::testing {
namespace {

constexpr QPoint kOwnerAt{60, 40};
constexpr Point kAcceptPoint{160, 260};

class DialogQtTest : public ::testing::Test {
  protected:
    QWidget owner;
    FakeUserMessages messages;
    DialogFlagsOfRun flags;
    std::wstring skin = AssetsSkinDir(L"EN");
    std::unique_ptr<DialogHostQt> host = std::make_unique<DialogHostQt>(skin, messages);
    std::unique_ptr<SkinnedDialog> dialog;
    bool ownerEnabledDuringRun = true;

    DialogQtTest() {
        owner.setGeometry(QRect(kOwnerAt, QSize(760, 630)));
        owner.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&owner));
    }
    ~DialogQtTest() override { host.reset(); }

    QWidget* Open(DialogKind kind, DialogInputs inputs = {0, 1033}) {
        dialog = MakeDialog(kind, DialogParts{*host, messages, flags, 0x0106}, inputs);
        EXPECT_TRUE(host->Open(&owner, *dialog));
        if (host->window() != nullptr) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(host->window()));
        }
        return host->window();
    }
    QWindow* Window() const { return host->window()->windowHandle(); }
    // A point of the client area in the window's coordinates.
    QPoint InWindow(Point p) const {
        return host->client()->mapTo(host->window(), QPoint(p.x, p.y));
    }
    void Click(Point p) {
        QTest::mouseClick(Window(), Qt::LeftButton, Qt::NoModifier, InWindow(p));
    }
    void Key(int key, quint32 xKeycode, QEvent::Type type = QEvent::KeyPress) {
        QKeyEvent event(type, key, Qt::NoModifier, xKeycode, 0, 0);
        QApplication::sendEvent(Window(), &event);
    }
    void PressAndRelease(int key, quint32 xKeycode) {
        Key(key, xKeycode);
        Key(key, xKeycode, QEvent::KeyRelease);
    }
    // Runs the dialog's loop; `act` runs inside it once it has started. A
    // run that goes on too long is cancelled, so a fault cannot hang the
    // suite.
    void Run(std::function<void()> act) {
        QTimer::singleShot(0, [this, act] {
            ownerEnabledDuringRun = owner.isEnabled();
            act();
        });
        bool ended = false;
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [&] {
            if (!ended) {
                ADD_FAILURE() << "the dialog did not end by itself";
                host->window()->close();
            }
        });
        guard.start(5000);
        host->RunLoop();
        ended = true;
    }
};

TEST_F(DialogQtTest, ADialogSitsOnItsOwnersClientOriginWithItsExactClientSizeAndABorder) {
    for (const DialogKind kind : {DialogKind::Media, DialogKind::KeysRecover}) {
        QWidget* window = Open(kind);
        ASSERT_NE(window, nullptr);
        const DialogLayout& layout = LayoutOf(kind);
        EXPECT_EQ(window->geometry().topLeft(), owner.mapToGlobal(QPoint(0, 0)));
        EXPECT_EQ(host->client()->size(), QSize(layout.clientWidth, layout.clientHeight));
        EXPECT_EQ(host->client()->mapTo(window, QPoint(0, 0)), QPoint(1, 1));
        EXPECT_EQ(window->size(), QSize(layout.clientWidth + 2, layout.clientHeight + 2));
        EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
        const QImage shown = Shown(*window);
        EXPECT_EQ(shown.pixel(0, 0), ThinBorderColour().rgb());
        EXPECT_EQ(shown.pixel(layout.clientWidth + 1, 50), ThinBorderColour().rgb());
        host->Close();
        EXPECT_EQ(host->window(), nullptr);
    }
}

TEST_F(DialogQtTest, KeysRecoverPaintsItsBackgroundExactly) {
    Open(DialogKind::KeysRecover);
    const QImage expected = LoadBackgroundImage(SkinImagePath(skin, L"/Keys-recover.png"));
    EXPECT_EQ(Differences(Shown(*host->client()), expected), 0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DialogQtTest, ADialogPaintsItsButtonsAndItsChoiceOnTheBackgroundOnce) {
    Open(DialogKind::Media);
    // Paints Qt makes of its own accord are no erases: each erase blends the
    // buttons' soft edges onto the canvas again.
    host->client()->repaint();
    host->client()->update();
    QCoreApplication::processEvents();
    const QImage background = LoadBackgroundImage(SkinImagePath(skin, L"/media-key.png"));
    const QImage save = DecodeStraight(SkinImagePath(skin, L"/Save-normal.png"));
    const DialogLayout& layout = LayoutOf(DialogKind::Media);
    QImage expected = background.copy();
    for (int y = 0; y < save.height(); ++y) {
        for (int x = 0; x < save.width(); ++x) {
            const QPoint at(layout.accept.left + x, layout.accept.top + y);
            expected.setPixel(at, BlendOver(save.pixel(x, y), background.pixel(at)));
        }
    }
    const QImage shown = Shown(*host->client());
    EXPECT_EQ(
        Differences(shown, expected,
                    [&](int x, int y) {
                        return layout.cancel.Contains({x, y}) || layout.dropdown->Contains({x, y});
                    }),
        0)
        << "the background, and Save drawn on it";
    EXPECT_GT(CountColour(shown, layout.dropdown->Inset(0, kBoxArrowWidth), SkinTextColour().rgb()),
              10)
        << "\"Next\" in the text colour";
}

TEST_F(DialogQtTest, EnterAcceptsEscapeAndTheCloseRequestCancelAndTheOwnerIsDisabledMeanwhile) {
    Open(DialogKind::Windows);
    Run([this] { Key(Qt::Key_Return, 36); });
    EXPECT_FALSE(ownerEnabledDuringRun);
    EXPECT_EQ(dialog->Outcome().result, kDialogAccepted);
    EXPECT_EQ(dialog->Outcome().choiceText, L"Multimedia Player");
    EXPECT_TRUE(owner.isEnabled()) << "enabled again afterwards";
    host->Close();

    Open(DialogKind::Windows);
    Run([this] { Key(Qt::Key_Escape, 9); });
    EXPECT_EQ(dialog->Outcome().result, kDialogCancelled);
    host->Close();

    Open(DialogKind::Media);
    Run([this] { host->window()->close(); });
    EXPECT_EQ(dialog->Outcome().result, kDialogCancelled);
}

TEST_F(DialogQtTest, TheListIsARealListWhoseHighlightFollowsThePointerAndAClickChooses) {
    Open(DialogKind::Media);
    Click(Point{60, 120});
    auto* list = host->client()->findChild<QListWidget*>(QStringLiteral("list553"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 7);
    EXPECT_EQ(list->geometry(), QRect(QPoint(LayoutOf(DialogKind::Media).list->rect.left,
                                             LayoutOf(DialogKind::Media).list->rect.top),
                                      list->size()));
    EXPECT_EQ(list->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(list->visualItemRect(list->item(0)).height(), kListRowHeight);
    EXPECT_EQ(QFontMetrics(list->font()).height(), 14) << "the dialog font";

    const QRect item3 = list->visualItemRect(list->item(3));
    const QPoint over3 = list->viewport()->mapTo(host->window(), item3.center());
    QTest::mouseMove(Window(), over3);
    EXPECT_EQ(list->currentRow(), 3) << "the highlight follows the pointer";
    EXPECT_EQ(dialog->choiceIndex(), 0) << "only a click chooses";

    const QRect item6 = list->visualItemRect(list->item(6));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, item6.center());
    ASSERT_TRUE(WaitFor([&] { return !host->ListExists(553); }));
    EXPECT_EQ(dialog->choiceText(), L"Vol-");
    EXPECT_EQ(dialog->choiceIndex(), 6);
    Run([this] { Click(kAcceptPoint); });
    EXPECT_EQ(dialog->Outcome().result, kDialogAccepted);
    EXPECT_EQ(dialog->Outcome().choiceIndex, 6);
}

TEST_F(DialogQtTest, RestingOnSaveShowsItsOverLookAndMovingAwayItsNormalOne) {
    Open(DialogKind::Media);
    const DialogLayout& layout = LayoutOf(DialogKind::Media);
    const QImage over = DecodeStraight(SkinImagePath(skin, L"/Save-over.png"));
    const QImage normal = DecodeStraight(SkinImagePath(skin, L"/Save-normal.png"));
    const QPoint centre(over.width() / 2, over.height() / 2);
    ASSERT_EQ(qAlpha(over.pixel(centre)), 255);
    ASSERT_NE(over.pixel(centre), normal.pixel(centre));
    const QPoint at = QPoint(layout.accept.left, layout.accept.top) + centre;
    const auto shownAt = [&] { return Shown(*host->client()).pixel(at) | 0xFF000000u; };

    QTest::mouseMove(Window(), InWindow(Point{layout.accept.left + 5, layout.accept.top + 5}));
    EXPECT_TRUE(WaitFor([&] { return shownAt() == (over.pixel(centre) | 0xFF000000u); }));
    EXPECT_TRUE(dialog->flags().acceptOver);
    QTest::mouseMove(Window(), InWindow(Point{20, 150}));
    EXPECT_TRUE(WaitFor([&] { return shownAt() == (normal.pixel(centre) | 0xFF000000u); }));
    EXPECT_FALSE(dialog->flags().acceptOver);
}

TEST_F(DialogQtTest, FireKeyBoxesAreDigitEditsCheckedAsTheyChangeAndReadOnAccept) {
    Open(DialogKind::FireKey);
    QLineEdit* times = host->client()->findChild<QLineEdit*>(QStringLiteral("box573"));
    QLineEdit* make = host->client()->findChild<QLineEdit*>(QStringLiteral("box574"));
    ASSERT_NE(times, nullptr);
    ASSERT_NE(make, nullptr);
    EXPECT_EQ(make->text(), QStringLiteral("5"));
    EXPECT_EQ(QFontMetrics(make->font()).height(), 14);
    EXPECT_TRUE(times->hasFocus()) << "the first box takes the focus";
    EXPECT_EQ(times->selectedText(), QStringLiteral("1"));

    host->SetNumberBoxText(573, L"200");
    EXPECT_EQ(times->text(), QStringLiteral("1")) << "out of range: the box shows 1 again";
    host->SetNumberBoxText(573, L"3");

    // Typed into the make time box, which keeps the focus.
    QTest::mouseClick(make, Qt::LeftButton);
    make->selectAll();
    QTest::keyClicks(make, "30");
    EXPECT_EQ(make->text(), QStringLiteral("30"));
    EXPECT_EQ(dynamic_cast<CFireKeyDialog&>(*dialog).value(1), 5) << "not confirmed yet";
    Run([this] { Key(Qt::Key_Return, 36); });
    const DialogOutcome outcome = dialog->Outcome();
    EXPECT_EQ(outcome.result, kDialogAccepted);
    EXPECT_EQ(outcome.fireTimes, 3);
    EXPECT_EQ(outcome.fireMakeTime, 30);
    EXPECT_EQ(outcome.fireBreakTime, 5);
}

TEST_F(DialogQtTest, KeyPressesAreCaughtByPositionAndEnterDoesNotCloseTheSingleKeyDialog) {
    Open(DialogKind::SingleKey);
    ASSERT_TRUE(host->keyboardHookInstalled());
    auto& single = dynamic_cast<CSingleDialog&>(*dialog);
    PressAndRelease(Qt::Key_A, 38);
    EXPECT_EQ(single.key().scanCode, 0x1E);
    EXPECT_FALSE(single.key().extended);
    EXPECT_EQ(single.keyText(), L"A");

    PressAndRelease(Qt::Key_Return, 36);
    EXPECT_EQ(single.key().scanCode, 0x1C);
    EXPECT_FALSE(single.keyText().empty()) << "the desktop's name of Enter";
    EXPECT_FALSE(dialog->ended()) << "Enter is captured, not accepted";
    PressAndRelease(Qt::Key_Super_L, 133);
    EXPECT_EQ(single.key().scanCode, 0x5B);
    EXPECT_TRUE(single.key().extended);
    PressAndRelease(Qt::Key_Escape, 9);
    EXPECT_EQ(single.key().scanCode, 0x01);
    EXPECT_FALSE(dialog->ended());

    Run([this] { Click(kAcceptPoint); });
    EXPECT_EQ(dialog->Outcome().result, kDialogAccepted);
    EXPECT_EQ(dialog->Outcome().key.scanCode, 0x01);
    host->Close();
    EXPECT_FALSE(host->keyboardHookInstalled()) << "closing removes the hook";
    QKeyEvent late(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, 56, 0, 0);
    QApplication::sendEvent(owner.windowHandle(), &late);
    EXPECT_EQ(single.key().scanCode, 0x01) << "keys after closing reach nothing of the dialog";
}

TEST_F(DialogQtTest, AMissingBackgroundShowsTheBoxAndTheBlankDialogStillAnswers) {
    host = std::make_unique<DialogHostQt>(L"/nonexistent", messages);
    Open(DialogKind::KeysRecover);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, Caption::KeysRecoverDialogBackground);
    Run([this] { Click(Point{40, 160}); });
    EXPECT_EQ(dialog->Outcome().result, kDialogAccepted);
}

}  // namespace
}  // namespace corvane::testing
