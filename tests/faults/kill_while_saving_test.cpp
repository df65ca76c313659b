// Kills a process at random moments while it saves the memo file in a loop: the file must always
// hold one whole save, never a mix, a part or nothing. VELMORA_KILLS sets the number of kills.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include <gtest/gtest.h>

#include "batch/batch_folder.h"
#include "fakes/memo_save_contents.h"
#include "memo/memo_file.h"

namespace velmora {
namespace {

int KillCount()
{
    const char* text = std::getenv("VELMORA_KILLS");
    return text != nullptr && std::atoi(text) > 0 ? std::atoi(text) : 100;
}

// Starts the saving loop on file and returns its process id once its first save is done.
pid_t StartSaving(const std::filesystem::path& file)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(pipeFds[1], STDOUT_FILENO);
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        ::execl(VELMORA_MEMO_SAVE_LOOP, VELMORA_MEMO_SAVE_LOOP, file.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    char said[5];
    const bool started = ::read(pipeFds[0], said, sizeof said) == static_cast<ssize_t>(sizeof said);
    ::close(pipeFds[0]);
    if (!started && child > 0) {
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        return -1;
    }
    return child;
}

TEST(KillWhileSaving, TheMemoFileIsAlwaysOneWholeSave)
{
    BatchFolder folder;
    const std::filesystem::path file = folder / "备忘.ini";
    const std::string first = MemoFileContent(MemoSaveNotes(true));
    const std::string second = MemoFileContent(MemoSaveNotes(false));
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> delayMicroseconds(0, 20000);

    const int kills = KillCount();
    int seenFirst = 0;
    int seenSecond = 0;
    for (int kill = 0; kill < kills; ++kill) {
        const pid_t saver = StartSaving(file);
        ASSERT_GT(saver, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        ASSERT_EQ(::kill(saver, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(::waitpid(saver, &status, 0), saver);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving loop ended by itself, status " << status;

        const std::string content = folder.Read("备忘.ini");
        ASSERT_TRUE(content == first || content == second) << "kill " << kill << " left " << content.size() << " bytes";
        ++(content == first ? seenFirst : seenSecond);
    }
    // Both saves were caught, so the kills did land between and during saves.
    EXPECT_GT(seenFirst, 0);
    EXPECT_GT(seenSecond, 0);
    std::printf("%d kills: %d times the first save, %d times the second\n", kills, seenFirst, seenSecond);
}

} // namespace
} // namespace velmora
