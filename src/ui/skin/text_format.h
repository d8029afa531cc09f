// How a text is placed in its rectangle on every skinned window: one line,
// vertically centred; the values are the platform's.
#pragma once

namespace corvane {

enum class TextFormat : unsigned {
    LeftAligned = 36,
    Centred = 37,
    RightAligned = 38,
};

}  // namespace corvane
