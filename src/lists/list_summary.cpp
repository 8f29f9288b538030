#include "lists/list_summary.h"

#include "core/data/torque_e.h"
#include "core/data/torque_t.h"
#include "core/report/datasheet_frame.h"
#include "core/report/safe_file.h"
#include "core/report/textfile.h"
#include "core/sizing/result_rows.h"
#include "core/text/load_string.h"
#include "core/text/text_util.h"
#include "lists/list_writers.h"

#include <algorithm>
#include <cmath>
#include <limits>

bool SummaryTally::Key::operator<(const Key& other) const {
    return std::tie(index, springReturn, springSet) < std::tie(other.index, other.springReturn, other.springSet);
}

SummaryTally::SummaryTally(const ListSizer& sizer) : sizer_(sizer) {
    summary_.pneumatic = !sizer.Electric();
    summary_.imperial = sizer.Settings().imperial;
}

void SummaryTally::Add(const SizedRow& row) {
    ListSummary& s = summary_;
    ++s.rows;
    s.warned += !row.warnings.empty();
    switch (row.status) {
    case RowStatus::Ok:
        ++s.ok;
        break;
    case RowStatus::NoFit:
        ++s.noFit;
        break;
    case RowStatus::CheckFailed:
        ++s.checkFailed;
        break;
    case RowStatus::Error:
        ++s.errors;
        break;
    }
    const SizingOutcome& o = row.outcome;
    if (!o.found)
        return;
    // the smallest margins over every row with an actuator: a failed check is the one to see
    double margin = 0;
    if (o.Margin(margin) && (!s.hasMargin || margin < s.margin)) {
        s.hasMargin = true;
        s.margin = margin;
        s.marginTag = row.tag;
    }
    if (MastMargin(row, s.imperial, margin) && (!s.hasMastMargin || margin < s.mastMargin)) {
        s.hasMastMargin = true;
        s.mastMargin = margin;
        s.mastMarginTag = row.tag;
    }
    if (row.status != RowStatus::Ok)
        return;
    // what to order, and the air it takes: the rows whose actuator stands
    const bool springReturn = !sizer_.Electric() && !row.doubleActing;
    const Key key{o.index, springReturn, springReturn ? o.springSet : 0};
    auto at = std::lower_bound(materials_.begin(), materials_.end(), key,
                               [](const auto& entry, const Key& k) { return entry.first < k; });
    if (at == materials_.end() || key < at->first) {
        ListSummary::Material material;
        if (const TorqueT* data = sizer_.Pneumatic())
            material.actuator = springReturn ? ModelText(data->GetSrModel(o.index), data->GetSize(o.index))
                                             : ModelText(data->GetDaModel(o.index), data->GetSize(o.index));
        else
            material.actuator = sizer_.ElectricData()->GetModel(o.index);
        if (springReturn)
            material.springSet = Format("%i", o.springSet);
        at = materials_.insert(at, {key, material});
    }
    ++at->second.count;
    if (s.pneumatic) {
        s.airPerCycle += row.airPerCycle;
        s.airPerHour += row.airPerHour;
    }
}

ListSummary SummaryTally::Result() const {
    ListSummary summary = summary_;
    // a list that gives cycles has an air per hour, even when no row of it sized
    summary.hasAirPerHour =
        sizer_.Reads(ListRole::CyclesPerHour) && sizer_.Columns()[ListRole::CyclesPerHour].column >= 0;
    for (const auto& [key, material] : materials_)
        summary.materials.push_back(material);
    return summary;
}

namespace {

const char* VolumeUnit(bool imperial) {
    return imperial ? "ft3" : "L";
}
const char* FlowUnit(bool imperial) {
    return imperial ? "ft3/h" : "m3/h";
}
// Decimals as the list's columns show the values.
int CycleDecimals(bool imperial) {
    return imperial ? 4 : 2;
}
int HourDecimals(bool imperial) {
    return imperial ? 2 : 3;
}

// A number for JSON: as short as reads back, never "nan".
std::string JsonNumber(double value) {
    if (!std::isfinite(value))
        return "null";
    return Format("%.10g", value);
}

} // namespace

