// The committed skin images against the program's geometry tables: every
// image exists in both language folders as 8-bit RGBA at the size its
// rectangles give, and every background shows each element exactly where the
// program draws that element's images.

#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "ui/dialogs/dialog_layout.h"
#include "ui/main/main_layout.h"

namespace corvane {
namespace {

constexpr std::array<const char*, 2> kLanguages = {"EN", "CHS"};

using Rgba = std::array<int, 4>;

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;  // RGBA, top row first

    Rgba At(int x, int y) const {
        const std::uint8_t* p = &pixels[(static_cast<size_t>(y) * width + x) * 4];
        return {p[0], p[1], p[2], p[3]};
    }
};

std::string Narrow(std::wstring_view name) {
    std::string out;
    for (wchar_t c : name) {
        out.push_back(static_cast<char>(c));
    }
    return out;
}

std::string SkinPath(const char* language, std::wstring_view imageName) {
    return std::string(CORVANE_ASSETS_DIR) + "/Skins/" + language + Narrow(imageName);
}

// Bit depth and colour type from the IHDR chunk, which a PNG file must begin
// with; nullopt when the file is missing or not a PNG.
std::optional<std::pair<int, int>> PngHeader(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::array<unsigned char, 26> head{};
    if (!in.read(reinterpret_cast<char*>(head.data()), head.size())) {
        return std::nullopt;
    }
    static constexpr unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (!std::equal(std::begin(kSignature), std::end(kSignature), head.begin()) ||
        std::string_view(reinterpret_cast<const char*>(&head[12]), 4) != "IHDR") {
        return std::nullopt;
    }
    return std::pair<int, int>{head[24], head[25]};
}

std::optional<Picture> Decode(const std::string& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        return std::nullopt;
    }
    image.format = PNG_FORMAT_RGBA;
    Picture picture;
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
    picture.pixels.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, picture.pixels.data(), 0, nullptr)) {
        png_image_free(&image);
        return std::nullopt;
    }
    return picture;
}

Picture Load(const char* language, std::wstring_view name) {
    std::optional<Picture> picture = Decode(SkinPath(language, name));
    EXPECT_TRUE(picture.has_value()) << SkinPath(language, name) << " does not decode";
    return picture.value_or(Picture{});
}

// How far `background` at `at` shows `element`: the share of the element's
// opaque pixels that the background repeats, each channel within 8. Its
// features (border, arrow, caption: the pixels away from the element's main
// colour) are counted apart too, since a flat field matches itself even when
// the element sits a pixel or two off its place.
struct Match {
    int opaque = 0;
    int equal = 0;
    int features = 0;
    int featuresEqual = 0;
    bool inside = true;
};

bool Near(const Rgba& a, const Rgba& b, int tolerance) {
    for (int c = 0; c < 3; ++c) {
        if (std::abs(a[c] - b[c]) > tolerance) {
            return false;
        }
    }
    return true;
}

Rgba MainColour(const Picture& p) {
    std::map<Rgba, int> counts;
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            ++counts[p.At(x, y)];
        }
    }
    return std::max_element(counts.begin(), counts.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}

Match Compare(const Picture& background, const Picture& element, Point at) {
    Match m;
    if (at.x < 0 || at.y < 0 || at.x + element.width > background.width ||
        at.y + element.height > background.height) {
        m.inside = false;
        return m;
    }
    const Rgba main = MainColour(element);
    for (int y = 0; y < element.height; ++y) {
        for (int x = 0; x < element.width; ++x) {
            Rgba e = element.At(x, y);
            if (e[3] != 255) {
                continue;
            }
            const bool same = Near(e, background.At(at.x + x, at.y + y), 8);
            ++m.opaque;
            m.equal += same ? 1 : 0;
            if (!Near(e, main, 24)) {
                ++m.features;
                m.featuresEqual += same ? 1 : 0;
            }
        }
    }
    return m;
}

