#include "core/tables/result_table_layout.h"
#include "core/text/number_field_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct EditKeyCase {
    const char* text;
    char32_t key;
    char decimalChar;
    char32_t enters; // 0: refused
};

class ControlsEditKey : public testing::TestWithParam<EditKeyCase> {};

TEST_P(ControlsEditKey, Filter) {
    const EditKeyCase& c = GetParam();
    EXPECT_EQ(EditKeyChar(c.text, c.key, c.decimalChar), c.enters)
        << "text \"" << c.text << "\" key " << static_cast<unsigned>(c.key);
}

INSTANTIATE_TEST_SUITE_P(Cases, ControlsEditKey,
                         testing::Values(EditKeyCase{"", U'0', '.', U'0'}, EditKeyCase{"123", U'9', '.', U'9'},
                                         EditKeyCase{"1", U'.', '.', U'.'}, EditKeyCase{"1.2", U'.', '.', 0},
                                         EditKeyCase{"5", U'-', '.', U'-'}, EditKeyCase{"5-", U'-', '.', 0},
                                         EditKeyCase{"-5", U'.', '.', U'.'}, EditKeyCase{"", U'a', '.', 0},
                                         EditKeyCase{"", U'E', '.', 0}, EditKeyCase{"1", U' ', '.', 0},
                                         EditKeyCase{"1", U',', '.', U'.'}, EditKeyCase{"1", U'+', '.', 0},
                                         EditKeyCase{"1.2", 8, '.', 8}, EditKeyCase{"1.2", 127, '.', 127},
                                         EditKeyCase{"1.2", 22, '.', 22}, EditKeyCase{"1", 0x00B2, '.', 0},
                                         EditKeyCase{"1", 0x0661, '.', 0}, EditKeyCase{"1", U'€', '.', 0},
                                         // a comma or a point enters the field's decimal char, once
                                         EditKeyCase{"1.2", U',', '.', 0}, EditKeyCase{"1", U',', ',', U','},
                                         EditKeyCase{"1,2", U',', ',', 0}, EditKeyCase{"1", U'.', ',', U','},
                                         EditKeyCase{"1,2", U'.', ',', 0},
                                         // a key whose low byte is '.' is not the point
                                         EditKeyCase{"1", 0x012E, '.', 0},
                                         // only the first 18 characters are looked at
                                         EditKeyCase{"12345678901234567.", U'.', '.', 0},
                                         EditKeyCase{"123456789012345678.", U'.', '.', U'.'},
                                         EditKeyCase{"123456789012345678-", U'-', '.', U'-'}));

struct FormatCase {
    float value;
    const char* text;
};

class ControlsEditFloat : public testing::TestWithParam<FormatCase> {};

