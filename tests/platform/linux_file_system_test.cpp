#include "platform/linux/linux_file_system.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <pwd.h>
#include <signal.h>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "platform/folders.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

/// A fresh folder under the system's temporary folder, removed afterwards.
class TempFolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "velmora-fs-test-XXXXXX").native();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_root = pattern;
    }

    void TearDown() override
    {
        std::error_code ignored;
        fs::permissions(m_root, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(m_root, ignored);
    }

    const fs::path& Root() const { return m_root; }

    static void PutFile(const fs::path& file, const std::string& bytes)
    {
        ASSERT_TRUE(LinuxFileSystem().WriteFile(file, bytes));
    }

    /// The names in a folder, sorted.
    static std::vector<std::string> Names(const fs::path& folder)
    {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
            names.push_back(entry.path().filename().native());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    LinuxFileSystem m_files;

private:
    fs::path m_root;
};

using LinuxFileSystemTest = TempFolderTest;

TEST_F(LinuxFileSystemTest, WriteThenReadGivesTheSameBytes)
{
    const fs::path file = Root() / "软件配置.ini";
    static constexpr char kBytes[] = "[\xC6\xF4\xB6\xAF\xCF\xEE]\r\nzero\0byte\nend";
    const std::string bytes(kBytes, sizeof kBytes - 1);
    ASSERT_EQ(bytes.size(), 23U);
    ASSERT_TRUE(m_files.WriteFile(file, bytes));
    EXPECT_EQ(m_files.ReadFile(file), bytes);
}

TEST_F(LinuxFileSystemTest, EmptyContentGivesAnEmptyFile)
{
    const fs::path file = Root() / "empty";
    ASSERT_TRUE(m_files.WriteFile(file, ""));
    EXPECT_EQ(m_files.ReadFile(file), std::string());
    EXPECT_EQ(fs::file_size(file), 0U);
}

TEST_F(LinuxFileSystemTest, LargeContentRoundTrips)
{
    std::string bytes(3 * 1024 * 1024 + 17, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>(i * 31 % 251);
    }
    const fs::path file = Root() / "large";
    ASSERT_TRUE(m_files.WriteFile(file, bytes));
    EXPECT_EQ(m_files.ReadFile(file), bytes);
}

// One buffer serves files of every size in turn: a smaller file after a larger one gives only
// its own bytes, and a file larger than the buffer so far is read whole.
TEST_F(LinuxFileSystemTest, ReadingIntoOneBufferGivesEachFileWhole)
{
    const std::vector<std::size_t> sizes = {70000, 3, 0, 300000, 65536, 1};
    std::string buffer;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        SCOPED_TRACE(sizes[i]);
        std::string bytes(sizes[i], '\0');
        for (std::size_t at = 0; at < bytes.size(); ++at) {
            bytes[at] = static_cast<char>((at + i) * 31 % 251);
        }
        const fs::path file = Root() / ("file" + std::to_string(i));
        PutFile(file, bytes);
        EXPECT_EQ(m_files.ReadFileInto(file, buffer), std::optional<std::string_view>(bytes));
    }
    EXPECT_EQ(m_files.ReadFileInto(Root() / "missing", buffer), std::nullopt);
    EXPECT_EQ(m_files.ReadFileInto(Root(), buffer), std::nullopt);
}

TEST_F(LinuxFileSystemTest, AContentWrittenInPiecesTakesTheFilesPlaceOnlyWhenCommitted)
{
    const fs::path file = Root() / "summary.txt";
    PutFile(file, "old");
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    const std::unique_ptr<FileReplacement> replacement = StartFileReplacement(file, false);
    ASSERT_NE(replacement, nullptr);
    ASSERT_TRUE(replacement->Append("first, "));
    ASSERT_TRUE(replacement->Append(""));
    ASSERT_TRUE(replacement->Append(std::string(100000, 'x')));
    EXPECT_EQ(m_files.ReadFile(file), "old");

    ASSERT_TRUE(replacement->Commit());
    EXPECT_EQ(m_files.ReadFile(file), "first, " + std::string(100000, 'x'));
    EXPECT_EQ(Names(Root()), std::vector<std::string>{"summary.txt"});
    struct stat info
    {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640U);
}

TEST_F(LinuxFileSystemTest, AContentInPiecesThatIsNeverCommittedLeavesNoTrace)
{
    const fs::path file = Root() / "summary.txt";
    PutFile(file, "old");
    {
        const std::unique_ptr<FileReplacement> replacement = StartFileReplacement(file, false);
        ASSERT_NE(replacement, nullptr);
        ASSERT_TRUE(replacement->Append("new"));
    }
    EXPECT_EQ(m_files.ReadFile(file), "old");
    EXPECT_EQ(Names(Root()), std::vector<std::string>{"summary.txt"});
    EXPECT_EQ(StartFileReplacement(Root() / "missing" / "a.txt", false), nullptr);
    EXPECT_EQ(StartFileReplacement(fs::path(), false), nullptr);
}

