#include "core/data/read_status.h"
#include "core/data/torque_database.h"
#include "core/report/file_faults.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace {

std::vector<std::string> Page(int number, const std::string& name, const std::vector<std::string>& sizes,
                              const std::string& count = "") {
    std::vector<std::string> lines{std::to_string(number),
                                   name,
                                   "DRW-" + std::to_string(number),
                                   "2024-01-02",
                                   "1.2",
                                   "0.6",
                                   "0.3",
                                   "Bench",
                                   count.empty() ? std::to_string(sizes.size()) : count};
    lines.insert(lines.end(), sizes.begin(), sizes.end());
    return lines;
}

std::string Database(const std::string& pageCount, const std::vector<std::vector<std::string>>& pages) {
    std::vector<std::string> lines{"Ball valves", pageCount};
    for (const auto& p : pages)
        lines.insert(lines.end(), p.begin(), p.end());
    return CrLf(lines);
}

} // namespace

TEST(TorqueDatabase, ReadsTheShippedDatabases) {
    for (const char* name : {VN_SAMPLES "/ball-valves", VN_SAMPLES "/butterfly-valves"}) {
        TorqueDatabase db(name);
        EXPECT_TRUE(db.IsUsable()) << name;
        EXPECT_GE(db.GetPageCount(), 3) << name;
        for (const ValvePage& page : db.pages)
            EXPECT_GE(page.SizeCount(), 8) << page.name;
    }
}

TEST(TorqueDatabase, ReadsPagesAndPairs) {
    std::string dir = TestDir();
    TorqueDatabase db(WriteFile(
        dir, "v",
        Database("2", {Page(1, "Series A", {"15.0       8.0", "20  10.5"}), Page(2, "Series B", {"50", "40"}, "1")})));
    ASSERT_EQ(db.status, ReadComplete);
    EXPECT_EQ(db.valveName, "Ball valves");
    ASSERT_EQ(db.GetPageCount(), 2);
    const ValvePage& a = db.pages[0];
    EXPECT_EQ(a.name, "Series A");
    EXPECT_EQ(a.drawingNr, "DRW-1");
    EXPECT_FLOAT_EQ(a.seatFactor, 0.6f);
    ASSERT_EQ(a.SizeCount(), 2);
    EXPECT_FLOAT_EQ(a.sizes[1].size, 20);
    EXPECT_FLOAT_EQ(a.sizes[1].torque, 10.5f);
    // the torque on the line after the size
    ASSERT_EQ(db.pages[1].SizeCount(), 1);
    EXPECT_FLOAT_EQ(db.pages[1].sizes[0].torque, 40);
}

TEST(TorqueDatabase, StatusCodesAndSurvivors) {
    std::string dir = TestDir();
    struct Case {
        std::string content;
        int status;
        int pages;
        int lastSizes;
    } cases[] = {
        // second page numbered 3
        {Database("2", {Page(1, "A", {"1 2"}), Page(3, "B", {"1 2"})}), ReadShort, 1, 1},
        // a size count of 0 stops before that page
        {Database("2", {Page(1, "A", {"1 2"}), Page(2, "B", {}, "0")}), ReadShort, 1, 1},
        // the last page declares 5 sizes and the file ends after 3
        {Database("2", {Page(1, "A", {"1 2"}), Page(2, "B", {"1 2", "3 4", "5 6"}, "5")}), ReadShort, 2, 3},
        // a line without a number ends that page's list
        {Database("1", {Page(1, "A", {"1 2", "end", "3 4"}, "3")}), ReadShort, 1, 1},
        {Database("0", {}), ReadNoRecords, 0, 0},
        {"Only a name\r\n", ReadShort, 0, 0},
        {"", ReadShort, 0, 0},
        {Database("1e12", {Page(1, "A", {"1 2"})}), ReadShort, 1, 1},
    };
    for (const Case& c : cases) {
        TorqueDatabase db(WriteFile(dir, "v", c.content));
        EXPECT_EQ(db.status, c.status) << c.content.substr(0, 40);
        ASSERT_EQ(db.GetPageCount(), c.pages) << c.content.substr(0, 40);
        if (c.pages > 0) {
            EXPECT_EQ(db.pages.back().SizeCount(), c.lastSizes) << c.content.substr(0, 40);
        }
        EXPECT_FALSE(db.IsUsable());
    }
    TorqueDatabase missing(dir + "/none");
    EXPECT_EQ(missing.status, ReadCannotOpen);
}

