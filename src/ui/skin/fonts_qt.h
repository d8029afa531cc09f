// The Windows fonts of the skinned windows on Linux: each face by a font
// Debian ships (Tahoma by DejaVu Sans, the Chinese faces by Noto Sans CJK
// SC), at the pixel size whose cell height (ascent plus descent) is the
// height the Windows program asks for, so rows and centred texts sit as
// they do there, drawn without smoothing as the Windows program draws
// them here.
#pragma once

#include <QFont>
#include <QString>

#include <string_view>

namespace corvane {

// The Linux family that stands in for Windows face `face`.
QString LinuxFamilyOf(std::wstring_view face);

// The font for a Windows font of `face`, cell height `height` pixels and
// weight `weight` (400 normal, 700 bold).
QFont FontForWindowsFace(std::wstring_view face, int height, int weight);

}  // namespace corvane
