#include "ui/skin/fonts_qt.h"

#include <QFontMetrics>

#include <algorithm>
#include <iterator>

namespace corvane {
namespace {

struct FaceSubstitute {
    std::wstring_view windowsFace;
    const char* linuxFamily;
};

constexpr FaceSubstitute kFaceSubstitutes[] = {
    {L"Tahoma", "DejaVu Sans"},      {L"宋体", "Noto Sans CJK SC"},   {L"黑体", "Noto Sans CJK SC"},
    {L"SimSun", "Noto Sans CJK SC"}, {L"SimHei", "Noto Sans CJK SC"},
};
constexpr const char* kFallbackFamily = "DejaVu Sans";

// Windows weights run 100 to 900 like CSS; Qt 6 takes the same numbers.
QFont::Weight QtWeightOf(int weight) {
    return static_cast<QFont::Weight>(std::clamp(weight, 100, 900));
}

}  // namespace

QString LinuxFamilyOf(std::wstring_view face) {
    const auto found =
        std::find_if(std::begin(kFaceSubstitutes), std::end(kFaceSubstitutes),
                     [face](const FaceSubstitute& s) { return s.windowsFace == face; });
    return QString::fromLatin1(found != std::end(kFaceSubstitutes) ? found->linuxFamily
                                                                   : kFallbackFamily);
}

QFont FontForWindowsFace(std::wstring_view face, int height, int weight) {
    QFont font(LinuxFamilyOf(face));
    font.setWeight(QtWeightOf(weight));
    // The Windows program's texts have no smoothed edges here: each pixel is
    // the text colour or left as it was.
    font.setStyleStrategy(QFont::NoAntialias);
    // The largest pixel size whose cell still fits the height: the cell
    // grows by about one pixel per size, so it is the one that fills it
    // wherever one does.
    int chosen = 1;
    for (int size = 1; size <= std::max(height, 1) * 2; ++size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).height() > height) {
            break;
        }
        chosen = size;
    }
    font.setPixelSize(chosen);
    return font;
}

}  // namespace corvane
