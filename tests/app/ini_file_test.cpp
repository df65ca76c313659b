#include "app/ini_file.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"
#include "platform/system_services.h"
#include "scratch_folder.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

// Names of the settings file in code page 936.
const std::string kStartSection = "\xC6\xF4\xB6\xAF\xCF\xEE";       // 启动项
const std::string kRunTimeKey = "\xC6\xF4\xB6\xAF\xCA\xB1\xBC\xE4"; // 启动时间
const std::string kThemeKey = "\xD6\xF7\xCC\xE2";                   // 主题

// Double-byte characters whose trail bytes look like ASCII characters.
const std::string kTrailUpperA = "\x81\x41";  // 丄: trail byte 'A'
const std::string kTrailLowerA = "\x81\x61";  // 乤: trail byte 'a'
const std::string kTrailBracket = "\x81\x5D"; // 乚: trail byte ']'

struct LookupCase
{
    const char* what;
    std::string content;
    std::string section;
    std::string key;
    std::string expected;
};

TEST(IniLookupTest, Table)
{
    const std::vector<LookupCase> cases = {
        {"plain", "[s]\r\nk=v\r\n", "s", "k", "v"},
        {"LF line ends", "[s]\nk=v\n", "s", "k", "v"},
        {"last line without line end", "[s]\r\nk=v", "s", "k", "v"},
        {"section case", "[SeCtIoN]\r\nk=v\r\n", "section", "k", "v"},
        {"key case", "[s]\r\nKeY=v\r\n", "S", "kEy", "v"},
        {"blanks inside brackets", "[ \t s \t ]\r\nk=v\r\n", "s", "k", "v"},
        {"blanks around the section line", "  \t[s]  \r\nk=v\r\n", "s", "k", "v"},
        {"text after the bracket", "[s] ; note\r\nk=v\r\n", "s", "k", "v"},
        {"blanks around key and value", "[s]\r\n \t k \t = \t v w \t \r\n", "s", "k", "v w"},
        {"requested names are trimmed too", "[s]\r\nk=v\r\n", " s ", " k ", "v"},
        {"blanks before the number", "[" + kStartSection + "]\r\n" + kRunTimeKey + "=  42\r\n", kStartSection,
         kRunTimeKey, "42"},
        {"empty value", "[s]\r\nk=\r\n", "s", "k", ""},
        {"equals sign inside the value", "[s]\r\nk=a=b\r\n", "s", "k", "a=b"},
        {"double quotes", "[s]\r\nk=\"quoted\"\r\n", "s", "k", "quoted"},
        {"single quotes", "[s]\r\nk='quoted'\r\n", "s", "k", "quoted"},
        {"blanks inside quotes stay", "[s]\r\nk=  \" in side \"  \r\n", "s", "k", " in side "},
        {"only one pair of quotes", "[s]\r\nk=\"\"x\"\"\r\n", "s", "k", "\"x\""},
        {"unmatched quotes stay", "[s]\r\nk=\"x'\r\n", "s", "k", "\"x'"},
        {"opening quote only", "[s]\r\nk=\"x\r\n", "s", "k", "\"x"},
        {"a lone quote stays", "[s]\r\nk=\"\r\n", "s", "k", "\""},
        {"empty quotes", "[s]\r\nk=''\r\n", "s", "k", ""},
        {"missing file content", "", "s", "k", ""},
        {"missing section", "[t]\r\nk=v\r\n", "s", "k", ""},
        {"missing key", "[s]\r\nj=v\r\n", "s", "k", ""},
        {"key in another section", "[s]\r\nj=1\r\n[t]\r\nk=v\r\n", "s", "k", ""},
        {"key before every section", "k=v\r\n[s]\r\nj=1\r\n", "s", "k", ""},
        {"section name is a prefix", "[ss]\r\nk=v\r\n", "s", "k", ""},
        {"key name is a prefix", "[s]\r\nkk=v\r\n", "s", "k", ""},
        {"first matching section wins", "[s]\r\na=1\r\n[t]\r\nk=2\r\n[S]\r\nk=3\r\n", "s", "k", ""},
        {"first matching section, its key", "[s]\r\nk=1\r\n[S]\r\nk=3\r\n", "s", "k", "1"},
        {"first matching key wins", "[s]\r\nk=1\r\nK=2\r\n", "s", "k", "1"},
        {"a line without = is no key", "[s]\r\nk\r\nk=2\r\n", "s", "k", "2"},
        {"a comment is no key", "[s]\r\n;k=1\r\nk=2\r\n", "s", "k", "2"},
        {"an unclosed bracket is no section", "[s]\r\n[t\r\nk=v\r\n", "s", "k", "v"},
        {"empty key", "[s]\r\n=v\r\n", "s", "", ""},
        {"section with = in its name", "[a=b]\r\nk=v\r\n", "a=b", "k", "v"},
        {"lone CR is no line end", "[s]\rk=v\r\n", "s", "k", ""},
        {"GBK names", "[" + kStartSection + "]\r\n" + kThemeKey + "=3\r\n", kStartSection, kThemeKey, "3"},
        {"GBK value", "[s]\r\nk=" + kStartSection + "\r\n", "s", "k", kStartSection},
        {"GBK trail bytes are not case-folded (section)", "[" + kTrailLowerA + "]\r\nk=v\r\n", kTrailUpperA, "k", ""},
        {"GBK trail bytes are not case-folded (key)", "[s]\r\n" + kTrailLowerA + "=v\r\n", "s", kTrailUpperA, ""},
        {"ASCII after a GBK character is case-folded", "[s]\r\n" + kTrailUpperA + "X=v\r\n", "s", kTrailUpperA + "x",
         "v"},
        {"GBK trail byte ] inside a section name", "[" + kTrailBracket + "]\r\nk=v\r\n", kTrailBracket, "k", "v"},
        {"GBK trail byte ] does not close a section", "[s]\r\n[" + kTrailBracket + "\r\nk=v\r\n", "s", "k", "v"},
    };
    for (const LookupCase& test : cases) {
        SCOPED_TRACE(test.what);
        EXPECT_EQ(IniLookup(test.content, test.section, test.key), test.expected);
    }
}

