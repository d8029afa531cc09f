// The Qt side of the skin layer with real Qt objects on the offscreen
// platform: images drawn with the Windows program's blend, texts in their
// rectangles, the Windows fonts' stand-ins, list boxes and number boxes as
// the hosts make them, and what a key event tells.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QScrollBar>

#include <utility>
#include <vector>

#include "support/fake_user_messages.h"
#include "support/temp_folder.h"
#include "ui/skin/canvas_qt.h"
#include "ui/skin/fonts_qt.h"
#include "ui/skin/key_events_qt.h"
#include "ui/skin/list_box_qt.h"
#include "ui/skin/number_box_qt.h"
#include "ui/skin/qt_pixels.h"
#include "ui/skin/skin_dir.h"
#include "ui/skin/skin_image_qt.h"
#include "ui/skin/skin_prefetch_qt.h"
#include "ui/skin/window_events.h"

namespace corvane::testing {
namespace {

const QRgb kGrey = qRgb(100, 100, 100);

TEST(SkinImageQtTest, ImagesArePremultipliedWithTruncationAndBlendedSourceOver) {
    TempFolder folder;
    const QRgb straight[] = {qRgba(255, 255, 255, 128), qRgba(1, 1, 1, 254), qRgba(200, 100, 50, 0),
                             qRgba(10, 20, 30, 255)};
    QImage png(4, 1, QImage::Format_ARGB32);
    for (int x = 0; x < 4; ++x) {
        png.setPixel(x, 0, straight[x]);
    }
    const std::wstring path = WidePath(folder.path() / "probe.png");
    ASSERT_TRUE(png.save(QtPath(path)));

    const std::optional<QImage> decoded = DecodeSkinImage(path);
    ASSERT_TRUE(decoded.has_value());
    const auto* row = reinterpret_cast<const QRgb*>(decoded->constScanLine(0));
    EXPECT_EQ(row[0], qRgba(128, 128, 128, 128)) << "255 at alpha 128 gives 128";
    EXPECT_EQ(row[1], qRgba(0, 0, 0, 254)) << "1 at alpha 254 gives 0";
    EXPECT_EQ(row[2], qRgba(0, 0, 0, 0));
    EXPECT_EQ(row[3], straight[3]);

    QImage canvas(6, 1, QImage::Format_RGB32);
    canvas.fill(kGrey);
    FakeUserMessages messages;
    {
        QPainter painter(&canvas);
        EXPECT_TRUE(DrawSkinImage(painter, path, Point{1, 0}, messages));
    }
    EXPECT_EQ(canvas.pixel(0, 0), kGrey);
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(canvas.pixel(x + 1, 0), BlendOver(straight[x], kGrey))
            << x << ": " << Describe(canvas.pixel(x + 1, 0));
    }
    EXPECT_EQ(canvas.pixel(5, 0), kGrey);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(SkinImageQtTest, ASkinImageOverTheBackgroundGivesTheWindowsBlendAtEveryPixel) {
    const std::wstring skin = AssetsSkinDir(L"EN");
    QImage canvas = LoadBackgroundImage(SkinImagePath(skin, L"/main.png"));
    ASSERT_EQ(canvas.size(), QSize(760, 630));
    const QImage main = canvas.copy();
    FakeUserMessages messages;
    const Point at{471, 572};
    for (const wchar_t* name : {L"/Save-over.png", L"/Close-normal.png", L"/PaneMakingTick.png"}) {
        QImage drawn = main.copy();
        {
            QPainter painter(&drawn);
            ASSERT_TRUE(DrawSkinImage(painter, SkinImagePath(skin, name), at, messages));
        }
        const QImage image = DecodeStraight(SkinImagePath(skin, name));
        QImage expected = main.copy();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                expected.setPixel(at.x + x, at.y + y,
                                  BlendOver(image.pixel(x, y), main.pixel(at.x + x, at.y + y)));
            }
        }
        EXPECT_EQ(Differences(drawn, expected), 0) << QString::fromWCharArray(name).toStdString();
    }
}

