// One row of a list sized: its cells read as the list means them, the warnings they give,
// the sizing, and the cells the sizing adds.
#include "lists/list_sizing.h"

#include "core/data/torque_database.h"
#include "core/data/torque_e.h"
#include "core/data/torque_t.h"
#include "core/sizing/checks.h"
#include "core/sizing/result_rows.h"
#include "core/sizing/selection.h"
#include "core/text/load_string.h"
#include "core/text/number_field_rules.h"
#include "core/text/text_util.h"
#include "core/units/conversions.h"

#include <cmath>
#include <limits>

namespace {

// Repeated tags: the lines a warning names before it only counts the rest.
constexpr std::size_t kLinesNamed = 3;

// A value as it reads back from a screen's field after the program put it there.
float AsField(float value) {
    return EditTextValue(FormatEditFloat(value));
}

// A cell quoted in a reason, kept short.
std::string Quoted(const std::string& cell) {
    std::string quoted(1, '\'');
    quoted += CutChars(TrimmedCell(cell), 80);
    return quoted += '\'';
}

// A value of the list as the texts of the active language name it.
std::string RoleText(ListRole role) {
    const int r = static_cast<int>(role);
    return IsCheckRole(role) ? LoadString(344 + r - static_cast<int>(kFirstCheckRole)) : LoadString(311 + r);
}

// The valve type as the output names it: Ball, Butterfly or Plug, in the active language.
std::string ValveTypeText(int type) {
    return LoadString(321 + type);
}

bool AllFinite(std::initializer_list<float> values) {
    for (float v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

} // namespace

// Reads the values of one row into it, with the warnings they give; the first cell that
// cannot be read as meant leaves its reason.
class ListSizer::RowReader {
public:
    RowReader(const ListSizer& sizer, SizedRow& row) : sizer_(sizer), row_(row) {}

    bool Has(ListRole role) const { return sizer_.columns_[role].column >= 0; }
    const std::string& Cell(ListRole role) const {
        static const std::string none;
        const int c = sizer_.columns_[role].column;
        return c >= 0 ? row_.cells[static_cast<std::size_t>(c)] : none;
    }
    bool Empty(ListRole role) const { return TrimmedCell(Cell(role)).empty(); }

    // A number cell in the list's units; a unit of the other system is converted. False,
    // with the reason, for a cell that is no number in this list or carries a wrong unit.
    bool Number(ListRole role, const Quantity* quantity, float& value, bool& asTyped) {
        const std::string& text = Cell(role);
        const std::string name = RoleText(role);
        const CellNumber cell = ReadListNumber(text, sizer_.Mark());
        switch (cell.fault) {
        case NumberFault::None:
            break;
        case NumberFault::OtherMark:
            return Fail(LoadText(270, {name, Quoted(text), LoadString(sizer_.Mark() == DecimalMark::Comma ? 303 : 302)}));
        case NumberFault::NotFinite:
            return Fail(LoadText(271, {name, Quoted(text)}));
        default:
            return Fail(LoadText(272, {name, Quoted(text)}));
        }
        const std::string unit = cell.unit.empty() ? sizer_.columns_[role].unit : cell.unit;
        value = static_cast<float>(cell.value);
        asTyped = cell.plain;
        if (unit.empty())
            return true;
        if (!quantity)
            return Fail(LoadText(273, {name, Quoted(text), unit, name}));
        bool imperial = false;
        if (!ReadUnit(unit, *quantity, imperial))
            return Fail(LoadText(274, {name, Quoted(text), unit, UnitChoices(*quantity)}));
        asTyped = asTyped && imperial == sizer_.settings_.imperial;
        value = ToListUnits(value, *quantity, imperial, sizer_.settings_.imperial);
        return true;
    }

    // A factor from its cell when it gives one: above 0, and a warning below 1 for safety.
    bool Factor(ListRole role, float& value, const std::string& defaultFrom) {
        if (!Has(role))
            return true;
        if (Empty(role)) {
            Warn(LoadText(275, {RoleText(role), sizer_.ValueText(value), defaultFrom}));
            return true;
        }
        bool asTyped = false;
        if (!Number(role, nullptr, value, asTyped))
            return false;
        if (!(value > 0))
            return Fail(LoadText(276, {RoleText(role), Quoted(Cell(role))}));
        if (role == ListRole::Safety && value < 1)
            Warn(LoadText(277, {TrimmedCell(Cell(role))}));
        return true;
    }

    void Warn(std::string warning) { row_.warnings.push_back(std::move(warning)); }
    bool Fail(std::string why) {
        reason = std::move(why);
        return false;
    }

    std::string reason;

private:
    const ListSizer& sizer_;
    SizedRow& row_;
};

bool MastMargin(const SizedRow& row, bool imperial, double& percent) {
    const double output = imperial ? NmToInLb(row.maxOutputNm) : row.maxOutputNm;
    if (!row.outcome.found || !(row.typedMast > 0) || !(output > 0))
        return false;
    percent = (row.typedMast / output - 1) * 100;
    return true;
}

SizedRow ListSizer::Size(const ListRecord& record) const {
    ListRecord copy = record;
    return Size(std::move(copy));
}

SizedRow ListSizer::Size(ListRecord&& record) const {
    SizedRow row;
    row.line = record.line;
    row.cells = std::move(record.fields);
    std::string extra;
    if (row.cells.size() > inputColumns_) {
        for (std::size_t c = inputColumns_; c < row.cells.size() && extra.empty(); ++c)
            if (!TrimmedCell(row.cells[c]).empty())
                extra = LoadText(278, {std::to_string(row.cells.size()), std::to_string(inputColumns_)});
    }
    row.cells.resize(inputColumns_);
    const std::size_t added = outputHeader_.size() - inputColumns_;
    RowReader in(*this, row);
    row.tag = TrimmedCell(in.Cell(ListRole::Tag));
    if (const auto found = repeated_.find(FoldedTag(row.tag)); !row.tag.empty() && found != repeated_.end()) {
        std::string others;
        std::size_t named = 0, more = 0;
        for (long line : found->second) {
            if (line == row.line)
                continue;
            if (named++ < kLinesNamed)
                others += (others.empty() ? "" : ", ") + std::to_string(line);
            else
                ++more;
        }
        if (more > 0)
            others = LoadText(281, {others, std::to_string(more)});
        in.Warn(LoadText(named > 1 ? 280 : 279, {row.tag, others}));
    }
    auto finish = [&](std::vector<std::string> results) {
        results.resize(added);
        row.exact.resize(added, std::numeric_limits<float>::quiet_NaN());
        std::string warnings;
        for (const std::string& warning : row.warnings)
            warnings += (warnings.empty() ? "" : "; ") + warning;
        results[added - 2] = warnings;
        row.cells.insert(row.cells.end(), results.begin(), results.end());
        return row;
    };
    auto fail = [&](const std::string& why) {
        row.status = RowStatus::Error;
        std::vector<std::string> results(added);
        results.back() = why;
        return finish(results);
    };
    if (!extra.empty())
        return fail(extra);
    if (row.tag.empty())
        return fail(LoadString(282));

    // the action: pneumatic rows need one; an electric actuator has no fail-safe action
    const ListAction action = ActionFromText(in.Cell(ListRole::Action));
    std::string noFit;
    if (action == ListAction::Unknown || (pneumatic_ && action == ListAction::None))
        return fail(LoadText(283, {Quoted(in.Cell(ListRole::Action))}));
    if (pneumatic_) {
        row.doubleActing = action == ListAction::DoubleActing;
        row.action = action == ListAction::FailOpen ? 1 : 0;
    } else if (action == ListAction::FailClose || action == ListAction::FailOpen) {
        noFit = LoadString(284);
    }

    // a size of a database series takes its factors from the series, not from a valve type
    const bool byDatabase = in.Empty(ListRole::Torque) && !in.Empty(ListRole::Series);
    const bool typeGiven = !in.Empty(ListRole::ValveType);
    if (typeGiven) {
        row.valveType = ValveTypeFromText(in.Cell(ListRole::ValveType));
        if (row.valveType < 0)
            return fail(LoadText(285, {Quoted(in.Cell(ListRole::ValveType))}));
    } else if (in.Has(ListRole::ValveType) && !byDatabase) {
        in.Warn(LoadText(275, {RoleText(ListRole::ValveType), ValveTypeText(0), LoadString(296)}));
    }
    row.safety = kDefaultSafety;
    row.running = kValveTypePresets[row.valveType].running;
    row.seating = kValveTypePresets[row.valveType].seating;
    std::string factorsFrom = LoadString(299 + row.valveType);
    std::string safetyFrom = LoadString(296);

    // the torque: typed in the list, or a size of a database series
    const Quantity torqueQuantity = Quantity::Torque;
    if (!byDatabase) {
        if (in.Empty(ListRole::Torque))
            return fail(LoadString(in.Has(ListRole::Torque) ? 286 : 287));
        bool asTyped = false;
        if (!in.Number(ListRole::Torque, &torqueQuantity, row.typedValue, asTyped))
            return fail(in.reason);
        if (!(row.typedValue > 0))
            return fail(LoadText(276, {RoleText(ListRole::Torque), Quoted(in.Cell(ListRole::Torque))}));
        row.typedTorque = asTyped ? TrimmedCell(in.Cell(ListRole::Torque)) : ValueText(row.typedValue);
        row.torqueNm = settings_.imperial ? InLbToNm(row.typedValue) : row.typedValue;
    } else {
        row.series = TrimmedCell(in.Cell(ListRole::Series));
        std::string reason;
        const ValvePage* page = FindSeries(row.series, reason);
        if (!page)
            return fail(reason);
        float size = 0;
        bool asTyped = false;
        if (in.Empty(ListRole::Size))
            return fail(LoadString(288));
        if (!in.Number(ListRole::Size, nullptr, size, asTyped))
            return fail(in.reason);
        const ValveSize* found = nullptr;
        for (const ValveSize& v : page->sizes)
            if (ValveSizeText(v.size) == ValveSizeText(size)) {
                found = &v;
                break;
            }
        if (!found)
            return fail(LoadText(289, {ValveSizeText(size), Quoted(row.series)}));
        row.torqueNm = found->torque;
        row.typedValue = settings_.imperial ? NmToInLb(found->torque) : found->torque;
        row.typedTorque = Shown(found->torque, settings_.imperial);
        row.safety = AsField(page->safetyFactor);
        row.seating = AsField(page->seatFactor);
        row.running = AsField(page->runFactor);
        factorsFrom = safetyFrom = LoadText(290, {Quoted(row.series)});
    }

    // factors given in the row win over the presets and the series
    if (!in.Factor(ListRole::Safety, row.safety, safetyFrom) || !in.Factor(ListRole::Seating, row.seating, factorsFrom) ||
        !in.Factor(ListRole::Running, row.running, factorsFrom))
        return fail(in.reason);

    if (pneumatic_) {
        float pressure = AsField(settings_.pressure);
        const Quantity pressureQuantity = Quantity::Pressure;
        bool asTyped = false;
        if (!in.Empty(ListRole::Pressure)) {
            if (!in.Number(ListRole::Pressure, &pressureQuantity, pressure, asTyped))
                return fail(in.reason);
        } else if (in.Has(ListRole::Pressure)) {
            in.Warn(LoadText(275, {RoleText(ListRole::Pressure),
                                   ValueText(pressure) + (settings_.imperial ? " psi" : " bar"),
                                   SourceText(settings_.pressureSource, settings_.settingsFile)}));
        }
        row.typedPressure = pressure;
        row.pressure = settings_.imperial ? PsiToBar(pressure) : pressure;
        if (!(row.pressure >= 2.0f && row.pressure <= 10.0f))
            return fail(LoadText(291, {NumberText(pressure, 1), settings_.imperial ? "psi" : "bar",
                                       settings_.imperial ? "29 to 145 psi" : "2 to 10 bar"}));
    }
    if (!ReadChecks(in, row))
        return fail(in.reason);

    // the added cells, and beside each torque the value it was rounded from: a workbook
    // keeps the value and shows it as the screens do
    const bool imperial = settings_.imperial;
    std::vector<std::string> r;
    const float none = std::numeric_limits<float>::quiet_NaN();
    auto text = [&](std::string cell) {
        r.push_back(std::move(cell));
        row.exact.push_back(none);
    };
    auto torque = [&](float nm) { // in Nm, shown in the list's unit
        const float shown = imperial ? NmToInLb(nm) : nm;
        r.push_back(Whole(shown));
        row.exact.push_back(shown);
    };
    auto whole = [&](float value) { // already in the list's unit
        r.push_back(Whole(value));
        row.exact.push_back(value);
    };
    if (pneumatic_)
        text(ValueText(row.typedPressure));
    text(byDatabase && !typeGiven ? std::string() : ValveTypeText(row.valveType));
    for (float factor : {row.safety, row.seating, row.running})
        text(ValueText(factor));
    if (pneumatic_) {
        const TorqueT& data = *pneumatic_;
        if (row.doubleActing) {
            row.outcome = SizeDoubleActing(data, row.pressure, row.torqueNm, row.safety);
            row.outcome.run = row.outcome.required * row.running;
            row.outcome.seat = row.outcome.required * row.seating;
        } else {
            row.outcome = SizeSpringReturn(Search(row.pressure, row.running, row.seating, row.action), row.torqueNm,
                                           row.safety);
        }
    } else {
        row.outcome = SizeElectric(*electric_, row.torqueNm, row.safety, row.running, row.seating);
    }
    // a demand beyond single precision sizes nothing: no actuator meets infinity
    if (!AllFinite({row.typedValue * row.safety, row.outcome.required, row.outcome.run, row.outcome.seat}))
        return fail(LoadText(292, {Quoted(byDatabase ? row.typedTorque : in.Cell(ListRole::Torque))}));
    if (!noFit.empty()) {
        const SizingOutcome demands = row.outcome;
        row.outcome = SizingOutcome{};
        row.outcome.rule = demands.rule;
        row.outcome.required = demands.required;
        row.outcome.run = demands.run;
        row.outcome.seat = demands.seat;
    }
    const SizingOutcome& o = row.outcome;
    if (pneumatic_) {
        const TorqueT& data = *pneumatic_;
        const bool sr = !row.doubleActing;
        if (byDatabase)
            torque(o.required);
        else
            whole(row.typedValue * row.safety);
        torque(o.run);
        torque(o.seat);
        if (o.found) {
            text(sr ? ModelText(data.GetSrModel(o.index), data.GetSize(o.index))
                    : ModelText(data.GetDaModel(o.index), data.GetSize(o.index)));
            if (sr) {
                text(::Format("%i", o.springSet));
                for (float nm : {o.airStart, o.airEnd, o.springStart, o.springEnd})
                    torque(nm);
                text("");
            } else {
                for (int blank = 0; blank < 5; ++blank)
                    text("");
                torque(o.output);
            }
        } else {
            text("---");
            for (int blank = 0; blank < 6; ++blank)
                text("");
        }
    } else {
        const TorqueE& data = *electric_;
        for (float nm : {o.required, o.run, o.seat})
            torque(nm);
        if (o.found) {
            const TorqueEItem& item = data.Item(o.index);
            auto own = [imperial](int nm) {
                return ::Format("%i", imperial ? TruncToInt(NmToInLb(static_cast<float>(nm))) : nm);
            };
            text(data.GetModel(o.index));
            text(own(item.breakSeatTorque));
            text(own(item.runTorque));
        } else {
            text("---");
            text("");
            text("");
        }
    }
    double margin = 0;
    const bool hasMargin = o.found && o.Margin(margin);
    r.push_back(hasMargin ? NumberText(margin, 1) : "");
    row.exact.push_back(hasMargin ? static_cast<float>(margin) : none);
    const std::vector<std::string> failed = Check(row);
    if (checks_)
        CheckCells(row, r);
    text(""); // the warnings, filled in by finish
    row.status = !o.found ? RowStatus::NoFit : failed.empty() ? RowStatus::Ok : RowStatus::CheckFailed;
    std::string status = o.found ? LoadString(293) : noFit.empty() ? LoadString(294) : LoadText(295, {noFit});
    if (!failed.empty()) {
        std::string reasons;
        for (const std::string& reason : failed)
            reasons += (reasons.empty() ? "" : "; ") + reason;
        status = LoadText(354, {reasons});
    }
    text(status);
    return finish(r);
}

bool ListSizer::ReadChecks(RowReader& in, SizedRow& row) const {
    const bool imperial = settings_.imperial;
    // a check's value, when its column is read and the row gives it: above 0
    auto positive = [&](ListRole role, const Quantity* quantity, float& value) {
        if (!in.Has(role) || !Reads(role) || in.Empty(role))
            return true;
        bool asTyped = false;
        if (!in.Number(role, quantity, value, asTyped))
            return false;
        if (!(value > 0))
            return in.Fail(LoadText(276, {RoleText(role), "'" + TrimmedCell(in.Cell(role)) + "'"}));
        return true;
    };
    const Quantity torque = Quantity::Torque, time = Quantity::Time;
    if (!positive(ListRole::Mast, &torque, row.typedMast))
        return false;
    row.mastNm = imperial ? InLbToNm(row.typedMast) : row.typedMast;
    row.pressureMax = row.pressure;
    row.typedPressureMax = row.typedPressure;
    if (!pneumatic_)
        return true;
    const std::string pressureUnit = imperial ? " psi" : " bar";
    if (in.Has(ListRole::PressureMax) && in.Empty(ListRole::PressureMax)) {
        in.Warn(LoadText(275, {RoleText(ListRole::PressureMax), ValueText(row.typedPressure) + pressureUnit,
                               LoadString(360)}));
    } else if (in.Has(ListRole::PressureMax)) {
        const Quantity pressure = Quantity::Pressure;
        bool asTyped = false;
        float typed = 0;
        if (!in.Number(ListRole::PressureMax, &pressure, typed, asTyped))
            return false;
        const float bar = imperial ? PsiToBar(typed) : typed;
        if (!(bar >= 2.0f && bar <= 10.0f))
            return in.Fail(LoadText(358, {NumberText(typed, 1), pressureUnit.substr(1),
                                          imperial ? "29 to 145 psi" : "2 to 10 bar"}));
        if (typed < row.typedPressure)
            return in.Fail(LoadText(359, {ValueText(typed) + pressureUnit, ValueText(row.typedPressure) + pressureUnit}));
        row.typedPressureMax = typed;
        row.pressureMax = bar;
        row.hasPressureMax = true;
    }
    float kv = 0;
    if (!positive(ListRole::CyclesPerHour, nullptr, row.cyclesPerHour) || !positive(ListRole::Kv, nullptr, kv) ||
        !positive(ListRole::StrokeTimeMax, &time, row.strokeTimeMax))
        return false;
    row.kv = flowCv_ ? CvToKv(kv) : kv;
    if (row.strokeTimeMax > 0 && !(row.kv > 0))
        in.Warn(LoadText(361, {ValueText(row.strokeTimeMax)}));
    return true;
}

std::vector<std::string> ListSizer::Check(SizedRow& row) const {
    std::vector<std::string> failed;
    const SizingOutcome& o = row.outcome;
    if (!o.found)
        return failed;
    const bool imperial = settings_.imperial;
    std::string actuator;
    if (pneumatic_) {
        const TorqueT& data = *pneumatic_;
        actuator = row.doubleActing ? ModelText(data.GetDaModel(o.index), data.GetSize(o.index))
                                    : ModelText(data.GetSrModel(o.index), data.GetSize(o.index));
        row.maxOutputNm = LargestOutput(data, o, row.pressureMax);
        row.airPerCycle = FreeAirPerCycle(data, o.index, row.pressure, row.doubleActing);
        if (imperial)
            row.airPerCycle = static_cast<float>(row.airPerCycle / kLitresPerCubicFoot);
        // litres an hour are a thousandth of the cubic metres; cubic feet stay cubic feet
        row.airPerHour = row.airPerCycle * row.cyclesPerHour / (imperial ? 1.0f : 1000.0f);
        if (row.kv > 0)
            StrokeSeconds(data, o.index, row.pressure, row.kv, row.strokeTime);
    } else {
        actuator = electric_->GetModel(o.index);
        row.maxOutputNm = LargestOutput(*electric_, o);
    }
    // the MAST against the output as the list's unit shows it: a MAST typed as the output
    // reads is met
    const float shown = imperial ? NmToInLb(row.maxOutputNm) : row.maxOutputNm;
    if (row.typedMast > 0 && shown > row.typedMast) {
        // the output as precisely as it takes to show it above the MAST
        int decimals = 0;
        for (double scale = 1; decimals < 3 && std::round(shown * scale) / scale <= row.typedMast; scale *= 10)
            ++decimals;
        const std::string unit = imperial ? " in.lb" : " Nm";
        const std::string output = (decimals == 0 ? Whole(shown) : NumberText(shown, decimals)) + unit;
        const std::string mast = ValueText(row.typedMast) + unit;
        failed.push_back(pneumatic_ ? LoadText(355, {actuator, output,
                                                     ValueText(row.typedPressureMax) + (imperial ? " psi" : " bar"), mast})
                                    : LoadText(356, {actuator, output, mast}));
    }
    if (row.strokeTimeMax > 0 && row.strokeTime > row.strokeTimeMax)
        failed.push_back(LoadText(357, {actuator, NumberText(row.strokeTime, 2), ValueText(row.strokeTimeMax)}));
    return failed;
}

void ListSizer::CheckCells(SizedRow& row, std::vector<std::string>& cells) const {
    // beside each number, the value it was rounded from, as the other added cells
    const bool imperial = settings_.imperial;
    const bool found = row.outcome.found;
    auto cell = [&](bool shown, float value, int decimals) {
        cells.push_back(shown ? NumberText(value, decimals) : std::string());
        row.exact.push_back(shown ? value : std::numeric_limits<float>::quiet_NaN());
    };
    const float output = imperial ? NmToInLb(row.maxOutputNm) : row.maxOutputNm;
    if (electric_ && found) {
        // as the actuator's own torques are shown
        cells.push_back(::Format("%i", imperial ? TruncToInt(output) : TruncToInt(row.maxOutputNm)));
        row.exact.push_back(output);
    } else {
        cells.push_back(found ? Whole(output) : std::string());
        row.exact.push_back(found ? output : std::numeric_limits<float>::quiet_NaN());
    }
    if (columns_[ListRole::Mast].column >= 0) {
        double mastMargin = 0;
        const bool hasMargin = MastMargin(row, imperial, mastMargin);
        cell(hasMargin, static_cast<float>(mastMargin), 1);
    }
    if (!pneumatic_)
        return;
    cell(found, row.airPerCycle, imperial ? 4 : 2);
    if (columns_[ListRole::CyclesPerHour].column >= 0)
        cell(found && row.cyclesPerHour > 0, row.airPerHour, imperial ? 2 : 3);
    if (columns_[ListRole::Kv].column >= 0)
        cell(found && row.strokeTime > 0, row.strokeTime, 2);
}