TEST(IniLookupTest, ValuesAreCutTo10239Bytes)
{
    const std::string exact(10239, 'x');
    EXPECT_EQ(IniLookup("[s]\r\nk=" + exact + "\r\n", "s", "k"), exact);
    EXPECT_EQ(IniLookup("[s]\r\nk=" + exact + "y\r\n", "s", "k"), exact);
    EXPECT_EQ(IniLookup("[s]\r\nk=" + std::string(50000, 'x') + "\r\n", "s", "k"), exact);
    // The quotes go first, then the cut.
    EXPECT_EQ(IniLookup("[s]\r\nk=\"" + exact + "\"\r\n", "s", "k"), exact);
    EXPECT_EQ(IniLookup("[s]\r\nk=\"" + exact + "yy\"\r\n", "s", "k"), exact);
}

TEST(IniLookupTest, TheCutNeverSplitsADoubleByteCharacter)
{
    std::string pairs;
    for (int i = 0; i < 6000; ++i) {
        pairs += kThemeKey.substr(0, 2);
    }
    // Characters start at even bytes: byte 10239 would be a lead byte without its trail.
    const Text cut = IniLookup("[s]\r\nk=" + pairs + "\r\n", "s", "k");
    EXPECT_EQ(cut.size(), 10238U);
    EXPECT_EQ(cut, pairs.substr(0, 10238));
    // One ASCII byte first: byte 10239 is a trail byte and the cut falls between characters.
    EXPECT_EQ(IniLookup("[s]\r\nk=a" + pairs + "\r\n", "s", "k"), ("a" + pairs).substr(0, 10239));
}

// --- IniAssign ---------------------------------------------------------------------------------

TEST(IniAssignTest, ReplacesTheValueInPlaceAndKeepsEveryOtherByte)
{
    const std::string before = "; written by hand\n"
                               "stray=line before sections\r\n"
                               "\r\n"
                               "[other]\n"
                               "k=other section\r\n"
                               "[s]  \r\n"
                               "a=1\n"
                               "odd line without equals\r\n"
                               "\t[unclosed\r\n"
                               "   =no key\r\n";
    const std::string after = "\r\n"
                              "b=2\n"
                              "\r\n"
                              "[s]\r\n"
                              "k=duplicate section\r\n"
                              "trailing \x81\x41\x81\x5D bytes\xFF";
    const std::string content = before + " \t K = old value \r\n" + after;
    EXPECT_EQ(IniAssign(content, "s", "k", "new"), before + "k=new\r\n" + after);
}

