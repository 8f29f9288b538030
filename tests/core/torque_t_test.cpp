#include "actuator_files.h"
#include "core/data/read_status.h"
#include "core/data/torque_t.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

std::vector<TorqueTItem> Range(int n) {
    std::vector<TorqueTItem> items;
    for (int i = 0; i < n; ++i)
        items.push_back(SampleItem(10 * (i + 1), 5.0f * (i + 1)));
    return items;
}

} // namespace

TEST(TorqueT, ReadsTheShippedRange) {
    TorqueT data(VN_SAMPLES "/varnox-rp.kav");
    EXPECT_EQ(data.GetStatus(), ReadComplete);
    EXPECT_GE(data.GetCount(), 14);
    EXPECT_TRUE(data.HasItems());
    float first, last;
    data.DaTorque(0, 6, first);
    data.DaTorque(data.GetCount() - 1, 6, last);
    EXPECT_LT(first, 25);
    EXPECT_GT(last, 2000);
}

TEST(TorqueT, ReadsEveryFieldInOrder) {
    std::string dir = TestDir();
    TorqueTItem it = SampleItem(35, 12.5f, 12, 1);
    it.daModel = "ABCDEFG";
    it.airVolume = 0.75f;
    it.springSlopeFailOpen = 0.9f;
    TorqueT data(WriteFile(dir, "r.kav", KavFile("My range", "1", {it})));
    ASSERT_EQ(data.GetStatus(), ReadComplete);
    const TorqueTItem& got = data.Item(0);
    EXPECT_EQ(data.GetTitle(), "My range");
    EXPECT_EQ(got.daModel, "ABCDE");
    EXPECT_EQ(got.srModel, "TSR");
    EXPECT_EQ(got.size, 35);
    EXPECT_FLOAT_EQ(got.daPerBar, 12.5f);
    EXPECT_FLOAT_EQ(got.springStartPerSpring, it.springStartPerSpring);
    EXPECT_FLOAT_EQ(got.airEndPerSpring, it.airEndPerSpring);
    EXPECT_FLOAT_EQ(got.airVolume, 0.75f);
    EXPECT_FLOAT_EQ(got.springSlopeFailOpen, 0.9f);
    EXPECT_EQ(got.maxSprings, 12);
    EXPECT_EQ(got.springsPerStep, 1);
}

TEST(TorqueT, StatusCodesAndSurvivors) {
    std::string dir = TestDir();
    struct Case {
        std::string content;
        int status;
        int count;
        bool items;
    } cases[] = {
        {KavFile("t", "0", Range(2)), ReadNoRecords, 0, false},
        {KavFile("t", "-3", Range(2)), ReadNoRecords, 0, false},
        {KavFile("t", "many", Range(2)), ReadNoRecords, 0, false},
        {KavFile("t", "2.9", Range(3)), ReadComplete, 2, true},
        {KavFile("t", "2", Range(5)), ReadComplete, 2, true},
        {"", ReadShort, 0, false},
        {"title only\r\n", ReadShort, 0, false},
        {"t\r\n3\r\nskip\r\n", ReadShort, 0, false},
        {CrLf({"t", "1", "a", "b", "c"}), ReadShort, 0, true},
    };
    for (const Case& c : cases) {
        TorqueT data(WriteFile(dir, "r.kav", c.content));
        EXPECT_EQ(data.GetStatus(), c.status) << c.content.substr(0, 20);
        EXPECT_EQ(data.GetCount(), c.count) << c.content.substr(0, 20);
        EXPECT_EQ(data.HasItems(), c.items) << c.content.substr(0, 20);
    }
    TorqueT missing(dir + "/none.kav");
    EXPECT_EQ(missing.GetStatus(), ReadCannotOpen);
    EXPECT_FALSE(missing.HasItems());
}

TEST(TorqueT, FileEndingInsideARecordKeepsTheCompleteOnes) {
    std::string dir = TestDir();
    std::string content = KavFile("Short", "10", Range(4));
    content.resize(content.size() - 30); // cut into the 4th record
    TorqueT data(WriteFile(dir, "r.kav", content));
    EXPECT_EQ(data.GetStatus(), ReadShort);
    EXPECT_EQ(data.GetCount(), 3);
    EXPECT_EQ(data.GetTitle(), "Short");
}

TEST(TorqueT, MoreThan255RecordsReadsTheFirst255WithAStatus) {
    std::string dir = TestDir();
    TorqueT data(WriteFile(dir, "r.kav", KavFile("Big", "300", Range(300))));
    EXPECT_EQ(data.GetStatus(), ReadTooMany);
    EXPECT_EQ(data.GetCount(), 255);
    EXPECT_EQ(data.GetSize(254), 2550);
    // a huge count in a short file is simply a short file
    TorqueT huge(WriteFile(dir, "h.kav", KavFile("Huge", "1e300", Range(2))));
    EXPECT_EQ(huge.GetStatus(), ReadShort);
    EXPECT_EQ(huge.GetCount(), 2);
}

