#include "core/tools/air_tank.h"

#include "core/data/torque_t.h"
#include "core/text/load_string.h"
#include "core/text/number_field_rules.h"
#include "core/text/text_util.h"
#include "core/units/conversions.h"

#include <algorithm>

namespace {

constexpr std::size_t kLabelWidth = 15;
constexpr std::size_t kTextChars = 30;

// A tank or an actuator cannot give back air: what falls below zero is shown as zero.
float NotNegative(float x) {
    return x < 0 ? 0.0f : x;
}

ToolRow Row(std::string operation, float bar, float nm, bool imperial) {
    return {std::move(operation), Format("%.1f", imperial ? BarToPsi(bar) : bar),
            Format("%.0f", imperial ? NmToInLb(nm) : nm)};
}

} // namespace

std::vector<ToolHeader> AirTankHeaders(int units) {
    const bool imperial = units == 1;
    return {{LoadString(84), ""},
            {LoadString(55), LoadString(imperial ? 46 : 45)},
            {LoadString(13), LoadString(imperial ? 44 : 43)}};
}

std::vector<std::string> AirTankActuatorNames(const TorqueT& data) {
    std::vector<std::string> names;
    for (int i = 0; i < data.GetCount(); ++i)
        names.push_back(Format("%s %i", data.GetDaModel(i).c_str(), data.GetSize(i)));
    return names;
}

int AirTankOperations(const std::string& typed) {
    return std::min(TruncToInt(EditTextValue(typed) + 0.5), kMaxAirTankOperations);
}

std::vector<ToolRow> AirTankRows(const TorqueT& data, int index, const std::string& pressure,
                                 const std::string& tankSize, const std::string& operations, int units) {
    std::vector<ToolRow> rows;
    if (index < 0 || index >= data.GetCount())
        return rows;
    const bool imperial = units == 1;
    float p = EditTextValue(pressure);
    float volume = EditTextValue(tankSize);
    if (imperial) {
        p = PsiToBar(p);
        volume = CuInToLiter(volume);
    }
    float torque = 0;
    data.DaTorque(index, p, torque);
    rows.push_back(Row(LoadString(85), p, NotNegative(torque), imperial));

    const int strokes = AirTankOperations(operations);
    for (int k = 0; k < strokes; ++k) {
        float left = 0;
        data.AirTankDrop(index, k, p, volume, left, torque);
        rows.push_back(Row(Format("%i", k + 1), NotNegative(left), NotNegative(torque), imperial));
    }
    return rows;
}

std::vector<std::string> AirTankDatasheetBody(const std::string& pressure, const std::string& pressureUnit,
                                              const std::string& actuator, const std::string& operations,
                                              const std::string& tankSize, int units,
                                              const std::vector<TableColumn>& table) {
    std::vector<std::string> body{
        "Calculations for the size of air buffer tanks.",
        "",
        LabelLine(LoadString(55), kLabelWidth, Format("%.1f %s", EditTextValue(pressure), pressureUnit.c_str())),
        LabelLine(LoadString(42), kLabelWidth, CutChars(actuator, kTextChars)),
        LabelLine(LoadString(117), kLabelWidth, Format("%i", AirTankOperations(operations))),
        // the volume unit stays the program's own English word in every language
        LabelLine(LoadString(118), kLabelWidth,
                  CutChars(tankSize, kTextChars) + " " + EnglishString(units == 1 ? 62 : 61)),
        "",
        "",
    };
    for (std::string& line : FixedTableText(table, 12, " ", 2))
        body.push_back(std::move(line));
    return body;
}