TEST(IniAssignTest, ReplacementKeepsTheLineEndOfTheReplacedLine)
{
    EXPECT_EQ(IniAssign("[s]\nk=1\nj=2\n", "s", "k", "9"), "[s]\nk=9\nj=2\n");
    EXPECT_EQ(IniAssign("[s]\r\nk=1", "s", "k", "9"), "[s]\r\nk=9");
    EXPECT_EQ(IniAssign("[s]\r\nk=1\r\n", "s", "k", ""), "[s]\r\nk=\r\n");
}

TEST(IniAssignTest, ReplacementUsesTheCallersSpellingOfTheKey)
{
    EXPECT_EQ(IniAssign("[S]\r\nKEY=1\r\n", "s", "Key", "2"), "[S]\r\nKey=2\r\n");
}

TEST(IniAssignTest, AMissingKeyGoesAfterTheLastKeyOfItsSection)
{
    EXPECT_EQ(IniAssign("[s]\r\na=1\r\nb=2\r\n\r\n[t]\r\nc=3\r\n", "S", "new", "v"),
              "[s]\r\na=1\r\nb=2\r\nnew=v\r\n\r\n[t]\r\nc=3\r\n");
    // Comments and blank lines that close the section stay after it.
    EXPECT_EQ(IniAssign("[s]\na=1\n; about t\n\n[t]\n", "s", "new", "v"), "[s]\na=1\nnew=v\r\n; about t\n\n[t]\n");
    // Only the first section of the name gets it.
    EXPECT_EQ(IniAssign("[s]\r\na=1\r\n[s]\r\nb=2\r\n", "s", "new", "v"), "[s]\r\na=1\r\nnew=v\r\n[s]\r\nb=2\r\n");
}

TEST(IniAssignTest, AMissingKeyInASectionWithoutKeysGoesRightAfterTheSectionLine)
{
    EXPECT_EQ(IniAssign("[s]\r\n\r\n[t]\r\n", "s", "k", "v"), "[s]\r\nk=v\r\n\r\n[t]\r\n");
    EXPECT_EQ(IniAssign("[s]\r\nnot a key\r\n", "s", "k", "v"), "[s]\r\nk=v\r\nnot a key\r\n");
}

TEST(IniAssignTest, AddingToALastLineWithoutLineEndEndsItFirst)
{
    EXPECT_EQ(IniAssign("[s]", "s", "k", "v"), "[s]\r\nk=v\r\n");
    EXPECT_EQ(IniAssign("[s]\r\na=1", "s", "k", "v"), "[s]\r\na=1\r\nk=v\r\n");
}

TEST(IniAssignTest, AMissingSectionGoesAtTheEnd)
{
    EXPECT_EQ(IniAssign("[t]\r\na=1\r\n", "s", "k", "v"), "[t]\r\na=1\r\n[s]\r\nk=v\r\n");
    EXPECT_EQ(IniAssign("[t]\na=1\n", "s", "k", "v"), "[t]\na=1\n[s]\r\nk=v\r\n");
    EXPECT_EQ(IniAssign("[t]\r\na=1", "s", "k", "v"), "[t]\r\na=1\r\n[s]\r\nk=v\r\n");
    EXPECT_EQ(IniAssign("k=v before sections\r\n", "s", "k", "v"), "k=v before sections\r\n[s]\r\nk=v\r\n");
}

TEST(IniAssignTest, EmptyContentGetsSectionAndKeyWithoutBom)
{
    EXPECT_EQ(IniAssign("", kStartSection, kRunTimeKey, "42"), "[" + kStartSection + "]\r\n" + kRunTimeKey + "=42\r\n");
}

TEST(IniAssignTest, NamesAreWrittenTrimmedAndValuesAsGiven)
{
    EXPECT_EQ(IniAssign("", " s ", " k ", " v "), "[s]\r\nk= v \r\n");
}

