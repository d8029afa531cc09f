// corvanectl's commands in this process, over the platform's file stores and
// a HID port of the test's making: what needs a device the simulated mouse
// cannot be, or an INI store that fails.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "app/ctl/ctl.h"
#include "app/ctl/device_session.h"
#include "device/simulator/simulated_mouse.h"
#include "settings/settings_files.h"
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

// The portable store, failing every write from the k-th on (disk full).
class FailingIniStore final : public IniStore {
  public:
    static constexpr std::uint32_t kDiskFull = 28;
    explicit FailingIniStore(int failFrom) : failFrom_(failFrom) {}

    std::wstring Read(const std::wstring& path, const std::wstring& section,
                      const std::wstring& key, const std::wstring& fallback,
                      std::size_t capacity) override {
        return store_->Read(path, section, key, fallback, capacity);
    }
    SaveResult Write(const std::wstring& path, const std::wstring& section, const std::wstring& key,
                     const std::wstring& value) override {
        return ++writes_ >= failFrom_ ? SaveResult::Failed(kDiskFull)
                                      : store_->Write(path, section, key, value);
    }

  private:
    std::unique_ptr<IniStore> store_ = MakePortableIniStore();
    int failFrom_;
    int writes_ = 0;
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
                           folder.Wide(""),
                           [this] { return windowRuns; }};
        return RunCorvaneCtl(args, context);
    }

    std::vector<std::uint8_t> Bytes(const char* name) const {
        return TempFolder::ReadFile(folder / name);
    }

    TempFolder folder;
    std::ostringstream out, err;
    std::unique_ptr<FileStore> files = MakePlatformFileStore();
    std::unique_ptr<IniStore> ini = MakePortableIniStore();
    FakeSystemFacts facts;
    bool windowRuns = false;
};

// While the window runs, every command that writes the settings or the
// mouse changes nothing and says why (exit 1); --force writes anyway and
// says so; the commands that only read go on with a note.
TEST_F(CtlInProcess, BesideTheRunningWindowWritesAreRefusedUnlessForcedAndReadsGoOn) {
    const std::string memory = "--simulate=" + (folder / "mouse.bin").string();
    ASSERT_EQ(Run({"set", "rate", "500", "--apply", memory}), kExitDone) << err.str();
    ASSERT_EQ(Run({"backup", (folder / "backup.bin").string(), memory}), kExitDone);
    ASSERT_EQ(Run({"export", (folder / "settings.json").string()}), kExitDone);
    windowRuns = true;
    const auto unchanged = [this] {
        return std::vector{Bytes("config.bin"), Bytes("str.ini"), Bytes("mouse.bin")};
    };
    const auto before = unchanged();
    const std::vector<std::vector<std::string>> writes = {
        {"set", "rate", "1000"},
        {"set", "lighting", "mode0", "--apply", memory},
        {"import", (folder / "settings.json").string()},
        {"restore", (folder / "backup.bin").string(), memory},
    };
    for (const auto& args : writes) {
        SCOPED_TRACE(args[0]);
        EXPECT_EQ(Run(args), kExitFailed);
        EXPECT_THAT(err.str(), HasSubstr("the Corvane window is running"));
        EXPECT_THAT(err.str(), HasSubstr("--force"));
        EXPECT_EQ(out.str(), "");
        EXPECT_EQ(unchanged(), before) << "nothing written";
    }
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"list", memory},
             {"info", memory},
             {"show"},
             {"export"},
             {"backup", (folder / "again.bin").string(), memory}}) {
        SCOPED_TRACE(args[0]);
        EXPECT_EQ(Run(args), kExitDone) << err.str();
        EXPECT_THAT(err.str(), HasSubstr("note: the Corvane window is running"));
    }
    EXPECT_EQ(Run({"set", "rate", "1000", "--apply", "--force", memory}), kExitDone) << err.str();
    EXPECT_THAT(err.str(), HasSubstr("its next Save will overwrite this change"));
    EXPECT_EQ(ParseConfigFile(Bytes("config.bin"))->record.reportRate, 1);
    EXPECT_EQ(Bytes("mouse.bin")[0], 1) << "the mouse was written";
}

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

// A set whose str.ini cannot be written ends with exit 1 and the file it
// names, str.ini as it was before (whichever key failed, and absent when it
// was), and config.bin saved whole, as the window's Save leaves them.
TEST_F(CtlInProcess, ASetWhoseLabelsCannotBeStoredLeavesStrIniAsItWas) {
    ASSERT_EQ(Run({"set", "rate", "500"}), kExitDone) << err.str();
    const std::vector<std::uint8_t> strIni = Bytes("str.ini");
    const std::string expected = "cannot write the key labels to " + (folder / "str.ini").string() +
                                 " (system error " + std::to_string(FailingIniStore::kDiskFull);
    for (const int k : {1, 2, 9, 16}) {
        SCOPED_TRACE(k);
        ini = std::make_unique<FailingIniStore>(k);
        EXPECT_EQ(Run({"set", "button", "normal", "4", "fire-key", "A"}), kExitFailed);
        EXPECT_THAT(err.str(), HasSubstr(expected));
        EXPECT_EQ(out.str(), "");
        EXPECT_EQ(Bytes("str.ini"), strIni);
        const auto config = ParseConfigFile(Bytes("config.bin"));
        ASSERT_TRUE(config);
        EXPECT_EQ(config->record.buttonFunction[0][3], static_cast<int>(ButtonFunction::FireKey));
        EXPECT_EQ(config->record.reportRate, 2);
    }
    std::filesystem::remove(folder / "str.ini");
    ini = std::make_unique<FailingIniStore>(9);
    EXPECT_EQ(Run({"set", "rate", "1000"}), kExitFailed);
    EXPECT_FALSE(std::filesystem::exists(folder / "str.ini"));
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"config.bin"}) << "nothing half-written";
}

// A config.bin that cannot be replaced (read-only) ends with exit 1 naming
// it, and neither file changes: new labels over the old functions would
// mislead the window.
TEST_F(CtlInProcess, ASetWhoseConfigCannotBeStoredChangesNeitherFile) {
    ASSERT_EQ(Run({"set", "button", "shift", "2", "single-key", "Num 5"}), kExitDone) << err.str();
    const std::vector<std::uint8_t> config = Bytes("config.bin");
    const std::vector<std::uint8_t> strIni = Bytes("str.ini");
    namespace fs = std::filesystem;
    const fs::perms readOnly =
        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    fs::permissions(folder / "config.bin", readOnly);
    EXPECT_EQ(Run({"set", "button", "normal", "4", "fire-key", "A"}), kExitFailed);
    fs::permissions(folder / "config.bin", fs::perms::owner_write, fs::perm_options::add);
    EXPECT_THAT(err.str(), HasSubstr("config.bin in " + folder.path().string() +
                                     " could not be written (system error "));
    EXPECT_THAT(err.str(), HasSubstr("check that it and its folder are writable\n"));
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(Bytes("config.bin"), config);
    EXPECT_EQ(Bytes("str.ini"), strIni);
}

}  // namespace
}  // namespace corvane::ctl
