#include "core/chart/torque_chart.h"
#include "core/data/torque_e.h"
#include "core/data/torque_t.h"
#include "core/units/conversions.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

const TorqueT& Range() {
    static const TorqueT range(VN_SAMPLES "/varnox-rp.kav");
    return range;
}

ChartInputs Inputs(const char* actuator) {
    ChartInputs in;
    in.actuator = actuator;
    in.hasPressure = true;
    in.pressure = 5.5f;
    return in;
}

// (angle, demand) of every mark, for comparing placements at a glance.
std::vector<std::pair<double, double>> Places(const TorqueChartData& chart) {
    std::vector<std::pair<double, double>> places;
    for (const ChartMark& m : chart.marks)
        places.emplace_back(m.angle, m.torque);
    return places;
}

const ChartLine* LineOf(const TorqueChartData& chart, ChartSeries series) {
    for (const ChartLine& line : chart.lines)
        if (line.series == series)
            return &line;
    return nullptr;
}

} // namespace

// Fail close opens on air from 0 degrees and closes on the spring from 90: the break at
// the start of the air stroke, the run at its end and the start of the spring stroke,
// the seat at the end of the spring stroke. Margins are the rule's own.
TEST(TorqueChart, FailCloseFollowsTheRule) {
    const SizingOutcome o = SizeSpringReturn(Range(), 5.5f, 45, 1.2f, 0.3f, 0.6f, 0);
    ASSERT_TRUE(o.found);
    const TorqueChartData chart = MakeTorqueChart(o, Inputs("RPS 120"));
    EXPECT_EQ(chart.title, "RPS 120, 5.5 bar, Fail Close");
    ASSERT_EQ(chart.lines.size(), 2u);
    const ChartLine& air = chart.lines[0];
    EXPECT_EQ(air.series, ChartSeries::AirStroke);
    EXPECT_EQ(std::make_pair(air.fromAngle, air.toAngle), std::make_pair(0.0, 90.0));
    EXPECT_EQ(air.fromTorque, o.airStart);
    EXPECT_EQ(chart.lines[1].fromAngle, 90.0);
    EXPECT_EQ(chart.lines[1].toTorque, o.springEnd);
    const float t = o.required, run = o.run, seat = o.seat;
    EXPECT_EQ(Places(chart), (std::vector<std::pair<double, double>>{{0, t}, {90, run}, {90, run}, {0, seat}}));
    int weakest = 0;
    for (const ChartMark& m : chart.marks) {
        EXPECT_TRUE(m.checked && m.hasMargin);
        EXPECT_NEAR(m.margin, (m.delivered / m.torque - 1) * 100, 1e-9);
        weakest += m.weakest;
    }
    EXPECT_EQ(weakest, 1);
    double margin = 0;
    ASSERT_TRUE(o.Margin(margin));
    EXPECT_EQ(chart.marks[static_cast<std::size_t>(o.WeakestPoint())].margin, margin);
    EXPECT_EQ(chart.marks[0].label, "Break +22.7 %");
    // the two runs share the marker at 90 degrees; their labels say which stroke is which
    EXPECT_EQ(chart.marks[1].label, "Run (air) +189.7 %");
    EXPECT_EQ(chart.marks[2].label, "Run (spring) +296.3 %");
    EXPECT_EQ(chart.marks[3].label, "Seat +28.7 %");
    EXPECT_TRUE(chart.noFitText.empty());
    EXPECT_GE(chart.torqueTop, o.airStart);
}