TEST_P(ControlsEditFloat, Format) {
    EXPECT_EQ(FormatEditFloat(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, ControlsEditFloat,
                         testing::Values(FormatCase{12.5f, "12.5"}, FormatCase{12.0f, "12.0"}, FormatCase{0.0f, "0.0"},
                                         FormatCase{0.125f, "0.125"}, FormatCase{-3.75f, "-3.75"},
                                         FormatCase{100.0f, "100.0"}, FormatCase{0.05f, "0.05"},
                                         FormatCase{1.0f / 3.0f, "0.333333"}, FormatCase{1000000.0f, "1000000.0"},
                                         FormatCase{-0.5f, "-0.5"},
                                         // below the six places of "%f"
                                         FormatCase{0.0000001f, "0.0"}, FormatCase{2.0000001f, "2.0"},
                                         FormatCase{16777216.0f, "16777216.0"}));

TEST(ControlsEditFloat, ShowsTheFieldsDecimalChar) {
    EXPECT_EQ(FormatEditFloat(12.0f, ','), "12,0");
    EXPECT_EQ(FormatEditFloat(12.5f, ','), "12,5");
}

struct ValueCase {
    const char* text;
    float value;
};

class ControlsEditValue : public testing::TestWithParam<ValueCase> {};

TEST_P(ControlsEditValue, ReadsLikeAtof) {
    EXPECT_EQ(EditTextValue(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, ControlsEditValue,
                         testing::Values(ValueCase{"12abc", 12.0f}, ValueCase{"-", 0.0f}, ValueCase{".5", 0.5f},
                                         ValueCase{"5-", 5.0f}, ValueCase{"", 0.0f}, ValueCase{"-2.25", -2.25f},
                                         ValueCase{"1.2.3", 1.2f}, ValueCase{"  7", 7.0f}, ValueCase{"0.1", 0.1f},
                                         ValueCase{"4,5", 4.0f}));

TEST(ControlsEditValue, PastedTextReadsAsANumberOrNotAtAll) {
    EXPECT_EQ(PastedEditText(" 150,5\t\r\n", '.'), "150.5");
    EXPECT_EQ(PastedEditText("45.5", ','), "45,5");
    EXPECT_EQ(PastedEditText("  ", '.'), "");
    for (const char* number : {"", "150.5", "-0.5", ".5", "5.", "12"})
        EXPECT_TRUE(IsEditNumber(number, '.')) << number;
    // a thousands separator leaves two decimal chars: no silent 1.2345
    for (const char* other : {"1.234.5", "12abc", "1e5", "-", ".", "5-", "--5", "1 000", "\xc2\xbd"})
        EXPECT_FALSE(IsEditNumber(other, '.')) << other;
    EXPECT_EQ(EditTextValue("4,5", ','), 4.5f);
}

TEST(ControlsEditValue, OnlyTheFirstThirtyCharactersCount) {
    const std::string thirty(30, '1');
    EXPECT_EQ(EditTextValue(thirty + "99"), static_cast<float>(std::stod(thirty)));
    EXPECT_EQ(EditTextValue(std::string(29, '0') + "12"), 1.0f);
}

TEST(ControlsColumnLayout, FiveEqualColumnsInThreeHundredPixels) {
    const std::vector<ColumnRect> rects = ColumnLayout(300, 200, std::vector<float>(5, 1.0f));
    ASSERT_EQ(rects.size(), 5u);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(rects[i], (ColumnRect{57 * i, 32, 57, 168})) << "column " << i;
    EXPECT_EQ(HeaderRect(rects[2]), (ColumnRect{114, 0, 57, 32}));
    EXPECT_EQ(ScrollBarRect(300, 200), (ColumnRect{285, 0, 15, 200}));
}

TEST(ControlsColumnLayout, LastColumnTakesTheRest) {
    // 296 - 15 = 281 leaves a unit of 56 and one pixel over for the last column
    const std::vector<ColumnRect> rects = ColumnLayout(296, 100, std::vector<float>(5, 1.0f));
    EXPECT_EQ(rects[3].width, 56);
    EXPECT_EQ(rects[4].x, 224);
    EXPECT_EQ(rects[4].width, 57);
    // wide factors push the last column off the edge; it keeps 10 pixels
    const std::vector<ColumnRect> wide = ColumnLayout(215, 100, {2.0f, 2.0f, 1.0f});
    EXPECT_EQ(wide[1].x, 132);
    EXPECT_EQ(wide[2].x, 264);
    EXPECT_EQ(wide[2].width, 10);
}

TEST(ControlsColumnLayout, NoColumnNarrowerThanTenPixels) {
    const std::vector<ColumnRect> rects = ColumnLayout(415, 100, {0.02f, 1.0f, 1.0f, 1.0f});
    EXPECT_EQ(rects[0].width, 10);
    // the next column starts after the widened one, not after 2 pixels
    EXPECT_EQ(rects[1].x, 10);
    EXPECT_EQ(rects[3].x, 210);
    EXPECT_EQ(rects[3].width, 190);
    // a client narrower than the scroll bar still gives 10-pixel columns side by side
    const std::vector<ColumnRect> tiny = ColumnLayout(20, 40, {1.0f, 1.0f});
    EXPECT_EQ(tiny[0], (ColumnRect{0, 32, 10, 8}));
    EXPECT_EQ(tiny[1], (ColumnRect{10, 32, 10, 8}));
}

TEST(ControlsColumnLayout, DatabaseColumns) {
    const std::vector<ColumnRect> rects = ColumnLayout(615, 300, {0.65f, 0.8f, 0.8f, 1.35f, 1.35f, 1.0f});
    // unit 100; 0.65f * 100 rounds to 65 in single precision, not 64.99
    const std::vector<int> x{0, 65, 145, 225, 360, 495};
    const std::vector<int> width{65, 80, 80, 135, 135, 105};
    ASSERT_EQ(rects.size(), 6u);
    for (std::size_t i = 0; i < rects.size(); ++i) {
        EXPECT_EQ(rects[i].x, x[i]) << "column " << i;
        EXPECT_EQ(rects[i].width, width[i]) << "column " << i;
    }
    // unit 57: 37.05, 45.6 and 76.95 are cut, not rounded
    const std::vector<ColumnRect> narrow = ColumnLayout(357, 300, {0.65f, 0.8f, 0.8f, 1.35f, 1.35f, 1.0f});
    EXPECT_EQ(narrow[0].width, 37);
    EXPECT_EQ(narrow[1].width, 45);
    EXPECT_EQ(narrow[3].width, 76);
    EXPECT_EQ(narrow[5].x, 37 + 45 + 45 + 76 + 76);
    EXPECT_EQ(narrow[5].width, 342 - narrow[5].x);
}

TEST(ControlsColumnLayout, AtMostTwentyOneColumns) {
    const std::vector<ColumnRect> rects = ColumnLayout(15 + 21 * 20, 100, std::vector<float>(25, 1.0f));
    ASSERT_EQ(rects.size(), static_cast<std::size_t>(kMaxColumns));
    EXPECT_EQ(rects.back().x, 400);
    EXPECT_EQ(rects.back().width, 20);
    EXPECT_TRUE(ColumnLayout(300, 100, {}).empty());
}

std::vector<int> Widths(const std::vector<ColumnRect>& rects) {
    std::vector<int> widths;
    for (std::size_t i = 0; i < rects.size(); ++i) {
        widths.push_back(rects[i].width);
        if (i > 0)
            EXPECT_EQ(rects[i].x, rects[i - 1].x + rects[i - 1].width) << "column " << i << " does not touch";
    }
    return widths;
}

TEST(ControlsColumnFit, ColumnsGrowToTheirTextsAtTheExpenseOfRoomToSpare) {
    const std::vector<ColumnRect> database = ColumnLayout(615, 300, {0.65f, 0.8f, 0.8f, 1.35f, 1.35f, 1.0f});
    // texts that fit leave the layout alone
    EXPECT_EQ(FitColumns(database, {65, 80, 0, 100}), database);
    // 19 pixels for the first column: shares 2, 2, 5, 5 and 4 rounded down, and the one
    // pixel rounding leaves from the first column that has room
    EXPECT_EQ(Widths(FitColumns(database, {84, 50, 50, 60, 60, 40})), (std::vector<int>{84, 77, 78, 130, 130, 101}));
    // a column with no room to spare keeps its width
    EXPECT_EQ(Widths(FitColumns(database, {84, 80, 80, 135, 135, 40})), (std::vector<int>{84, 80, 80, 135, 135, 86}));
    // not room enough: each column as wide as its text, and the table wider than its client
    const std::vector<ColumnRect> wide = FitColumns(ColumnLayout(300, 200, std::vector<float>(5, 1.0f)),
                                                    {100, 100, 40, 40, 5});
    EXPECT_EQ(Widths(wide), (std::vector<int>{100, 100, 40, 40, 10}));
    EXPECT_EQ(wide[4].height, 168);
}
