#include "actuator_files.h"
#include "core/data/torque_database.h"
#include "core/sizing/result_rows.h"

#include <gtest/gtest.h>

namespace {

TorqueTItem Record(int size, float perBar, float offset) {
    TorqueTItem it = SampleItem(size, perBar);
    it.daModel = "DA";
    it.srModel = "SR";
    it.daOffset = offset;
    return it;
}

} // namespace

TEST(ScreenRows, DoubleActingTorqueTable) {
    TorqueT data("t", {Record(10, 20, 50), Record(20, 40, 10)});
    std::vector<Row> rows = DoubleActingTorqueRows(data, 2.0f, false);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (Row{"DA 10", "-10"})); // not clamped
    EXPECT_EQ(rows[1], (Row{"DA 20", "70"}));
    // imperial: computed in Nm, shown in in.lb
    EXPECT_EQ(DoubleActingTorqueRows(data, 6.0f, true)[1][1], "2036"); // 230 Nm x 8.85
}

TEST(ScreenRows, SpringReturnTorqueTableShowsNegativeTorquesAsZero) {
    TorqueTItem it = SampleItem(10, 20, 6, 2); // estimate = p units
    it.srModel = "SR";
    TorqueT data("t", {it});
    // at 2 bar with 6 units the air loses more than it gives
    std::vector<Row> rows = SpringReturnTorqueRows(data, 2.0f, 4, false);
    ASSERT_EQ(rows[0].size(), 6u);
    EXPECT_EQ(rows[0][0], "SR 10");
    EXPECT_EQ(rows[0][1], "0");
    EXPECT_EQ(rows[0][5], "12");
    // removing springs never goes below one unit
    EXPECT_EQ(SpringReturnTorqueRows(data, 4.0f, -100, false)[0][5], "2");
}

TEST(ScreenRows, SizingRowsShowTheTypedTorqueAndTheChoice) {
    TorqueT data("t", {Record(10, 5, 0.5f), Record(20, 10, 1), Record(30, 15, 1.5f)});
    EXPECT_EQ(DoubleActingSizingRow(data, "59", 59, 59, 1.0f, 6.0f), (Row{"59", "59", "DA 20"}));
    EXPECT_EQ(DoubleActingSizingRow(data, "1234567890123", 1e12f, 1e12f, 1.2f, 6.0f)[0], "123456789");
    // imperial: 885 in.lb is sized as 100 Nm, the second column stays in in.lb
    Row imperial = DoubleActingSizingRow(data, "885", 885, 100, 1.0f, 6.0f);
    EXPECT_EQ(imperial[1], "885");
    EXPECT_EQ(imperial[2], "---");
}

TEST(ScreenRows, SpringReturnSizingRow) {
    TorqueT range(VN_SAMPLES "/varnox-rp.kav");
    Row fc = SpringReturnSizingRow(range, "100", 100, 100, 1.2f, 0.3f, 0.6f, 5.5f, 0, false);
    ASSERT_EQ(fc.size(), 7u);
    EXPECT_EQ(fc[1], "120");
    EXPECT_EQ(fc[2], "36");
    EXPECT_EQ(fc[3], "72");
    EXPECT_NE(fc[4], "---");
    EXPECT_EQ(fc[6], "FC");
    Row fo = SpringReturnSizingRow(range, "100", 100, 100, 1.2f, 0.3f, 0.6f, 5.5f, 1, true);
    EXPECT_EQ(fo[2], "319"); // 36 Nm in in.lb
    EXPECT_EQ(fo[6], "  FO");
    Row none = SpringReturnSizingRow(range, "99999", 99999, 99999, 1.2f, 0.3f, 0.6f, 5.5f, 0, false);
    EXPECT_EQ(none[4], "---");
    EXPECT_EQ(none[5], "");
}

TEST(ScreenRows, ElectricSizingRowRemembersTheRecord) {
    TorqueE data("e", {{"EM 35", 35, 27, {}}, {"EM 60", 60, 46, {}}});
    int index = -7;
    Row row = ElectricSizingRow(data, "40", 40, 1.2f, 0.3f, false, index);
    EXPECT_EQ(row, (Row{"40", "48", "14", "EM 60"}));
    EXPECT_EQ(index, 1);
    ElectricSizingRow(data, "100", 100, 1.2f, 0.3f, false, index);
    EXPECT_EQ(index, -1);
}

TEST(ScreenRows, ValveSizeText) {
    EXPECT_EQ(ValveSizeText(50), "50");
    EXPECT_EQ(ValveSizeText(50.04f), "50");
    EXPECT_EQ(ValveSizeText(62.5f), "62.5");
    EXPECT_EQ(ValveSizeText(50.06f), "50.1");
    EXPECT_EQ(ValveSizeText(0.5f), "0.5");
}

TEST(ScreenRows, DatabaseRowsOnTheShippedSamples) {
    TorqueT range(VN_SAMPLES "/varnox-rp.kav");
    TorqueDatabase ball(VN_SAMPLES "/ball-valves");
    ASSERT_TRUE(ball.IsUsable());
    for (const ValvePage& page : ball.pages) {
        std::vector<Row> rows =
            DatabaseRows(range, page, 5.5f, page.safetyFactor, page.seatFactor, page.runFactor, 0, false);
        ASSERT_EQ(rows.size(), page.sizes.size());
        for (std::size_t r = 0; r < rows.size(); ++r)
            ASSERT_EQ(rows[r].size(), 6u);
        // the deliberately large trunnion size finds nothing
        if (page.name.find("Trunnion") != std::string::npos) {
            EXPECT_EQ(rows.back()[3], "---");
            EXPECT_EQ(rows.back()[4], "---");
            EXPECT_EQ(rows.back()[5], "");
        }
    }
    TorqueE electric(VN_SAMPLES "/varnox-em.qu");
    std::vector<int> indices;
    const ValvePage& first = ball.pages[0];
    std::vector<Row> rows = DatabaseRows(electric, first, first.safetyFactor, first.seatFactor, first.runFactor, false,
                                         indices);
    ASSERT_EQ(indices.size(), rows.size());
    int last = -1;
    for (int index : indices) {
        EXPECT_GE(index, last); // a larger valve never gets a smaller actuator
        last = index;
    }
}