TEST(TorqueT, HostileContentNeverCrashes) {
    std::string dir = TestDir();
    std::string junk;
    for (int i = 0; i < 5000; ++i)
        junk += static_cast<char>((i * 7919) % 256);
    TorqueT data(WriteFile(dir, "j.kav", junk));
    EXPECT_NE(data.GetStatus(), ReadComplete);

    std::vector<std::string> lines{std::string(5000, 'T'), "1", "", "", ""};
    auto record = KavRecordLines(SampleItem(1, 1));
    record[0] = std::string(10000, 'M');
    record[4] = "7" + std::string(3000, '0'); // overflows to infinity, not a crash
    lines.insert(lines.end(), record.begin(), record.end());
    TorqueT longLines(WriteFile(dir, "l.kav", CrLf(lines)));
    EXPECT_EQ(longLines.GetStatus(), ReadComplete);
    EXPECT_EQ(longLines.GetTitle().size(), 79u);
    EXPECT_EQ(longLines.GetDaModel(0), "MMMMM");
    // asking for a record that is not there gives an empty one
    EXPECT_EQ(longLines.GetDaModel(5), "");
    EXPECT_EQ(longLines.GetSize(-1), 0);
}

TEST(TorqueT, DoubleActingTorque) {
    TorqueT data("t", {SampleItem(10, 20.0f)}); // 20 * p - 2
    float torque = -1;
    ASSERT_TRUE(data.DaTorque(0, 6.0f, torque));
    EXPECT_FLOAT_EQ(torque, 118.0f);
    data.DaTorque(0, 0.05f, torque);
    EXPECT_FLOAT_EQ(torque, -1.0f); // not clamped
    torque = 42;
    EXPECT_FALSE(data.DaTorque(1, 6.0f, torque));
    EXPECT_FLOAT_EQ(torque, 42);
}

TEST(TorqueT, SpringReturnTorquesClampTheSpringCount) {
    TorqueTItem it = SampleItem(10, 20.0f, 12, 1);
    it.springStartPerSpring = 3;
    it.springEndPerSpring = 2;
    it.airStartPerSpring = 2.5f;
    it.airEndPerSpring = 3.5f;
    it.srAirOffset = 1;
    TorqueT data("t", {it});
    float as, ae, ss, se;
    ASSERT_TRUE(data.SrTorque(0, 0.4f, 5.0f, as, ae, ss, se));
    EXPECT_FLOAT_EQ(as, 100 - 3.5f);
    EXPECT_FLOAT_EQ(ae, 100 - 4.5f);
    EXPECT_FLOAT_EQ(ss, 3);
    EXPECT_FLOAT_EQ(se, 2);
    data.SrTorque(0, 40.0f, 5.0f, as, ae, ss, se);
    EXPECT_FLOAT_EQ(ss, 36);
    EXPECT_FLOAT_EQ(as, 100 - 31);
    data.SrTorque(0, std::nanf(""), 5.0f, as, ae, ss, se);
    EXPECT_FLOAT_EQ(ss, 3);
}

TEST(TorqueT, SpringOffsetMovesTheEstimateWithinRange) {
    TorqueTItem it = SampleItem(10, 20.0f, 6, 2); // estimate = p
    it.springSlopeFailOpen = 0.5f;
    TorqueT data("t", {it});
    float as, ae, ss, se;
    int set = 0;
    ASSERT_TRUE(data.SrTorqueWithOffset(0, 4.0f, 0, 0, as, ae, ss, se, set));
    EXPECT_EQ(set, 8); // 4 units of 2
    data.SrTorqueWithOffset(0, 4.0f, 0, 1, as, ae, ss, se, set);
    EXPECT_EQ(set, 10);
    data.SrTorqueWithOffset(0, 4.0f, 1, 0, as, ae, ss, se, set);
    EXPECT_EQ(set, 4); // 4 * 0.5 + 0.5 = 2.5 -> 2 units
    data.SrTorqueWithOffset(0, 4.0f, 0, -100, as, ae, ss, se, set);
    EXPECT_EQ(set, 2);
    data.SrTorqueWithOffset(0, 4.0f, 0, 100, as, ae, ss, se, set);
    EXPECT_EQ(set, 12);
    EXPECT_FLOAT_EQ(ss, 6 * it.springStartPerSpring);
}

TEST(TorqueT, StrokeTime) {
    TorqueTItem it = SampleItem(10, 20.0f);
    it.airVolume = 1.0f;
    TorqueT data("t", {it});
    float seconds = -1;
    ASSERT_TRUE(data.StrokeTime(0, 6.0f, 1.0f, seconds));
    EXPECT_NEAR(seconds, 0.7165f, 1e-6); // 4.9 * 0.51 / 6 + 0.3
    data.StrokeTime(0, 6.0f, 2.0f, seconds);
    EXPECT_NEAR(seconds, 0.57478f, 1e-5);
    EXPECT_FALSE(data.StrokeTime(3, 6.0f, 2.0f, seconds));
    EXPECT_EQ(seconds, 0.0f);
}

TEST(TorqueT, AirTankDrop) {
    TorqueTItem it = SampleItem(10, 20.0f); // 20 * p - 2, air volume 0.4 l
    TorqueT data("t", {it});
    float p = 0, torque = -7;
    ASSERT_TRUE(data.AirTankDrop(0, 0, 6.0f, 10.0f, p, torque));
    EXPECT_FLOAT_EQ(p, 6.0f * 10.0f / 10.4f);
    EXPECT_FLOAT_EQ(torque, 20 * p - 2);
    data.AirTankDrop(0, 2, 6.0f, 10.0f, p, torque);
    EXPECT_NEAR(p, 6.0 * std::pow(10 / 10.4, 3), 1e-5);
    torque = -7;
    data.AirTankDrop(0, -1, 6.0f, 10.0f, p, torque);
    EXPECT_FLOAT_EQ(p, 6.0f);
    EXPECT_FLOAT_EQ(torque, -7);
    // a huge stroke count ends once the pressure stops moving
    data.AirTankDrop(0, 2000000000, 6.0f, 10.0f, p, torque);
    EXPECT_LT(p, 1e-30f);
}