TEST(IniAssignTest, GbkNamesMatchExactly)
{
    const std::string content = "[" + kStartSection + "]\r\n" + kTrailLowerA + "=1\r\n";
    EXPECT_EQ(IniAssign(content, kStartSection, kTrailLowerA, "2"),
              "[" + kStartSection + "]\r\n" + kTrailLowerA + "=2\r\n");
    EXPECT_EQ(IniAssign(content, kStartSection, kTrailUpperA, "2"),
              "[" + kStartSection + "]\r\n" + kTrailLowerA + "=1\r\n" + kTrailUpperA + "=2\r\n");
}

TEST(IniAssignTest, AValueIsWrittenOnlyUpToItsFirstLineBreak)
{
    EXPECT_EQ(IniAssign("", "s", "k", "one\r\ntwo"), "[s]\r\nk=one\r\n");
    EXPECT_EQ(IniAssign("", "s", "k", "one\ntwo"), "[s]\r\nk=one\r\n");
    EXPECT_EQ(IniAssign("", "s", "k", "one\rtwo"), "[s]\r\nk=one\r\n");
    EXPECT_EQ(IniAssign("", "s", "k", std::string("one\0two", 7)), "[s]\r\nk=one\r\n");
    EXPECT_EQ(IniAssign("", "s\r\n[evil]", "k", "v"), "[s]\r\nk=v\r\n");
}

TEST(IniAssignTest, AnEmptyNameChangesNothing)
{
    EXPECT_EQ(IniAssign("[s]\r\n", "s", "  ", "v"), "[s]\r\n");
    EXPECT_EQ(IniAssign("[s]\r\n", "", "k", "v"), "[s]\r\n");
}

TEST(IniAssignTest, WhatIsAssignedIsWhatIsLookedUp)
{
    std::string content;
    content = IniAssign(content, kStartSection, kRunTimeKey, "100");
    content = IniAssign(content, kStartSection, kThemeKey, "11");
    content = IniAssign(content, kStartSection, kRunTimeKey, "250");
    content = IniAssign(content, "Other", "x", "'quoted'");
    EXPECT_EQ(content, "[" + kStartSection + "]\r\n" + kRunTimeKey + "=250\r\n" + kThemeKey + "=11\r\n" +
                           "[Other]\r\nx='quoted'\r\n");
    EXPECT_EQ(IniLookup(content, kStartSection, kRunTimeKey), "250");
    EXPECT_EQ(IniLookup(content, kStartSection, kThemeKey), "11");
    EXPECT_EQ(IniLookup(content, "other", "X"), "quoted");
}

// --- IniRead and IniWrite on a file ------------------------------------------------------------

const fs::path kFile = "/data/Tarvik/settings.ini";

TEST(IniReadTest, ReadsTheValueFromTheFile)
{
    FakeFileSystem files;
    files.files[kFile] = "[" + kStartSection + "]\r\n" + kRunTimeKey + "=  42\r\n";
    EXPECT_EQ(IniRead(files, kFile, kStartSection, kRunTimeKey), "42");
    EXPECT_EQ(files.readCount, 1);
}

TEST(IniReadTest, AMissingFileGivesEmptyText)
{
    FakeFileSystem files;
    EXPECT_EQ(IniRead(files, kFile, "s", "k"), "");
}

TEST(IniReadTest, ABlankNameReadsNoFile)
{
    FakeFileSystem files;
    files.files[kFile] = "[s]\r\nk=v\r\n= blank key\r\n[]\r\nk=blank section\r\n";
    EXPECT_EQ(IniRead(files, kFile, "s", ""), "");
    EXPECT_EQ(IniRead(files, kFile, "s", "   "), "");
    EXPECT_EQ(IniRead(files, kFile, "s", " \t\r\n\x01\x1f"), "");
    EXPECT_EQ(IniRead(files, kFile, "", "k"), "");
    EXPECT_EQ(IniRead(files, kFile, " \t", "k"), "");
    EXPECT_EQ(IniRead(files, fs::path(), "s", "k"), "");
    EXPECT_EQ(IniRead(files, fs::path(" \t"), "s", "k"), "");
    EXPECT_EQ(files.readCount, 0);
}

TEST(IniReadTest, LeadingControlsAndSpacesAreSkipped)
{
    FakeFileSystem files;
    files.files[kFile] = "[s]\r\nk=v\r\n";
    EXPECT_EQ(IniRead(files, fs::path(" \t") += kFile, "\x01 s", "\x1f\tk"), "v");
    EXPECT_EQ(files.readCount, 1);
}