TEST_F(LinuxFileSystemTest, ReplacingLeavesOnlyTheNewContentAndNoTemporaryFiles)
{
    const fs::path file = Root() / "a.ini";
    ASSERT_TRUE(m_files.WriteFile(file, "first content, rather long\r\n"));
    ASSERT_TRUE(m_files.WriteFile(file, "second"));
    EXPECT_EQ(m_files.ReadFile(file), "second");
    EXPECT_EQ(Names(Root()), std::vector<std::string>{"a.ini"});
}

TEST_F(LinuxFileSystemTest, WriteIntoAMissingFolderFailsAndCreatesNothing)
{
    EXPECT_FALSE(m_files.WriteFile(Root() / "missing" / "deeper" / "a.ini", "x"));
    EXPECT_FALSE(fs::exists(Root() / "missing"));
    EXPECT_TRUE(Names(Root()).empty());
}

TEST_F(LinuxFileSystemTest, WriteBelowARegularFileFails)
{
    PutFile(Root() / "file", "content");
    EXPECT_FALSE(m_files.WriteFile(Root() / "file" / "child", "x"));
    EXPECT_EQ(m_files.ReadFile(Root() / "file"), "content");
    EXPECT_EQ(Names(Root()), std::vector<std::string>{"file"});
}

TEST_F(LinuxFileSystemTest, WriteOntoAFolderFailsAndLeavesNoTemporaryFile)
{
    fs::create_directory(Root() / "folder");
    PutFile(Root() / "folder" / "inside", "kept");
    EXPECT_FALSE(m_files.WriteFile(Root() / "folder", "x"));
    EXPECT_TRUE(fs::is_directory(Root() / "folder"));
    EXPECT_EQ(m_files.ReadFile(Root() / "folder" / "inside"), "kept");
    EXPECT_EQ(Names(Root()), std::vector<std::string>{"folder"});
}

// A write that fails half-way (here: the file size limit, which binds root as well, standing in
// for a full disk) leaves the old content whole and removes its temporary file.
TEST_F(LinuxFileSystemTest, FailedWriteKeepsTheOldContent)
{
    const fs::path file = Root() / "settings.ini";
    PutFile(file, "old content");

    const std::string bytes(1024 * 1024, 'n');
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct sigaction ignore
    {};
    struct sigaction savedAction
    {};
    ignore.sa_handler = SIG_IGN;
    ASSERT_EQ(::sigaction(SIGXFSZ, &ignore, &savedAction), 0);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);

    const bool written = m_files.WriteFile(file, bytes);

    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::sigaction(SIGXFSZ, &savedAction, nullptr);

    EXPECT_FALSE(written);
    EXPECT_EQ(m_files.ReadFile(file), "old content");
    EXPECT_EQ(Names(Root()), std::vector<std::string>{"settings.ini"});
}

TEST_F(LinuxFileSystemTest, ReplacingKeepsThePermissionBits)
{
    const fs::path file = Root() / "private.ini";
    PutFile(file, "old");
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    ASSERT_TRUE(m_files.WriteFile(file, "new"));
    struct stat info
    {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640U);
}

TEST_F(LinuxFileSystemTest, NewFileGetsTheUsualModeForTheUmask)
{
    const mode_t mask = ::umask(027);
    const fs::path file = Root() / "new.ini";
    const bool written = m_files.WriteFile(file, "x");
    ::umask(mask);
    ASSERT_TRUE(written);
    struct stat info
    {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640U);
}

TEST_F(LinuxFileSystemTest, WritingThroughASymbolicLinkReplacesTheLinkedFile)
{
    fs::create_directory(Root() / "real");
    PutFile(Root() / "real" / "a.ini", "old");
    fs::create_symlink("real/a.ini", Root() / "link.ini");
    ASSERT_TRUE(m_files.WriteFile(Root() / "link.ini", "new"));
    EXPECT_TRUE(fs::is_symlink(Root() / "link.ini"));
    EXPECT_EQ(m_files.ReadFile(Root() / "real" / "a.ini"), "new");
    EXPECT_EQ(Names(Root() / "real"), std::vector<std::string>{"a.ini"});
}

TEST_F(LinuxFileSystemTest, ReadingAFolderOrAMissingFileGivesNothing)
{
    EXPECT_EQ(m_files.ReadFile(Root()), std::nullopt);
    EXPECT_EQ(m_files.ReadFile(Root() / "missing"), std::nullopt);
    EXPECT_EQ(m_files.ReadFile(Root() / "missing" / "child"), std::nullopt);
    EXPECT_EQ(m_files.ReadFile(fs::path()), std::nullopt);
}

