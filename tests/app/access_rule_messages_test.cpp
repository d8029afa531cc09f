// The once-per-run hint at the access rule, between the device link and the
// boxes: a mouse this user may not open, found at start and again after a
// plug, gives the open failure's box each time and the hint only after the
// first.
#include "app/access_rule_messages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/shell_fakes.h"
#include "device/device_state.h"
#include "device/mouse_link.h"
#include "support/fake_system_facts.h"
#include "ui/main/text_messages.h"

namespace corvane::testing {
namespace {

constexpr wchar_t kHint[] =
    L"corvane: Corvane cannot open the mouse: this user has no access to it. Install "
    L"70-corvane.rules as the README's Linux set-up says, then plug the mouse in again.";

TEST(AccessRuleMessagesTest, TheHintFollowsTheFirstOpenFailureOfARunOnly) {
    SimulatedMouseOptions options;
    options.interfaces = StandardInterfaces();
    options.interfaces[2].channelOpenFails = true;  // the command channel
    NoAccessPort port(options);
    RecordedBoxes boxes;
    TextMessages texts(LanguageTextsFor(kLangEnglishUs), boxes, L"corvane");
    AccessRuleMessages messages(texts, port);
    DeviceState state;
    FakeSystemFacts facts;
    MouseLink link(port, state, facts, messages);

    EXPECT_FALSE(link.FindMouse());
    EXPECT_EQ(boxes.Lines(),
              (std::vector<std::wstring>{L"corvane: CreateFile Error Code:5", kHint}));
    EXPECT_EQ(state.devicePresent, 1u) << "the mouse is there";

    boxes.shown.clear();
    EXPECT_FALSE(link.FindMouse());  // plugged in again, still without the rule
    // Other open failures and other messages pass as they are.
    messages.Show(MessageKind::CreateFileError, Caption::AppTitle, 2);
    messages.Show(MessageKind::NotDetected, Caption::Warning, 5);
    EXPECT_EQ(boxes.Lines(),
              (std::vector<std::wstring>{L"corvane: CreateFile Error Code:5",
                                         L"corvane: CreateFile Error Code:2",
                                         L"Warning: The system did not detect the gaming mouse!"}));
}

TEST(AccessRuleMessagesTest, NoHintForAnErrorThatNoRuleMends) {
    NoAccessPort port({});
    RecordedBoxes boxes;
    TextMessages texts(LanguageTextsFor(kLangEnglishUs), boxes, L"corvane");
    AccessRuleMessages messages(texts, port);
    // Beyond the system's error numbers, 5 again in its low bits.
    messages.Show(MessageKind::CreateFileError, Caption::AppTitle, 5ll + (1ll << 32));
    messages.Show(MessageKind::CreateFileError, Caption::AppTitle, -1);
    EXPECT_FALSE(messages.hintShown());
    EXPECT_EQ(boxes.shown.size(), 2u);
}

}  // namespace
}  // namespace corvane::testing
