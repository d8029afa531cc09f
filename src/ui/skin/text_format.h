// How a text is placed in its rectangle on every skinned window: one line,
// vertically centred, aligned left, centred or right. Each host turns it
// into its platform's drawing flags.
#pragma once

namespace corvane {

enum class TextFormat {
    LeftAligned,
    Centred,
    RightAligned,
};

}  // namespace corvane