TEST(SkinImageQtTest, AMissingImageIsReportedAndDrawsNothing) {
    QImage canvas(10, 10, QImage::Format_RGB32);
    canvas.fill(kGrey);
    FakeUserMessages messages;
    {
        QPainter painter(&canvas);
        EXPECT_FALSE(DrawSkinImage(painter, L"/nonexistent/Save-over.png", Point{0, 0}, messages));
    }
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::LoadPngFailed);
    EXPECT_EQ(messages.shown[0].caption, Caption::None);
    EXPECT_EQ(canvas.pixel(5, 5), kGrey);
    EXPECT_TRUE(LoadBackgroundImage(L"/nonexistent/main.png").isNull());
}

TEST(SkinImageQtTest, ABackgroundKeepsItsStraightColoursAndIsOpaque) {
    TempFolder folder;
    QImage png(2, 1, QImage::Format_ARGB32);
    png.setPixel(0, 0, qRgba(200, 100, 50, 0));
    png.setPixel(1, 0, qRgba(200, 100, 50, 128));
    const std::wstring path = WidePath(folder.path() / "background.png");
    ASSERT_TRUE(png.save(QtPath(path)));
    const QImage background = LoadBackgroundImage(path);
    EXPECT_EQ(background.format(), QImage::Format_RGB32);
    EXPECT_EQ(background.pixel(0, 0), qRgb(200, 100, 50));
    EXPECT_EQ(background.pixel(1, 0), qRgb(200, 100, 50));
}

// An image decoded ahead is what its draw would decode, handed out once to
// the use it was asked for; a file that cannot be decoded still reports
// its failure where it is drawn.
TEST(SkinImagePrefetchTest, EachImageIsItsDrawsOwnDecodeHandedOutOnce) {
    const std::wstring main = SkinImagePath(AssetsSkinDir(L"EN"), L"/main.png");
    const std::wstring keySet = SkinImagePath(AssetsSkinDir(L"EN"), L"/KeySet.png");
    const std::wstring missing = L"/nonexistent/KeySet.png";
    SkinImagePrefetch ahead({{main, SkinImageUse::Background},
                             {keySet, SkinImageUse::Drawn},
                             {missing, SkinImageUse::Drawn}});
    EXPECT_FALSE(ahead.Take(keySet, SkinImageUse::Background)) << "not decoded for that use";
    const std::optional<QImage> drawn = ahead.Take(keySet, SkinImageUse::Drawn);
    ASSERT_TRUE(drawn);
    EXPECT_EQ(*drawn, *DecodeSkinImage(keySet));
    EXPECT_FALSE(ahead.Take(keySet, SkinImageUse::Drawn)) << "once";
    EXPECT_EQ(ahead.Take(main, SkinImageUse::Background), LoadBackgroundImage(main));

    const std::optional<QImage> broken = ahead.Take(missing, SkinImageUse::Drawn);
    ASSERT_TRUE(broken);
    QImage canvas(10, 10, QImage::Format_RGB32);
    FakeUserMessages messages;
    {
        QPainter painter(&canvas);
        EXPECT_FALSE(DrawDecodedSkinImage(painter, *broken, Point{0, 0}, messages));
    }
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::LoadPngFailed);

    // Never taken: the decoder is waited for as the prefetch goes.
    SkinImagePrefetch untouched({{keySet, SkinImageUse::Drawn}});
}

// Skin images go to the PNG reader first; a skin file in another format
// under its PNG name is still read, as before.
TEST(SkinImageQtTest, AnImageInAnotherFormatUnderItsPngNameIsStillRead) {
    TempFolder folder;
    QImage bmp(3, 2, QImage::Format_RGB32);
    bmp.fill(qRgb(200, 100, 50));
    const std::wstring path = WidePath(folder.path() / "Save-over.png");
    ASSERT_TRUE(bmp.save(QtPath(path), "BMP"));

    const std::optional<QImage> decoded = DecodeSkinImage(path);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->size(), QSize(3, 2));
    EXPECT_EQ(decoded->pixel(2, 1), qRgb(200, 100, 50));
    const QImage background = LoadBackgroundImage(path);
    EXPECT_EQ(background.format(), QImage::Format_RGB32);
    EXPECT_EQ(background.pixel(2, 1), qRgb(200, 100, 50));
}