TEST(IniWriteTest, CreatesAMissingFile)
{
    FakeFileSystem files;
    EXPECT_TRUE(IniWrite(files, kFile, kStartSection, kThemeKey, "3"));
    EXPECT_EQ(files.Content(kFile), "[" + kStartSection + "]\r\n" + kThemeKey + "=3\r\n");
}

TEST(IniWriteTest, RoundTripThroughTheFake)
{
    FakeFileSystem files;
    files.files[kFile] = "; mine\n[" + kStartSection + "]\n" + kThemeKey + "=1\n";
    EXPECT_TRUE(IniWrite(files, kFile, kStartSection, kRunTimeKey, "3600"));
    EXPECT_TRUE(IniWrite(files, kFile, kStartSection, kThemeKey, ""));
    EXPECT_EQ(IniRead(files, kFile, kStartSection, kRunTimeKey), "3600");
    EXPECT_EQ(IniRead(files, kFile, kStartSection, kThemeKey), "");
    EXPECT_EQ(files.Content(kFile),
              "; mine\n[" + kStartSection + "]\n" + kThemeKey + "=\n" + kRunTimeKey + "=3600\r\n");
}

TEST(IniWriteTest, AFailedWriteKeepsTheOldContentAndReturnsFalse)
{
    FakeFileSystem files;
    const std::string old = "[s]\r\nk=old\r\n";
    files.files[kFile] = old;
    files.failWrites = true;
    EXPECT_FALSE(IniWrite(files, kFile, "s", "k", "new"));
    EXPECT_EQ(files.Content(kFile), old);
    EXPECT_EQ(IniRead(files, kFile, "s", "k"), "old");
}

TEST(IniWriteTest, AFileThatExistsButCannotBeReadIsNotReplaced)
{
    FakeFileSystem files;
    files.unreadable.insert(kFile);
    EXPECT_FALSE(IniWrite(files, kFile, "s", "k", "v"));
    EXPECT_EQ(files.writeCount, 0);
}

TEST(IniWriteTest, AnEmptyNameWritesNothing)
{
    FakeFileSystem files;
    EXPECT_FALSE(IniWrite(files, kFile, "s", " ", "v"));
    EXPECT_FALSE(IniWrite(files, kFile, "", "k", "v"));
    EXPECT_EQ(files.writeCount, 0);
    EXPECT_FALSE(files.Content(kFile).has_value());
}

class IniFileOnDiskTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_FALSE(m_root.empty()); }

    ScratchFolder m_scratch{"velmora-ini-test"};
    const fs::path m_root = m_scratch.Path();
    std::unique_ptr<FileSystem> m_systemFiles = CreateSystemFileSystem();
    FileSystem& m_files = *m_systemFiles;
};

TEST_F(IniFileOnDiskTest, RoundTripThroughARealFile)
{
    const fs::path file = m_root / "软件配置.ini";
    EXPECT_TRUE(IniWrite(m_files, file, kStartSection, kRunTimeKey, "42"));
    EXPECT_TRUE(IniWrite(m_files, file, kStartSection, kThemeKey, "12"));
    EXPECT_TRUE(IniWrite(m_files, file, kStartSection, kRunTimeKey, "43"));
    EXPECT_EQ(m_files.ReadFile(file), "[" + kStartSection + "]\r\n" + kRunTimeKey + "=43\r\n" + kThemeKey + "=12\r\n");
    EXPECT_EQ(IniRead(m_files, file, kStartSection, kRunTimeKey), "43");
    EXPECT_EQ(IniRead(m_files, file, kStartSection, kThemeKey), "12");
}

TEST_F(IniFileOnDiskTest, WritingIntoAMissingFolderFailsAndCreatesNothing)
{
    const fs::path file = m_root / "Tarvik" / "软件配置.ini";
    EXPECT_FALSE(IniWrite(m_files, file, kStartSection, kRunTimeKey, "42"));
    EXPECT_FALSE(fs::exists(m_root / "Tarvik"));
    EXPECT_EQ(IniRead(m_files, file, kStartSection, kRunTimeKey), "");
}

} // namespace
} // namespace velmora
