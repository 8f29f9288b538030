#include "actuator_files.h"
#include "core/data/read_status.h"
#include "core/data/torque_e.h"
#include "test_support.h"

#include <gtest/gtest.h>

TEST(TorqueE, ReadsTheShippedRange) {
    TorqueE data(VN_SAMPLES "/varnox-em.qu");
    EXPECT_EQ(data.GetStatus(), ReadComplete);
    ASSERT_GE(data.GetCount(), 8);
    for (int i = 1; i < data.GetCount(); ++i) {
        EXPECT_GT(data.Item(i).breakSeatTorque, data.Item(i - 1).breakSeatTorque);
        EXPECT_GT(data.Item(i).runTorque, data.Item(i - 1).runTorque);
    }
}

TEST(TorqueE, RecordFieldsAndShortFiles) {
    std::string dir = TestDir();
    TorqueEItem a{"An electric model name", 100, 80, {1, 2, 3, 4, 5, 6, 7, 8}};
    TorqueEItem b{"EM 200", 200, 150, {}};
    std::string content = QuFile("Electric", "3", {a, b});
    // a torque written with a fraction reads as its whole part
    content.replace(content.find("\r\n200\r\n"), 7, "\r\n200.9\r\n");
    TorqueE data(WriteFile(dir, "e.qu", content));
    EXPECT_EQ(data.GetStatus(), ReadShort);
    ASSERT_EQ(data.GetCount(), 2);
    EXPECT_EQ(data.GetModel(0), "An electric mod");
    EXPECT_EQ(data.Item(0).extra[7], 8.0f);
    EXPECT_EQ(data.Item(1).breakSeatTorque, 200);

    TorqueE none(WriteFile(dir, "n.qu", QuFile("Electric", "0", {a})));
    EXPECT_EQ(none.GetStatus(), ReadNoRecords);
    EXPECT_FALSE(none.HasItems());
    EXPECT_EQ(none.GetModel(0), "");
}
