#include "actuator_files.h"
#include "core/data/torque_database.h"
#include "core/sizing/result_rows.h"
#include "core/sizing/selection.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// At 5 bar: AirStart = air - n, AirEnd = air - 2n, SpringStart = 2n, SpringEnd = n.
TorqueTItem Linear(int size, float airAt5Bar, int maxSprings, float slopeClose = 1.0f, float slopeOpen = 1.0f) {
    TorqueTItem it;
    it.daModel = "DA";
    it.srModel = "SR";
    it.size = size;
    it.daPerBar = airAt5Bar / 5;
    it.srAirPerBar = airAt5Bar / 5;
    it.airStartPerSpring = 1;
    it.airEndPerSpring = 2;
    it.springStartPerSpring = 2;
    it.springEndPerSpring = 1;
    it.maxSprings = maxSprings;
    it.springsPerStep = 2;
    it.springSlopeFailClose = slopeClose;
    it.springSlopeFailOpen = slopeOpen;
    return it;
}

} // namespace

TEST(FindDoubleActing, FirstRecordThatIsAtLeastEnough) {
    TorqueT data("t", {SampleItem(10, 5), SampleItem(20, 10), SampleItem(30, 15)});
    // record 1 gives 10 * 6 - 1 = 59 Nm at 6 bar
    Selection exact = FindDoubleActing(data, 6.0f, 59.0f, 1.0f);
    EXPECT_TRUE(exact.found);
    EXPECT_EQ(exact.index, 1);
    EXPECT_EQ(FindDoubleActing(data, 6.0f, 59.01f, 1.0f).index, 2);
    EXPECT_EQ(FindDoubleActing(data, 6.0f, 49.2f, 1.2f).index, 2); // 59.04 with the safety factor
    EXPECT_FALSE(FindDoubleActing(data, 6.0f, 1000.0f, 1.2f).found);
    EXPECT_FALSE(FindDoubleActing(TorqueT("empty", {}), 6.0f, 1.0f, 1.0f).found);
}

TEST(FindSpringReturn, BalancedCountWinsOnTheSameActuator) {
    // T = 20, R 0.5, Z 0.3, fail close: any n from 6 to 15 fits; the strongest is 15,
    // the balanced count settles at 11.
    TorqueT data("t", {Linear(10, 50, 15)});
    Selection s = FindSpringReturn(data, 5.0f, 20.0f, 1.0f, 0.5f, 0.3f, 0);
    ASSERT_TRUE(s.found);
    EXPECT_EQ(s.index, 0);
    EXPECT_EQ(BalancedSpringCount(data, 0, 5.0f, 0.3f, 0), 11);
    EXPECT_EQ(s.springSet, 22);
}

TEST(FindSpringReturn, StrongestSetWhenOnlyItFits) {
    // different slopes: no refinement, the estimate 2 units misses SpringEnd >= 6
    TorqueT data("t", {Linear(10, 50, 15, 0.4f, 0.5f)});
    EXPECT_EQ(BalancedSpringCount(data, 0, 5.0f, 0.3f, 0), 2);
    Selection s = FindSpringReturn(data, 5.0f, 20.0f, 1.0f, 0.5f, 0.3f, 0);
    ASSERT_TRUE(s.found);
    EXPECT_EQ(s.springSet, 30);
}

TEST(FindSpringReturn, SmallerActuatorOfTheTwoSearches) {
    // record 0 fits only the strongest-first search, record 1 the balanced count too
    TorqueT smallerFirst("t", {Linear(10, 50, 15, 0.4f, 0.5f), Linear(20, 100, 15)});
    Selection a = FindSpringReturn(smallerFirst, 5.0f, 20.0f, 1.0f, 0.5f, 0.3f, 0);
    EXPECT_EQ(a.index, 0);
    // with a larger size number on record 0 the balanced result is taken
    TorqueT largerFirst("t", {Linear(30, 50, 15, 0.4f, 0.5f), Linear(20, 100, 15)});
    Selection b = FindSpringReturn(largerFirst, 5.0f, 20.0f, 1.0f, 0.5f, 0.3f, 0);
    EXPECT_EQ(b.index, 1);
    EXPECT_EQ(b.springSet, 30);
}

TEST(FindSpringReturn, RecordWithoutSpringsIsNeverChosen) {
    TorqueT data("t", {Linear(5, 500, 0), Linear(10, 50, 15)});
    Selection s = FindSpringReturn(data, 5.0f, 20.0f, 1.0f, 0.5f, 0.3f, 0);
    EXPECT_EQ(s.index, 1);
}

