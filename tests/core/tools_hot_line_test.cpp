#include "core/report/datasheet_frame.h"
#include "core/text/load_string.h"
#include "core/tools/hot_line.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

constexpr int kMetric = 0;
constexpr int kImperial = 1;

struct HotLineCase {
    const char* fluid;
    const char* ambient;
    const char* instrument;
    int units;
    std::string text;
    float height; // 0 for a verdict
};

const std::string kAgain = "\r\nPlease enter new data and calculate again.";

// Writes the whole sheet the way the screen does and compares it with an expected file.
void ExpectSheet(const std::vector<std::string>& body, const std::string& expected) {
    const std::string dir = TestDir();
    DatasheetFrame frame;
    frame.banner = kPneumaticBanner;
    frame.versionText = kPneumaticVersionText;
    frame.place = "Rotterdam";
    frame.date = {6, 12, 2026};
    Textfile file(dir + "/sheet.txt");
    ASSERT_TRUE(WriteDatasheet(file, frame, LoadString(96), 2, body));
    EXPECT_EQ(ReadFile(dir + "/sheet.txt"), ReadFile(std::string(VN_TEST_DATA "/") + expected))
        << "written: " << dir << "/sheet.txt";
}

} // namespace

TEST(HotLine, VerdictsAndHeights) {
    const HotLineCase cases[] = {
        // the worked ratios 30, 50 and 97 (fluid 100, ambient 0) and the 200/20/80 example
        {"100", "0", "70", kMetric, "Height = 13 mm", 12.1858f},
        {"100", "0", "50", kMetric, "Height = 40 mm", 39.1383f},
        {"100", "0", "3", kMetric, "Height = 444 mm", 443.582f},
        {"200", "20", "80", kMetric, "Height = 95 mm", 94.61f},
        {"150", "20", "25", kMetric, "Height = 426 mm", 425.06f}, // ratio 96.2
        {"150", "20", "147", kMetric, "No problem!  Use standard mounting.", 0},
        // the fluid limit wins over everything, also over a height
        {"1000", "20", "950", kMetric, "Fluid temperature is too high." + kAgain, 0},
        {"999", "20", "950", kMetric, "No problem!  Use standard mounting.", 0},
        {"500", "40", "30", kMetric, "Ambient temperature is higher than the instrument temperature." + kAgain, 0},
        // a fluid colder than the air, or as warm, loses too much heat
        {"10", "20", "30", kMetric, "Heat loss is too high." + kAgain, 0},
        {"20", "20", "30", kMetric, "Heat loss is too high." + kAgain, 0},
        // a lone minus reads as 0 degrees, not as a missing field
        {"-", "-", "-", kMetric, "Heat loss is too high." + kAgain, 0},
        // the limit is tested in degrees Celsius: 1832 F is 1000 degrees
        {"1832", "68", "176", kImperial, "Fluid temperature is too high." + kAgain, 0},
        // ratio 30 in Fahrenheit: 12.19 mm is 0.48 inch, raised to 1 inch
        {"212", "32", "158", kImperial, "Height = 1 inch", 0.479757f},
        {"200", "20", "80", kImperial, "Height = 4 inch", 3.7248f},
    };
    for (const HotLineCase& c : cases) {
        SCOPED_TRACE(std::string(c.fluid) + "/" + c.ambient + "/" + c.instrument);
        const HotLineResult result = CalculateHotLine(c.fluid, c.ambient, c.instrument, c.units);
        EXPECT_EQ(result.text, c.text);
        EXPECT_NEAR(result.height, c.height, 0.01f);
    }
}

TEST(HotLine, JustBelowTheFahrenheitLimitGivesAHeight) {
    const HotLineResult result = CalculateHotLine("1830", "68", "176", kImperial);
    EXPECT_EQ(result.text.rfind("Height = ", 0), 0u) << result.text;
    EXPECT_NE(result.text.find(" inch"), std::string::npos);
    EXPECT_GT(result.height, 0);
}

TEST(HotLine, RatioEndsBothGiveAHeight) {
    EXPECT_EQ(HotLineHeatRatio(100, 0, 70), 30.0f);
    EXPECT_EQ(HotLineHeatRatio(100, 0, 3), 97.0f);
    EXPECT_EQ(HotLineHeatRatio(55, 55, 60), 100.0f);
    EXPECT_NEAR(HotLineHeatRatio(200, 20, 80), 66.67f, 0.01f);
}

TEST(HotLine, MissingFieldsAreNamedTogether) {
    EXPECT_EQ(CalculateHotLine("", "", "", kMetric).text,
              "No fluid temperature available\r\nNo ambient temperature available\r\n"
              "No instrument temperature available\r\n");
    const HotLineResult oneMissing = CalculateHotLine("200", "", "80", kImperial);
    EXPECT_EQ(oneMissing.text, "No ambient temperature available\r\n");
    EXPECT_EQ(oneMissing.height, 0.0f);
}

TEST(HotLine, ResultBoxLines) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(ResultBoxLines(""), Lines{});
    EXPECT_EQ(ResultBoxLines("Height = 95 mm"), Lines{"Height = 95 mm"});
    EXPECT_EQ(ResultBoxLines("a\r\nb"), (Lines{"a", "b"}));
    // the box also shows the empty line after a closing break
    EXPECT_EQ(ResultBoxLines("a\nb\n"), (Lines{"a", "b", ""}));
}

TEST(HotLine, DatasheetWithHeight) {
    const HotLineResult result = CalculateHotLine("200", "20", "80", kMetric);
    ExpectSheet(HotLineDatasheetBody("200", "20", "80", result.height, ResultBoxLines(result.text), kMetric),
                "tool_hot_line_height.txt");
}

TEST(HotLine, DatasheetWithVerdictInFahrenheit) {
    // typed texts longer than 8 characters are cut; the result lines are printed as the box holds them
    const HotLineResult result = CalculateHotLine("2000", "68", "100", kImperial);
    ExpectSheet(HotLineDatasheetBody("2000", "68.00000001", "100", result.height,
                                     ResultBoxLines(result.text + "\r\nchecked by J. Smit"), kImperial),
                "tool_hot_line_verdict.txt");
}

TEST(HotLine, ResultWordStaysEnglishInOtherLanguages) {
    SetStringLookup([](int id) { return id == 115 ? std::string("Ergebnis:") : "#" + std::to_string(id); });
    const std::vector<std::string> body = HotLineDatasheetBody("", "", "", 0, {"#74"}, kMetric);
    SetStringLookup({});
    ASSERT_GT(body.size(), 10u);
    EXPECT_EQ(body[5], "#93 #56                           =      #52");
    EXPECT_EQ(body[9], "Result:");
    EXPECT_EQ(body[10], "#74");
    EXPECT_EQ(body[13], "#107");
}