::testing::AssertionResult Shows(const Picture& background, const Picture& element, Point at) {
    Match m = Compare(background, element, at);
    if (!m.inside) {
        return ::testing::AssertionFailure() << "element reaches outside the background";
    }
    // An element that is mostly transparent would match anything.
    if (m.opaque * 2 < element.width * element.height) {
        return ::testing::AssertionFailure() << "element has only " << m.opaque << " opaque pixels";
    }
    if (m.equal * 100 < m.opaque * 95) {
        return ::testing::AssertionFailure()
               << m.equal << " of " << m.opaque << " opaque pixels match at (" << at.x << ", "
               << at.y << ")";
    }
    if (m.featuresEqual * 100 < m.features * 95) {
        return ::testing::AssertionFailure()
               << m.featuresEqual << " of " << m.features << " feature pixels match at (" << at.x
               << ", " << at.y << ")";
    }
    return ::testing::AssertionSuccess();
}

// Share of pixels (in percent) of two equally sized areas whose colours
// differ clearly (some channel by more than 40).
int PercentDifferent(const Picture& a, Rect ra, const Picture& b, Rect rb) {
    int differing = 0;
    for (int y = 0; y < ra.Height(); ++y) {
        for (int x = 0; x < ra.Width(); ++x) {
            Rgba pa = a.At(ra.left + x, ra.top + y);
            Rgba pb = b.At(rb.left + x, rb.top + y);
            int d = 0;
            for (int c = 0; c < 4; ++c) {
                d = std::max(d, std::abs(pa[c] - pb[c]));
            }
            differing += d > 40 ? 1 : 0;
        }
    }
    return differing * 100 / (ra.Width() * ra.Height());
}

Rect Whole(const Picture& p) {
    return {0, 0, p.width, p.height};
}

// ---------------------------------------------------------------------------
// The catalogue: every image the program loads, with the size its rectangles
// give.

struct Expected {
    std::wstring_view name;
    int width;
    int height;
    bool fitsWithin = false;  // width and height are upper bounds
};

int Smallest(auto rects, int (Rect::*measure)() const) {
    int smallest = 1 << 30;
    for (const Rect& r : rects) {
        smallest = std::min(smallest, (r.*measure)());
    }
    return smallest;
}

std::vector<Expected> Catalogue() {
    std::vector<Expected> out;
    for (auto page : {kImageMain, kImageKeySet, kImageDpiSet, kImageLedSet}) {
        out.push_back({page, kClientWidth, kClientHeight});
    }
    std::vector<Rect> positions;
    for (auto group :
         {std::span<const Rect>(kReportRatePositions), std::span<const Rect>(kLightingRows),
          std::span<const Rect>(kModeTwoParamRows)}) {
        positions.insert(positions.end(), group.begin(), group.end());
    }
    out.push_back(
        {kImageTick, Smallest(positions, &Rect::Width), Smallest(positions, &Rect::Height), true});
    const Rect box = kKeyBoxes[0][0];
    for (auto [normal, over, rect] : {
             std::tuple{kImageSaveNormal, kImageSaveOver, kSaveButton},
             std::tuple{kImageExitNormal, kImageExitOver, kExitButton},
             std::tuple{kImageDefaultNormal, kImageDefaultOver, kDefaultButton},
             std::tuple{kImageMinNormal, kImageMinOver, kMinButton},
             std::tuple{kImageCloseNormal, kImageCloseOver, kCloseButton},
             std::tuple{kImageDropdownNormal, kImageDropdownOver, box},
         }) {
        out.push_back({normal, rect.Width(), rect.Height()});
        out.push_back({over, rect.Width(), rect.Height()});
    }
    for (const DialogLayout& d : kDialogLayouts) {
        out.push_back({d.background, d.clientWidth, d.clientHeight});
    }
    const DialogLayout& recover = LayoutOf(DialogKind::KeysRecover);
    for (auto [name, rect] : {std::pair{recover.acceptNormal, recover.accept},
                              std::pair{recover.acceptOver, recover.accept},
                              std::pair{recover.cancelNormal, recover.cancel},
                              std::pair{recover.cancelOver, recover.cancel}}) {
        out.push_back({name, rect.Width(), rect.Height()});
    }
    return out;
}

