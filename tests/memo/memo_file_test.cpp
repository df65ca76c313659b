#include "memo/memo_file.h"

#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"
#include "platform/code_page.h"
#include "support/file_bytes.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

} // namespace

// Failures show the cells as escaped bytes.
void PrintTo(const MemoNote& note, std::ostream* out)
{
    *out << testing::PrintToString(note.number) << "=" << testing::PrintToString(note.title) << ","
         << testing::PrintToString(note.content);
}

namespace {

std::string Fixture(const char* name)
{
    return FixtureBytes(std::filesystem::path("memo") / name);
}

// A note as the list shows it, its cells converted as the page stores them.
MemoNote Note(std::u16string_view number, std::u16string_view title, std::u16string_view content)
{
    return {StoredFromUtf16(number), StoredFromUtf16(title), StoredFromUtf16(content)};
}

TEST(MemoFile, LivesInTheDataFolder)
{
    EXPECT_EQ(MemoFile("/home/u/Documents"), fs::path("/home/u/Documents/Tarvik") / fs::path(u8"备忘.ini"));
}

TEST(MemoFile, WritesTheHeaderAndOneCrLfLinePerNoteAsTheFixturesHoldThem)
{
    EXPECT_EQ(MemoFileContent({}), "[\xB1\xB8\xCD\xFC\xC2\xBC]\r\n");
    EXPECT_EQ(MemoFileContent({}), Fixture("header_only.ini"));
    EXPECT_EQ(MemoFileContent({Note(u"0", u"a", u"b"), Note(u"1", u"c", u"d")}), Fixture("two_notes.ini"));
}

// Characters code page 936 lacks are written as GB18030 four-byte sequences; commas and "=" in the
// cells are written as they are.
const std::vector<MemoNote>& RichNotes()
{
    static const std::vector<MemoNote> notes = {
        Note(u"0", u"买菜", u"周六上午"),
        Note(u"1", u"a=b", u"含，逗号"),
        Note(u"2", u"笑脸\U0001F600", u"\U00020000名"),
    };
    return notes;
}

TEST(MemoFile, WritesAndReadsBackCommasEqualsSignsAndCharactersTheCodePageLacks)
{
    EXPECT_EQ(MemoFileContent(RichNotes()), Fixture("rich_notes.ini"));
    EXPECT_EQ(ParseMemoFile(Fixture("rich_notes.ini")), RichNotes());
    EXPECT_EQ(Utf16FromStored(ParseMemoFile(Fixture("rich_notes.ini"))[2].title), u"笑脸\U0001F600");
}

TEST(MemoFile, ParsesEachLineAfterTheFirst)
{
    using namespace std::string_view_literals;
    struct Case
    {
        const char* name;
        std::string_view content; // UTF-8 here, code page 936 in the file
        std::vector<MemoNote> notes;
    };
    const Case cases[] = {
        {"two notes in file order", "[备忘录]\r\n0=a，b\r\n1=c，d\r\n", {{"0", "a", "b"}, {"1", "c", "d"}}},
        {"the first line is skipped whatever it holds", "0=a，b\r\n1=c，d\r\n", {{"1", "c", "d"}}},
        {"no full-width comma leaves title and content empty", "h\r\nx=y\r\n", {{"x", "", ""}}},
        {"commas after the first stay in the content", "h\r\n0=a，b，c\r\n", {{"0", "a", "b，c"}}},
        {"an equals sign after the first stays in the title", "h\r\n0=a=b，c\r\n", {{"0", "a=b", "c"}}},
        {"empty cells", "h\r\n=，\r\n", {{"", "", ""}}},
        {"lines without an equals sign are skipped", "h\r\n\r\nnote\r\n1=c，d\r\n", {{"1", "c", "d"}}},
        {"a last line without CR LF counts", "h\r\n0=a，b", {{"0", "a", "b"}}},
        {"the text ends at the first zero byte", "h\r\n0=a，b\r\n1=c\0，d\r\n"sv, {{"0", "a", "b"}, {"1", "", ""}}},
    };
    for (const Case& test : cases) {
        std::vector<MemoNote> notes;
        for (const MemoNote& note : test.notes)
            notes.push_back({LocalFromUtf8(note.number), LocalFromUtf8(note.title), LocalFromUtf8(note.content)});
        EXPECT_EQ(ParseMemoFile(LocalFromUtf8(test.content)), notes) << test.name;
    }

    EXPECT_TRUE(ParseMemoFile(Fixture("header_only.ini")).empty());
    EXPECT_TRUE(ParseMemoFile(Fixture("empty.ini")).empty());
    // Without CR the whole text is one line, the skipped first one.
    EXPECT_TRUE(ParseMemoFile(Fixture("bare_lf.ini")).empty());
    // "€" is the single byte 0x80: a note ending in it keeps its line end and its comma.
    EXPECT_EQ(ParseMemoFile("h\r\n0=a\x80\xA3\xAC"
                            "b\x80\r\n1=c\xA3\xAC"
                            "d\r\n"),
              (std::vector<MemoNote>{{"0", "a\x80", "b\x80"}, {"1", "c", "d"}}));
}

TEST(MemoFile, ReadsNothingFromAMissingOrUnreadableFile)
{
    FakeFileSystem files;
    files.unreadable.insert("/d/备忘.ini");
    EXPECT_TRUE(ReadMemos(files, "/d/missing.ini").empty());
    EXPECT_TRUE(ReadMemos(files, "/d/备忘.ini").empty());
}

TEST(MemoFile, AFailedWriteReportsFailureAndKeepsTheOldFile)
{
    FakeFileSystem files;
    files.files["/d/备忘.ini"] = Fixture("two_notes.ini");
    files.failWrites = true;
    EXPECT_FALSE(WriteMemos(files, "/d/备忘.ini", {}));
    EXPECT_EQ(files.Content("/d/备忘.ini"), Fixture("two_notes.ini"));

    files.failWrites = false;
    EXPECT_TRUE(WriteMemos(files, "/d/备忘.ini", {}));
    EXPECT_EQ(files.Content("/d/备忘.ini"), Fixture("header_only.ini"));
}

} // namespace
} // namespace velmora
