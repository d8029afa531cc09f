// LoadPng and CMemDC with real pixels: the premultiply step, blending by
// format, drawing twice on one spot, the failure box, and the GDI+ count.
#include <gtest/gtest.h>

#include "support/fake_user_messages.h"
#include "ui/main/main_layout.h"
#include "ui/skin/mem_dc_win32.h"
#include "ui/skin/pixels_win32.h"
#include "ui/skin/skin_dir.h"

namespace corvane::testing {
namespace {

constexpr Bgra kBlack{0, 0, 0, 255};

class LoadPngTest : public ::testing::Test {
  protected:
    FakeUserMessages messages;

    // A 4 x 1 PNG with the given straight pixels.
    std::wstring Png(const std::wstring& name, std::vector<Bgra> pixels, bool alpha = true) {
        const std::wstring path = TempPath(name);
        const int width = static_cast<int>(pixels.size());
        EXPECT_TRUE(WritePng(path, width, 1, std::move(pixels), alpha));
        return path;
    }
    void TearDown() override {
        EXPECT_EQ(LiveGdiplusLeases(), 0) << "every image object is gone after its draw";
    }
};

TEST_F(LoadPngTest, PremultiplyingTruncates) {
    const std::wstring path = Png(L"truncate.png", {{255, 255, 255, 128}, {1, 1, 1, 254}});
    DecodedImage image(path);
    ASSERT_TRUE(image.ok());
    ASSERT_EQ(image.bitsPerPixel(), 32);
    EXPECT_TRUE(image.hasAlpha());
    image.Premultiply();
    const std::uint8_t* p = image.firstRow();
    EXPECT_EQ(p[0], 128);
    EXPECT_EQ(p[2], 128);
    EXPECT_EQ(p[3], 128) << "alpha itself is unchanged";
    EXPECT_EQ(p[4], 0);
    EXPECT_EQ(p[7], 254);

    Canvas canvas(4, 1, kBlack);
    ASSERT_TRUE(LoadPng(canvas.dc(), path, 0, 0, messages));
    EXPECT_TRUE(SameColour(canvas.At(0, 0), {128, 128, 128, 0})) << Describe(canvas.At(0, 0));
    EXPECT_TRUE(SameColour(canvas.At(1, 0), {0, 0, 0, 0})) << Describe(canvas.At(1, 0));
    DeleteFileW(path.c_str());
}

TEST_F(LoadPngTest, Alpha0LeavesTheCanvasAndAlpha255CopiesExactly) {
    const std::wstring path = Png(L"extremes.png", {{9, 99, 199, 0}, {200, 100, 50, 255}});
    const Bgra kCanvas{10, 20, 30, 255};
    Canvas canvas(6, 2, kCanvas);
    ASSERT_TRUE(LoadPng(canvas.dc(), path, 1, 1, messages));
    EXPECT_TRUE(SameColour(canvas.At(1, 1), kCanvas)) << Describe(canvas.At(1, 1));
    EXPECT_TRUE(SameColour(canvas.At(2, 1), {200, 100, 50, 0})) << Describe(canvas.At(2, 1));
    EXPECT_TRUE(SameColour(canvas.At(0, 0), kCanvas)) << "drawn at its point, natural size";
    EXPECT_TRUE(SameColour(canvas.At(3, 1), kCanvas));
    EXPECT_TRUE(messages.shown.empty());
    DeleteFileW(path.c_str());
}

TEST_F(LoadPngTest, AnImageWithoutAlphaIsCopied) {
    const std::wstring path = Png(L"rgb.png", {{1, 2, 3, 255}, {250, 251, 252, 255}}, false);
    {
        DecodedImage image(path);
        ASSERT_TRUE(image.ok());
        EXPECT_EQ(image.bitsPerPixel(), 24);
        EXPECT_FALSE(image.hasAlpha());
    }
    Canvas canvas(2, 1, {77, 77, 77, 255});
    ASSERT_TRUE(LoadPng(canvas.dc(), path, 0, 0, messages));
    EXPECT_TRUE(SameColour(canvas.At(0, 0), {1, 2, 3, 0}));
    EXPECT_TRUE(SameColour(canvas.At(1, 0), {250, 251, 252, 0}));
    DeleteFileW(path.c_str());
}

TEST_F(LoadPngTest, NormalThenOverOnTheSameSpotLeavesTheOverImageOnTop) {
    const std::wstring skin = AssetsSkinDir(L"EN");
    const std::wstring normalPath = SkinImagePath(skin, kImageSaveNormal);
    const std::wstring overPath = SkinImagePath(skin, kImageSaveOver);
    const Pixels normal = DecodeStraight(normalPath);
    const Pixels over = DecodeStraight(overPath);
    ASSERT_EQ(normal.width, over.width);
    ASSERT_FALSE(over.data.empty());

    const Bgra kCanvas{40, 80, 120, 255};
    Canvas canvas(over.width + 4, over.height + 4, kCanvas);
    ASSERT_TRUE(LoadPng(canvas.dc(), normalPath, 2, 2, messages));
    ASSERT_TRUE(LoadPng(canvas.dc(), overPath, 2, 2, messages));

    int opaque = 0;
    int partial = 0;
    for (int y = 0; y < over.height; ++y) {
        for (int x = 0; x < over.width; ++x) {
            const Bgra o = over.At(x, y);
            const Bgra expected = BlendOver(o, BlendOver(normal.At(x, y), kCanvas));
            const Bgra actual = canvas.At(x + 2, y + 2);
            // AlphaBlend rounds the destination share; allow one step per blend.
            const int tolerance = o.a == 255 ? 0 : 2;
            ASSERT_TRUE(SameColour(actual, expected, tolerance))
                << x << "," << y << " " << Describe(actual) << " expected " << Describe(expected);
            (o.a == 255 ? opaque : partial) += 1;
        }
    }
    EXPECT_GT(opaque, 0);
    EXPECT_TRUE(SameColour(canvas.At(0, 0), kCanvas));
}

TEST_F(LoadPngTest, AnOpaqueImageIsDrawnAsACopyOfItsPixels) {
    const std::wstring opaquePath = Png(L"opaque.png", {{200, 100, 50, 255}, {1, 2, 3, 255}});
    DecodedImage opaque(opaquePath);
    ASSERT_TRUE(opaque.ok());
    EXPECT_FALSE(opaque.opaque()) << "known only once premultiplied";
    opaque.Premultiply();
    EXPECT_TRUE(opaque.opaque());
    Canvas canvas(4, 1, {10, 20, 30, 255});
    ASSERT_TRUE(LoadPng(canvas.dc(), opaquePath, 1, 0, messages));
    EXPECT_TRUE(SameColour(canvas.At(1, 0), {200, 100, 50, 0})) << Describe(canvas.At(1, 0));
    EXPECT_TRUE(SameColour(canvas.At(2, 0), {1, 2, 3, 0})) << Describe(canvas.At(2, 0));
    EXPECT_TRUE(SameColour(canvas.At(0, 0), {10, 20, 30, 0}));

    const std::wstring onePartial = Png(L"one-partial.png", {{200, 100, 50, 255}, {9, 9, 9, 0}});
    DecodedImage partial(onePartial);
    partial.Premultiply();
    EXPECT_FALSE(partial.opaque());
    DeleteFileW(opaquePath.c_str());
    DeleteFileW(onePartial.c_str());
}

TEST_F(LoadPngTest, AMissingImageShowsTheBoxAndLeavesTheCanvas) {
    const Bgra kCanvas{5, 6, 7, 255};
    Canvas canvas(3, 3, kCanvas);
    EXPECT_FALSE(LoadPng(canvas.dc(), TempPath(L"no-such-image.png"), 0, 0, messages));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::LoadPngFailed);
    EXPECT_EQ(messages.shown[0].caption, Caption::None);
    EXPECT_TRUE(SameColour(canvas.At(1, 1), kCanvas));