SummaryTable MakeSummaryTable(const ListSummary& s, const ListSizer& sizer) {
    SummaryTable table;
    table.header = {LoadString(363), LoadString(364), LoadString(333), LoadString(365), LoadString(366),
                    LoadString(311)};
    auto add = [&](int section, std::string item, std::string springSet, double value, int decimals,
                   std::string unit = {}, std::string tag = {}) {
        table.rows.push_back({LoadString(section), std::move(item), std::move(springSet),
                              sizer.NumberText(value, decimals), std::move(unit), std::move(tag)});
        table.values.push_back(value);
    };
    for (const ListSummary::Material& material : s.materials)
        add(367, material.actuator, material.springSet, static_cast<double>(material.count), 0);
    add(368, LoadString(293), "", static_cast<double>(s.ok), 0);
    add(368, LoadString(294), "", static_cast<double>(s.noFit), 0);
    add(368, LoadString(369), "", static_cast<double>(s.checkFailed), 0);
    add(368, LoadString(370), "", static_cast<double>(s.errors), 0);
    add(368, LoadString(371), "", static_cast<double>(s.warned), 0);
    if (s.pneumatic) {
        add(372, LoadString(351), "", s.airPerCycle, CycleDecimals(s.imperial), VolumeUnit(s.imperial));
        if (s.hasAirPerHour)
            add(372, LoadString(352), "", s.airPerHour, HourDecimals(s.imperial), FlowUnit(s.imperial));
    }
    if (s.hasMargin)
        add(373, LoadString(374), "", s.margin, 1, "%", s.marginTag);
    if (s.hasMastMargin)
        add(373, LoadString(375), "", s.mastMargin, 1, "%", s.mastMarginTag);
    return table;
}

std::string SummaryJson(const ListSummary& s) {
    std::string json = "{\n  \"billOfMaterials\": [";
    for (std::size_t m = 0; m < s.materials.size(); ++m) {
        const ListSummary::Material& material = s.materials[m];
        json += std::string(m ? "," : "") + "\n    {\"actuator\": " + JsonString(material.actuator) +
                ", \"springSet\": " + (material.springSet.empty() ? "null" : material.springSet) +
                ", \"count\": " + std::to_string(material.count) + "}";
    }
    json += s.materials.empty() ? "],\n" : "\n  ],\n";
    json += Format("  \"rows\": {\"total\": %ld, \"ok\": %ld, \"noFit\": %ld, \"checkFailed\": %ld, \"error\": %ld, "
                   "\"withWarnings\": %ld},\n",
                   s.rows, s.ok, s.noFit, s.checkFailed, s.errors, s.warned);
    if (s.pneumatic) {
        json += "  \"air\": {\"perCycle\": " + JsonNumber(s.airPerCycle) + ", \"perCycleUnit\": \"" +
                VolumeUnit(s.imperial) + "\"";
        if (s.hasAirPerHour)
            json += ", \"perHour\": " + JsonNumber(s.airPerHour) + ", \"perHourUnit\": \"" + FlowUnit(s.imperial) +
                    "\"";
        json += "},\n";
    }
    auto margin = [&](const char* key, bool has, double value, const std::string& tag) {
        json += std::string("  \"") + key + "\": ";
        json += has ? "{\"percent\": " + JsonNumber(value) + ", \"tag\": " + JsonString(tag) + "}" : "null";
    };
    margin("smallestMargin", s.hasMargin, s.margin, s.marginTag);
    json += ",\n";
    margin("smallestMastMargin", s.hasMastMargin, s.mastMargin, s.mastMarginTag);
    return json + "\n}";
}

std::string SummaryShort(const ListSummary& s) {
    long actuators = 0;
    for (const ListSummary::Material& material : s.materials)
        actuators += material.count;
    std::string text = Format("to order %ld actuator%s of %zu kind%s", actuators, actuators == 1 ? "" : "s",
                              s.materials.size(), s.materials.size() == 1 ? "" : "s");
    if (s.pneumatic) {
        text += Format("; air %.*f %s per cycle", CycleDecimals(s.imperial), s.airPerCycle, VolumeUnit(s.imperial));
        if (s.hasAirPerHour)
            text += Format(", %.*f %s", HourDecimals(s.imperial), s.airPerHour, FlowUnit(s.imperial));
    }
    if (s.hasMargin)
        text += Format("; smallest margin %.1f %% (%s)", s.margin, s.marginTag.c_str());
    if (s.hasMastMargin)
        text += Format("; smallest MAST margin %.1f %% (%s)", s.mastMargin, s.mastMarginTag.c_str());
    return text;
}

bool WriteSummaryFile(const std::string& fileName, const ListSummary& summary, const ListSizer& sizer,
                      std::string& error) {
    error.clear();
    std::vector<std::string> lines;
    if (ListFileKindOf(fileName) == ListFileKind::Json) {
        const std::string json = SummaryJson(summary);
        for (std::size_t from = 0; from <= json.size();) {
            const std::size_t end = std::min(json.find('\n', from), json.size());
            lines.push_back(json.substr(from, end - from));
            from = end + 1;
        }
    } else {
        const SummaryTable table = MakeSummaryTable(summary, sizer);
        const char separator = sizer.Format().separator;
        auto line = [&](const std::vector<std::string>& cells) {
            std::string text;
            for (std::size_t c = 0; c < cells.size(); ++c)
                text += (c ? std::string(1, separator) : std::string()) + CsvField(cells[c], separator);
            lines.push_back(text);
        };
        line(table.header);
        for (const auto& row : table.rows)
            line(row);
    }
    std::string reason;
    if (!WriteWhole(fileName, [&](Textfile& file) { return WriteLines(file, lines); }, reason)) {
        error = fileName + ": could not be written (" + reason + ")";
        return false;
    }
    return true;
}
