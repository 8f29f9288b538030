#include "lists/list_package.h"

#include "core/data/torque_e.h"
#include "core/data/torque_t.h"
#include "core/sizing/result_rows.h"
#include "core/text/load_string.h"
#include "core/text/text_util.h"
#include "core/units/conversions.h"
#include "lists/list_datasheet.h"
#include "lists/list_reader.h"

#include <fstream>
#include <sstream>

namespace {

// The texts of the package, by their numbers in the string table.
enum PackageText {
    kPackageTitle = 382,
    kProject = 383,
    kCustomer = 384,
    kDocument = 385,
    kRevision = 386,
    kEngineer = 387,
    kDate = 388,
    kPageOf = 389,
    kValveTitle = 390,
    kConditions = 391,
    kSelection = 392,
    kTorques = 393,
    kChecks = 394,
    kChart = 395,
    kNotes = 396,
    kNotSized = 397,
    kPass = 398,
    kFail = 399,
    kNotChecked = 400,
    kPoint = 401,
    kDemand = 402,
    kDelivered = 403,
    kSizingPressure = 404,
    kMaximumPressure = 405,
    kStrokeTimeCheck = 406,
    kListTitle = 407,
    kRowsByStatus = 409,
    kAssumptions = 410,
    kPage = 411,
    kCount = 412,
    kSubject = 413,
    kValueAt = 414,
    kWeakestMargin = 415,
    kMore = 416,
    kActuatorRange = 417,
    kValveDatabases = 418,
    kAir = 260,
    kSpring = 261,
};

std::string TorqueUnit(bool imperial) {
    return imperial ? "in.lb" : "Nm";
}
std::string PressureUnit(bool imperial) {
    return imperial ? "psi" : "bar";
}

int DemandWord(Demand demand) {
    return demand == Demand::Break ? 111 : demand == Demand::Run ? 112 : 128;
}

bool AirStroke(Delivered delivered) {
    return delivered == Delivered::AirStart || delivered == Delivered::AirEnd;
}
bool SpringStroke(Delivered delivered) {
    return delivered == Delivered::SpringStart || delivered == Delivered::SpringEnd;
}

// The cell of an added column, by the number of its name; empty when the list has none.
std::string AddedCell(const ListSizer& sizer, const SizedRow& row, int id) {
    const std::string name = LoadString(id);
    const std::vector<std::string>& header = sizer.OutputHeader();
    for (std::size_t c = sizer.AddedFrom(); c < header.size() && c < row.cells.size(); ++c)
        if (header[c] == name)
            return row.cells[c];
    return {};
}

std::string Lower(const std::string& key) {
    std::string lower;
    for (char c : key)
        lower += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return lower;
}

} // namespace

bool ReadProjectText(std::string_view text, const std::string& name, ProjectData& data, std::string& error) {
    ProjectData read;
    std::istringstream in{std::string(text)};
    std::string line;
    long number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (number == 1 && line.rfind("\xef\xbb\xbf", 0) == 0)
            line.erase(0, 3); // a byte-order mark from a Windows editor
        const std::string trimmed = TrimmedCell(line);
        if (trimmed.empty() || trimmed[0] == '#')
            continue;
        const std::size_t equals = trimmed.find('=');
        if (equals == std::string::npos) {
            error = name + ": line " + std::to_string(number) + ": '" + CutChars(trimmed, 60) +
                    "' is not key = value";
            return false;
        }
        const std::string key = Lower(TrimmedCell(trimmed.substr(0, equals)));
        const std::string value = TrimmedCell(trimmed.substr(equals + 1));
        std::string* field = key == "project"    ? &read.project
                             : key == "customer" ? &read.customer
                             : key == "document" ? &read.document
                             : key == "revision" ? &read.revision
                             : key == "engineer" ? &read.engineer
                                                 : nullptr;
        if (!field) {
            error = name + ": line " + std::to_string(number) + ": '" + CutChars(key, 40) +
                    "' is not one of project, customer, document, revision, engineer";
            return false;
        }
        *field = value;
    }
    data = read;
    return true;
}

bool ReadProjectFile(const std::string& fileName, ProjectData& data, std::string& error) {
    std::ifstream file(fileName, std::ios::binary);
    if (!file) {
        error = fileName + ": cannot be read";
        return false;
    }
    std::ostringstream text;
    text << file.rdbuf();
    if (file.bad()) {
        error = fileName + ": cannot be read";
        return false;
    }
    return ReadProjectText(text.str(), fileName, data, error);
}