TEST(SkinImages, EveryImageExistsInBothFoldersAsRgbaAtItsSize) {
    std::vector<Expected> catalogue = Catalogue();
    ASSERT_EQ(catalogue.size(), 28u);
    for (const char* language : kLanguages) {
        for (const Expected& e : catalogue) {
            SCOPED_TRACE(SkinPath(language, e.name));
            auto header = PngHeader(SkinPath(language, e.name));
            ASSERT_TRUE(header.has_value()) << "missing or not a PNG";
            EXPECT_EQ(header->first, 8) << "bit depth";
            EXPECT_EQ(header->second, 6) << "colour type (6 is RGBA)";
            Picture p = Load(language, e.name);
            if (e.fitsWithin) {
                EXPECT_GT(p.width, 0);
                EXPECT_GT(p.height, 0);
                EXPECT_LE(p.width, e.width);
                EXPECT_LE(p.height, e.height);
            } else {
                EXPECT_EQ(p.width, e.width);
                EXPECT_EQ(p.height, e.height);
            }
        }
    }
}

// ---------------------------------------------------------------------------
// Backgrounds against the elements the program draws over them.

TEST(SkinImages, PageImagesShowTheWindowButtonsAndBoxesOnTheirRectangles) {
    for (const char* language : kLanguages) {
        SCOPED_TRACE(language);
        const Picture save = Load(language, kImageSaveNormal);
        const Picture exit = Load(language, kImageExitNormal);
        const Picture min = Load(language, kImageMinNormal);
        const Picture close = Load(language, kImageCloseNormal);
        const Picture def = Load(language, kImageDefaultNormal);
        const Picture box = Load(language, kImageDropdownNormal);
        for (auto page : {kImageMain, kImageKeySet, kImageDpiSet, kImageLedSet}) {
            SCOPED_TRACE(Narrow(page));
            const Picture p = Load(language, page);
            EXPECT_TRUE(Shows(p, save, kSaveButton.TopLeft())) << "Save";
            EXPECT_TRUE(Shows(p, exit, kExitButton.TopLeft())) << "Exit";
            EXPECT_TRUE(Shows(p, min, kMinButton.TopLeft())) << "Min";
            EXPECT_TRUE(Shows(p, close, kCloseButton.TopLeft())) << "Close";
        }
        const Picture keys = Load(language, kImageKeySet);
        EXPECT_TRUE(Shows(keys, def, kDefaultButton.TopLeft())) << "Default";
        for (int layer = 0; layer < kKeyLayerCount; ++layer) {
            for (int b = 0; b < kKeyBoxButtonCount; ++b) {
                EXPECT_TRUE(Shows(keys, box, kKeyBoxes[layer][b].TopLeft()))
                    << "key box, layer " << layer << ", button " << b;
            }
        }
        const Picture dpi = Load(language, kImageDpiSet);
        for (int s = 0; s < kDpiStageCount; ++s) {
            EXPECT_TRUE(Shows(dpi, box, kDpiStageBoxes[s].TopLeft())) << "DPI stage " << s + 1;
        }
    }
}

TEST(SkinImages, DialogBackgroundsShowTheirCloseBoxButtonsAndDropdowns) {
    for (const char* language : kLanguages) {
        SCOPED_TRACE(language);
        const Picture box = Load(language, kImageDialogDropdown);
        for (const DialogLayout& d : kDialogLayouts) {
            SCOPED_TRACE(Narrow(d.background));
            const Picture p = Load(language, d.background);
            EXPECT_TRUE(Shows(p, Load(language, d.closeNormal), d.closeBox.TopLeft())) << "close";
            if (d.dropdown) {
                EXPECT_TRUE(Shows(p, box, d.dropdown->TopLeft())) << "drop-down box";
            }
            if (d.kind == DialogKind::KeysRecover) {
                // Its background is the only thing painted: the buttons must be in it.
                EXPECT_TRUE(Shows(p, Load(language, d.acceptNormal), d.accept.TopLeft())) << "OK";
                EXPECT_TRUE(Shows(p, Load(language, d.cancelNormal), d.cancel.TopLeft()))
                    << "Return";
            }
        }
    }
}

