#include "core/tools/hot_line.h"

#include "core/text/load_string.h"
#include "core/text/number_field_rules.h"
#include "core/text/text_util.h"
#include "core/units/conversions.h"

namespace {

const char* const kBreak = "\r\n";

// The label column of the datasheet's input and height lines.
constexpr std::size_t kLabelWidth = 34;
constexpr std::size_t kTypedChars = 8;
constexpr std::size_t kBoxLineChars = 126;

std::string PadLeft(const std::string& text, std::size_t width) {
    const std::size_t length = Utf8Length(text);
    return length < width ? std::string(width - length, ' ') + text : text;
}

std::string TemperatureUnit(int units) {
    return LoadString(units == 1 ? 53 : 52);
}

std::string LengthUnit(int units) {
    return LoadString(units == 1 ? 60 : 59);
}

// A verdict and the request to try again.
std::string Refusal(int id) {
    return LoadString(id) + kBreak + LoadString(69);
}

} // namespace

float HotLineHeatRatio(float fluid, float ambient, float instrument) {
    const float drop = fluid - ambient;
    if (drop == 0)
        return 100;
    return (fluid - instrument) * 100 / drop;
}

HotLineResult CalculateHotLine(const std::string& fluid, const std::string& ambient, const std::string& instrument,
                               int units) {
    HotLineResult result;
    const std::string* fields[] = {&fluid, &ambient, &instrument};
    const int missingText[] = {74, 75, 76};
    for (int i = 0; i < 3; ++i)
        if (fields[i]->empty())
            result.text += LoadString(missingText[i]) + kBreak;
    if (!result.text.empty())
        return result; // every missing field is named together

    float tf = EditTextValue(fluid);
    float ta = EditTextValue(ambient);
    float ti = EditTextValue(instrument);
    if (units == 1) {
        tf = FahrenheitToCelsius(tf);
        ta = FahrenheitToCelsius(ta);
        ti = FahrenheitToCelsius(ti);
    }
    const float ratio = HotLineHeatRatio(tf, ta, ti);
    if (tf > 999) {
        result.text = Refusal(71);
    } else if (ta > ti) {
        result.text = Refusal(68);
    } else if (ratio > 97) {
        result.text = Refusal(72);
    } else if (ratio < 30) {
        result.text = LoadString(70);
    } else {
        const float mm = HotLineHeight(ratio);
        result.height = units == 1 ? MmToInch(mm) : mm;
        // + 0.5 without decimals: the kit is never shorter than the height
        result.text = Format("%s = %.0f %s", LoadString(114).c_str(), result.height + 0.5, LengthUnit(units).c_str());
    }
    return result;
}

std::vector<std::string> ResultBoxLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    if (text.empty())
        lines.clear();
    return lines;
}

std::vector<std::string> HotLineDatasheetBody(const std::string& fluid, const std::string& ambient,
                                              const std::string& instrument, float height,
                                              const std::vector<std::string>& resultLines, int units) {
    const std::string temperature = LoadString(56);
    const std::string unit = TemperatureUnit(units);
    auto input = [&](const std::string& label, const std::string& typed) {
        return PadRight(label, kLabelWidth) + "= " + PadLeft(CutChars(typed, kTypedChars), 4) + " " + unit;
    };
    std::vector<std::string> body{
        "Calculations for the height of tall mounting kits to avoid",
        "the effect of excessive heat transfer from the hot line",
        "media to the actuator or it's ancillaries.",
        "",
        "",
        input(LoadString(93) + " " + temperature, fluid),
        input(LoadString(92) + " " + temperature, ambient),
        input(LoadString(95) + " " + LoadString(94) + " " + temperature, instrument),
        "",
    };
    if (height != 0) {
        body.push_back(PadRight(LoadString(114), kLabelWidth) + "= " + Format("%4.0f", height + 0.5) + " " +
                       LengthUnit(units));
    } else {
        // always the program's own English word, whatever the language
        body.push_back(EnglishString(115));
        for (const std::string& line : resultLines)
            body.push_back(CutChars(line, kBoxLineChars));
    }
    body.insert(body.end(), {"", "", LoadString(107), "Height is from the surface of the pipe to the nearest point",
                             "on the actuator."});
    return body;
}