TagPageTitles PackageTitles() {
    TagPageTitles t;
    t.valve = LoadString(kValveTitle);
    t.conditions = LoadString(kConditions);
    t.selection = LoadString(kSelection);
    t.torques = LoadString(kTorques);
    t.checks = LoadString(kChecks);
    t.warnings = LoadString(342);
    t.chart = LoadString(kChart);
    t.notes = LoadString(kNotes);
    t.notSized = LoadString(kNotSized);
    t.pass = LoadString(kPass);
    t.fail = LoadString(kFail);
    t.notChecked = LoadString(kNotChecked);
    t.actuator = LoadString(332);
    t.springSet = LoadString(333);
    t.action = LoadString(312);
    t.margin = LoadString(kWeakestMargin);
    t.more = LoadString(kMore);
    return t;
}

TagPage MakeTagPage(const ListSizer& sizer, const SizedRow& row, bool withChart) {
    TagPage page;
    const bool imperial = sizer.Settings().imperial;
    const bool pneumatic = sizer.Pneumatic() != nullptr;
    page.tag = row.tag;
    page.line = row.line;
    page.status = row.status;
    page.statusText = row.cells.empty() ? std::string() : row.cells.back();
    page.sized = HasDatasheet(row);

    // the valve: the list's own columns as it names them, then what the sizing read of it
    const ColumnMatch& columns = sizer.Columns();
    const std::vector<std::string>& header = sizer.InputHeader();
    for (std::size_t c = 0; c < header.size() && c < row.cells.size(); ++c) {
        bool read = false;
        for (std::size_t r = 0; r < kListRoles && !read; ++r)
            read = columns.roles[r].column == static_cast<int>(c) && sizer.Reads(static_cast<ListRole>(r));
        const std::string value = TrimmedCell(row.cells[c]);
        if (!read && !value.empty())
            page.valve.push_back({TrimmedCell(header[c]), value});
    }
    auto given = [&](ListRole role) {
        const int c = columns[role].column;
        return c >= 0 && static_cast<std::size_t>(c) < row.cells.size() ? TrimmedCell(row.cells[static_cast<std::size_t>(c)])
                                                                        : std::string();
    };
    if (!page.sized) {
        // what the row gives, as it gives it: the page says why it was not sized
        for (ListRole role : {ListRole::ValveType, ListRole::Series, ListRole::Size, ListRole::Torque, ListRole::Action,
                              ListRole::Pressure, ListRole::PressureMax, ListRole::Mast})
            if (sizer.Reads(role) && !given(role).empty())
                page.valve.push_back({LoadString(IsCheckRole(role) ? 344 + static_cast<int>(role) -
                                                                         static_cast<int>(kFirstCheckRole)
                                                                   : 311 + static_cast<int>(role)),
                                      given(role)});
        page.actuator = "---";
        return page;
    }
    if (!row.series.empty()) {
        page.valve.push_back({LoadString(314), row.series});
        page.valve.push_back({LoadString(315), given(ListRole::Size)});
    }
    page.valve.push_back({LoadString(316), LoadString(321 + row.valveType)});
    page.valve.push_back({LoadString(313), row.typedTorque + " " + TorqueUnit(imperial)});

    if (pneumatic) {
        page.conditions.push_back({LoadString(kSizingPressure), sizer.ValueText(row.typedPressure) + " " +
                                                                    PressureUnit(imperial)});
        page.conditions.push_back({LoadString(kMaximumPressure), sizer.ValueText(row.typedPressureMax) + " " +
                                                                     PressureUnit(imperial)});
    }
    page.conditions.push_back({LoadString(317), sizer.ValueText(row.safety)});
    page.conditions.push_back({LoadString(318), sizer.ValueText(row.seating)});
    page.conditions.push_back({LoadString(319), sizer.ValueText(row.running)});

    // the selection
    const SizingOutcome& o = row.outcome;
    const std::size_t actuatorColumn = sizer.ActuatorColumn();
    page.actuator = actuatorColumn < row.cells.size() ? row.cells[actuatorColumn] : std::string("---");
    if (pneumatic && !row.doubleActing && o.found)
        page.springSet = ::Format("%i", o.springSet);
    page.action = pneumatic ? LoadString(row.doubleActing ? 2 : row.action == 0 ? 34 : 33) : std::string();
    double margin = 0;
    if (o.found && o.Margin(margin))
        page.weakestMargin = sizer.NumberText(margin, 1) + " %";
    if (!page.weakestMargin.empty() && margin > 0)
        page.weakestMargin.insert(0, "+");

    // demand against delivered at every checked point, the weakest marked
    page.torqueHeader = {LoadString(kPoint), LoadText(kDemand, {TorqueUnit(imperial)}),
                         LoadText(kDelivered, {TorqueUnit(imperial)}), LoadString(341) + " [%]"};
    const auto shown = [&](float nm) { return Whole(imperial ? NmToInLb(nm) : nm); };
    if (o.found) {
        const int weakest = o.WeakestPoint();
        for (std::size_t i = 0; i < o.points.size(); ++i) {
            const CheckedPoint& p = o.points[i];
            TorqueLine line;
            line.point = LoadString(DemandWord(p.demand));
            if (AirStroke(p.delivered) || SpringStroke(p.delivered))
                line.point += " (" + LoadString(AirStroke(p.delivered) ? kAir : kSpring) + ")";
            line.demand = shown(p.demandTorque);
            line.delivered = shown(p.deliveredTorque);
            if (p.demandTorque > 0) {
                const double m = (static_cast<double>(p.deliveredTorque) / p.demandTorque - 1.0) * 100.0;
                line.margin = (m > 0 ? "+" : "") + sizer.NumberText(m, 1);
            }
            line.weakest = static_cast<int>(i) == weakest;
            page.torques.push_back(line);
        }
    } else {
        for (const auto& [demand, nm] : {std::pair{Demand::Break, o.required}, std::pair{Demand::Run, o.run},
                                         std::pair{Demand::Seat, o.seat}})
            page.torques.push_back({LoadString(DemandWord(demand)), shown(nm), "", "", false});
    }

    // the checks the list asks for
    if (o.found && sizer.HasChecks()) {
        const std::string output = AddedCell(sizer, row, 349) + " " + TorqueUnit(imperial);
        const std::string at =
            pneumatic ? LoadText(kValueAt, {output, sizer.ValueText(row.typedPressureMax) + " " + PressureUnit(imperial)})
                      : output;
        if (row.typedMast > 0) {
            double mastMargin = 0;
            MastMargin(row, imperial, mastMargin);
            page.checks.push_back({LoadString(344), at, sizer.ValueText(row.typedMast) + " " + TorqueUnit(imperial),
                                   mastMargin < 0 ? CheckMark::Fail : CheckMark::Pass});
        } else {
            page.checks.push_back({LoadString(349), at, "", CheckMark::Info});
        }
        if (pneumatic) {
            page.checks.push_back({LoadString(351), AddedCell(sizer, row, 351) + (imperial ? " ft3" : " L"), "",
                                   CheckMark::Info});
            if (row.cyclesPerHour > 0)
                page.checks.push_back({LoadString(352), AddedCell(sizer, row, 352) + (imperial ? " ft3/h" : " m3/h"),
                                       "", CheckMark::Info});
            const std::string limit = row.strokeTimeMax > 0 ? sizer.ValueText(row.strokeTimeMax) + " s" : "";
            if (row.strokeTime > 0)
                page.checks.push_back({LoadString(kStrokeTimeCheck), AddedCell(sizer, row, 353) + " s", limit,
                                       limit.empty()                         ? CheckMark::Info
                                       : row.strokeTime > row.strokeTimeMax ? CheckMark::Fail
                                                                             : CheckMark::Pass});
            else if (!limit.empty())
                page.checks.push_back({LoadString(kStrokeTimeCheck), "", limit, CheckMark::NotChecked});
        }
    }
    page.warnings = row.warnings;
    if (withChart)
        page.chart = ListRowChart(sizer, row, true);
    return page;
}