// Fail open is the mirror: the air stroke closes from 90 degrees, the spring opens from 0.
TEST(TorqueChart, FailOpenIsTheMirror) {
    const SizingOutcome o = SizeSpringReturn(Range(), 5.5f, 45, 1.2f, 0.3f, 0.6f, 1);
    ASSERT_TRUE(o.found);
    const TorqueChartData chart = MakeTorqueChart(o, Inputs("RPS 120"));
    EXPECT_EQ(chart.lines[0].fromAngle, 90.0);
    EXPECT_EQ(chart.lines[1].fromAngle, 0.0);
    EXPECT_EQ(Places(chart),
              (std::vector<std::pair<double, double>>{{90, o.run}, {0, o.seat}, {0, o.required}, {90, o.run}}));
    EXPECT_EQ(chart.marks[0].label.rfind("Run (air) +", 0), 0u);
    EXPECT_EQ(chart.marks[3].label.rfind("Run (spring) +", 0), 0u);
    EXPECT_EQ(chart.marks[1].label.rfind("Seat +", 0), 0u);
    EXPECT_EQ(chart.title, "RPS 120, 5.5 bar, Fail Open");
}

// With no fit the demands stand alone, each place once, with the line that says so.
TEST(TorqueChart, NoFitShowsTheDemandsAlone) {
    const SizingOutcome o = SizeSpringReturn(Range(), 5.5f, 9000, 1.2f, 0.3f, 0.6f, 1);
    ASSERT_FALSE(o.found);
    const TorqueChartData chart = MakeTorqueChart(o, Inputs("---"));
    EXPECT_TRUE(chart.lines.empty());
    EXPECT_EQ(Places(chart), (std::vector<std::pair<double, double>>{{90, o.run}, {0, o.seat}, {0, o.required}}));
    for (const ChartMark& m : chart.marks)
        EXPECT_FALSE(m.checked || m.hasMargin || m.weakest);
    EXPECT_EQ(chart.noFitText, "No actuator fits: the valve's demands are shown alone.");
    EXPECT_EQ(chart.legend.size(), 1u);
}

// Double acting checks the break alone; electric the break/seat and the running torque,
// here in in.lb; a zero demand has no margin to show.
TEST(TorqueChart, DoubleActingAndElectric) {
    const SizingOutcome da = SizeDoubleActing(Range(), 5.5f, 45, 1.2f);
    const TorqueChartData d = MakeTorqueChart(da, Inputs("RPD 80"));
    EXPECT_EQ(d.title, "RPD 80, 5.5 bar, Double Acting");
    ASSERT_EQ(d.lines.size(), 1u);
    EXPECT_EQ(d.lines[0].fromTorque, d.lines[0].toTorque);
    EXPECT_EQ(Places(d), (std::vector<std::pair<double, double>>{{0, da.required}}));

    const TorqueE range(VN_SAMPLES "/varnox-em.qu");
    const SizingOutcome el = SizeElectric(range, 45, 1.2f, 0.0f, 0.6f);
    ChartInputs in;
    in.actuator = "EM 60";
    in.imperial = true;
    const TorqueChartData e = MakeTorqueChart(el, in);
    EXPECT_EQ(e.title, "EM 60");
    EXPECT_EQ(e.torqueAxis, "Torque [in.lb]");
    ASSERT_EQ(e.marks.size(), 2u);
    EXPECT_EQ(e.marks[0].torque, NmToInLb(el.required));
    EXPECT_EQ(e.lines[1].series, ChartSeries::Running);
    EXPECT_FALSE(e.marks[1].hasMargin);
    EXPECT_EQ(e.marks[1].label, "Run");
}

// The valve's MAST is a level line over the whole stroke, in whole units, inside the axis
// however far above the actuator it stands; none without one.
TEST(TorqueChart, MastLineAndItsLabel) {
    const SizingOutcome o = SizeSpringReturn(Range(), 5.5f, 45, 1.2f, 0.3f, 0.6f, 0);
    ChartInputs in = Inputs("RPS 120");
    EXPECT_EQ(LineOf(MakeTorqueChart(o, in), ChartSeries::Mast), nullptr);
    EXPECT_TRUE(MakeTorqueChart(o, in).mastLabel.empty());
    in.mast = 399.6f;
    const TorqueChartData chart = MakeTorqueChart(o, in);
    const ChartLine* mast = LineOf(chart, ChartSeries::Mast);
    ASSERT_NE(mast, nullptr);
    EXPECT_EQ(std::make_tuple(mast->fromAngle, mast->fromTorque, mast->toAngle, mast->toTorque),
              std::make_tuple(0.0, double(399.6f), 90.0, double(399.6f)));
    EXPECT_EQ(chart.mastLabel, "MAST 400 Nm");
    EXPECT_GT(chart.torqueTop, 399.6);
    EXPECT_EQ(chart.legend[2].series, ChartSeries::Mast);
    EXPECT_EQ(chart.legend[2].text, "MAST 400 Nm");
}

