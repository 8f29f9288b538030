// The three tools with a result table: actuator speed, air tank and shaft torsion.
#include "actuator_files.h"
#include "core/data/torque_t.h"
#include "core/report/datasheet_frame.h"
#include "core/text/load_string.h"
#include "core/text/text_util.h"
#include "core/tools/actuator_speed.h"
#include "core/tools/air_tank.h"
#include "core/tools/torsion.h"
#include "core/units/conversions.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

constexpr int kMetric = 0;
constexpr int kImperial = 1;

using Rows = std::vector<ToolRow>;

const TorqueT& Sample() {
    static const TorqueT data(VN_SAMPLES "/varnox-rp.kav");
    return data;
}

// The table as the result list hands it to the datasheet.
std::vector<TableColumn> Table(const std::vector<ToolHeader>& headers, const Rows& rows) {
    std::vector<TableColumn> table;
    for (std::size_t c = 0; c < headers.size(); ++c) {
        TableColumn column;
        column.header.push_back(headers[c].title);
        if (!headers[c].unit.empty())
            column.header.push_back("[" + headers[c].unit + "]");
        for (const ToolRow& row : rows)
            column.cells.push_back(row[c]);
        table.push_back(std::move(column));
    }
    return table;
}

void ExpectSheet(const std::string& title, const std::vector<std::string>& body, const std::string& expected) {
    const std::string dir = TestDir();
    DatasheetFrame frame;
    frame.banner = kPneumaticBanner;
    frame.versionText = kPneumaticVersionText;
    frame.place = "Rotterdam";
    frame.date = {6, 12, 2026};
    Textfile file(dir + "/sheet.txt");
    ASSERT_TRUE(WriteDatasheet(file, frame, title, 3, body));
    EXPECT_EQ(ReadFile(dir + "/sheet.txt"), ReadFile(std::string(VN_TEST_DATA "/") + expected))
        << "written: " << dir << "/sheet.txt";
}

} // namespace

TEST(ActuatorSpeed, OneRowPerRecordInFileOrder) {
    ASSERT_EQ(Sample().GetCount(), 16);
    Rows rows;
    ASSERT_TRUE(ActuatorSpeedRows(Sample(), "5.5", "1", kMetric, rows));
    ASSERT_EQ(rows.size(), 16u);
    EXPECT_EQ(rows[0], (ToolRow{"RPS 15", "0.32"}));
    EXPECT_EQ(rows[1], (ToolRow{"RPS 23", "0.33"}));
    EXPECT_EQ(rows[2], (ToolRow{"RPS 35", "0.35"}));
    EXPECT_EQ(rows[3], (ToolRow{"RPS 52", "0.37"}));
    ASSERT_TRUE(ActuatorSpeedRows(Sample(), "6", "2.5", kMetric, rows));
    EXPECT_EQ(rows[0][1], "0.31");
    EXPECT_EQ(rows[3][1], "0.34");
}

TEST(ActuatorSpeed, ImperialInputsAreConvertedFirst) {
    Rows metric, imperial;
    ASSERT_TRUE(ActuatorSpeedRows(Sample(), "6", "1", kMetric, metric));
    // 87 psi is 6 bar and Cv 0.85 is Kv 1
    ASSERT_TRUE(ActuatorSpeedRows(Sample(), "87", "0.85", kImperial, imperial));
    EXPECT_EQ(imperial, metric);
}

TEST(ActuatorSpeed, FlowCoefficientMustBeAboveZero) {
    Rows rows{{"left", "over"}};
    for (const char* flow : {"", "0", "-2", "-", "nan"}) {
        EXPECT_FALSE(ActuatorSpeedRows(Sample(), "6", flow, kMetric, rows)) << flow;
        EXPECT_TRUE(rows.empty());
    }
    // the pressure is not checked: any value goes into the formula
    EXPECT_TRUE(ActuatorSpeedRows(Sample(), "-3", "1", kMetric, rows));
    EXPECT_EQ(rows.size(), 16u);
}

TEST(ActuatorSpeed, Datasheet) {
    Rows rows;
    ASSERT_TRUE(ActuatorSpeedRows(Sample(), "5.5", "1.2", kMetric, rows));
    ExpectSheet(LoadString(8),
                ActuatorSpeedDatasheetBody("5.5", "bar", "1.2", kMetric, Table(ActuatorSpeedHeaders(), rows)),
                "tool_actuator_speed.txt");
}

TEST(ActuatorSpeed, DatasheetBeforeAnyCalculation) {
    const std::vector<std::string> body =
        ActuatorSpeedDatasheetBody("79.75", "psi", "", kImperial, Table(ActuatorSpeedHeaders(), {}));
    EXPECT_EQ(body, (std::vector<std::string>{
                        "Pressure        = 79.8 psi", "Pilot Valve Cv  = 0.0", "", "", "Actuator     Appoximate Time",
                        "             [sec]        ", std::string(28, '_'), "", "Note:", "",
                        "Air porting may have to be enlarged to achieve very fast", "operating times."}));
}

TEST(AirTank, FallingPressureAndTorque) {
    EXPECT_EQ(AirTankActuatorNames(Sample()).front(), "RPD 15");
    EXPECT_EQ(AirTankActuatorNames(Sample()).size(), 16u);
    // each stroke leaves V / (V + 0.049 l) of the pressure
    EXPECT_EQ(
        AirTankRows(Sample(), 0, "6", "0.1", "4", kMetric),
        (Rows{{"Initial", "6.0", "15"}, {"1", "4.0", "10"}, {"2", "2.7", "7"}, {"3", "1.8", "4"}, {"4", "1.2", "3"}}));
}

