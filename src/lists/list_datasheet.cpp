#include "lists/list_datasheet.h"

#include "core/data/torque_e.h"
#include "core/data/torque_t.h"
#include "core/report/safe_file.h"
#include "core/report/table_text.h"
#include "core/sizing/checks.h"
#include "core/sizing/datasheet_bodies.h"
#include "core/sizing/result_rows.h"
#include "core/text/load_string.h"
#include "core/text/text_util.h"

#include <set>

namespace {

// The characters a file name on any desktop cannot hold.
bool BadInFileName(unsigned char c) {
    return c < 0x20 || c == 0x7F || std::string_view("/\\:*?\"<>|").find(static_cast<char>(c)) != std::string::npos;
}

constexpr std::size_t kTagNameChars = 100;
// A file name holds 255 bytes: ".txt" and a clash's "-2" ... "-2147483647" must fit too.
constexpr std::size_t kTagNameBytes = 255 - 4 - 11;

std::vector<TableColumn> ColumnsOf(const std::vector<std::vector<std::string>>& headers, const Row& row) {
    std::vector<TableColumn> columns;
    for (std::size_t c = 0; c < headers.size(); ++c)
        columns.push_back({headers[c], {c < row.size() ? row[c] : std::string()}});
    return columns;
}

std::string Unit(bool imperial) {
    return "[" + LoadString(imperial ? 44 : 43) + "]";
}

} // namespace

std::vector<std::string> ListDatasheetLines(const ListSizer& sizer, const SizedRow& row, const DatasheetFrame& frame) {
    if (!HasDatasheet(row))
        return {};
    const bool imperial = sizer.Settings().imperial;
    const std::string unit = Unit(imperial);
    InputLines in;
    std::vector<std::string> body;
    if (const TorqueT* data = sizer.Pneumatic()) {
        in.actuatorTitle = data->GetTitle();
        in.pressure = row.typedPressure;
        in.pressureUnit = LoadString(imperial ? 46 : 45);
        in.safety = row.safety;
        if (row.doubleActing) {
            const Row cells = DoubleActingSizingRow(*data, row.typedTorque, row.typedValue, row.torqueNm, row.safety,
                                                    row.pressure);
            body = GenericScreenBody(
                in, ColumnsOf({{LoadString(13), unit}, {LoadString(13), LoadString(51)}, {LoadString(42)}}, cells));
        } else {
            in.valveType = LoadString(kValveTypeStrings[row.valveType]);
            in.seating = row.seating;
            in.running = row.running;
            in.action = LoadString(row.action == 0 ? 34 : 33);
            const Row cells = SpringReturnSizingRow(*data, row.typedTorque, row.typedValue, row.torqueNm, row.safety,
                                                    row.running, row.seating, row.pressure, row.action, imperial);
            body = SpringReturnScreenBody(in, ColumnsOf({{LoadString(13), unit},
                                                         {LoadString(111), unit},
                                                         {LoadString(112), unit},
                                                         {LoadString(128), unit},
                                                         {LoadString(42), LoadString(125)},
                                                         {LoadString(41)},
                                                         {LoadString(47)}},
                                                        cells));
        }
    } else if (const TorqueE* data = sizer.ElectricData()) {
        in.actuatorTitle = data->GetTitle();
        in.valveType = LoadString(kValveTypeStrings[row.valveType]);
        in.safety = row.safety;
        in.running = row.running;
        int index = -1;
        const Row cells =
            ElectricSizingRow(*data, row.typedTorque, row.torqueNm, row.safety, row.running, imperial, index);
        const TorqueEItem& item = data->Item(index);
        body = ElectricSizingScreenBody(
            in,
            ColumnsOf({{LoadString(13), unit}, {LoadString(111), unit}, {LoadString(112), unit},
                       {LoadString(42), LoadString(125)}},
                      cells),
            {ElectricTorqueSuffix(index >= 0, item.breakSeatTorque, item.runTorque, imperial)});
    }
    DatasheetFrame tagged = frame;
    tagged.reference = row.tag;
    return DatasheetLines(tagged, row.tag, 2, body);
}

