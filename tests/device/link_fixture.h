// A MouseLink over a simulated mouse with recording facts and messages.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "device/device_state.h"
#include "device/mouse_link.h"
#include "device/simulator/simulated_mouse.h"
#include "support/fake_system_facts.h"
#include "support/fake_user_messages.h"

namespace corvane::testing {

class LinkTest : public ::testing::Test {
  protected:
    void Make(SimulatedMouseOptions options = {}) {
        mouse = std::make_unique<SimulatedMouse>(std::move(options));
        link = std::make_unique<MouseLink>(*mouse, state, facts, messages);
    }
    // What start-up does after a successful discovery.
    bool FindAndRead() {
        if (!link->FindMouse()) {
            return false;
        }
        state.scrambleEnabled = 1;
        state.image = DeviceImage{};
        link->ReadDevice();
        return true;
    }
    std::vector<ShownMessage> Shown(MessageKind kind, Caption caption, std::int64_t value = 0) {
        return {{kind, caption, value}};
    }

    DeviceState state;
    FakeSystemFacts facts;
    FakeUserMessages messages;
    std::unique_ptr<SimulatedMouse> mouse;
    std::unique_ptr<MouseLink> link;
};

}  // namespace corvane::testing
