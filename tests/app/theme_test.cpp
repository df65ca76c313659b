#include "app/theme.h"

#include <string>

#include <gtest/gtest.h>

#include "app/data_folder.h"
#include "app/ini_file.h"
#include "app/skin_engine.h"
#include "app/window_transparency.h"
#include "fakes/fake_file_system.h"
#include "fakes/recording_skin_engine.h"
#include "platform/code_page.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

TEST(SkinEngine, LocateTakesTheConfiguredFileOrElseTheLastCopyFound)
{
    RecordingSkinEngine loader;
    const fs::path besideProgram = loader.programFolder / SkinEngineFileName();
    const fs::path inSystem = loader.systemFolder / SkinEngineFileName();
    struct Case
    {
        const char* what;
        std::vector<fs::path> present;
        fs::path configured;
        fs::path expected;
    };
    const Case cases[] = {
        {"configured file present", {"/x/engine.so", besideProgram, inSystem}, "/x/engine.so", "/x/engine.so"},
        {"blanks around the configured path", {"/x/engine.so"}, "  /x/engine.so ", "/x/engine.so"},
        {"configured file missing: the system copy wins", {besideProgram, inSystem}, "/x/engine.so", inSystem},
        {"only beside the program", {besideProgram}, "", besideProgram},
        {"nothing anywhere keeps the configured path", {}, "/x/engine.so", "/x/engine.so"},
        {"nothing and nothing configured", {}, "", ""},
        {"the program's copy configured, as the main window does",
         {besideProgram, inSystem},
         besideProgram,
         besideProgram},
    };
    for (const Case& c : cases) {
        FakeFileSystem files;
        for (const fs::path& file : c.present)
            files.files[file] = "ELF";
        EXPECT_EQ(LocateSkinEngine(files, loader, c.configured), c.expected) << c.what;
    }
}

TEST(SkinEngine, AttachNeedsAFileThatLoadsAndAnAcceptedSkin)
{
    FakeFileSystem files;
    RecordingSkinEngine loader;
    const fs::path engine = "/opt/velmora/engine.so";
    EXPECT_FALSE(AttachSkin(files, loader, engine, "skin")); // no file
    files.files[engine] = "ELF";
    EXPECT_FALSE(AttachSkin(files, loader, engine, "skin")); // does not load
    EXPECT_TRUE(loader.attached.empty());
    loader.loadable.insert(engine);
    EXPECT_TRUE(SkinEngineReady(files, loader, engine));
    EXPECT_TRUE(AttachSkin(files, loader, engine, "skin"));
    loader.attachResult = 3;
    EXPECT_FALSE(AttachSkin(files, loader, engine, "skin"));
    EXPECT_EQ(loader.attached.size(), 2U);
}

// Themes chosen against an engine that takes every skin, with a settings file in memory.
class ThemeTest : public testing::Test
{
protected:
    ThemeTest()
    {
        state.skinEnginePath = "/opt/velmora/engine.so";
        files.files[state.skinEnginePath] = "ELF";
        loader.loadable.insert(state.skinEnginePath);
    }

    static ByteString SkinOf(int theme) { return "skin " + std::to_string(theme); }

    void Apply(int theme) { ApplyTheme(theme, SkinOf, state, files, loader); }
    void Restore() { RestoreTheme(SkinOf, state, files, loader); }
    Text StoredTheme() const { return IniRead(files, SettingsFile(), LocalFromUtf8("启动项"), LocalFromUtf8("主题")); }
    void StoreTheme(const std::string& value)
    {
        files.files[SettingsFile()] = LocalFromUtf8("[启动项]\r\n主题=") + value + "\r\n";
    }
    std::vector<std::string> AttachedSkins() const
    {
        std::vector<std::string> skins;
        for (const auto& attached : loader.attached)
            skins.push_back(attached.skin);
        return skins;
    }

    ProgramState state;
    FakeFileSystem files;
    RecordingSkinEngine loader;
};

TEST_F(ThemeTest, EachThemeStoresItsValue)
{
    const char* values[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "", "11", "12"};
    for (int theme = 1; theme <= kThemeCount; ++theme) {
        Apply(theme);
        EXPECT_EQ(StoredTheme(), values[theme - 1]) << theme;
        EXPECT_EQ(ThemeFromSettingValue(values[theme - 1]), theme);
    }
}

TEST_F(ThemeTest, TheDefaultThemeBringsBackTheLastSkin)
{
    Apply(5);
    Apply(kDefaultTheme);
    EXPECT_EQ(AttachedSkins(), (std::vector<std::string>{"skin 5", "skin 5"}));
    EXPECT_EQ(StoredTheme(), "");
}

TEST_F(ThemeTest, FirstStartHandsAnEmptySkinAndStoresAnEmptyTheme)
{
    Restore();
    EXPECT_EQ(AttachedSkins(), std::vector<std::string>{""});
    EXPECT_EQ(files.files.at(SettingsFile()), LocalFromUtf8("[启动项]\r\n主题=\r\n"));
}

TEST_F(ThemeTest, OnlyExactStoredValuesApplyATheme)
{
    struct Case
    {
        std::string stored;
        std::vector<std::string> attached;
    };
    const Case cases[] = {
        {"3", {"skin 3"}}, {"12", {"skin 12"}}, {"10", {}}, {"03", {}}, {"13", {}}, {"x", {}},
    };
    for (const Case& c : cases) {
        StoreTheme(c.stored);
        loader.attached.clear();
        files.writeCount = 0;
        Restore();
        EXPECT_EQ(state.themeText, c.stored);
        EXPECT_EQ(AttachedSkins(), c.attached) << c.stored;
        // Applying rewrites the value it read; anything else leaves the file alone.
        EXPECT_EQ(files.writeCount, c.attached.empty() ? 0 : 1) << c.stored;
        EXPECT_EQ(StoredTheme(), c.stored);
    }
}

TEST_F(ThemeTest, WithoutAnEngineTheChoiceIsStoredAnyway)
{
    loader.loadable.clear();
    Apply(7);
    EXPECT_TRUE(loader.attached.empty());
    EXPECT_EQ(StoredTheme(), "7");
    EXPECT_EQ(state.currentSkin, "skin 7");
}

TEST(WindowTransparency, SliderPositionsGiveAlphas)
{
    const std::pair<int, int> cases[] = {{1, 252}, {2, 249}, {50, 127}, {99, 2}, {100, 0}};
    for (const auto& [position, alpha] : cases)
        EXPECT_EQ(AlphaFromSliderPosition(position), alpha) << position;
    EXPECT_EQ(TransparencyLabelText(127), LocalFromUtf8("窗口透明数值：127"));
}

} // namespace
} // namespace velmora
