#include "app/data_folder.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace velmora {
namespace {

namespace fs = std::filesystem;

TEST(DataFolderTest, IsTarvikInTheDocumentsFolder)
{
    EXPECT_EQ(DataFolder("/home/ann/Documents").native(), "/home/ann/Documents/Tarvik");
}

TEST(DataFolderTest, ATrailingSeparatorIsNotDoubled)
{
    EXPECT_EQ(DataFolder("/home/ann/Documents/").native(), "/home/ann/Documents/Tarvik");
    EXPECT_EQ(DataFolder("/home/ann/Documents/"), DataFolder("/home/ann/Documents"));
}

TEST(DataFolderTest, WithoutDocumentsFolderItIsAtTheRoot)
{
    EXPECT_EQ(DataFolder(fs::path()).native(), "/Tarvik");
    EXPECT_TRUE(DataFolder(fs::path()).is_absolute());
    EXPECT_EQ(DataFolder("/").native(), "/Tarvik");
}

TEST(DataFolderTest, KeepsTheDocumentsFolderAsItIs)
{
    EXPECT_EQ(DataFolder("/home/ann/文档").native(), "/home/ann/文档/Tarvik");
}

TEST(SettingsFileTest, IsTheIniFileInTheDataFolder)
{
    EXPECT_EQ(SettingsFile("/home/ann/Documents").native(), "/home/ann/Documents/Tarvik/软件配置.ini");
    EXPECT_EQ(SettingsFile("/home/ann/Documents/"), SettingsFile("/home/ann/Documents"));
    EXPECT_EQ(SettingsFile(fs::path()).native(), "/Tarvik/软件配置.ini");
    EXPECT_EQ(SettingsFile("/x").parent_path(), DataFolder("/x"));
    // A native (UTF-8) name, not code page 936.
    EXPECT_EQ(SettingsFile("/x").filename().native(), "\xE8\xBD\xAF\xE4\xBB\xB6\xE9\x85\x8D\xE7\xBD\xAE.ini");
}

TEST(DataFolderTest, DefaultsToTheUsersDocumentsFolder)
{
    std::string pattern = (fs::temp_directory_path() / "velmora-home-XXXXXX").native();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const fs::path home = pattern;

    std::optional<std::string> oldHome;
    std::optional<std::string> oldConfig;
    if (const char* value = std::getenv("HOME")) {
        oldHome = value;
    }
    if (const char* value = std::getenv("XDG_CONFIG_HOME")) {
        oldConfig = value;
    }
    ::setenv("HOME", home.c_str(), 1);
    ::unsetenv("XDG_CONFIG_HOME");

    const fs::path dataFolder = DataFolder();
    const fs::path settingsFile = SettingsFile();

    oldHome ? ::setenv("HOME", oldHome->c_str(), 1) : ::unsetenv("HOME");
    oldConfig ? ::setenv("XDG_CONFIG_HOME", oldConfig->c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
    std::error_code ignored;
    fs::remove_all(home, ignored);

    EXPECT_EQ(dataFolder, home / "Documents" / "Tarvik");
    EXPECT_EQ(settingsFile, home / "Documents" / "Tarvik" / "软件配置.ini");
}

} // namespace
} // namespace velmora
