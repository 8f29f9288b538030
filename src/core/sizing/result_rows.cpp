#include "core/sizing/result_rows.h"

#include "core/data/torque_database.h"
#include "core/data/torque_e.h"
#include "core/data/torque_t.h"
#include "core/sizing/selection.h"
#include "core/sizing/sizing.h"
#include "core/text/load_string.h"
#include "core/text/text_util.h"
#include "core/units/conversions.h"

#include <charconv>
#include <cmath>

std::string Whole(float value) {
    // as "%.0f" writes it, without the cost of printf: tables of a long list call this a lot
    char text[64];
    const auto done = std::to_chars(text, text + sizeof text, static_cast<double>(value), std::chars_format::fixed, 0);
    std::string whole = done.ec == std::errc() ? std::string(text, done.ptr) : Format("%.0f", static_cast<double>(value));
    if (whole == "-0")
        whole.erase(0, 1); // a zero has no sign
    return whole;
}

std::string Shown(float nm, bool imperial) {
    return Whole(imperial ? NmToInLb(nm) : nm);
}

std::string ModelText(const std::string& model, int size) {
    return Format("%s %i", model.c_str(), size);
}

std::vector<Row> DoubleActingTorqueRows(const TorqueT& data, float pressure, bool imperial) {
    std::vector<Row> rows;
    for (int i = 0; i < data.GetCount(); ++i) {
        float torque = 0;
        data.DaTorque(i, pressure, torque);
        rows.push_back({ModelText(data.GetDaModel(i), data.GetSize(i)), Shown(torque, imperial)});
    }
    return rows;
}

std::vector<Row> SpringReturnTorqueRows(const TorqueT& data, float pressure, int offset, bool imperial) {
    std::vector<Row> rows;
    for (int i = 0; i < data.GetCount(); ++i) {
        float t[4] = {};
        int set = 0;
        data.SrTorqueWithOffset(i, pressure, 0, offset, t[0], t[1], t[2], t[3], set);
        Row row{ModelText(data.GetSrModel(i), data.GetSize(i))};
        for (float torque : t)
            row.push_back(Shown(torque >= 0 ? torque : 0.0f, imperial)); // NaN fails the test too
        row.push_back(Format("%i", set));
        rows.push_back(row);
    }
    return rows;
}

std::string TypedTorqueText(const std::string& typed) {
    return CutToField(typed, 9);
}

Row DoubleActingSizingRow(const TorqueT& data, const std::string& typed, float typedValue, float torqueNm,
                          float safety, float pressure) {
    const SizingOutcome s = SizeDoubleActing(data, pressure, torqueNm, safety);
    return {TypedTorqueText(typed), Whole(typedValue * safety),
            s.found ? ModelText(data.GetDaModel(s.index), data.GetSize(s.index)) : "---"};
}

Row SpringReturnSizingRow(const TorqueT& data, const std::string& typed, float typedValue, float torqueNm,
                          float safety, float running, float seating, float pressure, int action, bool imperial) {
    const SizingOutcome s = SizeSpringReturn(data, pressure, torqueNm, safety, running, seating, action);
    return {TypedTorqueText(typed),
            Whole(typedValue * safety),
            Shown(s.run, imperial),
            Shown(s.seat, imperial),
            s.found ? ModelText(data.GetSrModel(s.index), data.GetSize(s.index)) : "---",
            s.found ? Format("%i", s.springSet) : "",
            LoadString(action == 0 ? 31 : 32)};
}

Row ElectricSizingRow(const TorqueE& data, const std::string& typed, float torqueNm, float safety, float running,
                      bool imperial, int& index) {
    const SizingOutcome s = SizeElectric(data, torqueNm, safety, running, 0);
    index = s.found ? s.index : -1;
    return {TypedTorqueText(typed), Shown(s.required, imperial), Shown(s.run, imperial),
            s.found ? data.GetModel(s.index) : "---"};
}

std::string ValveSizeText(float size) {
    const double whole = std::trunc(static_cast<double>(size));
    return Format(whole + 0.05 >= size ? "%.0f" : "%.1f", static_cast<double>(size));
}

std::vector<Row> DatabaseRows(const TorqueT& data, const ValvePage& page, float pressure, float safety,
                              float seating, float running, int action, bool imperial) {
    std::vector<Row> rows;
    const SpringReturnSearch springReturn(data, pressure, running, seating, action);
    for (const ValveSize& v : page.sizes) {
        const SizingOutcome da = SizeDoubleActing(data, pressure, v.torque, safety);
        const SizingOutcome sr = SizeSpringReturn(springReturn, v.torque, safety);
        rows.push_back({ValveSizeText(v.size), Shown(v.torque, imperial), Shown(v.torque * safety, imperial),
                        da.found ? ModelText(data.GetDaModel(da.index), data.GetSize(da.index)) : "---",
                        sr.found ? ModelText(data.GetSrModel(sr.index), data.GetSize(sr.index)) : "---",
                        sr.found ? Format("%i", sr.springSet) : ""});
    }
    return rows;
}

std::vector<Row> DatabaseRows(const TorqueE& data, const ValvePage& page, float safety, float seating,
                              float running, bool imperial, std::vector<int>& indices) {
    std::vector<Row> rows;
    indices.clear();
    for (const ValveSize& v : page.sizes) {
        const SizingOutcome s = SizeElectric(data, v.torque, safety, running, seating);
        indices.push_back(s.found ? s.index : -1);
        rows.push_back({ValveSizeText(v.size), Shown(v.torque, imperial), Shown(s.required, imperial),
                        Shown(s.run, imperial), Shown(s.seat, imperial),
                        s.found ? data.GetModel(s.index) : "---"});
    }
    return rows;
}
