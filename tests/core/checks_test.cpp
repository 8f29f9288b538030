#include "core/data/torque_e.h"
#include "core/data/torque_t.h"
#include "core/sizing/checks.h"
#include "core/text/text_util.h"
#include "core/tools/actuator_speed.h"

#include <gtest/gtest.h>

namespace {

// One actuator with round numbers: double acting 100 Nm/bar less 10; spring return 80 Nm/bar
// less 5 and 6 (start) or 9 (end) per spring unit; springs 12 and 8 Nm per unit; 1 litre.
TorqueT OneActuator() {
    TorqueTItem it;
    it.daModel = "TDA";
    it.srModel = "TSR";
    it.size = 100;
    it.daPerBar = 100;
    it.daOffset = 10;
    it.srAirPerBar = 80;
    it.srAirOffset = 5;
    it.airStartPerSpring = 6;
    it.airEndPerSpring = 9;
    it.springStartPerSpring = 12;
    it.springEndPerSpring = 8;
    it.airVolume = 1.0f;
    it.springSlopeFailClose = 1;
    it.springSlopeFailOpen = 1;
    it.maxSprings = 12;
    it.springsPerStep = 1;
    return TorqueT("checks", {it});
}

SizingOutcome Chosen(SizingRule rule, int units) {
    SizingOutcome o;
    o.rule = rule;
    o.found = true;
    o.index = 0;
    o.springUnits = units;
    o.springStart = 12.0f * static_cast<float>(units);
    o.springEnd = 8.0f * static_cast<float>(units);
    return o;
}

} // namespace

// The largest output: double acting at the highest pressure; spring return the largest of
// the air stroke there and the spring stroke, whichever action the valve fails to.
TEST(Checks, LargestOutputAtTheHighestPressure) {
    const TorqueT data = OneActuator();
    EXPECT_FLOAT_EQ(LargestOutput(data, Chosen(SizingRule::DoubleActing, 0), 8), 790); // 100 x 8 - 10
    for (SizingRule rule : {SizingRule::FailClose, SizingRule::FailOpen}) {
        // 5 units at 8 bar: air start 640 - (30 + 5) = 605, air end 590; springs 60 and 40
        EXPECT_FLOAT_EQ(LargestOutput(data, Chosen(rule, 5), 8), 605);
        // 12 units at 2 bar: air start 160 - 77 = 83, but the spring starts with 144
        EXPECT_FLOAT_EQ(LargestOutput(data, Chosen(rule, 12), 2), 144);
        float start = 0, end = 0;
        ASSERT_TRUE(AirStrokeAt(data, Chosen(rule, 5), 8, start, end));
        EXPECT_FLOAT_EQ(start, 605);
        EXPECT_FLOAT_EQ(end, 590);
    }
    SizingOutcome none;
    EXPECT_EQ(LargestOutput(data, none, 8), 0);

    const TorqueE electric("e", {{"E1", 100, 80, {}}, {"E2", 150, 180, {}}});
    SizingOutcome e;
    e.rule = SizingRule::Electric;
    e.found = true;
    e.index = 0;
    EXPECT_EQ(LargestOutput(electric, e), 100);
    e.index = 1;
    EXPECT_EQ(LargestOutput(electric, e), 180); // its run torque is the larger
}

// Free air at 1.01325 bar: one litre at 6 bar gauge is 6.9215 litres; a double-acting cycle
// fills both chambers. The stroke time is the actuator speed tool's to the hundredth.
TEST(Checks, FreeAirAndStrokeTime) {
    const TorqueT data = OneActuator();
    EXPECT_NEAR(FreeAirPerStroke(data, 0, 6), 6.92154f, 1e-4f);
    EXPECT_NEAR(FreeAirPerCycle(data, 0, 6, false), 6.92154f, 1e-4f);
    EXPECT_NEAR(FreeAirPerCycle(data, 0, 6, true), 13.84308f, 2e-4f);
    EXPECT_NEAR(FreeAirPerCycle(data, 0, 6, false) / kLitresPerCubicFoot, 0.244431, 1e-5);

    float seconds = 0;
    ASSERT_TRUE(StrokeSeconds(data, 0, 6, 1, seconds));
    EXPECT_NEAR(seconds, 0.7165f, 1e-4f); // 1 x 4.9 x 0.51 / 6 + 0.3
    std::vector<ToolRow> rows;
    ASSERT_TRUE(ActuatorSpeedRows(data, "6", "0.4", 0, rows));
    ASSERT_TRUE(StrokeSeconds(data, 0, 6, 0.4f, seconds));
    EXPECT_EQ(rows[0].back(), Format("%.2f", static_cast<double>(seconds)));
    EXPECT_FALSE(StrokeSeconds(data, 0, 6, 0, seconds));
}