TEST(AirTank, OperationsAreRounded) {
    const struct {
        const char* typed;
        int operations;
    } cases[] = {{"2.4", 2}, {"2.5", 3}, {"0", 0}, {"-3", -2}, {"", 0}, {"9999999", kMaxAirTankOperations}};
    for (const auto& c : cases) {
        EXPECT_EQ(AirTankOperations(c.typed), c.operations) << c.typed;
        EXPECT_EQ(AirTankRows(Sample(), 3, "6", "5", c.typed, kMetric).size(),
                  static_cast<std::size_t>(std::max(c.operations, 0)) + 1)
            << c.typed;
    }
}

TEST(AirTank, ImperialStartRowShowsThePressureAsTyped) {
    const Rows rows = AirTankRows(Sample(), 0, "87", "6.1013", "1", kImperial);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][1], "87.0");
    // 6 bar on the actuator of 2.643 Nm/bar - 0.46 Nm, in in.lb
    EXPECT_EQ(rows[0][2], Format("%.0f", NmToInLb(2.643f * PsiToBar(87) - 0.46f)));
    // 0.1 litre of tank
    EXPECT_EQ(rows[1][1], Format("%.1f", BarToPsi(PsiToBar(87) * 0.1f / 0.149f)));
}

TEST(AirTank, NothingBelowZero) {
    // below the actuator's own offset the torque would be negative: 0 is shown, also at the start
    EXPECT_EQ(AirTankRows(Sample(), 0, "0.1", "1", "1", kMetric), (Rows{{"Initial", "0.1", "0"}, {"1", "0.1", "0"}}));
    // an empty tank has nothing to give after the first stroke
    EXPECT_EQ(AirTankRows(Sample(), 0, "6", "0", "2", kMetric),
              (Rows{{"Initial", "6.0", "15"}, {"1", "0.0", "0"}, {"2", "0.0", "0"}}));
    EXPECT_EQ(AirTankRows(Sample(), 0, "-2", "1", "1", kMetric)[1], (ToolRow{"1", "0.0", "0"}));
}

TEST(AirTank, NoRowsWithoutAnActuator) {
    EXPECT_TRUE(AirTankRows(Sample(), -1, "6", "1", "3", kMetric).empty());
    EXPECT_TRUE(AirTankRows(Sample(), 16, "6", "1", "3", kMetric).empty());
    EXPECT_TRUE(AirTankRows(TorqueT("none", {}), 0, "6", "1", "3", kMetric).empty());
}

TEST(AirTank, Datasheet) {
    const Rows rows = AirTankRows(Sample(), 0, "6", "0.1", "4", kMetric);
    ExpectSheet(LoadString(9),
                AirTankDatasheetBody("6.0", "bar", "RPD 15", "4", "0.1", kMetric, Table(AirTankHeaders(kMetric), rows)),
                "tool_air_tank.txt");
}

TEST(AirTank, TankUnitStaysEnglish) {
    SetStringLookup([](int id) { return "#" + std::to_string(id); });
    const std::vector<std::string> body =
        AirTankDatasheetBody("87", "#46", "RPD 15", "2.5", "100", kImperial, Table(AirTankHeaders(kImperial), {}));
    SetStringLookup({});
    EXPECT_EQ(body[2], "#55             = 87.0 #46");
    EXPECT_EQ(body[4], "#117            = 3");
    EXPECT_EQ(body[5], "#118            = 100 cu.in");
    EXPECT_EQ(body[9], "             [#46]        [#44]        ");
}

TEST(Torsion, WorkedExampleAndItsImperialTwin) {
    EXPECT_EQ(TorsionRow("100", "20", "500", kMetric), (ToolRow{"100", "20", "500", "64", "2.20"}));
    // as typed into 7-character fields: 885 in.lb, 20 mm and 500 mm in inches
    EXPECT_EQ(TorsionRow("885", "0.78740", "19.6850", kImperial),
              (ToolRow{"885", "0.78740", "19.6850", "9212", "2.20"}));
}

TEST(Torsion, InputsShownAsTyped) {
    EXPECT_EQ(TorsionRow("100.0", "20", "500", kMetric), (ToolRow{"100.0", "20", "500", "64", "2.20"}));
    EXPECT_EQ(TorsionRow("-100", "20", "500", kMetric), (ToolRow{"-100", "20", "500", "-64", "-2.20"}));
    EXPECT_EQ(TorsionRow("100", "0", "500", kMetric), (ToolRow{"100", "0", "500", "---", "---"}));
    EXPECT_EQ(TorsionRow("", "", "", kImperial), (ToolRow{"", "", "", "---", "---"}));
}

TEST(Torsion, HeadersFollowTheUnitSystem) {
    const std::vector<ToolHeader> metric = TorsionHeaders(kMetric);
    const std::vector<ToolHeader> imperial = TorsionHeaders(kImperial);
    ASSERT_EQ(metric.size(), 5u);
    EXPECT_EQ(metric[3].unit, "N/mm^2");
    EXPECT_EQ(imperial[0].unit, "in.lb");
    EXPECT_EQ(imperial[2].unit, "inch");
    EXPECT_EQ(imperial[3].unit, "lb/in^2");
    EXPECT_EQ(imperial[4].unit, "Degrees");
}

TEST(Torsion, Datasheet) {
    const Rows rows{TorsionRow("100", "20", "500", kMetric), TorsionRow("100.0", "0", "500", kMetric),
                    TorsionRow("2500", "35.5", "1200", kMetric)};
    ExpectSheet(LoadString(119), TorsionDatasheetBody(Table(TorsionHeaders(kMetric), rows)), "tool_torsion.txt");
}
