#include "lists/list_sizing.h"

#include "core/data/torque_database.h"
#include "core/sizing/selection.h"
#include "core/text/load_string.h"
#include "core/text/text_util.h"

#include <algorithm>

namespace {

// A list repeats a few pressure and factor sets; a list with a new set on every row keeps
// at most this many searches.
constexpr std::size_t kSearchCache = 64;

} // namespace

std::string SourceText(ValueSource source, const std::string& settingsFile) {
    switch (source) {
    case ValueSource::Settings:
        return LoadText(297, {settingsFile});
    case ValueSource::Option:
        return LoadString(298);
    case ValueSource::BuiltIn:
        break;
    }
    return LoadString(296);
}

std::string ListSizer::FoldedTag(std::string_view tag) {
    return ToUpperText(TrimmedCell(tag));
}

namespace {

ValveDatabases OneDatabase(const TorqueDatabase* database) {
    return database ? ValveDatabases{database} : ValveDatabases{};
}

std::string Names(const ValveDatabases& databases) {
    std::string names;
    for (std::size_t d = 0; d + 1 < databases.size(); ++d)
        names += (d == 0 ? "" : ", ") + databases[d]->GetFileName();
    return databases.size() > 1 ? LoadText(309, {names, databases.back()->GetFileName()})
                                : databases.empty() ? std::string() : databases.front()->GetFileName();
}

} // namespace

ListSizer::ListSizer(const TorqueT& actuators, const TorqueDatabase* database, ListSettings settings)
    : ListSizer(actuators, OneDatabase(database), std::move(settings)) {}

ListSizer::ListSizer(const TorqueE& actuators, const TorqueDatabase* database, ListSettings settings)
    : ListSizer(actuators, OneDatabase(database), std::move(settings)) {}

ListSizer::ListSizer(const TorqueT& actuators, ValveDatabases databases, ListSettings settings)
    : pneumatic_(&actuators), databases_(std::move(databases)), settings_(std::move(settings)) {
    IndexSeries();
}

ListSizer::ListSizer(const TorqueE& actuators, ValveDatabases databases, ListSettings settings)
    : electric_(&actuators), databases_(std::move(databases)), settings_(std::move(settings)) {
    IndexSeries();
}

void ListSizer::IndexSeries() {
    for (const TorqueDatabase* database : databases_)
        if (database->IsUsable())
            for (const ValvePage& page : database->pages) {
                auto& holders = series_[FoldedTag(page.name)];
                // a database naming a series twice holds it once: its first page, as before
                if (holders.empty() || holders.back().first != database)
                    holders.emplace_back(database, &page);
            }
}

const ValvePage* ListSizer::FindSeries(const std::string& series, std::string& reason) const {
    const std::string quoted = "'" + CutChars(series, 80) + "'";
    if (databases_.empty()) {
        reason = LoadText(304, {quoted});
        return nullptr;
    }
    const auto found = series_.find(FoldedTag(series));
    if (found != series_.end() && found->second.size() == 1)
        return found->second.front().second;
    if (found != series_.end()) {
        ValveDatabases holders;
        for (const auto& [database, page] : found->second)
            holders.push_back(database);
        reason = LoadText(305, {quoted, std::to_string(holders.size()), Names(holders)});
        return nullptr;
    }
    for (const TorqueDatabase* database : databases_)
        if (!database->IsUsable()) {
            reason = LoadText(306, {quoted, database->GetFileName()});
            return nullptr;
        }
    reason = LoadText(databases_.size() > 1 ? 308 : 307, {quoted, Names(databases_)});
    return nullptr;
}

ListSizer::~ListSizer() = default;

bool ListSizer::SetHeader(const std::vector<std::string>& header, const ListFormat& format, std::string& message) {
    format_ = format;
    fault_ = HeaderFault::None;
    inputHeader_ = header;
    inputColumns_ = header.size();
    repeated_.clear();
    if (MatchColumns(header, settings_.columns, columns_, message) != ColumnFault::None)
        fault_ = HeaderFault::Columns;
    // a unit in a header is its cells' unit: it must be one the quantity has
    for (const auto& [role, quantity] :
         {std::pair{ListRole::Torque, Quantity::Torque}, std::pair{ListRole::Pressure, Quantity::Pressure},
          std::pair{ListRole::Mast, Quantity::Torque}, std::pair{ListRole::PressureMax, Quantity::Pressure},
          std::pair{ListRole::StrokeTimeMax, Quantity::Time}}) {
        const ColumnUse& use = columns_[role];
        bool imperial = false;
        if (fault_ == HeaderFault::None && use.column >= 0 && !use.unit.empty() &&
            !ReadUnit(use.unit, quantity, imperial)) {
            fault_ = HeaderFault::Unit;
            message = "the column '" + TrimmedCell(header[static_cast<std::size_t>(use.column)]) +
                      "' gives the unit '" + use.unit + "'; " + RoleName(role) + " is in " + UnitChoices(quantity);
        }
    }
    // a flow coefficient's header says Kv or Cv; its cells then carry no unit
    if (ColumnUse& flow = columns_[ListRole::Kv]; fault_ == HeaderFault::None && flow.column >= 0) {
        const std::string& name = header[static_cast<std::size_t>(flow.column)];
        if (!::FlowIsCv(name, settings_.imperial, flowCv_)) {
            fault_ = HeaderFault::Unit;
            message = "the column '" + TrimmedCell(name) + "' gives the unit '" + flow.unit +
                      "'; Kv is in m3/h (Kv) or US gpm (Cv)";
        }
        flow.unit.clear();
    }
    checks_ = false;
    for (std::size_t r = static_cast<std::size_t>(kFirstCheckRole); r < kListRoles; ++r)
        checks_ = checks_ || (columns_.roles[r].column >= 0 && Reads(static_cast<ListRole>(r)));
    if (fault_ == HeaderFault::None) {
        const ColumnMatch& col = columns_;
        if (col[ListRole::Tag].column < 0)
            message = "the list has no Tag column";
        else if (pneumatic_ && col[ListRole::Action].column < 0)
            message = "the list has no Action column (DA, FC or FO)";
        else if (col[ListRole::Torque].column < 0 &&
                 (col[ListRole::Series].column < 0 || col[ListRole::Size].column < 0))
            message = "the list needs a Torque column, or Series and Size columns";
        if (!message.empty())
            fault_ = HeaderFault::MissingColumn;
    }
    BuildOutputHeader(header);
    return fault_ == HeaderFault::None;
}

