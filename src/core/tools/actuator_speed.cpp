#include "core/tools/actuator_speed.h"

#include "core/data/torque_t.h"
#include "core/text/load_string.h"
#include "core/text/number_field_rules.h"
#include "core/text/text_util.h"
#include "core/units/conversions.h"

namespace {

constexpr std::size_t kLabelWidth = 15;

} // namespace

std::vector<ToolHeader> ActuatorSpeedHeaders() {
    return {{LoadString(42), ""}, {LoadString(103), LoadString(78)}};
}

bool ActuatorSpeedRows(const TorqueT& data, const std::string& pressure, const std::string& flow, int units,
                       std::vector<ToolRow>& rows) {
    rows.clear();
    float p = EditTextValue(pressure);
    float kv = EditTextValue(flow);
    if (units == 1) {
        p = PsiToBar(p);
        kv = CvToKv(kv);
    }
    if (!(kv > 0)) // also a pasted "nan", which the time formula cannot take either
        return false;
    for (int i = 0; i < data.GetCount(); ++i) {
        float seconds = 0;
        data.StrokeTime(i, p, kv, seconds);
        rows.push_back({Format("%s %i", data.GetSrModel(i).c_str(), data.GetSize(i)), Format("%.2f", seconds)});
    }
    return true;
}

std::vector<std::string> ActuatorSpeedDatasheetBody(const std::string& pressure, const std::string& pressureUnit,
                                                    const std::string& flow, int units,
                                                    const std::vector<TableColumn>& table) {
    const std::string flowLabel = LoadString(116) + " " + LoadString(units == 1 ? 81 : 80);
    std::vector<std::string> body{
        LabelLine(LoadString(55), kLabelWidth, Format("%.1f %s", EditTextValue(pressure), pressureUnit.c_str())),
        LabelLine(flowLabel, kLabelWidth, Format("%.1f", EditTextValue(flow))),
        "",
        "",
    };
    for (std::string& line : FixedTableText(table, 13, "", 1))
        body.push_back(std::move(line));
    body.insert(body.end(),
                {LoadString(107), "", "Air porting may have to be enlarged to achieve very fast", "operating times."});
    return body;
}
