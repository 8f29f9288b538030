#include "core/units/conversions.h"

#include <cmath>

float InLbToNm(float x) {
    return x / kInLbPerNm;
}
float NmToInLb(float x) {
    return x * kInLbPerNm;
}
float PsiToBar(float x) {
    return x / kPsiPerBar;
}
float BarToPsi(float x) {
    return x * kPsiPerBar;
}
float InchToMm(float x) {
    return x / kInchPerMm;
}
float MmToInch(float x) {
    return x * kInchPerMm;
}
float CuInToLiter(float x) {
    return x / kCuInPerLiter;
}
float LiterToCuIn(float x) {
    return x * kCuInPerLiter;
}
float LbToKg(float x) {
    return x / kLbPerKg;
}
float KgToLb(float x) {
    return x * kLbPerKg;
}
float CvToKv(float x) {
    return x / 0.85f;
}
float NmmToPsi(float x) {
    return x * 144.7f;
}
float FahrenheitToCelsius(float x) {
    return static_cast<float>((x - 32) * 0.5555555555555556);
}
float CelsiusToFahrenheit(float x) {
    return static_cast<float>(x * 1.8 + 32);
}

float HotLineHeight(float percent) {
    return static_cast<float>(3.5 * std::pow(2.71827, 0.05 * percent) - 3.5);
}

bool TorsionStressDeflection(float torque, float diameter, float length, float& stress, float& deflection) {
    stress = 0;
    deflection = 0;
    constexpr float pi = 3.1415927f;
    const double r = diameter * 0.5;
    const float a = static_cast<float>(std::pow(r, 3) * pi);
    if (a == 0)
        return false;
    stress = 2 * torque * 1000 / a;
    const float b = static_cast<float>(std::pow(r, 4) * pi * 83000);
    if (b == 0)
        return false;
    deflection = static_cast<float>(2 * torque * 1000 * length * 57.3 / b);
    return true;
}
