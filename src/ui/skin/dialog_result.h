// How a modal dialog ends: accepted, or cancelled or closed. Its opener
// reads the dialog's choice only after an accepted run.
#pragma once

namespace corvane {

inline constexpr int kDialogAccepted = 1;
inline constexpr int kDialogCancelled = 2;

}  // namespace corvane
