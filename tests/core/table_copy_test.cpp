#include "core/tables/table_copy.h"

#include <gtest/gtest.h>

namespace {

// The spring-return sizing table as the screen holds it: units in the second header
// line of some columns only, and a fail action that the table lines up with blanks.
std::vector<TableColumn> SpringReturnTable() {
    return {{{"Torque", "[Nm]"}, {"100", "250"}},
            {{"Break", "[Nm]"}, {"120", "300"}},
            {{"Actuator", "Type"}, {"RPS 120", "---"}},
            {{"Spring Set"}, {"12", ""}},
            {{"Fail Action"}, {"  FO", "FC"}}};
}

} // namespace

TEST(TableCopy, ARowIsOneCellPerColumnWithoutTheBlanksThatLineItUp) {
    EXPECT_EQ(CopiedRow(SpringReturnTable(), 0), "100\t120\tRPS 120\t12\tFO");
    // an empty cell keeps its place, so the next value stays in its own column
    EXPECT_EQ(CopiedRow(SpringReturnTable(), 1), "250\t300\t---\t\tFC");
    EXPECT_EQ(CopiedRow(SpringReturnTable(), 2), "");
    EXPECT_EQ(CopiedRow({}, 0), "");
}

TEST(TableCopy, TheTableStartsWithBothHeaderLines) {
    EXPECT_EQ(CopiedTable(SpringReturnTable()), "Torque\tBreak\tActuator\tSpring Set\tFail Action\n"
                                                "[Nm]\t[Nm]\tType\t\t\n"
                                                "100\t120\tRPS 120\t12\tFO\n"
                                                "250\t300\t---\t\tFC");
    // an empty table still says what its columns are
    const std::vector<TableColumn> empty{{{"Size"}, {}}, {{"Torque", "[in.lb]"}, {}}};
    EXPECT_EQ(CopiedTable(empty), "Size\tTorque\n\t[in.lb]");
    EXPECT_EQ(CopiedTable({}), "");
}

TEST(TableCopy, TabsAndLineBreaksInACellCannotSplitIt) {
    const std::vector<TableColumn> table{{{"Page"}, {"Ball\tvalves\r\nPN40"}}, {{"Torque"}, {"8.0"}}};
    EXPECT_EQ(CopiedRow(table, 0), "Ball valves  PN40\t8.0");
    // rows are the first column's lines; a shorter column leaves its cells empty
    const std::vector<TableColumn> ragged{{{"A"}, {"1", "2"}}, {{"B"}, {"x"}}};
    EXPECT_EQ(CopiedRow(ragged, 1), "2\t");
}
