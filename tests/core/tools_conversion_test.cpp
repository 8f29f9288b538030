// What the conversion windows show: units, captions, formulas as the edit field writes
// them, and where a new window goes.
#include "core/text/load_string.h"
#include "core/text/number_field_rules.h"
#include "core/tools/conversion_kinds.h"
#include "core/units/conversions.h"

#include <gtest/gtest.h>

namespace {

// The result field's text for a typed input.
std::string Shown(ConversionKind kind, int direction, const char* typed) {
    return FormatEditFloat(ConvertValue(kind, direction, EditTextValue(typed)));
}

std::string Words(ConversionKind kind, int direction) {
    const auto [from, to] = ConversionUnitWords(kind, direction);
    return LoadString(from) + ">" + LoadString(to);
}

} // namespace

TEST(ConversionKinds, UnitsPerDirection) {
    const struct {
        ConversionKind kind;
        const char* imperialToMetric;
        const char* metricToImperial;
    } cases[] = {
        {ConversionKind::Pressure, "psi>bar", "bar>psi"},
        {ConversionKind::TorqueInLbNm, "in.lb>Nm", "Nm>in.lb"},
        {ConversionKind::TorqueFtLbNm, "ft.lb>Nm", "Nm>ft.lb"},
        {ConversionKind::TorqueInLbKgm, "in.lb>kg.m", "kg.m>in.lb"},
        {ConversionKind::TorqueFtLbKgm, "ft.lb>kg.m", "kg.m>ft.lb"},
        {ConversionKind::Length, "inch>mm", "mm>inch"},
        {ConversionKind::Weight, "lb>kg", "kg>lb"},
        {ConversionKind::Volume, "cu.in>liter", "liter>cu.in"},
        {ConversionKind::Temperature, "F>°C", "°C>F"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Words(c.kind, 0), c.imperialToMetric);
        EXPECT_EQ(Words(c.kind, 1), c.metricToImperial);
    }
}

TEST(ConversionKinds, TorqueVariants) {
    EXPECT_EQ(TorqueVariant(1), ConversionKind::TorqueInLbNm);
    EXPECT_EQ(TorqueVariant(2), ConversionKind::TorqueFtLbNm);
    EXPECT_EQ(TorqueVariant(3), ConversionKind::TorqueInLbKgm);
    EXPECT_EQ(TorqueVariant(4), ConversionKind::TorqueFtLbKgm);
    EXPECT_EQ(TorqueVariant(0), ConversionKind::TorqueInLbNm);
    EXPECT_TRUE(IsTorque(TorqueVariant(4)));
    EXPECT_FALSE(IsTorque(ConversionKind::Weight));
}

TEST(ConversionKinds, Captions) {
    EXPECT_EQ(ConversionCaption(ConversionKind::Weight, "lb", "kg"), "Convert Weight");
    EXPECT_EQ(ConversionCaption(ConversionKind::Temperature, "F", "°C"), "Convert Temperature");
    EXPECT_EQ(ConversionCaption(ConversionKind::TorqueInLbNm, "in.lb", "Nm"), "Convert Torque   [in.lb & Nm]");
    // the labels are read back at most 6 characters long
    EXPECT_EQ(ConversionCaption(ConversionKind::TorqueFtLbKgm, "Fuss.Pfund", "kg.m"),
              "Convert Torque   [Fuss.P & kg.m]");
}

TEST(ConversionKinds, ShownResults) {
    const struct {
        ConversionKind kind;
        int direction;
        const char* typed;
        std::string shown;
    } cases[] = {
        {ConversionKind::Weight, 0, "22", "10.0"},
        // the single-precision product keeps its last decimal
        {ConversionKind::Weight, 1, "22", FormatEditFloat(22 * 2.2f)},
        {ConversionKind::Weight, 1, "22", "48.400002"},
        {ConversionKind::Pressure, 0, "145", "10.0"},
        {ConversionKind::Pressure, 1, "1", "14.5"},
        {ConversionKind::TorqueInLbNm, 1, "1", "8.850001"},
        // the stored factor lies just above 8.85
        {ConversionKind::TorqueInLbNm, 0, "885", "99.999985"},
        {ConversionKind::TorqueFtLbNm, 0, "1", FormatEditFloat(12 / 8.850001f)},
        {ConversionKind::TorqueFtLbNm, 1, "12", "8.850001"},
        {ConversionKind::TorqueInLbKgm, 1, "1", FormatEditFloat(static_cast<float>(9.80655 * 8.850001f))},
        {ConversionKind::TorqueInLbKgm, 0, "86.78797", "1.0"},
        {ConversionKind::TorqueFtLbKgm, 1, "12", "86.787979"},
        {ConversionKind::TorqueFtLbKgm, 0, "1", "0.138268"},
        {ConversionKind::Length, 0, "1", "25.4"},
        {ConversionKind::Length, 1, "25.4", "1.0"},
        {ConversionKind::Volume, 1, "1", "61.013"},
        {ConversionKind::Temperature, 0, "212", "100.0"},
        {ConversionKind::Temperature, 1, "-40", "-40.0"},
        // a lone minus reads as 0
        {ConversionKind::Temperature, 0, "-", "-17.777779"},
        {ConversionKind::Pressure, 0, "-", "0.0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Shown(c.kind, c.direction, c.typed), c.shown) << c.typed;
    EXPECT_EQ(Shown(ConversionKind::TorqueFtLbNm, 0, "1").size(), std::string("1.355932").size());
}

TEST(ConversionKinds, WindowPlacement) {
    using Point = std::pair<int, int>;
    EXPECT_EQ(ConversionWindowPosition(1024, 768, 255, 81, 1), (Point{596, 191}));
    EXPECT_EQ(ConversionWindowPosition(1024, 768, 255, 81, 2), (Point{616, 211}));
    EXPECT_EQ(ConversionWindowPosition(1024, 768, 255, 81, 9), (Point{756, 351}));
    // the divisions round toward zero
    EXPECT_EQ(ConversionWindowPosition(1281, 801, 300, 100, 0), (Point{735, 175}));
}
