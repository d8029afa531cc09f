// The dialogs' runner with Qt: each dialog in its own Qt window over the
// main window, run by the dialog's own event loop.
#pragma once

#include <QPointer>
#include <QWidget>

#include "ui/dialogs/dialog_runner.h"
#include "ui/skin/dialog_host_qt.h"

namespace corvane {

using DialogRunnerQt = DialogRunner<DialogHostQt, QPointer<QWidget>>;

}  // namespace corvane