std::optional<TorqueChartData> ListRowChart(const ListSizer& sizer, const SizedRow& row, bool tagInTitle) {
    if (!HasDatasheet(row))
        return std::nullopt;
    ChartInputs inputs;
    const std::size_t actuator = sizer.ActuatorColumn();
    inputs.actuator = actuator < row.cells.size() ? row.cells[actuator] : std::string();
    inputs.imperial = sizer.Settings().imperial;
    inputs.hasPressure = sizer.Pneumatic() != nullptr;
    inputs.pressure = row.typedPressure;
    inputs.mast = row.mastNm;
    // the air stroke at the highest pressure, beside the one at the sizing pressure
    float start = 0, end = 0;
    if (const TorqueT* data = sizer.Pneumatic();
        data && row.hasPressureMax && AirStrokeAt(*data, row.outcome, row.pressureMax, start, end)) {
        inputs.hasPressureMax = true;
        inputs.pressureMax = row.typedPressureMax;
        inputs.maxAirStart = start;
        inputs.maxAirEnd = end;
    }
    TorqueChartData chart = MakeTorqueChart(row.outcome, inputs);
    if (tagInTitle && !row.tag.empty())
        chart.title = row.tag + ": " + chart.title;
    return chart;
}

ListSheet MakeListSheet(const ListSizer& sizer, const SizedRow& row, const DatasheetFrame& frame, bool withChart) {
    ListSheet sheet{ListDatasheetLines(sizer, row, frame), std::nullopt};
    if (withChart)
        sheet.chart = ListRowChart(sizer, row, true);
    return sheet;
}

bool HasDatasheet(const SizedRow& row) {
    return row.status != RowStatus::Error;
}

std::vector<std::size_t> RowsWithSheets(const std::vector<SizedRow>& rows) {
    std::vector<std::size_t> sheetRows;
    for (std::size_t r = 0; r < rows.size(); ++r)
        if (HasDatasheet(rows[r]))
            sheetRows.push_back(r);
    return sheetRows;
}

std::string TagFileName(const std::string& tag) {
    std::string name = CutChars(tag, kTagNameChars);
    for (char& c : name)
        if (BadInFileName(static_cast<unsigned char>(c)))
            c = '_';
    name = CutToBytes(name, kTagNameBytes);
    // no hidden files, and never "." or ".."
    if (!name.empty() && name.front() == '.')
        name.front() = '_';
    if (name.find_first_not_of(" _") == std::string::npos)
        name = "sheet";
    return name + ".txt";
}

std::vector<std::string> WriteListDatasheets(const std::string& folder, const ListSizer& sizer,
                                             const std::vector<SizedRow>& rows, const DatasheetFrame& frame,
                                             std::string& error, const SheetsProgress& progress) {
    error.clear();
    std::vector<std::string> written;
    std::set<std::string> taken; // without regard to case, for desktops that ignore it
    const std::string base = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    for (std::size_t done = 0; done < rows.size(); ++done) {
        if (progress && !progress(done))
            return written;
        const SizedRow& row = rows[done];
        const std::vector<std::string> lines = ListDatasheetLines(sizer, row, frame);
        if (lines.empty())
            continue;
        const std::string plain = TagFileName(row.tag);
        const std::string stem = plain.substr(0, plain.size() - 4);
        std::string name = plain;
        for (int n = 2; !taken.insert(ToUpperText(name)).second; ++n)
            name = stem + Format("-%i", n) + ".txt";
        const std::string target = base + name;
        const auto writeSheet = [&](Textfile& file) { return WriteLines(file, lines); };
        std::string reason;
        if (!WriteWhole(target, writeSheet, reason)) {
            error = target + ": could not be written (" + reason + ")";
            return written;
        }
        written.push_back(target);
    }
    return written;
}