// The columns and rows of `image` inside `rect` that hold the text colour.
struct Ink {
    int left = 10000, right = -1, top = 10000, bottom = -1, outside = 0;
};
Ink InkOf(const QImage& image, const Rect& rect) {
    Ink ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == qRgb(0, 0, 0)) {
                continue;
            }
            if (!rect.Contains(Point{x, y})) {
                ++ink.outside;
                continue;
            }
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x + 1);
            ink.top = std::min(ink.top, y);
            ink.bottom = std::max(ink.bottom, y + 1);
        }
    }
    return ink;
}

TEST(CanvasQtTest, TextsLandInTheirRectangleAlignedAndClippedInTheTextColour) {
    const Rect rect{20, 10, 220, 40};
    const QFont font = FontForWindowsFace(L"Tahoma", 18, 400);
    const auto draw = [&](std::wstring_view text, TextFormat format) {
        CanvasQt canvas(QSize(240, 50));
        EXPECT_FALSE(canvas.Begin()) << "no background: a blank surface";
        DrawSkinText(*canvas.painter(), text, rect, format, font, SkinTextColour());
        canvas.End();
        return canvas.shown().convertToFormat(QImage::Format_RGB32);
    };
    const Ink left = InkOf(draw(L"Right Click", TextFormat::LeftAligned), rect);
    const Ink centred = InkOf(draw(L"Right Click", TextFormat::Centred), rect);
    const Ink right = InkOf(draw(L"Right Click", TextFormat::RightAligned), rect);
    for (const Ink& ink : {left, centred, right}) {
        EXPECT_EQ(ink.outside, 0);
        EXPECT_NEAR((ink.top + ink.bottom) / 2.0, (rect.top + rect.bottom) / 2.0, 3.0);
    }
    EXPECT_LT(left.left - rect.left, 3);
    EXPECT_LT(rect.right - right.right, 3);
    EXPECT_NEAR(centred.left - rect.left, rect.right - centred.right, 2);

    const QImage fullColour = draw(L"1000", TextFormat::Centred);
    EXPECT_GT(CountColour(fullColour, rect, SkinTextColour().rgb()), 10);

    const Ink clipped = InkOf(draw(std::wstring(80, L'W'), TextFormat::LeftAligned), rect);
    EXPECT_EQ(clipped.outside, 0) << "a long text is cut at the rectangle";
}

// Tahoma's height is its cell, leading included, and so is the Linux
// font's; the Chinese faces' height is their em (their Windows cell holds
// nothing else), and so the characters are drawn as large as on Windows.
TEST(FontsQtTest, EachWindowsFontHasALinuxFaceOfTheWindowsHeight) {
    const struct {
        std::wstring_view face;
        int height;
        int weight;
        const char* family;
    } fonts[] = {
        {L"Tahoma", 14, 400, "DejaVu Sans"},    {L"Tahoma", 16, 400, "DejaVu Sans"},
        {L"Tahoma", 18, 400, "DejaVu Sans"},    {L"宋体", 13, 400, "Noto Sans CJK SC"},
        {L"宋体", 15, 400, "Noto Sans CJK SC"}, {L"黑体", 13, 400, "Noto Sans CJK SC"},
        {L"黑体", 15, 700, "Noto Sans CJK SC"},
    };
    for (const auto& windows : fonts) {
        const QFont font = FontForWindowsFace(windows.face, windows.height, windows.weight);
        EXPECT_EQ(QFontInfo(font).family().toStdString(), windows.family);
        const bool chinese = windows.face != L"Tahoma";
        EXPECT_EQ(chinese ? font.pixelSize() : QFontMetrics(font).height(), windows.height)
            << windows.family << " " << windows.height;
        EXPECT_EQ(font.bold(), windows.weight >= 700);
    }
}

// The size is searched, not tried from 1 up: it must still be the one the
// whole scan gives (the largest before the first whose cell is too high) for
// each family, weight and height the windows could ask for.
TEST(FontsQtTest, TheSizeFoundIsTheOneTryingEverySizeGives) {
    for (std::wstring_view face : {L"Tahoma", L"Verdana"}) {
        for (int weight : {400, 700}) {
            QFont scanned(LinuxFamilyOf(face));
            scanned.setWeight(static_cast<QFont::Weight>(weight));
            scanned.setStyleStrategy(QFont::NoAntialias);
            for (int height = 0; height <= 40; ++height) {
                int expected = 1;
                for (int size = 1; size <= std::max(height, 1) * 2; ++size) {
                    scanned.setPixelSize(size);
                    if (QFontMetrics(scanned).height() > height) {
                        break;
                    }
                    expected = size;
                }
                EXPECT_EQ(FontForWindowsFace(face, height, weight).pixelSize(), expected)
                    << QString::fromWCharArray(face.data(), face.size()).toStdString() << " "
                    << weight << " " << height;
            }
        }
    }
}