TEST(FindSpringReturn, FailOpenSeatsWithTheAirStroke) {
    // fail open, Z 1.0: AirEnd = 50 - 2n must reach T; 15 units give exactly 20
    TorqueT data("t", {Linear(10, 50, 15, 0.4f, 0.5f)});
    Selection exact = FindSpringReturn(data, 5.0f, 20.0f, 1.0f, 0.5f, 1.0f, 1);
    ASSERT_TRUE(exact.found);
    EXPECT_EQ(exact.springSet, 30);
    Selection over = FindSpringReturn(data, 5.0f, 20.01f, 1.0f, 0.5f, 1.0f, 1);
    EXPECT_EQ(over.springSet, 28);
    EXPECT_FALSE(FindSpringReturn(data, 5.0f, 20.0f, 1.0f, 0.5f, 1.0f, 2).found);
    EXPECT_FALSE(FindSpringReturn(data, 5.0f, 60.0f, 1.0f, 0.5f, 1.0f, 1).found);
}

TEST(BalancedSpringCount, AlwaysEnds) {
    // q stays above a tiny seating factor: e shrinks below one unit and stops there
    TorqueT shrinking("t", {Linear(10, 50, 15)});
    EXPECT_EQ(BalancedSpringCount(shrinking, 0, 5.0f, 0.01f, 0), 1);
    // the air torque is nearly used up, so each 2 % step throws q across the band
    TorqueTItem steep = Linear(10, 10.5f, 20);
    steep.springIntercept = 5;
    TorqueT jumping("t", {steep});
    int n = BalancedSpringCount(jumping, 0, 5.0f, 1.0f, 0);
    EXPECT_GE(n, 1);
    EXPECT_LE(n, 20);
    // absurd spring counts from a damaged file end too
    TorqueTItem absurd = Linear(10, 50, 2000000000);
    TorqueT huge("t", {absurd});
    EXPECT_FALSE(FindSpringReturn(huge, 5.0f, 1000.0f, 1.0f, 0.5f, 0.3f, 0).found);
}

TEST(BalancedSpringCount, EstimateBelowOneUnitGrowsIntoTheBand) {
    // slopes of 0 put the estimate at half a unit; one unit leaves q far off the band in
    // the direction that asks for more springs, so e must keep growing past one unit
    TorqueTItem small = Linear(10, 50, 15, 0.0f, 0.0f);
    small.springIntercept = 0.5f;
    TorqueT data("t", {small});
    // fail close, Z 0.3: SpringEnd / AirStart = n / (50 - n) enters the band near 11.5
    EXPECT_EQ(BalancedSpringCount(data, 0, 5.0f, 0.3f, 0), 11);
    // fail open, Z 1.0: AirEnd / SpringStart = (50 - 2n) / 2n enters it near 12.5
    EXPECT_EQ(BalancedSpringCount(data, 0, 5.0f, 1.0f, 1), 12);

    // both searches find record 0; the balanced set is the one taken, not the strongest
    EXPECT_EQ(FindSpringReturn(data, 5.0f, 20.0f, 1.0f, 0.5f, 0.3f, 0).springSet, 22);
    EXPECT_EQ(FindSpringReturn(data, 5.0f, 20.0f, 1.0f, 0.5f, 1.0f, 1).springSet, 24);

    // database sizing of a page gives every size the spring set the screen gives it
    TorqueT range("t", {Linear(5, 20, 6, 0.0f, 0.0f), small, Linear(20, 200, 40, 0.0f, 0.0f)});
    ValvePage page;
    for (float torque : {2.0f, 8.0f, 15.0f, 20.0f, 40.0f, 90.0f})
        page.sizes.push_back({torque, torque});
    for (int action : {0, 1}) {
        const float seating = action == 0 ? 0.3f : 1.0f;
        const std::vector<Row> rows = DatabaseRows(range, page, 5.0f, 1.0f, seating, 0.5f, action, false);
        ASSERT_EQ(rows.size(), page.sizes.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const Row screen =
                SpringReturnSizingRow(range, "x", 0, page.sizes[i].torque, 1.0f, 0.5f, seating, 5.0f, action, false);
            EXPECT_EQ(rows[i][4], screen[4]) << action << " " << page.sizes[i].torque;
            EXPECT_EQ(rows[i][5], screen[5]) << action << " " << page.sizes[i].torque;
        }
    }
}