void ListSizer::SetColumnSurvey(const std::vector<double>& widths, const std::vector<bool>& numbers) {
    for (std::size_t c = 0; c < inputColumns_; ++c) {
        if (c < widths.size())
            widths_[c] = std::max(widths_[c], widths[c]);
        // a tag is a name, whatever its digits
        if (c < numbers.size() && numbers[c] && static_cast<int>(c) != columns_[ListRole::Tag].column)
            outputKinds_[c] = CellKind::Number;
    }
}

bool ListSizer::Reads(ListRole role) const {
    switch (role) {
    case ListRole::Pressure:
    case ListRole::PressureMax:
    case ListRole::CyclesPerHour:
    case ListRole::Kv:
    case ListRole::StrokeTimeMax:
        return pneumatic_ != nullptr;
    default:
        return true;
    }
}

std::vector<std::pair<ListRole, int>> ListSizer::NumberColumns() const {
    std::vector<std::pair<ListRole, int>> numbers;
    for (ListRole role : {ListRole::Torque, ListRole::Size, ListRole::Safety, ListRole::Seating, ListRole::Running,
                          ListRole::Pressure, ListRole::Mast, ListRole::PressureMax, ListRole::CyclesPerHour,
                          ListRole::Kv, ListRole::StrokeTimeMax})
        if (columns_[role].column >= 0)
            numbers.emplace_back(role, columns_[role].column);
    return numbers;
}

void ListSizer::BuildOutputHeader(const std::vector<std::string>& header) {
    namespace sc = sizing_columns;
    outputHeader_ = header;
    outputKinds_.assign(header.size(), CellKind::Text);
    for (const auto& [role, column] : NumberColumns())
        outputKinds_[static_cast<std::size_t>(column)] = CellKind::Number;
    std::vector<int> added;
    if (pneumatic_)
        added.push_back(sc::kPressureUsed);
    added.insert(added.end(), {sc::kValveTypeUsed, sc::kSafetyUsed, sc::kSeatingUsed, sc::kRunningUsed, sc::kBreak,
                               sc::kRun, sc::kSeat, sc::kActuator});
    if (pneumatic_)
        added.insert(added.end(), {sc::kSpringSet, sc::kAirStart, sc::kAirEnd, sc::kSpringStart, sc::kSpringEnd,
                                   sc::kOutput});
    else
        added.insert(added.end(), {sc::kBreakSeat, sc::kActuatorRun});
    added.push_back(sc::kMargin);
    if (checks_) {
        added.push_back(sc::kMaxOutput);
        if (columns_[ListRole::Mast].column >= 0)
            added.push_back(sc::kMastMargin);
        if (pneumatic_) {
            added.push_back(sc::kAirPerCycle);
            if (columns_[ListRole::CyclesPerHour].column >= 0)
                added.push_back(sc::kAirPerHour);
            if (columns_[ListRole::Kv].column >= 0)
                added.push_back(sc::kStrokeTime);
        }
    }
    added.insert(added.end(), {sc::kWarnings, sc::kStatus});
    widths_.assign(header.size(), 0);
    for (int id : added) {
        if (id == sc::kActuator)
            actuatorColumn_ = outputHeader_.size();
        // the headers in the language of the run
        outputHeader_.push_back(LoadString(id));
        const bool text = id == sc::kActuator || id == sc::kStatus || id == sc::kWarnings || id == sc::kValveTypeUsed;
        outputKinds_.push_back(text ? CellKind::Text : CellKind::Number);
        // the added cells' widths are known before the rows: a reason or warnings run long
        const bool reasons = id == sc::kStatus || id == sc::kWarnings;
        widths_.push_back(reasons ? 50 : id == sc::kActuator ? 12 : 8);
    }
}

std::string ListSizer::NumberText(double value, int decimals) const {
    std::string text = ::Format("%.*f", decimals, value);
    if (text.find_first_not_of("-0.") == std::string::npos && text[0] == '-')
        text.erase(0, 1); // a zero has no sign
    if (format_.decimalComma)
        for (char& c : text)
            if (c == '.')
                c = ',';
    return text;
}

std::string ListSizer::ValueText(float value) const {
    std::string text = ShortestFloat(value == 0 ? 0.0f : value);
    if (format_.decimalComma)
        for (char& c : text)
            if (c == '.')
                c = ',';
    return text;
}

const SpringReturnSearch& ListSizer::Search(float pressure, float running, float seating, int action) const {
    const auto key = std::make_tuple(pressure, running, seating, action);
    auto found = searches_.find(key);
    if (found != searches_.end())
        return *found->second;
    if (searches_.size() >= kSearchCache)
        searches_.clear();
    auto search = std::make_unique<SpringReturnSearch>(*pneumatic_, pressure, running, seating, action);
    return *searches_.emplace(key, std::move(search)).first->second;
}
