// A settings folder and a simulated mouse memory file per test, and the
// built corvanectl run on them.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/ctl/ctl_runner.h"
#include "settings/ini_document.h"
#include "settings/key_labels.h"
#include "settings/settings_files.h"
#include "support/temp_folder.h"

namespace corvane::testing {

class CtlTest : public ::testing::Test {
  protected:
    TempFolder folder;
    std::map<std::string, std::string> environment;

    std::string Dir() const { return folder.path().string(); }
    std::string PathOf(const std::string& name) const { return (folder / name).string(); }
    std::string Memory() const { return PathOf("mouse.bin"); }
    std::string SimulateMemory() const { return "--simulate=" + Memory(); }

    // corvanectl ARGS --dir FOLDER.
    CtlRun Ctl(std::vector<std::string> args) {
        args.push_back("--dir");
        args.push_back(Dir());
        return RunCtl(args, environment);
    }

    std::vector<std::uint8_t> Bytes(const std::string& name) const {
        return TempFolder::ReadFile(folder / name);
    }
    void Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
        TempFolder::WriteFile(folder / name, bytes);
    }
    bool Exists(const std::string& name) const { return std::filesystem::exists(folder / name); }

    std::optional<ConfigFileContents> Config() const {
        return ParseConfigFile(Bytes("config.bin"));
    }
    // The labels of `section` in str.ini as the profile functions read them.
    KeyLabels Labels(const std::wstring& section = L"Setting-EN") const {
        const IniDocument ini = IniDocument::Parse(DecodeIniBytes(Bytes("str.ini")));
        KeyLabels labels;
        for (int layer = 0; layer < kLayerCount; ++layer) {
            for (int button = 0; button < kButtonSlots; ++button) {
                const std::wstring* value = ini.Find(section, kLabelKeys[layer][button]);
                labels[layer][button] = value ? *value : L"";
            }
        }
        return labels;
    }
};

// A refused command: its exit code, its message on standard error, nothing
// on standard output.
inline void ExpectRefused(const CtlRun& run, int exitCode, const std::string& message) {
    EXPECT_EQ(run.exitCode, exitCode) << run.err;
    EXPECT_THAT(run.err, ::testing::HasSubstr(message));
    EXPECT_EQ(run.out, "");
}

}  // namespace corvane::testing
