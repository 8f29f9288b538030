#include "core/report/safe_file.h"
#include "core/report/textfile.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(Textfile, ReadsLinesWithAndWithoutLineEnds) {
    std::string dir = TestDir();
    Textfile f(WriteFile(dir, "a.txt", "one\r\n\r\nthree\nlast"));
    ASSERT_TRUE(f.Open(Textfile::ModeRead));
    std::string line;
    std::vector<std::string> got;
    while (f.ReadLine(line))
        got.push_back(line);
    EXPECT_EQ(got, (std::vector<std::string>{"one", "", "three", "last"}));
    EXPECT_FALSE(f.ReadLine(line));
}

TEST(Textfile, OverlongLinesAreCutToTheCallersField) {
    std::string dir = TestDir();
    std::string huge(100000, 'x');
    Textfile f(WriteFile(dir, "a.txt", huge + "\r\nnext\r\n"));
    ASSERT_TRUE(f.Open(Textfile::ModeRead));
    std::string line;
    ASSERT_TRUE(f.ReadLine(line, 79));
    EXPECT_EQ(line, std::string(79, 'x'));
    ASSERT_TRUE(f.ReadLine(line, 79));
    EXPECT_EQ(line, "next");
    // a CR that falls right after the field is still the line end, not data
    Textfile g(WriteFile(dir, "b.txt", "abc\r\n"));
    g.Open(Textfile::ModeRead);
    ASSERT_TRUE(g.ReadLine(line, 3));
    EXPECT_EQ(line, "abc");
}

TEST(Textfile, FieldsCountCharactersNotBytes) {
    std::string dir = TestDir();
    // 98 letters, each two bytes in UTF-8: a 99-character field keeps them all
    std::string umlauts;
    for (int i = 0; i < 98; ++i)
        umlauts += "\xc3\xa4";
    // a cut at 3 characters falls between whole characters, never inside one
    Textfile f(WriteFile(dir, "a.txt", umlauts + "\r\n\xc3\xa9t\xc3\xa9s\r\n\xc3\xa9t\xc3\xa9\r\n"));
    ASSERT_TRUE(f.Open(Textfile::ModeRead));
    std::string line;
    ASSERT_TRUE(f.ReadLine(line, 99));
    EXPECT_EQ(line, umlauts);
    ASSERT_TRUE(f.ReadLine(line, 3));
    EXPECT_EQ(line, "\xc3\xa9t\xc3\xa9");
    // the CR right after a full field of accented letters is the line end
    ASSERT_TRUE(f.ReadLine(line, 3));
    EXPECT_EQ(line, "\xc3\xa9t\xc3\xa9");
    // bytes that belong to no character cannot make a field of a few characters huge
    Textfile g(WriteFile(dir, "b.txt", std::string(1000, '\x80') + "a\xc3" + std::string(1000, '\xa9') + "\n"));
    ASSERT_TRUE(g.Open(Textfile::ModeRead));
    ASSERT_TRUE(g.ReadLine(line, 2));
    EXPECT_EQ(line, "a\xc3\xa9\xa9\xa9");
}

TEST(Textfile, WritesCrLfAndCutsAtAnEmbeddedLineFeedOrNul) {
    std::string dir = TestDir();
    Textfile f(dir + "/w.txt");
    ASSERT_TRUE(f.Open(Textfile::ModeCreate));
    EXPECT_TRUE(f.WriteLine("first"));
    EXPECT_TRUE(f.WriteLine("before\nafter"));
    EXPECT_TRUE(f.WriteLine(""));
    // a NUL from a damaged file ends the text as it ends a C string
    EXPECT_TRUE(f.WriteLine(std::string_view("kept\0dropped\n", 13)));
    f.Close();
    EXPECT_TRUE(f.Ok());
    EXPECT_EQ(ReadFile(dir + "/w.txt"), "first\r\nbefore\r\n\r\nkept\r\n");
    EXPECT_FALSE(f.WriteLine("closed"));
}

TEST(Textfile, AppendModeNeedsAnExistingFileAndReadsFromTheStart) {
    std::string dir = TestDir();
    Textfile missing(dir + "/none.txt");
    EXPECT_FALSE(missing.Open(Textfile::ModeAppend));
    EXPECT_FALSE(std::filesystem::exists(dir + "/none.txt"));
    EXPECT_TRUE(missing.Open(Textfile::ModeCreate));

    Textfile f(WriteFile(dir, "a.txt", "1\r\n2\r\n"));
    ASSERT_TRUE(f.Open(Textfile::ModeAppend));
    std::string line;
    ASSERT_TRUE(f.ReadLine(line));
    EXPECT_EQ(line, "1");
    f.WriteLine("3");
    f.Close();
    EXPECT_EQ(ReadFile(dir + "/a.txt"), "1\r\n2\r\n3\r\n");
}

