#include "core/report/table_text.h"
#include "core/sizing/datasheet_bodies.h"
#include "test_support.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

TEST(ScreenDatasheets, InputLinesOnlyForTheFieldsAScreenHas) {
    InputLines in;
    in.actuatorTitle = "Varnox RP rack and pinion";
    EXPECT_EQ(InputLinesText(in), (Lines{"Actuator        = Varnox RP rack and pinion"}));
    in.pressure = 5.5f;
    in.pressureUnit = "bar";
    in.valveType = "Ball Valve";
    in.safety = 1.2f;
    in.seating = 0.6f;
    in.running = 0.3f;
    in.action = "Fail Close";
    EXPECT_EQ(InputLinesText(in),
              (Lines{"Actuator        = Varnox RP rack and pinion", "Pressure        = 5.5 bar",
                     "Valve Type      = Ball Valve", "Safety Factor   = 1.2", "Seating Factor  = 0.6",
                     "Running Factor  = 0.3", "Action          = Fail Close"}));
}

TEST(ScreenDatasheets, GenericBodyFramesTheTableWithEmptyLines) {
    InputLines in;
    in.actuatorTitle = "T";
    std::vector<TableColumn> cols{{{"Actuator"}, {"RPD 15"}}, {{"Torque", "[Nm]"}, {"15"}}};
    Lines body = GenericScreenBody(in, cols);
    EXPECT_EQ(body, (Lines{"Actuator        = T", "", "", "Actuator  Torque", "          [Nm]  ",
                           std::string(16, '_'), "", "RPD 15    15    ", "", ""}));
}

TEST(ScreenDatasheets, DatabaseSheetPutsTheNotesOnLine47) {
    std::string dir = TestDir();
    DatabaseSheet sheet;
    sheet.hasDatabase = true;
    sheet.valveName = "Ball valves";
    sheet.pageName = "Floating ball, full bore";
    sheet.inputs.actuatorTitle = "Varnox RP";
    sheet.inputs.pressure = 5.5f;
    sheet.inputs.pressureUnit = "bar";
    sheet.inputs.action = "Fail Close";
    sheet.columns = {{{"Size"}, {"50"}},
                     {{"Torque", "[Nm]"}, {"40"}},
                     {{"Torque", "incl.SF"}, {"48"}},
                     {{"Actuator", "Double Acting"}, {"RPD 80"}},
                     {{"Actuator", "Spring Return"}, {"RPS 120"}},
                     {{"Spring Set"}, {"12"}}};
    sheet.safety = 1.2f;
    sheet.seatingText = "0.6";
    sheet.runningText = "0.3";
    sheet.source = "Bench test 2023";

    DatasheetFrame frame;
    frame.banner = kPneumaticBanner;
    frame.versionText = kPneumaticVersionText;
    frame.place = "Rotterdam";
    frame.reference = "VB-2140-C";
    frame.date = {6, 12, 2026};
    Textfile file(dir + "/sheet.txt");
    ASSERT_TRUE(WriteDatabaseDatasheet(file, frame, "Database Sizing ", sheet));
    EXPECT_EQ(ReadFile(dir + "/sheet.txt"), ReadFile(VN_TEST_DATA "/sheet_database_core.txt"));

    std::vector<std::string> lines = ReadLines(dir + "/sheet.txt");
    ASSERT_EQ(lines.size(), 58u);
    EXPECT_EQ(lines[10], "SIZING DATA FOR:");
    EXPECT_EQ(lines[45], "");
    EXPECT_EQ(lines[46], "Note:  1) Safety factor included 1.2");
    EXPECT_EQ(lines[50], "       5) Valve torque is from: Bench test 2023");
    EXPECT_EQ(lines[56].substr(44), " VB-2140-C 06-12-2026");
}
