#include "core/text/text_util.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

TEST(ParseDouble, ReadsLikeAtof) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"4.5", 4.5},   {"  \t12.9xyz", 12.9},
        {"-3", -3},     {"+2.5", 2.5},
        {"", 0},        {"abc", 0},
        {"1e3", 1000},  {".5", 0.5},
        {"5.", 5},      {"0x10", 16},
        {"0xg", 0},     {"--1", 0},
        {"+-1", 0},     {"1,5", 1},
        {"1e", 1},      {"1e-400", 0},
        {"-1e-400", 0},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(ParseDouble(c.text), c.value) << c.text;
    EXPECT_TRUE(std::isinf(ParseDouble("1e400")));
    EXPECT_LT(ParseDouble("-1e400"), 0);
}

TEST(ParseDouble, IgnoresTheDesktopLocale) {
    // A desktop with a decimal comma must not change how files read.
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = old ? old : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") || std::setlocale(LC_NUMERIC, "fr_FR.UTF-8")) {
        EXPECT_DOUBLE_EQ(ParseDouble("4.5"), 4.5);
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(ParseInt, ReadsLikeAtolAndClamps) {
    EXPECT_EQ(ParseInt(" 42abc"), 42);
    EXPECT_EQ(ParseInt("12.9"), 12);
    EXPECT_EQ(ParseInt("-7"), -7);
    EXPECT_EQ(ParseInt("x1"), 0);
    EXPECT_EQ(ParseInt("99999999999999999999"), std::numeric_limits<int>::max());
    EXPECT_EQ(ParseInt("-99999999999999999999"), std::numeric_limits<int>::min());
}

TEST(TruncToInt, DefinedForEveryInput) {
    EXPECT_EQ(TruncToInt(2.9), 2);
    EXPECT_EQ(TruncToInt(-2.9), -2);
    EXPECT_EQ(TruncToInt(std::nan("")), 0);
    EXPECT_EQ(TruncToInt(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(TruncToInt(-1e300), std::numeric_limits<int>::min());
}

TEST(TextCuts, FieldsStopAtNulAndNeverSplitACharacter) {
    EXPECT_EQ(CutToField("abcdefg", 5), "abcde");
    EXPECT_EQ(CutToField(std::string("ab\0cd", 5), 5), "ab");
    // a field counts characters: an accented letter takes one place, not two
    EXPECT_EQ(CutToField("abc\xc3\xa9z", 4), "abc\xc3\xa9");
    EXPECT_EQ(CutToField("abc\xc3\xa9z", 3), "abc");
    EXPECT_EQ(Utf8Length("\xc2\xb0"
                         "C"),
              2u);
    EXPECT_EQ(PadRight("\xc2\xb0"
                       "C",
                       4),
              "\xc2\xb0"
              "C  ");
    EXPECT_EQ(CutChars("Temp\xc3\xa9rature", 6), "Temp\xc3\xa9r");
}

TEST(TextCuts, TitlesUpperCaseEveryLetterOfTheFourLanguages) {
    EXPECT_EQ(ToUpperText("Kapazit\xc3\xa4t Druckluftbeh\xc3\xa4lter"), "KAPAZIT\xc3\x84T DRUCKLUFTBEH\xc3\x84LTER");
    EXPECT_EQ(ToUpperText("d\xc3\xa9"
                          "bit \xc5\x93uvre \xc3\xa0 \xc3\xa7"
                          "a"),
              "D\xc3\x89"
              "BIT \xc5\x92UVRE \xc3\x80 \xc3\x87"
              "A");
    EXPECT_EQ(ToUpperText("Stra\xc3\x9f"
                          "e \xc4\xb3s"),
              "STRASSE \xc4\xb2S");
    // signs and capitals stay as they are, and so does a lone lead byte at the end
    EXPECT_EQ(ToUpperText("\xc2\xb0"
                          "C \xc3\xb7 \xc3\x84 [Nm]\xc3"),
              "\xc2\xb0"
              "C \xc3\xb7 \xc3\x84 [NM]\xc3");
}

TEST(ShortestFloat, RoundTrips) {
    for (float v : {2.346f, 0.1f, 8.850001f, 1e-7f, 123456.78f})
        EXPECT_EQ(ParseFloat(ShortestFloat(v)), v);
}
