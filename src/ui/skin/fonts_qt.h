// The Windows fonts of the skinned windows on Linux: each face by a font
// Debian ships (Tahoma by DejaVu Sans, the Chinese faces by Noto Sans CJK
// SC), at the size of the Windows font: Tahoma's by its cell height (ascent
// plus descent), so rows and centred texts sit as they do there, the Chinese
// faces by their em, which is their whole cell on Windows. Drawn without
// smoothing as the Windows program draws them here.
#pragma once

#include <QFont>
#include <QString>

#include <string_view>

namespace corvane {

// The Linux family that stands in for Windows face `face`.
QString LinuxFamilyOf(std::wstring_view face);

// The font for a Windows font of `face`, height `height` pixels and weight
// `weight` (400 normal, 700 bold).
QFont FontForWindowsFace(std::wstring_view face, int height, int weight);

}  // namespace corvane
