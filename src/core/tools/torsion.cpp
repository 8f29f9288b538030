#include "core/tools/torsion.h"

#include "core/text/load_string.h"
#include "core/text/number_field_rules.h"
#include "core/text/text_util.h"
#include "core/units/conversions.h"

std::vector<ToolHeader> TorsionHeaders(int units) {
    const bool imperial = units == 1;
    const std::string length = LoadString(imperial ? 60 : 59);
    return {{LoadString(13), LoadString(imperial ? 44 : 43)},
            {LoadString(90), length},
            {LoadString(65), length},
            {LoadString(88), LoadString(imperial ? 87 : 86)},
            {LoadString(91), LoadString(89)}};
}

ToolRow TorsionRow(const std::string& torque, const std::string& diameter, const std::string& length, int units) {
    float t = EditTextValue(torque);
    float d = EditTextValue(diameter);
    float l = EditTextValue(length);
    if (units == 1) {
        t = InLbToNm(t);
        d = InchToMm(d);
        l = InchToMm(l);
    }
    float stress = 0;
    float deflection = 0;
    const bool ok = TorsionStressDeflection(t, d, l, stress, deflection);
    if (units == 1)
        stress = NmmToPsi(stress);
    return {torque, diameter, length, ok ? Format("%.0f", stress) : "---", ok ? Format("%.2f", deflection) : "---"};
}

std::vector<std::string> TorsionDatasheetBody(const std::vector<TableColumn>& table) {
    return FixedTableText(table, 12, " ", 2);
}