TEST(FindSpringReturn, ShippedRangeSizesEveryShippedValve) {
    TorqueT range(VN_SAMPLES "/varnox-rp.kav");
    TorqueDatabase ball(VN_SAMPLES "/ball-valves");
    ASSERT_TRUE(ball.IsUsable());
    for (int action : {0, 1}) {
        const ValvePage& page = ball.pages[0];
        int lastSize = 0;
        for (const ValveSize& v : page.sizes) {
            Selection s =
                FindSpringReturn(range, 5.5f, v.torque, page.safetyFactor, page.runFactor, page.seatFactor, action);
            ASSERT_TRUE(s.found) << v.size;
            EXPECT_GE(range.GetSize(s.index), lastSize) << v.size;
            EXPECT_GT(s.springSet, 0);
            lastSize = range.GetSize(s.index);
            EXPECT_TRUE(FindDoubleActing(range, 5.5f, v.torque, page.safetyFactor).found);
        }
    }
}

TEST(FindElectric, BothTorquesAtLeastTheDemand) {
    TorqueE data("e", {{"weak run", 100, 20, {}}, {"exact", 100, 25, {}}, {"big", 500, 400, {}}});
    ElectricSelection s = FindElectric(data, 100.0f, 1.0f, 0.25f, 0.6f);
    ASSERT_TRUE(s.found);
    EXPECT_EQ(s.index, 1);
    EXPECT_FLOAT_EQ(s.breakTorque, 100);
    EXPECT_FLOAT_EQ(s.runTorque, 25);
    EXPECT_FLOAT_EQ(s.thirdTorque, 60);
    EXPECT_EQ(FindElectric(data, 100.5f, 1.0f, 0.25f, 0).index, 2);
    ElectricSelection none = FindElectric(data, 500.0f, 1.2f, 0.25f, 0);
    EXPECT_FALSE(none.found);
    EXPECT_EQ(none.index, -1);
}

// The search may pass over records that cannot fit at any spring count; it must still
// choose exactly what trying every record and every count chooses, torques right at a
// record's limits included.
TEST(Selection, PassingRecordsThatCannotFitChangesNoChoice) {
    TorqueT range(VN_SAMPLES "/varnox-rp.kav");
    ASSERT_GT(range.GetCount(), 10);
    auto reference = [&](float p, float torque, float safety, float running, float seating, int action) {
        const float required = torque * safety;
        Selection a, b;
        for (int i = 0; i < range.GetCount() && !a.found; ++i)
            for (int n = range.Item(i).maxSprings; n >= 1 && !a.found; --n)
                if (SpringReturnFits(range, i, static_cast<float>(n), p, required, running, seating, action))
                    a = {true, i, n, n};
        for (int j = 0; j < range.GetCount() && !b.found; ++j) {
            const int n = BalancedSpringCount(range, j, p, seating, action);
            if (SpringReturnFits(range, j, static_cast<float>(n), p, required, running, seating, action))
                b = {true, j, n, n};
        }
        if (a.found && b.found)
            return range.GetSize(a.index) < range.GetSize(b.index) ? a : b;
        return a.found ? a : b;
    };
    const float factorSets[][2] = {{0.3f, 0.6f}, {0.2f, 1.0f}, {0.9f, 0.9f}, {0.5f, 0.0f}};
    for (float p : {2.0f, 4.0f, 5.5f, 8.0f})
        for (const auto& f : factorSets)
            for (int action : {0, 1}) {
                const SpringReturnSearch search(range, p, f[0], f[1], action);
                std::vector<float> torques;
                for (float torque = 0; torque < 9000; torque = torque * 1.013f + 0.37f)
                    torques.push_back(torque);
                // torques whose demand lands on a delivered torque, and one float step either side
                for (int i = 0; i < range.GetCount(); ++i)
                    for (int n = 1; n <= range.Item(i).maxSprings; ++n) {
                        float t[4];
                        range.SrTorque(i, static_cast<float>(n), p, t[0], t[1], t[2], t[3]);
                        for (float delivered : t)
                            for (float factor : {1.0f, f[0], f[1]})
                                if (factor > 0) {
                                    const float torque = delivered / factor / 1.2f;
                                    torques.insert(torques.end(), {torque, std::nextafter(torque, 0.0f),
                                                                   std::nextafter(torque, 1e9f)});
                                }
                    }
                for (float torque : torques) {
                    const Selection want = reference(p, torque, 1.2f, f[0], f[1], action);
                    const Selection got = search.Find(torque, 1.2f);
                    ASSERT_EQ(got.found, want.found) << p << " " << torque << " " << action;
                    if (want.found) {
                        ASSERT_EQ(got.index, want.index) << p << " " << torque << " " << action;
                        ASSERT_EQ(got.units, want.units) << p << " " << torque << " " << action;
                    }
                }
            }
}
