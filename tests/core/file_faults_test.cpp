// Every save of the core under a failing disk: the failure is reported and the previous
// file stays byte for byte.
#include "core/data/torque_database.h"
#include "core/report/datasheet_frame.h"
#include "core/report/file_faults.h"
#include "core/settings/settings.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class FileFaults : public ::testing::Test {
protected:
    void TearDown() override { file_faults::Reset(); }
};

// The ways a write can fail: midway (no space, I/O error), at the start, or at the end.
void Inject(int kind) {
    switch (kind) {
    case 0:
        file_faults::FailWritesAfter(20);
        break;
    case 1:
        file_faults::FailWritesAfter(0);
        break;
    case 2:
        file_faults::FailCreate(true);
        break;
    default:
        file_faults::FailRename(true);
        break;
    }
}

// Temporary files are named "<target>.~" and six characters of their own.
bool NoTemporaryFiles(const std::string& dir) {
    for (const std::string& name : FileNames(dir))
        if (name.find(".~") != std::string::npos)
            return false;
    return true;
}

} // namespace

TEST_F(FileFaults, SettingsKeepTheirOldFile) {
    for (int kind = 0; kind < 4; ++kind) {
        std::string dir = TestDir();
        const std::string old = "PLACE = Old\r\nUNITS = IMPERIAL\r\n";
        std::string path = WriteFile(dir, "sizkav.set", old);
        Settings s(path);
        s.Place = "New";
        Inject(kind);
        EXPECT_EQ(s.WriteSettings(), -1) << kind;
        file_faults::Reset();
        EXPECT_EQ(ReadFile(path), old) << kind;
        EXPECT_TRUE(NoTemporaryFiles(dir)) << kind;
        EXPECT_EQ(s.Place, "New"); // the record in memory keeps what the user chose
    }
}

TEST_F(FileFaults, ValveDatabaseSaveAndSaveAsKeepTheOldFiles) {
    for (int kind = 0; kind < 4; ++kind) {
        std::string dir = TestDir();
        std::filesystem::copy_file(VN_SAMPLES "/ball-valves", dir + "/valves");
        const std::string old = ReadFile(dir + "/valves");
        TorqueDatabase db(dir + "/valves");
        db.pages[0].name = "Renamed";
        Inject(kind);
        EXPECT_EQ(db.Write(), -1) << kind;
        EXPECT_EQ(db.status, -1) << kind;
        EXPECT_EQ(db.Write(dir + "/copy"), -1) << kind;
        file_faults::Reset();
        EXPECT_EQ(ReadFile(dir + "/valves"), old) << kind;
        EXPECT_FALSE(std::filesystem::exists(dir + "/copy")) << kind;
        EXPECT_EQ(db.GetFileName(), dir + "/valves") << kind;
        EXPECT_EQ(db.pages[0].name, "Renamed") << kind; // the edit is not lost either
        EXPECT_TRUE(NoTemporaryFiles(dir)) << kind;
        EXPECT_EQ(db.Write(), 1);
    }
}

TEST_F(FileFaults, DatasheetWritesReportFailure) {
    std::string dir = TestDir();
    DatasheetFrame frame;
    frame.banner = kPneumaticBanner;
    frame.versionText = kPneumaticVersionText;
    for (int kind = 0; kind < 3; ++kind) {
        Textfile file(dir + "/sheet.txt");
        Inject(kind);
        EXPECT_FALSE(WriteDatasheet(file, frame, "T", 2, {"a", "b"})) << kind;
        file_faults::Reset();
    }
}
