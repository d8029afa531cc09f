// The program around the window logic in tests: Save's writes counted and
// answered as asked, Close counted.
#pragma once

#include <functional>

#include "ui/main/main_window_owner.h"

namespace corvane::testing {

class FakeWindowOwner final : public MainWindowOwner {
  public:
    bool WriteMouse() override {
        ++writes;
        return writeSucceeds;
    }
    void EndProgram() override {
        ++ends;
        if (onEnd) {
            onEnd();
        }
    }

    bool writeSucceeds = true;
    int writes = 0;
    int ends = 0;
    std::function<void()> onEnd;
};

}  // namespace corvane::testing
