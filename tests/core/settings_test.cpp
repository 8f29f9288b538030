#include "core/report/file_faults.h"
#include "core/settings/settings.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

Settings ReadFrom(const std::string& content) {
    std::string dir = TestDir();
    return Settings(WriteFile(dir, "sizkav.set", content));
}

} // namespace

TEST(Settings, MissingFileGivesDefaultsAndWritesNineLines) {
    std::string dir = TestDir();
    Settings s(dir + "/sizkav.set");
    EXPECT_EQ(s.Language, Settings::English);
    EXPECT_EQ(s.ActuatorFile, "");
    EXPECT_EQ(s.Units, Settings::Metric);
    EXPECT_FLOAT_EQ(s.Pressure, 4.0f);
    EXPECT_EQ(s.WriteSettings(), 1);
    EXPECT_EQ(
        ReadLines(dir + "/sizkav.set"),
        (std::vector<std::string>{"Varnox Engineering & Sizing Application", "Configuration File", "", "LANGUAGE = UK",
                                  "ACTUATOR = ", "VALVE = ", "UNITS = METRIC", "PRESSURE = 4.000000", "PLACE = "}));
}

TEST(Settings, WrittenFileReadsBack) {
    std::string dir = TestDir();
    Settings s(dir + "/sizqu.set");
    s.Language = Settings::French;
    s.ActuatorFile = "range.qu";
    s.ValveFile = "ball-valves";
    s.Units = Settings::Imperial;
    s.Pressure = 87.5f;
    s.Place = "Delft  ";
    ASSERT_EQ(s.WriteSettings(), 1);
    Settings t(dir + "/sizqu.set");
    EXPECT_EQ(t.Language, Settings::French);
    EXPECT_EQ(t.ActuatorFile, "range.qu");
    EXPECT_EQ(t.ValveFile, "ball-valves");
    EXPECT_EQ(t.Units, Settings::Imperial);
    EXPECT_FLOAT_EQ(t.Pressure, 87.5f);
    EXPECT_EQ(t.Place, "Delft  ");
}

TEST(Settings, ReaderToleranceRules) {
    Settings onlyPlace = ReadFrom("place = Rotterdam  \r\n");
    EXPECT_EQ(onlyPlace.Place, "Rotterdam  ");
    EXPECT_FLOAT_EQ(onlyPlace.Pressure, 4.0f);

    struct LanguageCase {
        const char* value;
        int language;
    } languages[] = {{"de", Settings::German}, {"dutch", Settings::German}, {"nl", Settings::Dutch},
                     {"Fr", Settings::French}, {"es", Settings::English},   {"uk", Settings::English}};
    for (const auto& c : languages)
        EXPECT_EQ(ReadFrom(std::string("LANGUAGE = ") + c.value + "\r\n").Language, c.language) << c.value;

    EXPECT_EQ(ReadFrom("UNITS = imperialistic\r\n").Units, Settings::Imperial);
    EXPECT_EQ(ReadFrom("UNITS = ImPeRiAl\r\n").Units, Settings::Imperial);
    EXPECT_EQ(ReadFrom("UNITS =\r\n").Units, Settings::Metric);

    EXPECT_EQ(ReadFrom("ACTUATOR = <none>\r\n").ActuatorFile, "");
    EXPECT_EQ(ReadFrom("ACTUATOR = " + std::string(150, 'a') + "\r\n").ActuatorFile, std::string(99, 'a'));
    // what stands between the key word and "=" is not examined
    EXPECT_EQ(ReadFrom("  \tActuator file=\t range.kav\r\n").ActuatorFile, "range.kav");
    EXPECT_FLOAT_EQ(ReadFrom("PRESSURE = high\r\n").Pressure, 0.0f);
    EXPECT_FLOAT_EQ(ReadFrom("PRESSURE=5.5 bar\r\n").Pressure, 5.5f);
    // a line without "=" or with an unknown key means nothing
    Settings ignored = ReadFrom("LANGUAGE NL\r\nCOLOUR = red\r\n");
    EXPECT_EQ(ignored.Language, Settings::English);
}

TEST(Settings, CountsRecognisedLines) {
    std::string dir = TestDir();
    Settings s(WriteFile(dir, "s.set", "x\r\nLANGUAGE = es\r\nVALVE = v\r\nfoo = bar\r\n"));
    EXPECT_EQ(s.ReadSettings(), 2);
}

TEST(Settings, AFailedWriteKeepsTheOldFile) {
    std::string dir = TestDir();
    std::string path = WriteFile(dir, "sizkav.set", "PLACE = Old\r\n");
    Settings s(path);
    s.Place = "New";
    file_faults::FailCreate(true); // the temporary file cannot be made
    EXPECT_EQ(s.WriteSettings(), -1);
    file_faults::Reset();
    EXPECT_EQ(ReadFile(path), "PLACE = Old\r\n");

    Settings unnamed("");
    EXPECT_EQ(unnamed.WriteSettings(), 0);
}
