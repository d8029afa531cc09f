// corvanectl's commands in this process, over the platform's file stores and
// a HID port of the test's making: what needs a device the simulated mouse
// cannot be.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "app/ctl/ctl.h"
#include "app/ctl/ctl_errors.h"
#include "app/ctl/trace_port.h"
#include "device/simulator/simulated_mouse.h"
#include "support/fake_system_facts.h"
#include "support/temp_folder.h"

namespace corvane::ctl {
namespace {

using corvane::testing::FakeSystemFacts;
using corvane::testing::TempFolder;
using ::testing::HasSubstr;

// The simulated mouse a ForgetfulMouse forwards to, constructed before it.
struct OwnMouse {
    SimulatedMouse mouse;
};

// A mouse that acknowledges every page it is sent and keeps none of them.
class ForgetfulMouse final : private OwnMouse, public ForwardingHidPort {
  public:
    ForgetfulMouse() : ForwardingHidPort(mouse) {}

    bool SetFeature(HidHandle handle, std::span<const std::uint8_t> report) override {
        return report.size() == 65 || ForwardingHidPort::SetFeature(handle, report);
    }
};

class CtlInProcess : public ::testing::Test {
  protected:
    int Run(std::vector<std::string> args) {
        out.str("");
        err.str("");
        args.push_back("--dir");
        args.push_back(folder.path().string());
        CtlContext context{out,
                           err,
                           *files,
                           *ini,
                           facts,
                           [] { return std::make_unique<ForgetfulMouse>(); },
                           [](const std::string&) { return std::optional<std::wstring>(); },
                           folder.Wide("")};
        return RunCorvaneCtl(args, context);
    }

    TempFolder folder;
    std::ostringstream out, err;
    std::unique_ptr<FileStore> files = MakePlatformFileStore();
    std::unique_ptr<IniStore> ini = MakePortableIniStore();
    FakeSystemFacts facts;
};

TEST_F(CtlInProcess, ARestoreThatDoesNotReadBackEqualNamesTheFirstDifferentByte) {
    ASSERT_EQ(Run({"backup", (folder / "backup.bin").string()}), kExitDone) << err.str();
    auto memory = TempFolder::ReadFile(folder / "backup.bin");
    memory[200] ^= 0xFF;
    TempFolder::WriteFile(folder / "changed.bin", memory);
    EXPECT_EQ(Run({"restore", (folder / "changed.bin").string()}), kExitFailed);
    EXPECT_THAT(err.str(), HasSubstr("at byte 200"));
}

TEST_F(CtlInProcess, InfoGoesThroughThePlatformPortWithoutSimulate) {
    EXPECT_EQ(Run({"info"}), kExitDone) << err.str();
    EXPECT_THAT(out.str(), HasSubstr("Report rate: 1000 Hz\n"));
}

}  // namespace
}  // namespace corvane::ctl
