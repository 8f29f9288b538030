#include "core/report/table_text.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

TEST(GenericTableText, ColumnsAsWideAsTheirLongestText) {
    std::vector<TableColumn> cols{{{"Torque", "[Nm]"}, {"100", "2500"}},
                                  {{"Torque", "incl.SF"}, {"120", "3000"}},
                                  {{"Actuator"}, {"RPD 52", "---"}}};
    EXPECT_EQ(GenericTableText(cols),
              (Lines{"Torque  Torque   Actuator", "[Nm]    incl.SF          ", std::string(25, '_'), "",
                     "100     120      RPD 52  ", "2500    3000     ---     "}));
}

TEST(FixedTableText, CellFormatAndUnderlineRule) {
    std::vector<TableColumn> cols{{{"Torque", "[Nm]"}, {"100"}}, {{"Time"}, {"12345678901234"}}};
    Lines twelve = FixedTableText(cols, 12, " ", 2);
    EXPECT_EQ(twelve, (Lines{"Torque       Time         ", "[Nm]                      ", std::string(26, '_'), "",
                             "100          12345678901234 "}));
    Lines thirteen = FixedTableText(cols, 13, "", 1);
    EXPECT_EQ(thirteen[0], "Torque       Time         ");
    EXPECT_EQ(thirteen[2], std::string(26, '_'));
}

TEST(GroupedTableText, SpringReturnTable) {
    std::vector<TableColumn> cols{{{"Torque", "[Nm]"}, {"100"}},       {{"Break", "[Nm]"}, {"120"}},
                                  {{"Run", "[Nm]"}, {"36"}},           {{"Seat", "[Nm]"}, {"72"}},
                                  {{"Actuator", "Type"}, {"RPS 120"}}, {{"Spring Set"}, {"12"}},
                                  {{"Fail Action"}, {"  FO"}}};
    Lines lines = SpringReturnTableText(cols, {"Valve", "Torque", "Actuator"});
    std::string underline(60, '_');
    underline.replace(24, 3, "   ");
    EXPECT_EQ(lines, (Lines{"VALVE TORQUE [Nm]          ACTUATOR", "",
                            "Torque  Break  Run  Seat   Type      Spring Set  Fail Action  ", underline, "",
                            "100     120    36   72     RPS 120   12            FO         "}));
}

TEST(GroupedTableText, ElectricSizingTableEndsRowsWithTheActuatorTorques) {
    std::vector<TableColumn> cols{{{"Torque", "[Nm]"}, {"100", "9000"}},
                                  {{"Break", "[Nm]"}, {"120", "10800"}},
                                  {{"Run", "[Nm]"}, {"30", "2700"}},
                                  {{"Actuator", "Type"}, {"EM 160", "---"}}};
    Lines lines = ElectricSizingTableText(
        cols, {"Valve", "Torque", "Actuator"},
        {ElectricTorqueSuffix(true, 160, 122, false), ElectricTorqueSuffix(false, 0, 0, false)});
    // the third column gets one character more
    std::string underline(49, '_');
    underline.replace(19, 3, "   ");
    EXPECT_EQ(lines[0], "VALVE TORQUE [Nm]     ACTUATOR");
    EXPECT_EQ(lines[2], "Torque  Break  Run    Type      Break/Seat  Run    ");
    EXPECT_EQ(lines[3], underline);
    EXPECT_EQ(lines[5], "100     120    30     EM 160    160         122");
    EXPECT_EQ(lines[6], "9000    10800  2700   ---       ---         ---");
}

TEST(GroupedTableText, ElectricTorquesInImperialAreCutToWholeNumbers) {
    EXPECT_EQ(ElectricTorqueSuffix(true, 100, 75, true), "885         663");
}

TEST(GroupedTableText, DatabaseTables) {
    std::vector<TableColumn> pneumatic{{{"Size"}, {"50", "62.5"}},
                                       {{"Torque", "[Nm]"}, {"40", "150"}},
                                       {{"Torque", "incl.SF"}, {"48", "180"}},
                                       {{"Actuator", "Double Acting"}, {"RPD 52", "---"}},
                                       {{"Actuator", "Spring Return"}, {"RPS 80", "---"}},
                                       {{"Spring Set"}, {"12", ""}}};
    Lines lines = DatabaseTableText(pneumatic, {"Valve", "Torque", "Actuator"}, false);
    std::string underline(63, '_');
    underline.replace(21, 2, "  ");
    EXPECT_EQ(lines, (Lines{"VALVE                  ACTUATOR", "",
                            "Size  Torque  incl.SF  Double Acting  Spring Return  Spring Set  ", underline, "",
                            "50    40      48       RPD 52         RPS 80         12          ",
                            "62.5  150     180      ---            ---                        "}));

    std::vector<TableColumn> electric{{{"Size"}, {"80"}},           {{"Torque", "[Nm]"}, {"90"}},
                                      {{"Break", "[Nm]"}, {"108"}}, {{"Run", "[Nm]"}, {"32"}},
                                      {{"Seat", "[Nm]"}, {"65"}},   {{"Actuator", "Type"}, {"EM 160"}}};
    Lines e = DatabaseTableText(electric, {"Klep", "Koppel", "Aandrijving"}, true, {"160         122"});
    EXPECT_EQ(e[0], "KLEP" + std::string(29, ' ') + "AANDRIJVING");
    EXPECT_EQ(e[2], "Size  Torque  Break  Run   Seat  Type      Break/Seat  Run    ");
    EXPECT_EQ(e[3].size(), 60u);
    EXPECT_EQ(e[3].substr(30, 4), "_  _");
    EXPECT_EQ(e[5], "80    90      108    32    65    EM 160    160         122");
}