TEST(SkinImages, EachPageMarksItsOwnTabAndNoOther) {
    const Rect tabs[3] = {kKeyTab, kDpiTab, kLedTab};
    const std::wstring_view pages[3] = {kImageKeySet, kImageDpiSet, kImageLedSet};
    for (const char* language : kLanguages) {
        SCOPED_TRACE(language);
        // The start-up background shows the tabs with none of them current.
        const Picture start = Load(language, kImageMain);
        for (int page = 0; page < 3; ++page) {
            SCOPED_TRACE(Narrow(pages[page]));
            const Picture p = Load(language, pages[page]);
            for (int tab = 0; tab < 3; ++tab) {
                int percent = PercentDifferent(p, tabs[tab], start, tabs[tab]);
                if (tab == page) {
                    EXPECT_GE(percent, 10) << "own tab " << tab << " not marked as current";
                } else {
                    EXPECT_LE(percent, 1) << "tab " << tab << " looks current too";
                }
            }
        }
    }
}

// ---------------------------------------------------------------------------
// Looks.

TEST(SkinImages, OverLooksDifferClearlyFromNormalLooks) {
    const std::pair<std::wstring_view, std::wstring_view> pairs[] = {
        {kImageSaveNormal, kImageSaveOver},
        {kImageExitNormal, kImageExitOver},
        {kImageDefaultNormal, kImageDefaultOver},
        {kImageMinNormal, kImageMinOver},
        {kImageCloseNormal, kImageCloseOver},
        {kImageDropdownNormal, kImageDropdownOver},
        {LayoutOf(DialogKind::KeysRecover).acceptNormal,
         LayoutOf(DialogKind::KeysRecover).acceptOver},
        {LayoutOf(DialogKind::KeysRecover).cancelNormal,
         LayoutOf(DialogKind::KeysRecover).cancelOver},
    };
    for (const char* language : kLanguages) {
        for (auto [normal, over] : pairs) {
            SCOPED_TRACE(std::string(language) + Narrow(over));
            const Picture n = Load(language, normal);
            const Picture o = Load(language, over);
            ASSERT_EQ(n.width, o.width);
            ASSERT_EQ(n.height, o.height);
            EXPECT_GE(PercentDifferent(n, Whole(n), o, Whole(o)), 15);
        }
    }
}

// The program draws its texts in RGB(0, 255, 198) over these areas; they must
// be one calm, dark colour so that the texts read.
::testing::AssertionResult PlainAndDark(const Picture& p, Rect r) {
    r.right = std::min(r.right, p.width);
    r.bottom = std::min(r.bottom, p.height);
    long sum[3] = {0, 0, 0};
    const int n = r.Width() * r.Height();
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            for (int c = 0; c < 3; ++c) {
                sum[c] += p.At(x, y)[c];
            }
        }
    }
    int mean[3];
    for (int c = 0; c < 3; ++c) {
        mean[c] = static_cast<int>(sum[c] / n);
        if (mean[c] > 80) {
            return ::testing::AssertionFailure() << "area is too bright for the text colour";
        }
    }
    int calm = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            Rgba px = p.At(x, y);
            bool near = true;
            for (int c = 0; c < 3; ++c) {
                near = near && std::abs(px[c] - mean[c]) <= 12;
            }
            calm += near ? 1 : 0;
        }
    }
    if (calm * 100 < n * 97) {
        return ::testing::AssertionFailure()
               << "only " << calm << " of " << n << " pixels are near the area's colour";
    }
    return ::testing::AssertionSuccess();
}

