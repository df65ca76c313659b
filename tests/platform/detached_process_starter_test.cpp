#include "platform/linux/detached_process_starter.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>

#include <gtest/gtest.h>

#include "platform/python_launch.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

// Waits for a started program's trace; processes run at their own pace.
bool AppearsSoon(const fs::path& file)
{
    for (int attempt = 0; attempt < 1000; ++attempt) {
        if (fs::exists(file) && fs::file_size(file) > 0)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

std::string Content(const fs::path& file)
{
    std::ifstream in(file);
    std::string text;
    std::getline(in, text);
    return text;
}

class DetachedProcessStarterTest : public testing::Test
{
protected:
    DetachedProcessStarterTest() : m_folder(fs::temp_directory_path() / ("velmora-start-" + std::to_string(getpid())))
    {
        fs::create_directories(m_folder);
    }
    ~DetachedProcessStarterTest() override { fs::remove_all(m_folder); }

    // An executable script that writes its arguments into `marker`.
    fs::path Script(const std::string& name)
    {
        const fs::path script = m_folder / name;
        std::ofstream(script) << "#!/bin/sh\necho \"$*\" > '" << Marker().string() << "'\n";
        fs::permissions(script, fs::perms::owner_all);
        return script;
    }

    fs::path Marker() const { return m_folder / "marker"; }

    fs::path m_folder;
    DetachedProcessStarter m_starter;
};

TEST_F(DetachedProcessStarterTest, AnExistingFileIsStartedWholeBlanksIncluded)
{
    ASSERT_TRUE(m_starter.StartProgram(Script("my job.sh").native(), WindowShow::Normal));
    ASSERT_TRUE(AppearsSoon(Marker()));
    EXPECT_EQ(Content(Marker()), "");
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1) << "no child is left to reap";
}

TEST_F(DetachedProcessStarterTest, OtherLinesAreSplitIntoArguments)
{
    const fs::path script = Script("job.sh");
    ASSERT_TRUE(m_starter.StartProgram(script.native() + " one \"two three\"", WindowShow::Hidden));
    ASSERT_TRUE(AppearsSoon(Marker()));
    EXPECT_EQ(Content(Marker()), "one two three");
}

TEST_F(DetachedProcessStarterTest, WhatCannotRunIsReportedAsNotStarted)
{
    const fs::path document = m_folder / "notes.txt";
    std::ofstream(document) << "not a program\n";
    EXPECT_FALSE(m_starter.StartProgram("", WindowShow::Normal));
    EXPECT_FALSE(m_starter.StartProgram((m_folder / "missing").native(), WindowShow::Normal));
    EXPECT_FALSE(m_starter.StartProgram(document.native(), WindowShow::Normal));
    EXPECT_FALSE(m_starter.StartArguments({}, WindowShow::Normal));
}

TEST(PythonScriptArguments, HiddenRunsTheInterpreterOnTheScriptAlone)
{
    const std::vector<NativeText> arguments = PythonScriptArguments("/tmp/a b.py", false);
    ASSERT_EQ(arguments.size(), 2U);
    EXPECT_EQ(fs::path(arguments[0]).filename().string().rfind("python", 0), 0U);
    EXPECT_EQ(arguments[1], "/tmp/a b.py");
}

} // namespace
} // namespace velmora
