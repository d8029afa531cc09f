// Records every message the core shows, in order.
#pragma once

#include <vector>

#include "core/user_messages.h"

namespace corvane::testing {

struct ShownMessage {
    MessageKind kind;
    Caption caption;
    std::int64_t value;
    friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

class FakeUserMessages final : public UserMessages {
  public:
    std::vector<ShownMessage> shown;
    void Show(MessageKind kind, Caption caption, std::int64_t value) override {
        shown.push_back({kind, caption, value});
    }
};

}  // namespace corvane::testing