TEST(SkinImages, AreasWhereTheProgramDrawsTextsArePlainAndDark) {
    for (const char* language : kLanguages) {
        SCOPED_TRACE(language);
        // Box texts sit in the box less its border and its arrow.
        for (auto name : {kImageDropdownNormal, kImageDropdownOver}) {
            const Picture box = Load(language, name);
            Rect text = Whole(box).Inset(kKeyBoxTextInsetLeft, kBoxArrowWidth);
            text.top += 2;
            text.bottom -= 2;
            EXPECT_TRUE(PlainAndDark(box, text)) << Narrow(name);
        }
        const Picture fire = Load(language, LayoutOf(DialogKind::FireKey).background);
        for (const NumberBox& nb : kFireKeyNumberBoxes) {
            EXPECT_TRUE(PlainAndDark(fire, nb.box)) << "number box " << nb.controlId;
            EXPECT_TRUE(PlainAndDark(fire, nb.label)) << "label of " << nb.controlId;
        }
        // The notes run below the buttons' top edge; the buttons are drawn anyway.
        const int buttonsTop = LayoutOf(DialogKind::FireKey).accept.top;
        for (Rect note : {kFireKeyTimeNote, kFireKeyTimesNote}) {
            note.bottom = std::min(note.bottom, buttonsTop);
            EXPECT_TRUE(PlainAndDark(fire, note)) << "range note";
        }
        const Picture single = Load(language, LayoutOf(DialogKind::SingleKey).background);
        EXPECT_TRUE(PlainAndDark(single, kSingleKeyPrompt)) << "single key prompt";
    }
}

TEST(SkinImages, PicturesWithTextsSpeakTheirFoldersLanguage) {
    const std::wstring_view withTexts[] = {
        kImageMain,          kImageKeySet,       kImageDpiSet,
        kImageLedSet,        kImageSaveNormal,   kImageExitNormal,
        kImageDefaultNormal, L"/Ok-normal.png",  L"/Return-normal.png",
        L"/fire-key.png",    L"/hot-key.png",    L"/Keys-recover.png",
        L"/media-key.png",   L"/single-key.png", L"/snipe-key.png",
        L"/windows-key.png",
    };
    for (auto name : withTexts) {
        const Picture en = Load("EN", name);
        const Picture chs = Load("CHS", name);
        ASSERT_EQ(en.width, chs.width) << Narrow(name);
        ASSERT_EQ(en.height, chs.height) << Narrow(name);
        int differing = 0;
        for (size_t i = 0; i < en.pixels.size(); ++i) {
            differing += en.pixels[i] != chs.pixels[i] ? 1 : 0;
        }
        EXPECT_GT(differing, 0) << Narrow(name) << " is the same in both languages";
    }
}

// ---------------------------------------------------------------------------
// The application icon.

TEST(SkinIcon, HoldsThe16And32And48PixelImages) {
    std::ifstream in(std::string(CORVANE_ASSETS_DIR) + "/corvane.ico", std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
    ASSERT_GE(bytes.size(), 6u);
    auto u16 = [&](size_t at) { return bytes[at] | bytes[at + 1] << 8; };
    auto u32 = [&](size_t at) { return static_cast<size_t>(u16(at) | u16(at + 2) << 16); };
    EXPECT_EQ(u16(0), 0);
    EXPECT_EQ(u16(2), 1) << "resource type icon";
    const int count = u16(4);
    ASSERT_GE(bytes.size(), 6u + 16u * count);
    std::vector<int> sizes;
    for (int i = 0; i < count; ++i) {
        const size_t entry = 6 + 16 * i;
        const int size = bytes[entry] == 0 ? 256 : bytes[entry];
        EXPECT_EQ(bytes[entry + 1], bytes[entry]) << "square";
        EXPECT_EQ(u16(entry + 6), 32) << "bits per pixel of the " << size << " pixel image";
        EXPECT_LE(u32(entry + 12) + u32(entry + 8), bytes.size()) << "image data inside the file";
        sizes.push_back(size);
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<int>{16, 32, 48}));
}

}  // namespace
}  // namespace corvane