// The air stroke at the highest pressure lies along the one it is sized at, only with that
// pressure and a chosen actuator.
TEST(TorqueChart, AirStrokeAtTheHighestPressure) {
    const SizingOutcome fc = SizeSpringReturn(Range(), 5.5f, 45, 1.2f, 0.3f, 0.6f, 0);
    ChartInputs in = Inputs("RPS 120");
    in.pressureMax = 8;
    in.maxAirStart = 300;
    in.maxAirEnd = 210;
    EXPECT_EQ(LineOf(MakeTorqueChart(fc, in), ChartSeries::AirStrokeMax), nullptr);
    in.hasPressureMax = true;
    const TorqueChartData chart = MakeTorqueChart(fc, in);
    const ChartLine* max = LineOf(chart, ChartSeries::AirStrokeMax);
    ASSERT_NE(max, nullptr);
    EXPECT_EQ(std::make_tuple(max->fromAngle, max->fromTorque, max->toAngle, max->toTorque),
              std::make_tuple(0.0, 300.0, 90.0, 210.0));
    EXPECT_GE(chart.torqueTop, 300.0);
    EXPECT_EQ(chart.legend[2].text, "Air at 8 bar");
    // fail open strokes on air from 90 degrees
    const TorqueChartData failOpen = MakeTorqueChart(SizeSpringReturn(Range(), 5.5f, 45, 1.2f, 0.3f, 0.6f, 1), in);
    const ChartLine* open = LineOf(failOpen, ChartSeries::AirStrokeMax);
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(std::make_pair(open->fromAngle, open->fromTorque), std::make_pair(90.0, 300.0));
    const SizingOutcome none = SizeSpringReturn(Range(), 5.5f, 9000, 1.2f, 0.3f, 0.6f, 0);
    EXPECT_TRUE(MakeTorqueChart(none, in).lines.empty());
}

// Double acting in in.lb: the output at the highest pressure is level, in psi as typed, and
// the MAST's number and unit are converted.
TEST(TorqueChart, ImperialMastAndOutputAtTheHighestPressure) {
    const SizingOutcome da = SizeDoubleActing(Range(), 5.5f, 45, 1.2f);
    ChartInputs in = Inputs("RPD 80");
    in.imperial = true;
    in.mast = 400;
    in.hasPressureMax = true;
    in.pressureMax = 116;
    in.maxAirStart = in.maxAirEnd = 90;
    const TorqueChartData chart = MakeTorqueChart(da, in);
    ASSERT_EQ(chart.lines.size(), 3u);
    const ChartLine& max = chart.lines[1];
    EXPECT_EQ(max.series, ChartSeries::OutputMax);
    EXPECT_EQ(std::make_tuple(max.fromAngle, max.fromTorque, max.toAngle, max.toTorque),
              std::make_tuple(0.0, double(NmToInLb(90.0f)), 90.0, double(NmToInLb(90.0f))));
    EXPECT_EQ(chart.legend[1].text, "Air at 116 psi");
    EXPECT_EQ(chart.lines[2].fromTorque, NmToInLb(400.0f));
    EXPECT_EQ(chart.mastLabel, "MAST 3540 in.lb");
}

TEST(TorqueChart, AxisTopsAreRound) {
    std::vector<double> ticks;
    EXPECT_EQ(NiceAxisTop(83, ticks), 100);
    EXPECT_EQ(ticks.size(), 6u);
    EXPECT_EQ(NiceAxisTop(2100, ticks), 2500);
    EXPECT_EQ(ticks[1], 500);
    EXPECT_EQ(NiceAxisTop(0, ticks), 1);
}
