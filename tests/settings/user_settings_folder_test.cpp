#include "settings/user_settings_folder.h"

#include <gtest/gtest.h>

#include <map>

#include "support/temp_folder.h"

namespace corvane {
namespace {

TEST(UserSettingsFolderTest, XdgConfigHomeWhenAbsoluteElseDotConfigInHome) {
    struct Case {
        std::map<std::string, std::wstring> variables;
        std::wstring folder;
    };
    const Case cases[] = {
        {{{"HOME", L"/home/ann"}}, L"/home/ann/.config/corvane/"},
        {{{"HOME", L"/home/ann/"}}, L"/home/ann/.config/corvane/"},
        {{{"HOME", L"/home/ann"}, {"XDG_CONFIG_HOME", L"/srv/cfg"}}, L"/srv/cfg/corvane/"},
        {{{"HOME", L"/home/ann"}, {"XDG_CONFIG_HOME", L"/srv/cfg/"}}, L"/srv/cfg/corvane/"},
        {{{"HOME", L"/home/ann"}, {"XDG_CONFIG_HOME", L""}}, L"/home/ann/.config/corvane/"},
        {{{"HOME", L"/home/ann"}, {"XDG_CONFIG_HOME", L"cfg"}}, L"/home/ann/.config/corvane/"},
        {{{"XDG_CONFIG_HOME", L"/srv/cfg"}}, L"/srv/cfg/corvane/"},
        {{{"HOME", L"relative"}}, L""},
        {{}, L""},
    };
    for (const Case& c : cases) {
        const auto lookup = [&](const std::string& name) -> std::optional<std::wstring> {
            const auto found = c.variables.find(name);
            return found == c.variables.end() ? std::nullopt : std::optional(found->second);
        };
        EXPECT_EQ(UserSettingsFolder(lookup), c.folder) << ::testing::PrintToString(c.variables);
    }
}

TEST(UserSettingsFolderTest, MakeFolderMakesTheMissingFoldersAndReportsAFileInTheWay) {
    const testing::TempFolder root;
    std::uint32_t error = 0;
    const std::wstring nested = root.Wide("config") + L"/corvane/";
    ASSERT_TRUE(MakeFolder(nested, error)) << error;
    EXPECT_TRUE(std::filesystem::is_directory(root / "config" / "corvane"));
    EXPECT_TRUE(MakeFolder(nested, error)) << "an existing folder is fine";

    testing::TempFolder::WriteFile(root / "file", {1});
    EXPECT_FALSE(MakeFolder(root.Wide("file"), error));
    EXPECT_NE(error, 0u);
    error = 0;
    EXPECT_FALSE(MakeFolder(root.Wide("file") + L"/corvane", error));
    EXPECT_NE(error, 0u);
}

}  // namespace
}  // namespace corvane
