#include "core/units/conversions.h"

#include <gtest/gtest.h>

TEST(Conversions, WorkedValues) {
    EXPECT_FLOAT_EQ(PsiToBar(145), 10.0f);
    EXPECT_FLOAT_EQ(BarToPsi(1), 14.5f);
    EXPECT_EQ(FahrenheitToCelsius(212), 100.0f);
    EXPECT_EQ(FahrenheitToCelsius(-40), -40.0f);
    EXPECT_EQ(CelsiusToFahrenheit(100), 212.0f);
    // the stored factor is one float above 8.85
    EXPECT_EQ(NmToInLb(1), 8.850001f);
    EXPECT_NE(NmToInLb(1), 8.85f);
    EXPECT_FLOAT_EQ(InLbToNm(885), 100.0f);
    EXPECT_FLOAT_EQ(MmToInch(25.4f), 1.0f);
    EXPECT_FLOAT_EQ(InchToMm(1), 25.4f);
    EXPECT_FLOAT_EQ(LiterToCuIn(1), 61.013f);
    EXPECT_FLOAT_EQ(CuInToLiter(61.013f), 1);
    EXPECT_FLOAT_EQ(KgToLb(10), 22);
    EXPECT_FLOAT_EQ(LbToKg(22), 10);
    EXPECT_FLOAT_EQ(CvToKv(0.85f), 1);
    EXPECT_FLOAT_EQ(NmmToPsi(1), 144.7f);
}

TEST(Conversions, PressureRangeEndsInPsi) {
    // 29 psi is exactly 2 bar; 28.9 psi is below
    EXPECT_GE(PsiToBar(29), 2.0f);
    EXPECT_LT(PsiToBar(28.9f), 2.0f);
}

TEST(HotLineHeight, GrowsExponentiallyFromZero) {
    EXPECT_FLOAT_EQ(HotLineHeight(0), 0.0f);
    EXPECT_NEAR(HotLineHeight(30), 12.1858f, 1e-4);
    EXPECT_NEAR(HotLineHeight(50), 39.1383f, 1e-4);
    EXPECT_NEAR(HotLineHeight(97), 443.582f, 1e-3);
}

TEST(TorsionStressDeflection, WorkedExample) {
    float stress = -1, deflection = -1;
    ASSERT_TRUE(TorsionStressDeflection(100, 20, 500, stress, deflection));
    EXPECT_NEAR(stress, 63.66f, 0.005f);
    EXPECT_NEAR(deflection, 2.197f, 0.001f);

    // the imperial twin: 885 in.lb, 20 mm and 500 mm in inches
    ASSERT_TRUE(
        TorsionStressDeflection(InLbToNm(885), InchToMm(MmToInch(20)), InchToMm(MmToInch(500)), stress, deflection));
    EXPECT_EQ(static_cast<int>(NmmToPsi(stress) + 0.5f), 9212);

    EXPECT_FALSE(TorsionStressDeflection(100, 0, 500, stress, deflection));
    EXPECT_EQ(stress, 0.0f);
    EXPECT_EQ(deflection, 0.0f);
}