    // Under another executable name the folder is wrong and every load fails.
    const std::wstring wrongDir = SkinDir(AssetsSkinDir(L"EN") + L"/../../Mouse.exe", 2);
    EXPECT_FALSE(LoadPng(canvas.dc(), SkinImagePath(wrongDir, kImageMain), 0, 0, messages));
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(LoadPngTest, WithoutATargetNothingIsLoadedOrReported) {
    EXPECT_FALSE(LoadPng(nullptr, SkinImagePath(AssetsSkinDir(L"EN"), kImageMain), 0, 0, messages));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(LoadPngTest, GdiplusRunsWhileAnImageObjectLives) {
    EXPECT_FALSE(GdiplusStartedByLeases());
    {
        GdiplusLease windowLease;
        EXPECT_TRUE(windowLease.started());
        Canvas canvas(2, 2, kBlack);
        const std::wstring path = Png(L"lease.png", {{1, 1, 1, 255}});
        LoadPng(canvas.dc(), path, 0, 0, messages);
        EXPECT_EQ(LiveGdiplusLeases(), 1) << "the draw's own image object is gone";
        EXPECT_TRUE(GdiplusStartedByLeases());
        DeleteFileW(path.c_str());
    }
    EXPECT_FALSE(GdiplusStartedByLeases());
}

TEST_F(LoadPngTest, ABackgroundIsKeptUnpremultiplied) {
    const std::wstring path = Png(L"background.png", {{200, 200, 200, 100}});
    HBITMAP background = LoadBackgroundBitmap(path);
    ASSERT_NE(background, nullptr);
    const Pixels p = ReadBitmap(background, 1, 1);
    EXPECT_EQ(p.At(0, 0).b, 200);
    EXPECT_EQ(p.At(0, 0).a, 100);
    DeleteObject(background);
    EXPECT_EQ(LoadBackgroundBitmap(TempPath(L"missing-background.png")), nullptr);
    DeleteFileW(path.c_str());
}

// ------------------------------------------------------------------ CMemDC

TEST(CMemDCTest, DrawsOffScreenAndCopiesTheRectangleOnDestruction) {
    const Bgra kTarget{0, 0, 0, 255};
    Canvas target(20, 20, kTarget);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    {
        CMemDC memory(target.dc(), RECT{5, 5, 15, 15});
        ASSERT_TRUE(memory.offScreen());
        RECT inside{5, 5, 15, 15};  // the target's coordinates
        FillRect(memory.dc(), &inside, red);
        EXPECT_TRUE(SameColour(target.At(6, 6), kTarget)) << "nothing reaches the target yet";
    }
    EXPECT_TRUE(SameColour(target.At(5, 5), {0, 0, 255, 0}));
    EXPECT_TRUE(SameColour(target.At(14, 14), {0, 0, 255, 0}));
    EXPECT_TRUE(SameColour(target.At(15, 15), kTarget));
    EXPECT_TRUE(SameColour(target.At(4, 4), kTarget));
    DeleteObject(red);
}

TEST(CMemDCTest, AnAllZeroRectangleIsTheClipBoxAndACanvasIsTheSurface) {
    Canvas target(8, 8, {0, 0, 0, 255});
    Canvas background(8, 8, {0, 200, 0, 255});
    HBITMAP canvasBitmap = static_cast<HBITMAP>(GetCurrentObject(background.dc(), OBJ_BITMAP));
    // The canvas bitmap can be selected into one context at a time.
    HBITMAP placeholder = CreateCompatibleBitmap(background.dc(), 1, 1);
    SelectObject(background.dc(), placeholder);
    {
        CMemDC memory(target.dc());
        EXPECT_EQ(memory.rect().right, 8);
        EXPECT_EQ(memory.rect().bottom, 8);
        memory.SelectCanvas(canvasBitmap);
        SetPixel(memory.dc(), 1, 1, RGB(0, 0, 255));
    }
    EXPECT_TRUE(SameColour(target.At(3, 3), {0, 200, 0, 0})) << "the canvas was copied";
    EXPECT_TRUE(SameColour(target.At(1, 1), {255, 0, 0, 0}));
    SelectObject(background.dc(), canvasBitmap);
    EXPECT_TRUE(SameColour(background.At(1, 1), {255, 0, 0, 0})) << "the drawing stays on it";
    DeleteObject(placeholder);
}

TEST(CMemDCTest, ACanvasGivenAtTheStartIsTheSurfaceAndABusyOneGivesABlankSurface) {
    Canvas target(8, 8, {0, 0, 0, 255});
    Canvas background(8, 8, {0, 200, 0, 255});
    HBITMAP canvasBitmap = static_cast<HBITMAP>(GetCurrentObject(background.dc(), OBJ_BITMAP));
    {
        // Still selected into the background's context: it cannot be the
        // surface, so the pass draws on a blank one.
        CMemDC memory(target.dc(), RECT{0, 0, 8, 8}, canvasBitmap);
        ASSERT_TRUE(memory.offScreen());
        SetPixel(memory.dc(), 2, 2, RGB(0, 0, 255));
    }
    EXPECT_TRUE(SameColour(target.At(2, 2), {255, 0, 0, 0}));
    EXPECT_FALSE(SameColour(target.At(3, 3), {0, 200, 0, 0})) << "not the busy canvas";

    HBITMAP placeholder = CreateCompatibleBitmap(background.dc(), 1, 1);
    SelectObject(background.dc(), placeholder);
    {
        CMemDC memory(target.dc(), RECT{0, 0, 8, 8}, canvasBitmap);
        SetPixel(memory.dc(), 1, 1, RGB(0, 0, 255));
    }
    EXPECT_TRUE(SameColour(target.At(3, 3), {0, 200, 0, 0})) << "the canvas was copied";
    SelectObject(background.dc(), canvasBitmap);
    EXPECT_TRUE(SameColour(background.At(1, 1), {255, 0, 0, 0})) << "the drawing stays on it";
    DeleteObject(placeholder);
}

}  // namespace
}  // namespace corvane::testing
