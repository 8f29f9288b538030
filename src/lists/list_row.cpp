// One row of a list sized: its cells read as the list means them, the warnings they give,
// the sizing, and the cells the sizing adds.
#include "lists/list_sizing.h"

#include "core/data/torque_database.h"
#include "core/data/torque_e.h"
#include "core/data/torque_t.h"
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
    return LoadString(311 + static_cast<int>(role));
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
    text(""); // the warnings, filled in by finish
    row.status = o.found ? RowStatus::Ok : RowStatus::NoFit;
    text(o.found ? LoadString(293) : noFit.empty() ? LoadString(294) : LoadText(295, {noFit}));
    return finish(r);
}