class ChildControlsQtTest : public ::testing::Test {
  protected:
    QWidget parent;
    std::vector<std::pair<int, ChildEvent>> notices;
    ListBoxesQt lists{[this](int id, ChildEvent event) { notices.emplace_back(id, event); }};
    NumberBoxesQt boxes{[this](int id, ChildEvent event) { notices.emplace_back(id, event); }};
    const QFont font = FontForWindowsFace(L"Tahoma", 16, 400);
    const std::vector<std::wstring> items{L"Left Click", L"Right Click", L"Mid Click", L"Forward"};

    ChildControlsQtTest() {
        parent.setGeometry(40, 30, 300, 300);
        parent.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&parent));
    }
    QPoint Global(const QListWidget& list, int row, int x = 30) const {
        const QRect item = list.visualItemRect(list.item(row));
        return list.viewport()->mapToGlobal(QPoint(x, item.center().y()));
    }
};

TEST_F(ChildControlsQtTest, AListSitsOnItsRectangleWithSixteenPixelRowsInTheSkinColours) {
    const Rect rect{10, 20, 138, 120};
    QListWidget* list = lists.Create(&parent, 31, rect, items, font, false);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(lists.Create(&parent, 31, rect, items, font, false), nullptr) << "exists already";
    EXPECT_EQ(list->geometry(), QRect(10, 20, 128, 100));
    EXPECT_EQ(list->count(), 4);
    EXPECT_EQ(lists.Text(31, 1), L"Right Click");
    EXPECT_EQ(lists.Text(31, 9), L"");
    EXPECT_EQ(lists.Text(32, 0), L"");
    for (int row = 0; row < list->count(); ++row) {
        const QRect item = list->visualItemRect(list->item(row));
        EXPECT_EQ(item.height(), kListRowHeight);
        EXPECT_EQ(list->viewport()->mapTo(list, item.topLeft()), QPoint(1, 1 + 16 * row));
    }
    EXPECT_FALSE(lists.Selection(31).has_value());

    lists.SetSelection(31, 2);
    EXPECT_EQ(lists.Selection(31), 2);
    EXPECT_TRUE(notices.empty()) << "a choice from code is not reported";
    ASSERT_TRUE(WaitFor([&] {
        return Shown(parent).pixel(130, 20 + 1 + 16 * 2 + 8) == ListHighlightColour().rgb();
    }));
    const QImage shown = Shown(parent);
    EXPECT_EQ(shown.pixel(10, 60), ThinBorderColour().rgb()) << "the border";
    EXPECT_EQ(shown.pixel(130, 20 + 1 + 8), ListBackgroundColour().rgb()) << "a row";
    EXPECT_EQ(shown.pixel(130, 110), ListBackgroundColour().rgb()) << "below the rows";
    EXPECT_GT(CountColour(shown, Rect{11, 21, 137, 37}, SkinTextColour().rgb()), 5);
    EXPECT_GT(CountColour(shown, Rect{11, 53, 137, 69}, qRgb(255, 255, 255)), 5);

    lists.Destroy(31);
    EXPECT_FALSE(lists.Exists(31));
    EXPECT_FALSE(list->isVisible());
}

