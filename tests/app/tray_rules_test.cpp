// Where the Linux window goes at the start, with and without a tray and
// with --hidden. (Hide requests and the messages' time: tray_e2e_test.sh.)
#include "app/tray_rules.h"

#include <gtest/gtest.h>

namespace corvane::testing {
namespace {

TEST(TrayRulesTest, StartIsShownUnlessHiddenIsAskedAndATrayComesWithinTheWait) {
    struct Case {
        bool hidden, tray;
        int waitedMs;
        StartStep step;
    };
    const Case cases[] = {
        {false, false, 0, StartStep::ShowWindow},  // a launcher expects a window
        {false, true, 0, StartStep::ShowWindow},
        {true, true, 0, StartStep::StayInTray},
        {true, true, kTrayWaitMs + 1, StartStep::StayInTray},  // polled late, tray there
        {true, false, 0, StartStep::WaitForTray},              // the panel may come up after us
        {true, false, kTrayWaitMs - 1, StartStep::WaitForTray},
        {true, false, kTrayWaitMs, StartStep::ShowWindow},  // never lost without a tray
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NextStartStep(c.hidden, c.tray, c.waitedMs), c.step)
            << "hidden " << c.hidden << ", tray " << c.tray << ", waited " << c.waitedMs;
    }
    EXPECT_EQ(kTrayWaitMs, 10000);
}

}  // namespace
}  // namespace corvane::testing