SummaryLine MakeSummaryLine(const ListSizer& sizer, const SizedRow& row) {
    SummaryLine line;
    line.tag = row.tag;
    const std::size_t actuator = sizer.ActuatorColumn();
    if (row.status != RowStatus::Error && actuator < row.cells.size()) {
        line.actuator = row.cells[actuator];
        if (sizer.Pneumatic() && row.outcome.found && !row.doubleActing)
            line.springSet = ::Format("%i", row.outcome.springSet);
    }
    line.margin = AddedCell(sizer, row, 341);
    line.status = row.cells.empty() ? std::string() : row.cells.back();
    line.statusKind = row.status;
    return line;
}

PackageFrame MakePackageFrame(const PackageInputs& inputs) {
    PackageFrame frame;
    frame.project = inputs.project;
    const ProjectData& p = inputs.project;
    frame.projectFields = {{LoadString(kProject), p.project},
                           {LoadString(kCustomer), p.customer},
                           {LoadString(kDocument), p.document},
                           {LoadString(kRevision), p.revision},
                           {LoadString(kEngineer), p.engineer}};
    frame.date = ::Format("%02d-%02d-%04d", inputs.date.day, inputs.date.month, inputs.date.year);
    frame.program = inputs.program;
    frame.notes = inputs.notes;
    frame.place = inputs.place;
    frame.title = LoadString(kPackageTitle);
    frame.tagLabel = LoadString(311);
    frame.dateLabel = LoadString(kDate);
    frame.pageOf = LoadString(kPageOf);
    frame.titles = PackageTitles();
    return frame;
}