TEST_F(LinuxFileSystemTest, EmptyPathIsNeitherWrittenNorAFolder)
{
    EXPECT_FALSE(m_files.WriteFile(fs::path(), "x"));
    EXPECT_FALSE(m_files.IsFolder(fs::path()));
    EXPECT_FALSE(m_files.EnsureFolder(fs::path()));
}

TEST_F(LinuxFileSystemTest, IsFolderIsTrueOnlyForExistingFolders)
{
    PutFile(Root() / "file", "x");
    fs::create_directory(Root() / "folder");
    fs::create_directory_symlink("folder", Root() / "folder-link");
    EXPECT_TRUE(m_files.IsFolder(Root()));
    EXPECT_TRUE(m_files.IsFolder(Root() / "folder"));
    EXPECT_TRUE(m_files.IsFolder(Root() / "folder-link"));
    EXPECT_FALSE(m_files.IsFolder(Root() / "file"));
    EXPECT_FALSE(m_files.IsFolder(Root() / "missing"));
}

TEST_F(LinuxFileSystemTest, ExistsForFilesFoldersAndDanglingLinks)
{
    PutFile(Root() / "file", "x");
    fs::create_symlink("missing", Root() / "dangling");
    EXPECT_TRUE(m_files.Exists(Root() / "file"));
    EXPECT_TRUE(m_files.Exists(Root()));
    EXPECT_TRUE(m_files.Exists(Root() / "dangling"));
    EXPECT_FALSE(m_files.Exists(Root() / "missing"));
    EXPECT_FALSE(m_files.Exists(fs::path()));
}

TEST_F(LinuxFileSystemTest, EnsureFolderCreatesEveryMissingFolder)
{
    const fs::path folder = Root() / "a" / "b" / "Tarvik";
    EXPECT_TRUE(m_files.EnsureFolder(folder));
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_TRUE(m_files.EnsureFolder(folder)); // already there
}

TEST_F(LinuxFileSystemTest, EnsureFolderWithAndWithoutTrailingSeparatorCreatesTheSameFolders)
{
    const fs::path without = Root() / "one" / "two";
    const fs::path with = Root() / "three" / "two" / "";
    ASSERT_EQ(with.native().back(), '/');
    EXPECT_TRUE(m_files.EnsureFolder(without));
    EXPECT_TRUE(m_files.EnsureFolder(with));
    EXPECT_TRUE(fs::is_directory(Root() / "one" / "two"));
    EXPECT_TRUE(fs::is_directory(Root() / "three" / "two"));
    EXPECT_EQ(Names(Root() / "one"), std::vector<std::string>{"two"});
    EXPECT_EQ(Names(Root() / "three"), std::vector<std::string>{"two"});
    EXPECT_TRUE(Names(Root() / "three" / "two").empty());
}

TEST_F(LinuxFileSystemTest, EnsureFolderFailsWhereAFileStands)
{
    PutFile(Root() / "file", "x");
    EXPECT_FALSE(m_files.EnsureFolder(Root() / "file"));
    EXPECT_FALSE(m_files.EnsureFolder(Root() / "file" / "below"));
    EXPECT_EQ(m_files.ReadFile(Root() / "file"), "x");
}

// --- DocumentsFolder -------------------------------------------------------------------------

/// Sets or unsets an environment variable for one test and restores it afterwards.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char* name, const std::optional<std::string>& value) : m_name(name)
    {
        if (const char* old = std::getenv(name)) {
            m_old = old;
        }
        Set(value);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment() { Set(m_old); }

private:
    void Set(const std::optional<std::string>& value)
    {
        if (value) {
            ::setenv(m_name.c_str(), value->c_str(), 1);
        } else {
            ::unsetenv(m_name.c_str());
        }
    }

    std::string m_name;
    std::optional<std::string> m_old;
};

class DocumentsFolderTest : public TempFolderTest
{
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        m_home = Root() / "home";
        fs::create_directories(m_home / ".config");
    }

    void WriteUserDirs(const fs::path& configFolder, const std::string& content)
    {
        fs::create_directories(configFolder);
        PutFile(configFolder / "user-dirs.dirs", content);
    }

    fs::path m_home;
};

TEST_F(DocumentsFolderTest, WithoutUserDirsFileItIsDocumentsInHome)
{
    ScopedEnvironment home("HOME", m_home.native());
    ScopedEnvironment config("XDG_CONFIG_HOME", std::nullopt);
    EXPECT_EQ(DocumentsFolder(), m_home / "Documents");
    EXPECT_FALSE(fs::exists(m_home / "Documents")); // not created
}