TEST(Textfile, BadModesAndNamesStayClosed) {
    Textfile f("");
    EXPECT_FALSE(f.Open(Textfile::ModeCreate));
    Textfile g("x");
    EXPECT_FALSE(g.Open(7));
    EXPECT_FALSE(g.IsOpen());
    std::string line;
    EXPECT_FALSE(g.ReadLine(line));
}

TEST(SafeFile, ReplacesTheTargetOnlyOnCommit) {
    std::string dir = TestDir();
    std::string target = WriteFile(dir, "t.txt", "old\r\n");
    {
        SafeFile out(target);
        ASSERT_TRUE(out.Open());
        out.WriteLine("new");
        // abandoned without commit
    }
    EXPECT_EQ(ReadFile(target), "old\r\n");
    EXPECT_EQ(FileNames(dir), std::vector<std::string>{"t.txt"});

    SafeFile out(target);
    ASSERT_TRUE(out.Open());
    out.WriteLine("new");
    EXPECT_TRUE(out.Commit());
    EXPECT_EQ(ReadFile(target), "new\r\n");
}

TEST(SafeFile, ReportsATargetThatCannotBeWritten) {
    std::string dir = TestDir();
    SafeFile noFolder(dir + "/missing/t.txt");
    EXPECT_FALSE(noFolder.Open());
    EXPECT_FALSE(noFolder.Commit());
    EXPECT_EQ(noFolder.Error(), "No such file or directory");

    std::filesystem::create_directory(dir + "/folder");
    SafeFile onFolder(dir + "/folder");
    ASSERT_TRUE(onFolder.Open());
    onFolder.WriteLine("x");
    EXPECT_FALSE(onFolder.Commit());
    EXPECT_EQ(onFolder.Error(), "Is a directory");
    EXPECT_TRUE(std::filesystem::is_directory(dir + "/folder"));
    EXPECT_EQ(FileNames(dir), std::vector<std::string>{"folder"});

    // a name of the longest a folder holds still has room for its temporary file
    const std::string longest(255, 'n');
    SafeFile full(dir + "/" + longest);
    ASSERT_TRUE(full.Open()) << full.Error();
    EXPECT_TRUE(full.Commit());
    EXPECT_EQ(FileNames(dir), (std::vector<std::string>{"folder", longest}));
}

// Two saves of one file at once each write a temporary file of their own: the file left
// is one of them whole, and a file of the user's that looks like a temporary name stays.
TEST(SafeFile, TwoSavesAtOnceLeaveOneWholeFile) {
    std::string dir = TestDir();
    std::string target = WriteFile(dir, "t.txt", "old\r\n");
    WriteFile(dir, "t.txt.~tmp", "the user's own\r\n");
    SafeFile first(target);
    SafeFile second(target);
    ASSERT_TRUE(first.Open());
    ASSERT_TRUE(second.Open());
    for (int line = 0; line < 1000; ++line) {
        ASSERT_TRUE(first.WriteLine("first " + std::to_string(line)));
        ASSERT_TRUE(second.WriteLine("second " + std::to_string(line)));
    }
    EXPECT_TRUE(first.Commit());
    EXPECT_TRUE(second.Commit());
    const std::vector<std::string> lines = ReadLines(target);
    ASSERT_EQ(lines.size(), 1000u);
    EXPECT_EQ(lines.front(), "second 0");
    EXPECT_EQ(lines.back(), "second 999");
    EXPECT_EQ(FileNames(dir), (std::vector<std::string>{"t.txt", "t.txt.~tmp"}));
    EXPECT_EQ(ReadFile(dir + "/t.txt.~tmp"), "the user's own\r\n");
}

// A replaced file keeps its mode; a new one gets what a plain create under the umask gives,
// not the owner-only mode of a temporary file.
TEST(SafeFile, FilesGetTheModeAPlainSaveGives) {
    namespace fs = std::filesystem;
    std::string dir = TestDir();
    std::string kept = WriteFile(dir, "kept.txt", "old\r\n");
    fs::permissions(kept, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const std::string plain = WriteFile(dir, "plain.txt", "");
    for (const std::string& target : {kept, dir + "/new.txt"}) {
        SafeFile out(target);
        ASSERT_TRUE(out.Open());
        ASSERT_TRUE(out.WriteLine("new"));
        ASSERT_TRUE(out.Commit());
    }
    EXPECT_EQ(fs::status(kept).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(fs::status(dir + "/new.txt").permissions(), fs::status(plain).permissions());
}
