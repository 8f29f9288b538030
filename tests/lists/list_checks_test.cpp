// The checks beside a list's sizing: the largest output against the MAST, the air, the
// stroke time, and the summary a reviewer reads.
#include "core/data/torque_e.h"
#include "core/data/torque_t.h"
#include "core/sizing/checks.h"
#include "core/text/text_util.h"
#include "core/units/conversions.h"
#include "list_support.h"
#include "lists/list_summary.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const std::string kSamples = VN_SAMPLES;

// The largest output of a row sized without a MAST, in the list's units.
float MaxOutputOf(ListSizer& sizer, const std::string& row, bool imperial) {
    const Sized s = SizeText(sizer, "Tag,Action,Torque,Pressure,Pressure max,MAST\n" + row + ",\n");
    EXPECT_EQ(s.rows.at(0).status, RowStatus::Ok) << Status(s.rows.at(0));
    const float nm = s.rows.at(0).maxOutputNm;
    return imperial ? NmToInLb(nm) : nm;
}

} // namespace

// A MAST exactly at the largest output passes; one float step below it fails, naming the
// actuator, its output at the highest pressure and the MAST. Metric and imperial alike, for
// both spring-return actions and double acting.
TEST(ListChecks, TheMastIsMetOrNot) {
    TorqueT pneumatic(kSamples + "/varnox-rp.kav");
    for (const bool imperial : {false, true}) {
        ListSizer sizer(pneumatic, nullptr, {imperial, imperial ? 80.0f : 5.5f});
        const std::string p = imperial ? "80,116" : "5.5,8";
        for (const std::string action : {"FC", "FO", "DA"}) {
            const std::string start = "V," + action + "," + (imperial ? "400," : "45,") + p;
            const float output = MaxOutputOf(sizer, start, imperial);
            ASSERT_GT(output, 0);
            const Sized at = SizeText(sizer, "Tag,Action,Torque,Pressure,Pressure max,MAST\n" + start + "," +
                                                 ShortestFloat(output) + "\n");
            EXPECT_EQ(at.rows[0].status, RowStatus::Ok) << action << ": " << Status(at.rows[0]);
            EXPECT_EQ(Cell(at, 0, "MAST margin"), "0.0");
            const float below = std::nextafter(output, 0.0f);
            const Sized over = SizeText(sizer, "Tag,Action,Torque,Pressure,Pressure max,MAST\n" + start + "," +
                                                   ShortestFloat(below) + "\n");
            ASSERT_EQ(over.rows[0].status, RowStatus::CheckFailed) << action;
            const std::string status = Status(over.rows[0]);
            EXPECT_EQ(status.rfind("check failed: RP", 0), 0u) << status;
            EXPECT_NE(status.find(imperial ? " in.lb at 116 psi, above the valve's MAST of " + ShortestFloat(below) +
                                                 " in.lb"
                                           : " Nm at 8 bar, above the valve's MAST of " + ShortestFloat(below) + " Nm"),
                      std::string::npos)
                << status;
            // the actuator stays on the row
            EXPECT_EQ(Cell(over, 0, "Actuator"), Cell(at, 0, "Actuator"));
        }
    }
}

// Spring return at the highest pressure: the air stroke there or the spring, whichever is
// larger; the highest pressure is checked against the range and the sizing pressure.
TEST(ListChecks, TheHighestPressure) {
    TorqueT pneumatic(kSamples + "/varnox-rp.kav");
    ListSizer sizer(pneumatic, nullptr, {false, 5.5f});
    const Sized s = SizeText(sizer, "Tag,Action,Torque,Pressure,Pressure max\n"
                                    "A,FC,45,5.5,8\nB,FO,300,4,\nC,FC,45,5.5,4\nD,FC,45,5.5,12\nE,DA,45,5.5,5.5\n");
    const SizedRow& a = s.rows[0];
    ASSERT_EQ(a.status, RowStatus::Ok);
    float start = 0, end = 0, springStart = 0, springEnd = 0;
    pneumatic.SrTorque(a.outcome.index, static_cast<float>(a.outcome.springUnits), 8, start, end, springStart,
                       springEnd);
    EXPECT_FLOAT_EQ(a.maxOutputNm, std::max({start, end, springStart, springEnd}));
    EXPECT_TRUE(a.hasPressureMax);
    // empty: the sizing pressure, and the spring of a fail-open row outdoes its air there
    const SizedRow& b = s.rows[1];
    EXPECT_FALSE(b.hasPressureMax);
    EXPECT_EQ(b.warnings.at(0), "Pressure max empty: 4 bar used (the row's Pressure)");
    EXPECT_FLOAT_EQ(b.maxOutputNm, std::max(b.outcome.springStart, b.outcome.airStart));
    EXPECT_EQ(Status(s.rows[2]), "Pressure max 4 bar is below the sizing pressure 5.5 bar");
    EXPECT_EQ(Status(s.rows[3]), "Pressure max 12.0 bar is outside 2 to 10 bar");
    EXPECT_EQ(s.rows[4].status, RowStatus::Ok);
    EXPECT_FLOAT_EQ(s.rows[4].maxOutputNm, s.rows[4].outcome.output);
}

