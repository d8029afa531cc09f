#include "app/access_rule_messages.h"

#include <cstdint>

namespace corvane {

AccessRuleMessages::AccessRuleMessages(UserMessages& inner, const HidPort& port)
    : inner_(inner), port_(port) {}

void AccessRuleMessages::Show(MessageKind kind, Caption caption, std::int64_t value) {
    inner_.Show(kind, caption, value);
    // The open failure's value is the system error of the open; one outside
    // the error numbers' range is no access failure.
    if (kind != MessageKind::CreateFileError || hintShown_ || value < 0 || value > UINT32_MAX ||
        !port_.NeedsAccessRule(static_cast<std::uint32_t>(value))) {
        return;
    }
    hintShown_ = true;
    inner_.Show(MessageKind::AccessRuleMissing, Caption::AppTitle);
}

}  // namespace corvane