TEST_F(DocumentsFolderTest, ReadsTheHomeRelativeEntryOfUserDirs)
{
    WriteUserDirs(m_home / ".config", "# This file is written by xdg-user-dirs-update\n"
                                      "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                                      "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n"
                                      "XDG_MUSIC_DIR=\"$HOME/Musik\"\n");
    ScopedEnvironment home("HOME", m_home.native());
    ScopedEnvironment config("XDG_CONFIG_HOME", std::nullopt);
    EXPECT_EQ(DocumentsFolder(), m_home / "Dokumente");
    EXPECT_FALSE(fs::exists(m_home / "Dokumente"));
}

TEST_F(DocumentsFolderTest, ReadsAnAbsoluteEntryFromXdgConfigHome)
{
    const fs::path config = Root() / "config";
    WriteUserDirs(config, "#XDG_DOCUMENTS_DIR=\"/commented/out\"\r\n"
                          "  XDG_DOCUMENTS_DIR = \"/srv/文档/\"  # trailing comment\r\n");
    WriteUserDirs(m_home / ".config", "XDG_DOCUMENTS_DIR=\"$HOME/not-this-one\"\n");
    ScopedEnvironment home("HOME", m_home.native());
    ScopedEnvironment configHome("XDG_CONFIG_HOME", config.native());
    EXPECT_EQ(DocumentsFolder(), fs::path("/srv/文档"));
}

TEST_F(DocumentsFolderTest, UnquotedValuesBracedHomeAndEscapesAreRead)
{
    ScopedEnvironment home("HOME", m_home.native());
    ScopedEnvironment config("XDG_CONFIG_HOME", std::nullopt);

    WriteUserDirs(m_home / ".config", "XDG_DOCUMENTS_DIR=$HOME/Docs\n");
    EXPECT_EQ(DocumentsFolder(), m_home / "Docs");

    WriteUserDirs(m_home / ".config", "XDG_DOCUMENTS_DIR=\"${HOME}/My \\\"Docs\\\"\"\n");
    EXPECT_EQ(DocumentsFolder(), m_home / "My \"Docs\"");
}

TEST_F(DocumentsFolderTest, TheLastValidEntryWinsAndInvalidOnesAreSkipped)
{
    WriteUserDirs(m_home / ".config", "XDG_DOCUMENTS_DIR=\"$HOME/first\"\n"
                                      "XDG_DOCUMENTS_DIR=\"$HOME/second\"\n"
                                      "XDG_DOCUMENTS_DIR=\"relative/path\"\n"
                                      "XDG_DOCUMENTS_DIR=\"$HOMEWORK/x\"\n"
                                      "XDG_DOCUMENTS_DIRS=\"/other\"\n"
                                      "XDG_DOCUMENTS_DIR=\"/unterminated\n");
    ScopedEnvironment home("HOME", m_home.native());
    ScopedEnvironment config("XDG_CONFIG_HOME", std::nullopt);
    EXPECT_EQ(DocumentsFolder(), m_home / "second");
}

TEST_F(DocumentsFolderTest, OnlyInvalidEntriesFallBackToDocumentsInHome)
{
    WriteUserDirs(m_home / ".config", "XDG_DOCUMENTS_DIR=\"Documents\"\n");
    ScopedEnvironment home("HOME", m_home.native());
    ScopedEnvironment config("XDG_CONFIG_HOME", std::nullopt);
    EXPECT_EQ(DocumentsFolder(), m_home / "Documents");
}

TEST_F(DocumentsFolderTest, ARelativeXdgConfigHomeIsIgnored)
{
    WriteUserDirs(m_home / ".config", "XDG_DOCUMENTS_DIR=\"$HOME/FromHome\"\n");
    ScopedEnvironment home("HOME", m_home.native());
    ScopedEnvironment config("XDG_CONFIG_HOME", "relative/config");
    EXPECT_EQ(DocumentsFolder(), m_home / "FromHome");
}

TEST_F(DocumentsFolderTest, WithoutHomeThePasswordEntryGivesTheHomeFolder)
{
    const passwd* entry = ::getpwuid(::getuid());
    ASSERT_NE(entry, nullptr);
    const std::string passwordHome = entry->pw_dir;
    ASSERT_FALSE(passwordHome.empty());

    const fs::path config = Root() / "empty-config";
    fs::create_directories(config);
    ScopedEnvironment home("HOME", std::nullopt);
    ScopedEnvironment configHome("XDG_CONFIG_HOME", config.native());
    const std::string expected = passwordHome == "/" ? "/Documents" : passwordHome + "/Documents";
    EXPECT_EQ(DocumentsFolder(), fs::path(expected));
}

} // namespace
} // namespace velmora