// A dialog deactivates and disables the window of the lists while it runs:
// a list looks the same then, and is not painted again for it.
TEST_F(ChildControlsQtTest, AListLooksTheSameAndIsNotRepaintedWhileItsWindowIsDisabled) {
    QListWidget* list = lists.Create(&parent, 31, Rect{10, 20, 138, 120}, items, font, false);
    lists.SetSelection(31, 1);
    QWidget sentinel(&parent);
    sentinel.setGeometry(200, 200, 10, 10);
    sentinel.show();
    ASSERT_TRUE(PaintPendingUpdates(sentinel));
    const QImage enabled = list->grab().toImage();

    PaintCounter counter;
    counter.Watch(*list);
    counter.Watch(*list->viewport());
    QWidget dialog;
    dialog.setGeometry(400, 30, 100, 100);
    dialog.show();
    dialog.activateWindow();
    parent.setEnabled(false);
    ASSERT_TRUE(WaitFor([&] { return !parent.isActiveWindow(); }));
    ASSERT_TRUE(PaintPendingUpdates(sentinel));
    EXPECT_EQ(counter.paints, 0) << "disabled and deactivated";
    const QImage disabled = list->grab().toImage();
    counter.paints = 0;  // the grab's
    dialog.close();
    parent.setEnabled(true);
    parent.activateWindow();
    ASSERT_TRUE(WaitFor([&] { return parent.isActiveWindow(); }));
    ASSERT_TRUE(PaintPendingUpdates(sentinel));
    EXPECT_EQ(counter.paints, 0) << "enabled and activated again";
    EXPECT_EQ(Differences(disabled, enabled), 0);
}

TEST_F(ChildControlsQtTest, AListNamesTheItemAtAPointAndItsIdUnderIt) {
    QListWidget* list = lists.Create(&parent, 31, Rect{10, 20, 138, 120}, items, font, false);
    const QPoint second = Global(*list, 1);
    EXPECT_EQ(lists.IdUnder(Point{second.x(), second.y()}), 31);
    const auto hit = lists.ItemAt(31, Point{second.x(), second.y()});
    ASSERT_TRUE(hit.has_value());
    EXPECT_EQ(hit->index, 1);
    EXPECT_TRUE(hit->onItem);

    const QPoint below = list->viewport()->mapToGlobal(QPoint(30, 90));
    const auto nearest = lists.ItemAt(31, Point{below.x(), below.y()});
    ASSERT_TRUE(nearest.has_value());
    EXPECT_EQ(nearest->index, 3) << "below the last item: the last";
    EXPECT_FALSE(nearest->onItem);
    const QPoint away = parent.mapToGlobal(QPoint(200, 200));
    EXPECT_FALSE(lists.IdUnder(Point{away.x(), away.y()}).has_value());
    EXPECT_FALSE(lists.ItemAt(32, Point{away.x(), away.y()}).has_value());
}

TEST_F(ChildControlsQtTest, AClickOnAnItemSelectsAndReportsItADoubleClickToo) {
    QListWidget* list = lists.Create(&parent, 31, Rect{10, 20, 138, 120}, items, font, false);
    const QPoint third = list->viewport()->mapFromGlobal(Global(*list, 2));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, third);
    EXPECT_EQ(lists.Selection(31), 2);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0], std::make_pair(31, ChildEvent::ListSelectionChanged));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, third);
    EXPECT_EQ(notices.back(), std::make_pair(31, ChildEvent::ListDoubleClicked));

    // A list destroyed while its click is handled goes once the click is over.
    QPointer<QListWidget> guard(list);
    ListBoxesQt* owner = &lists;
    QObject::connect(list, &QListWidget::itemClicked, [owner] { owner->Destroy(31); });
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, third);
    EXPECT_FALSE(lists.Exists(31));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull());
}

TEST_F(ChildControlsQtTest, AListWithAScrollBarShowsItOnlyWhenTheItemsDoNotFit) {
    std::vector<std::wstring> many;
    for (int i = 0; i < 12; ++i) {
        many.push_back(std::to_wstring(i));
    }
    QListWidget* fits = lists.Create(&parent, 40, Rect{0, 0, 100, 250}, many, font, true);
    QListWidget* longer = lists.Create(&parent, 41, Rect{150, 0, 250, 100}, many, font, true);
    QListWidget* without = lists.Create(&parent, 42, Rect{150, 150, 250, 250}, many, font, false);
    QCoreApplication::processEvents();
    EXPECT_FALSE(fits->verticalScrollBar()->isVisible());
    EXPECT_TRUE(longer->verticalScrollBar()->isVisible());
    EXPECT_FALSE(without->verticalScrollBar()->isVisible());
}