TEST(TorqueDatabase, HostileContentNeverCrashes) {
    std::string dir = TestDir();
    std::string junk;
    for (int i = 0; i < 20000; ++i)
        junk += static_cast<char>((i * 104729) % 256);
    TorqueDatabase db(WriteFile(dir, "j", junk));
    EXPECT_NE(db.status, ReadComplete);

    TorqueDatabase longLines(WriteFile(
        dir, "l", Database("1", {Page(1, std::string(500, 'N'), {std::string(300, '7') + " 5"}, "99999999999")})));
    EXPECT_EQ(longLines.status, ReadShort);
    ASSERT_EQ(longLines.GetPageCount(), 1);
    EXPECT_EQ(longLines.pages[0].name.size(), 79u);
}

TEST(TorqueDatabase, WritesTheFormatAndKeepsPrecision) {
    std::string dir = TestDir();
    const std::string original =
        Database("1", {Page(1, "Series A", {"2.0        40.0", "2.346      12.5", "100.0      0.1"})});
    std::string path = WriteFile(dir, "v", original);
    TorqueDatabase db(path);
    ASSERT_EQ(db.status, ReadComplete);
    db.pages[0].safetyFactor = 1.25f;
    ASSERT_EQ(db.Write(), 1);
    std::vector<std::string> lines = ReadLines(path);
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[6], "1.25");
    EXPECT_EQ(lines[7], "0.6");
    EXPECT_EQ(lines[11], "2.0        40.0");
    EXPECT_EQ(lines[12], "2.346      12.5");
    EXPECT_EQ(lines[13], "100.0      0.1");

    TorqueDatabase again(path);
    EXPECT_FLOAT_EQ(again.pages[0].sizes[1].size, 2.346f);
    EXPECT_FLOAT_EQ(again.pages[0].safetyFactor, 1.25f);
}

TEST(TorqueDatabase, ATorqueTooLargeForAFloatSurvivesASave) {
    std::string dir = TestDir();
    std::string path = WriteFile(dir, "v", Database("1", {Page(1, "A", {"65.0 " + std::string(60, '9')})}));
    TorqueDatabase db(path);
    ASSERT_EQ(db.status, ReadComplete);
    ASSERT_TRUE(std::isinf(db.pages[0].sizes[0].torque));
    ASSERT_EQ(db.Write(), 1);
    TorqueDatabase again(path);
    EXPECT_TRUE(std::isinf(again.pages[0].sizes[0].torque));
}

TEST(TorqueDatabase, OpenAndSaveLeavesAOneDecimalFileByteForByte) {
    std::string dir = TestDir();
    std::filesystem::copy_file(VN_SAMPLES "/ball-valves", dir + "/ball-valves");
    const std::string before = ReadFile(dir + "/ball-valves");
    TorqueDatabase db(dir + "/ball-valves");
    ASSERT_EQ(db.Write(), 1);
    EXPECT_EQ(ReadFile(dir + "/ball-valves"), before);
}

TEST(TorqueDatabase, SaveAsMovesTheNameOnlyOnSuccess) {
    std::string dir = TestDir();
    std::string path = WriteFile(dir, "v", Database("1", {Page(1, "A", {"1 2"})}));
    TorqueDatabase db(path);
    EXPECT_EQ(db.Write(dir + "/missing/copy"), -1);
    EXPECT_EQ(db.status, -1);
    EXPECT_EQ(db.GetFileName(), path);
    EXPECT_EQ(db.Write(dir + "/copy"), 1);
    EXPECT_EQ(db.GetFileName(), dir + "/copy");
    EXPECT_EQ(TorqueDatabase(dir + "/copy").pages[0].name, "A");
}

TEST(TorqueDatabase, AFailedWriteLeavesTheOldFile) {
    std::string dir = TestDir();
    const std::string content = Database("1", {Page(1, "A", {"1 2"})});
    std::string path = WriteFile(dir, "v", content);
    TorqueDatabase db(path);
    db.pages[0].name = "Changed";
    file_faults::FailCreate(true); // the temporary file cannot be made
    EXPECT_EQ(db.Write(), -1);
    file_faults::Reset();
    EXPECT_EQ(ReadFile(path), content);
    EXPECT_EQ(db.pages[0].name, "Changed");
}

TEST(TorqueDatabase, DeletePageAndSize) {
    std::string dir = TestDir();
    TorqueDatabase db(WriteFile(
        dir, "v", Database("3", {Page(1, "A", {"1 2"}), Page(2, "B", {"3 4", "5 6"}), Page(3, "C", {"7 8"})})));
    ASSERT_TRUE(db.DeleteSize(1, 0));
    ASSERT_EQ(db.pages[1].SizeCount(), 1);
    EXPECT_FLOAT_EQ(db.pages[1].sizes[0].size, 5);
    ASSERT_TRUE(db.DeletePage(0));
    EXPECT_EQ(db.GetPageCount(), 2);
    EXPECT_EQ(db.pages[0].name, "B");
    EXPECT_FALSE(db.DeletePage(2));
    EXPECT_FALSE(db.DeleteSize(0, 5));
    EXPECT_FALSE(db.DeleteSize(-1, 0));
}
