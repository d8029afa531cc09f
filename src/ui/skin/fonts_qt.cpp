#include "ui/skin/fonts_qt.h"

#include <QFontMetrics>

#include <algorithm>
#include <iterator>

namespace corvane {
namespace {

// What a Windows font's height measures. Tahoma's cell holds leading above
// its letters, as DejaVu's does, so the cells are matched. The Chinese faces'
// cell is their em: nothing but the characters; Noto Sans CJK's cell is
// about 1.45 em, and a matched cell drew the characters at 9 pixels where
// Windows draws them at 13.
enum class WindowsHeight { Cell, Em };

struct FaceSubstitute {
    std::wstring_view windowsFace;
    const char* linuxFamily;
    WindowsHeight height;
};

constexpr FaceSubstitute kFaceSubstitutes[] = {
    {L"Tahoma", "DejaVu Sans", WindowsHeight::Cell},
    {L"宋体", "Noto Sans CJK SC", WindowsHeight::Em},
    {L"黑体", "Noto Sans CJK SC", WindowsHeight::Em},
    {L"SimSun", "Noto Sans CJK SC", WindowsHeight::Em},
    {L"SimHei", "Noto Sans CJK SC", WindowsHeight::Em},
};
constexpr FaceSubstitute kFallback = {L"", "DejaVu Sans", WindowsHeight::Cell};

const FaceSubstitute& SubstituteOf(std::wstring_view face) {
    const auto found =
        std::find_if(std::begin(kFaceSubstitutes), std::end(kFaceSubstitutes),
                     [face](const FaceSubstitute& s) { return s.windowsFace == face; });
    return found != std::end(kFaceSubstitutes) ? *found : kFallback;
}

// Windows weights run 100 to 900 like CSS; Qt 6 takes the same numbers.
QFont::Weight QtWeightOf(int weight) {
    return static_cast<QFont::Weight>(std::clamp(weight, 100, 900));
}

}  // namespace

QString LinuxFamilyOf(std::wstring_view face) {
    return QString::fromLatin1(SubstituteOf(face).linuxFamily);
}

QFont FontForWindowsFace(std::wstring_view face, int height, int weight) {
    const FaceSubstitute& substitute = SubstituteOf(face);
    QFont font(QString::fromLatin1(substitute.linuxFamily));
    font.setWeight(QtWeightOf(weight));
    // The Windows program's texts have no smoothed edges here: each pixel is
    // the text colour or left as it was.
    font.setStyleStrategy(QFont::NoAntialias);
    if (substitute.height == WindowsHeight::Em) {
        font.setPixelSize(std::max(height, 1));
        return font;
    }
    // The largest pixel size whose cell still fits the height: the cell
    // grows by about one pixel per size, so it is the one that fills it
    // wherever one does, and size 1 when none fits. Each size measured loads
    // a font engine through fontconfig (trying every size from 1 up cost the
    // window's start several milliseconds), so the search starts where the
    // cell at the height itself puts it, and walks from there: the cell
    // never shrinks as the size grows, so the sizes that fit come first.
    const int largest = std::max(height, 1) * 2;
    const auto cellOf = [&font](int size) {
        font.setPixelSize(size);
        return QFontMetrics(font).height();
    };
    const auto fits = [&](int size) { return cellOf(size) <= height; };
    const int cellAtHeight = cellOf(std::clamp(height, 1, largest));
    int fitting = std::clamp(height * height / std::max(cellAtHeight, 1), 1, largest);
    if (fits(fitting)) {
        while (fitting < largest && fits(fitting + 1)) {
            ++fitting;
        }
    } else {
        do {
            --fitting;
        } while (fitting > 1 && !fits(fitting));
        fitting = std::max(fitting, 1);
    }
    font.setPixelSize(fitting);
    return font;
}

}  // namespace corvane