// An electric actuator's largest output is its larger torque; the air columns are not its.
TEST(ListChecks, AnElectricRow) {
    TorqueE electric(kSamples + "/varnox-em.qu");
    ListSizer sizer(electric, nullptr, {false, 5.5f});
    const Sized s = SizeText(sizer, "Tag,Action,Torque,MAST,Kv\nA,DA,45,400,1\nB,DA,45,20,1\n");
    ASSERT_EQ(s.rows[0].status, RowStatus::Ok);
    const TorqueEItem& item = electric.Item(s.rows[0].outcome.index);
    EXPECT_FLOAT_EQ(s.rows[0].maxOutputNm, static_cast<float>(std::max(item.breakSeatTorque, item.runTorque)));
    EXPECT_EQ(s.header.at(s.header.size() - 4), "Max output");
    EXPECT_EQ(s.header.at(s.header.size() - 3), "MAST margin");
    ASSERT_EQ(s.rows[1].status, RowStatus::CheckFailed);
    EXPECT_EQ(Status(s.rows[1]), "check failed: " + electric.GetModel(s.rows[1].outcome.index) + " delivers " +
                                     Cell(s, 1, "Max output") + " Nm, above the valve's MAST of 20 Nm");
}

// Free air, air per hour and the stroke time, with Kv or Cv as the header says, and Cv in
// an imperial run whose header says neither, as the actuator speed tool reads it.
TEST(ListChecks, AirAndStrokeTime) {
    TorqueT pneumatic(kSamples + "/varnox-rp.kav");
    ListSizer metric(pneumatic, nullptr, {false, 6.0f});
    Sized s = SizeText(metric, "Tag,Action,Torque,Cycles per hour,Kv,Stroke time max\n"
                               "A,DA,45,30,0.5,9\nB,FC,45,,0.5,0.1\nC,FC,45,,,2\n");
    const SizedRow& a = s.rows[0];
    const float volume = pneumatic.Item(a.outcome.index).airVolume;
    EXPECT_NEAR(a.airPerCycle, 2 * volume * 7.01325f / 1.01325f, 1e-5f);
    EXPECT_NEAR(a.airPerHour, a.airPerCycle * 30 / 1000, 1e-7f);
    float seconds = 0;
    pneumatic.StrokeTime(a.outcome.index, 6, 0.5f, seconds);
    EXPECT_EQ(Cell(s, 0, "Stroke time [s]"), Format("%.2f", static_cast<double>(seconds)));
    EXPECT_EQ(a.status, RowStatus::Ok);
    EXPECT_EQ(s.rows[1].status, RowStatus::CheckFailed);
    EXPECT_NE(Status(s.rows[1]).find("slower than the Stroke time max of 0.1 s"), std::string::npos);
    EXPECT_EQ(s.rows[2].warnings.at(0), "Stroke time max 2 s not checked: the row gives no Kv");

    bool cv = false;
    for (const auto& [header, imperial, isCv] :
         std::vector<std::tuple<std::string, bool, bool>>{{"Kv", true, false},
                                                          {"Pilot Cv", false, true},
                                                          {"Cv-Wert", false, true},
                                                          {"Flow coefficient", false, false},
                                                          {"Flow coefficient", true, true},
                                                          {"Flow coefficient [m3/h]", true, false},
                                                          {"Durchflusskoeffizient (Cv)", false, true}}) {
        ASSERT_TRUE(FlowIsCv(header, imperial, cv)) << header;
        EXPECT_EQ(cv, isCv) << header;
    }
    EXPECT_FALSE(FlowIsCv("Kv [l/min]", false, cv));

    ListSizer imperial(pneumatic, nullptr, {true, 87.0f});
    s = SizeText(imperial, "Tag,Action,Torque,Flow coefficient\nA,DA,400,0.58\n");
    EXPECT_FLOAT_EQ(s.rows[0].kv, CvToKv(0.58f));
    const SizedRow& r = s.rows[0];
    EXPECT_NEAR(r.airPerCycle, FreeAirPerCycle(pneumatic, r.outcome.index, r.pressure, true) / kLitresPerCubicFoot,
                1e-6);
}
