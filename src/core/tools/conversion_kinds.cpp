#include "core/tools/conversion_kinds.h"

#include "core/text/load_string.h"
#include "core/text/text_util.h"
#include "core/units/conversions.h"

namespace {

constexpr float kInchPerFoot = 12.0f;
constexpr long double kFootPerInch = 1.0L / 12;
constexpr long double kKgmPerNm = 1.0L / 9.80655;
constexpr double kNmPerKgm = 9.80655;

// The unit words in the imperial, metric order of each kind.
std::pair<int, int> Words(ConversionKind kind) {
    switch (kind) {
    case ConversionKind::Pressure:
        return {46, 45};
    case ConversionKind::TorqueInLbNm:
        return {44, 43};
    case ConversionKind::TorqueFtLbNm:
        return {58, 43};
    case ConversionKind::TorqueInLbKgm:
        return {44, 57};
    case ConversionKind::TorqueFtLbKgm:
        return {58, 57};
    case ConversionKind::Length:
        return {60, 59};
    case ConversionKind::Weight:
        return {64, 63};
    case ConversionKind::Volume:
        return {62, 61};
    case ConversionKind::Temperature:
        return {53, 52};
    }
    return {0, 0};
}

int QuantityWord(ConversionKind kind) {
    switch (kind) {
    case ConversionKind::Pressure:
        return 55;
    case ConversionKind::Length:
        return 65;
    case ConversionKind::Weight:
        return 66;
    case ConversionKind::Volume:
        return 67;
    case ConversionKind::Temperature:
        return 56;
    case ConversionKind::TorqueInLbNm:
    case ConversionKind::TorqueFtLbNm:
    case ConversionKind::TorqueInLbKgm:
    case ConversionKind::TorqueFtLbKgm:
        break;
    }
    return 13;
}

// The pre-factor goes on first and is rounded to single precision before the in.lb/Nm step.
float ImperialToMetric(ConversionKind kind, float x) {
    switch (kind) {
    case ConversionKind::Pressure:
        return PsiToBar(x);
    case ConversionKind::TorqueInLbNm:
        return InLbToNm(x);
    case ConversionKind::TorqueFtLbNm:
        return InLbToNm(x * kInchPerFoot);
    case ConversionKind::TorqueInLbKgm:
        return InLbToNm(static_cast<float>(x * kKgmPerNm));
    case ConversionKind::TorqueFtLbKgm: {
        const float inches = x * kInchPerFoot;
        return InLbToNm(static_cast<float>(inches * kKgmPerNm));
    }
    case ConversionKind::Length:
        return InchToMm(x);
    case ConversionKind::Weight:
        return LbToKg(x);
    case ConversionKind::Volume:
        return CuInToLiter(x);
    case ConversionKind::Temperature:
        return FahrenheitToCelsius(x);
    }
    return x;
}

float MetricToImperial(ConversionKind kind, float x) {
    switch (kind) {
    case ConversionKind::Pressure:
        return BarToPsi(x);
    case ConversionKind::TorqueInLbNm:
        return NmToInLb(x);
    case ConversionKind::TorqueFtLbNm:
        return NmToInLb(static_cast<float>(x * kFootPerInch));
    case ConversionKind::TorqueInLbKgm:
        return NmToInLb(static_cast<float>(x * kNmPerKgm));
    case ConversionKind::TorqueFtLbKgm:
        return NmToInLb(static_cast<float>(x * kNmPerKgm * kFootPerInch));
    case ConversionKind::Length:
        return MmToInch(x);
    case ConversionKind::Weight:
        return KgToLb(x);
    case ConversionKind::Volume:
        return LiterToCuIn(x);
    case ConversionKind::Temperature:
        return CelsiusToFahrenheit(x);
    }
    return x;
}

} // namespace

ConversionKind TorqueVariant(int variant) {
    switch (variant) {
    case 2:
        return ConversionKind::TorqueFtLbNm;
    case 3:
        return ConversionKind::TorqueInLbKgm;
    case 4:
        return ConversionKind::TorqueFtLbKgm;
    default:
        return ConversionKind::TorqueInLbNm;
    }
}

bool IsTorque(ConversionKind kind) {
    return kind == ConversionKind::TorqueInLbNm || kind == ConversionKind::TorqueFtLbNm ||
           kind == ConversionKind::TorqueInLbKgm || kind == ConversionKind::TorqueFtLbKgm;
}

float ConvertValue(ConversionKind kind, int direction, float x) {
    return direction == 0 ? ImperialToMetric(kind, x) : MetricToImperial(kind, x);
}

std::pair<int, int> ConversionUnitWords(ConversionKind kind, int direction) {
    const auto [imperial, metric] = Words(kind);
    return direction == 0 ? std::pair{imperial, metric} : std::pair{metric, imperial};
}

std::string ConversionCaption(ConversionKind kind, const std::string& fromLabel, const std::string& toLabel) {
    std::string caption = LoadString(54) + " " + LoadString(QuantityWord(kind));
    if (IsTorque(kind))
        caption += "   [" + CutChars(fromLabel, 6) + " & " + CutChars(toLabel, 6) + "]";
    return caption;
}

std::pair<int, int> ConversionWindowPosition(int desktopWidth, int desktopHeight, int width, int height, int count) {
    const int x = (3 * desktopWidth - 3 * width) / 4 + 20 * count;
    const int y = (desktopHeight - height) / 4 + 20 * count;
    return {x, y};
}
