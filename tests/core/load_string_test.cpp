#include "core/text/load_string.h"

#include <gtest/gtest.h>

TEST(LoadString, EnglishTableTextsAsTheyStand) {
    EXPECT_EQ(LoadString(12), "Varnox  Pneumatic Engineering & Sizing");
    EXPECT_EQ(LoadString(22), "Select  Actuator File");
    EXPECT_EQ(LoadString(32), "  FO");
    EXPECT_EQ(LoadString(52), "\xc2\xb0"
                              "C");
    EXPECT_EQ(LoadString(601), "Actuator Sizing");
    EXPECT_EQ(LoadString(24310), "Quits Sizing & Engineering");
    EXPECT_EQ(LoadString(99999), "");
    // every number of the table answers
    for (int id : EnglishStringIds())
        EXPECT_FALSE(LoadString(id).empty()) << id;
    EXPECT_GE(EnglishStringIds().size(), 149u);
}

TEST(LoadString, BufferVersionCutsAtTheCallersLength) {
    char buffer[kShortUnitChars + 1];
    EXPECT_EQ(LoadString(44, buffer, kShortUnitChars), 5u);
    EXPECT_STREQ(buffer, "in.lb");
    char small[5];
    LoadString(20, small, 4);
    EXPECT_STREQ(small, "An e");
    // a cut never leaves half a character
    char degree[3];
    LoadString(52, degree, 1);
    EXPECT_STREQ(degree, "");
}

TEST(LoadString, ALanguageCatalogueCanStandInFront) {
    SetStringLookup([](int id) { return id == 13 ? std::string("Koppel") : std::string(); });
    EXPECT_EQ(LoadString(13), "Koppel");
    EXPECT_EQ(LoadString(14), ""); // a number missing from a catalogue is empty
    SetStringLookup({});
    EXPECT_EQ(LoadString(13), "Torque");
}
