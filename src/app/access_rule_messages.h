// The once-per-run hint at the access rule: where the mouse is there but
// this user may not open it (HidPort::NeedsAccessRule), the open failure's
// message stays as it is, and the first time in a run one more box follows
// that says how to get access. Stands between the device link and the
// messages it shows.
#pragma once

#include "core/user_messages.h"
#include "device/hid_port.h"

namespace corvane {

class AccessRuleMessages final : public UserMessages {
  public:
    // Shows every message through `inner`; `port` tells which open failures
    // an access rule mends.
    AccessRuleMessages(UserMessages& inner, const HidPort& port);

    void Show(MessageKind kind, Caption caption, std::int64_t value = 0) override;

    bool hintShown() const { return hintShown_; }

  private:
    UserMessages& inner_;
    const HidPort& port_;
    bool hintShown_ = false;
};

}  // namespace corvane
