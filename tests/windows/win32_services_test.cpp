#include <fstream>
#include <iterator>
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/command_line.h"
#include "platform/folders.h"
#include "platform/md5.h"
#include "platform/python_launch.h"
#include "platform/windows/win32_file_system.h"
#include "platform/windows/win32_process_starter.h"
#include "platform/windows/win32_skin_engine_loader.h"
#include "platform/windows/win32_system_clock.h"
#include "scratch_folder.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

// Started programs run on their own; this waits, within bounds, for what they leave behind.
std::string ContentOnceWritten(const fs::path& file)
{
    for (int attempt = 0; attempt < 600; ++attempt) {
        std::ifstream in(file, std::ios::binary);
        std::string content{std::istreambuf_iterator<char>(in), {}};
        if (!content.empty())
            return content;
        Sleep(100);
    }
    return {};
}

class Win32ServicesTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_FALSE(m_folder.Path().empty()); }

    ScratchFolder m_folder{"velmora-win32-services"};
};

TEST_F(Win32ServicesTest, StartsCommandLinesUnchangedHiddenOrShown)
{
    Win32ProcessStarter starter;
    const fs::path hidden = m_folder.Path() / L"hidden out.txt";
    const fs::path shown = m_folder.Path() / L"shown.txt";
    EXPECT_TRUE(starter.StartProgram(L"cmd /c echo hidden>\"" + hidden.native() + L"\"", WindowShow::Hidden));
    EXPECT_TRUE(starter.StartProgram(L"cmd /c echo shown>" + shown.native(), WindowShow::Normal));
    EXPECT_EQ(ContentOnceWritten(hidden), "hidden\r\n");
    EXPECT_EQ(ContentOnceWritten(shown), "shown\r\n");
    EXPECT_FALSE(starter.StartProgram(L"no-such-program-anywhere.exe", WindowShow::Normal));
    EXPECT_FALSE(starter.StartProgram(L"", WindowShow::Normal));
}

TEST_F(Win32ServicesTest, ArgumentsReachTheProgramWholeThroughTheCommandInterpreter)
{
    const fs::path source = m_folder.Path() / L"a b&c (1).txt";
    std::ofstream(source, std::ios::binary) << "copied";
    const fs::path target = m_folder.Path() / L"目标 文件.txt";
    Win32ProcessStarter starter;
    EXPECT_TRUE(starter.StartArguments({L"cmd", L"/c", L"copy", source.native(), target.native(), L"&", L"echo",
                                        L"done", L">", (m_folder.Path() / L"done.txt").native()},
                                       WindowShow::Hidden));
    EXPECT_EQ(ContentOnceWritten(m_folder.Path() / L"done.txt"), "done \r\n");
    EXPECT_EQ(ContentOnceWritten(target), "copied");
}

TEST(JoinCommandLine, SplitsBackIntoTheSameArguments)
{
    const std::vector<NativeText> cases[] = {
        {L"prog"},
        {L"C:\\Program Files\\x.exe", L"two words", L""},
        {L"prog", L"say \"hi\"", L"a\\\\b", L"ends in \\", L"\\\"q"},
        {L"prog", L"表😀 名"},
    };
    for (const auto& arguments : cases)
        EXPECT_EQ(SplitCommandLine(JoinCommandLine(arguments)), arguments);
    EXPECT_EQ(JoinCommandLine({L"cmd", L"/c", L"Python", L"C:\\a&b.py", L"&", L"pause"}),
              L"cmd /c Python \"C:\\a&b.py\" & pause");
}

TEST(PythonScriptArguments, RunsTheInterpreterInAConsoleThatPausesOrHidden)
{
    const fs::path script = L"C:\\my scripts\\run.py";
    EXPECT_EQ(JoinCommandLine(PythonScriptArguments(script, false)), L"Python \"C:\\my scripts\\run.py\"");
    EXPECT_EQ(JoinCommandLine(PythonScriptArguments(script, true)),
              L"cmd /c Python \"C:\\my scripts\\run.py\" & pause");
}

TEST_F(Win32ServicesTest, FilesAreReplacedWholeAndFoldersMadeLevelByLevel)
{
    Win32FileSystem files;
    const fs::path deep = m_folder.Path() / L"Documents" / L"" / L"Tarvik";
    EXPECT_FALSE(files.IsFolder(deep));
    EXPECT_TRUE(files.EnsureFolder(m_folder.Path().native() + L"\\Documents\\\\Tarvik\\"));
    EXPECT_TRUE(files.IsFolder(deep));
    const fs::path settings = deep / L"软件配置.ini";
    EXPECT_FALSE(files.Exists(settings));
    EXPECT_EQ(files.ReadFile(settings), std::nullopt);
    EXPECT_TRUE(files.WriteFile(settings, "[a]\r\nb=1\r\n"));
    EXPECT_TRUE(files.WriteFile(settings, "[a]\r\n"));
    EXPECT_EQ(files.ReadFile(settings), "[a]\r\n");
    EXPECT_TRUE(files.Exists(settings));
    EXPECT_FALSE(files.IsFolder(settings));
    EXPECT_FALSE(files.WriteFile(m_folder.Path() / L"missing" / L"x.ini", "x"));
    EXPECT_EQ(std::distance(fs::directory_iterator(deep), fs::directory_iterator()), 1); // no temporary left
}

TEST(Win32Folders, DocumentsAndSystemFoldersAreAbsolute)
{
    EXPECT_TRUE(DocumentsFolder().is_absolute());
    const Win32SkinEngineLoader loader;
    EXPECT_TRUE(loader.SystemFolder().is_absolute());
    EXPECT_TRUE(fs::is_directory(loader.SystemFolder()));
    EXPECT_TRUE(fs::exists(loader.ProgramFolder() / L"windows_platform_tests.exe"));
}

TEST(Win32SkinEngineLoader, RefusesWhatIsNoSkinEngine)
{
    Win32SkinEngineLoader loader;
    EXPECT_FALSE(loader.Load(L"C:\\no\\such\\velmora-skin.dll"));
    // A real library without the attach function.
    EXPECT_FALSE(loader.Load(loader.SystemFolder() / L"kernel32.dll"));
    EXPECT_EQ(loader.Attach(loader.SystemFolder() / L"kernel32.dll", "skin"), -1);
}

TEST(Md5Digest, MatchesTheKnownDigests)
{
    EXPECT_EQ(Md5Digest(""), std::string("\xd4\x1d\x8c\xd9\x8f\x00\xb2\x04\xe9\x80\x09\x98\xec\xf8\x42\x7e", 16));
    EXPECT_EQ(Md5Digest("abc"), std::string("\x90\x01\x50\x98\x3c\xd2\x4f\xb0\xd6\x96\x3f\x7d\x28\xe1\x7f\x72", 16));
}

TEST(Win32SystemClock, TellsAPlausibleLocalTime)
{
    const LocalTime now = Win32SystemClock().Now();
    EXPECT_GE(now.year, 2020);
    EXPECT_TRUE(now.month >= 1 && now.month <= 12);
    EXPECT_TRUE(now.second >= 0 && now.second <= 59);
}

} // namespace
} // namespace velmora
