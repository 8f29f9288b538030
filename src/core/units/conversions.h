// Metric/imperial conversions and the tool formulas. All calculations run in metric
// units; screens convert an input right after reading it and a result just before
// showing it, never twice.
#pragma once

// Nm -> in.lb. The factor is the float just above the nearest float to 8.85, so one
// newton-metre shows as 8.850001 in.lb.
constexpr float kInLbPerNm = 8.850001f;
constexpr float kPsiPerBar = 14.5f;
constexpr float kInchPerMm = 0.03937008f;
constexpr float kCuInPerLiter = 61.013f;
constexpr float kLbPerKg = 2.2f;

float InLbToNm(float x);
float NmToInLb(float x);
float PsiToBar(float x);
float BarToPsi(float x);
float InchToMm(float x);
float MmToInch(float x);
float CuInToLiter(float x);
float LiterToCuIn(float x);
float LbToKg(float x);
float KgToLb(float x);
float CvToKv(float x);
float NmmToPsi(float x);
float FahrenheitToCelsius(float x);
float CelsiusToFahrenheit(float x);

// Mounting height in mm for a heat ratio P in percent.
float HotLineHeight(float percent);

// Shear stress (N/mm^2) and twist (degrees) of a solid shaft: torque Nm, diameter and
// length mm. False, with stress and deflection 0, when the diameter is 0.
bool TorsionStressDeflection(float torque, float diameter, float length, float& stress, float& deflection);