TEST_F(ChildControlsQtTest, NumberBoxesTakeDigitsAndReportChangesAndTheLossOfFocus) {
    boxes.Create(&parent, 573, Rect{100, 100, 160, 120}, L"1", font);
    boxes.Create(&parent, 573, Rect{0, 0, 10, 10}, L"9", font);
    QLineEdit* box = boxes.Find(573);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->geometry(), QRect(100, 100, 60, 20));
    EXPECT_EQ(box->alignment(), Qt::AlignHCenter | Qt::AlignTop);
    EXPECT_FALSE(box->hasFrame());
    EXPECT_EQ(boxes.Text(573), L"1");
    EXPECT_TRUE(notices.empty()) << "made with its text, no change";

    parent.activateWindow();
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "3a0-");
    EXPECT_EQ(boxes.Text(573), L"30") << "digits only from the keyboard";
    EXPECT_EQ(notices, (std::vector<std::pair<int, ChildEvent>>{{573, ChildEvent::EditChanged},
                                                                {573, ChildEvent::EditChanged}}));

    notices.clear();
    boxes.SetText(573, L"200");
    EXPECT_EQ(boxes.Text(573), L"200");
    EXPECT_EQ(notices, (std::vector<std::pair<int, ChildEvent>>{{573, ChildEvent::EditChanged}}));

    notices.clear();
    parent.setFocus();
    EXPECT_EQ(notices, (std::vector<std::pair<int, ChildEvent>>{{573, ChildEvent::EditLostFocus}}));

    box->setFocus();
    notices.clear();
    boxes.Destroy(573);
    EXPECT_FALSE(boxes.Exists(573));
    EXPECT_TRUE(notices.empty()) << "a box that goes reports nothing";
    EXPECT_EQ(boxes.Text(573), L"");
}

QKeyEvent KeyEvent(int key, quint32 xKeycode, Qt::KeyboardModifiers modifiers = {}) {
    return QKeyEvent(QEvent::KeyPress, key, modifiers, xKeycode, 0, 0);
}

TEST(KeyEventsQtTest, AKeyEventGivesTheDesktopsNameAndTheWindowsPositionOfTheKey) {
    const KeyNotice a = KeyNoticeOf(KeyEvent(Qt::Key_A, 38));
    EXPECT_EQ(a.name, L"A");
    EXPECT_EQ(a.scanCode, 0x1E);
    EXPECT_FALSE(a.extended);

    const KeyNotice enter = KeyNoticeOf(KeyEvent(Qt::Key_Return, 36));
    EXPECT_FALSE(enter.name.empty());
    EXPECT_EQ(enter.scanCode, 0x1C);
    EXPECT_FALSE(enter.extended);

    EXPECT_EQ(enter.name, L"Return") << "as X names it";

    const KeyNotice super = KeyNoticeOf(KeyEvent(Qt::Key_Super_L, 133));
    EXPECT_EQ(super.name, L"Super L") << "a key Qt has no name for";
    EXPECT_EQ(super.scanCode, 0x5B);
    EXPECT_TRUE(super.extended);

    const KeyNotice sysRq = KeyNoticeOf(KeyEvent(Qt::Key_SysReq, 107, Qt::AltModifier));
    EXPECT_EQ(sysRq.scanCode, 0x54);

    const KeyNotice unplaced = KeyNoticeOf(KeyEvent(Qt::Key_A, 0));
    EXPECT_EQ(unplaced.scanCode, 0) << "no native code: no position";
    EXPECT_EQ(unplaced.name, L"A");
}

TEST(KeyEventsQtTest, ThePreFiltersSeeEnterEscapeAndTheWindowsKeys) {
    EXPECT_EQ(KeyOf(KeyEvent(Qt::Key_Return, 36)), Key::Enter);
    EXPECT_EQ(KeyOf(KeyEvent(Qt::Key_Enter, 104)), Key::Enter);
    EXPECT_EQ(KeyOf(KeyEvent(Qt::Key_Escape, 9)), Key::Escape);
    EXPECT_EQ(KeyOf(KeyEvent(Qt::Key_Super_L, 133)), Key::LeftSuper);
    EXPECT_EQ(KeyOf(KeyEvent(Qt::Key_Super_R, 134)), Key::RightSuper);
    EXPECT_EQ(KeyOf(KeyEvent(Qt::Key_Meta, 134)), Key::RightSuper);
    EXPECT_EQ(KeyOf(KeyEvent(Qt::Key_Meta, 133)), Key::LeftSuper);
    EXPECT_EQ(KeyOf(KeyEvent(Qt::Key_A, 38)), Key::Other);
}

}  // namespace
}  // namespace corvane::testing