PackageCover MakePackageCover(const PackageInputs& inputs, const ListSummary& summary, std::vector<SummaryLine> lines) {
    PackageCover cover;
    cover.listTitle = LoadString(kListTitle);
    cover.countsTitle = LoadString(kRowsByStatus);
    cover.assumptionsTitle = LoadString(kAssumptions);
    cover.summaryTitle = LoadString(362);
    cover.materialsTitle = LoadString(367);
    cover.list.push_back({LoadString(kListTitle), inputs.listFile});
    cover.list.push_back({LoadString(kDate), ::Format("%02d-%02d-%04d", inputs.date.day, inputs.date.month,
                                                      inputs.date.year)});
    cover.list.push_back({LoadString(kActuatorRange), inputs.actuatorFile});
    std::string valves;
    for (const std::string& file : inputs.valveFiles)
        valves += (valves.empty() ? "" : ", ") + file;
    if (!valves.empty())
        cover.list.push_back({LoadString(kValveDatabases), valves});
    cover.counts = {{LoadString(293), std::to_string(summary.ok)},
                    {LoadString(294), std::to_string(summary.noFit)},
                    {LoadString(369), std::to_string(summary.checkFailed)},
                    {LoadString(370), std::to_string(summary.errors)},
                    {LoadString(371), std::to_string(summary.warned)}};
    cover.assumptions = inputs.assumptions;
    cover.summaryHeader = {LoadString(311), LoadString(332), LoadString(333), LoadString(341) + " [%]",
                           LoadString(343), LoadString(kPage)};
    cover.lines = std::move(lines);
    // an electric actuator has no spring set to order
    cover.materialsHeader = summary.pneumatic ? std::vector<std::string>{LoadString(332), LoadString(333), LoadString(kCount)}
                                              : std::vector<std::string>{LoadString(332), LoadString(kCount)};
    for (const ListSummary::Material& material : summary.materials)
        cover.materials.push_back(summary.pneumatic ? std::vector<std::string>{material.actuator, material.springSet,
                                                                               std::to_string(material.count)}
                                                    : std::vector<std::string>{material.actuator,
                                                                               std::to_string(material.count)});
    return cover;
}

PackageMetadata MakePackageMetadata(const PackageInputs& inputs, std::size_t tags) {
    PackageMetadata metadata;
    const std::string name = inputs.project.project.empty() ? inputs.listFile : inputs.project.project;
    metadata.title = LoadString(kPackageTitle) + ": " + name;
    metadata.author = inputs.project.engineer;
    metadata.subject = LoadText(kSubject, {std::to_string(tags), inputs.listFile});
    metadata.creator = inputs.program;
    return metadata;
}

PackageSource MakePackageSource(const ListSizer& sizer, const std::vector<SizedRow>& rows, const PackageInputs& inputs,
                                bool withCharts) {
    PackageSource source;
    SummaryTally tally(sizer);
    std::vector<SummaryLine> lines;
    lines.reserve(rows.size());
    for (const SizedRow& row : rows) {
        tally.Add(row);
        lines.push_back(MakeSummaryLine(sizer, row));
    }
    source.frame = MakePackageFrame(inputs);
    source.cover = MakePackageCover(inputs, tally.Result(), std::move(lines));
    source.metadata = MakePackageMetadata(inputs, rows.size());
    source.tagCount = rows.size();
    source.tagAt = [&sizer, &rows, withCharts](std::size_t index) {
        return MakeTagPage(sizer, rows[index], withCharts);
    };
    return source;
}

std::string PackageProgram() {
    return std::string("Sizing & Engineering ") + VN_PROJECT_VERSION;
}
