#include "app/tray_rules.h"

#include <algorithm>

namespace corvane {

StartStep NextStartStep(bool hiddenAsked, bool trayAvailable, int waitedMs) {
    if (!hiddenAsked) {
        return StartStep::ShowWindow;
    }
    if (trayAvailable) {
        return StartStep::StayInTray;
    }
    return waitedMs < kTrayWaitMs ? StartStep::WaitForTray : StartStep::ShowWindow;
}

HideMeans HideMeansFor(bool trayAvailable) {
    return trayAvailable ? HideMeans::Hide : HideMeans::Minimise;
}

unsigned BalloonTimeoutMs(unsigned requestedMs) {
    return std::max(requestedMs, kShortestBalloonMs);
}

}  // namespace corvane
