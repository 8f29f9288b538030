#include "lists/list_sizing.h"

#include "core/sizing/selection.h"
#include "core/text/text_util.h"

namespace {

// A list repeats a few pressure and factor sets; a list with a new set on every row keeps
// at most this many searches.
constexpr std::size_t kSearchCache = 64;

} // namespace

std::string SourceText(ValueSource source, const std::string& settingsFile) {
    switch (source) {
    case ValueSource::Settings:
        return "settings file " + settingsFile;
    case ValueSource::Option:
        return "option --pressure";
    case ValueSource::BuiltIn:
        break;
    }
    return "built in";
}

std::string ListSizer::FoldedTag(std::string_view tag) {
    return ToUpperText(TrimmedCell(tag));
}

ListSizer::ListSizer(const TorqueT& actuators, const TorqueDatabase* database, ListSettings settings)
    : pneumatic_(&actuators), database_(database), settings_(std::move(settings)) {}

ListSizer::ListSizer(const TorqueE& actuators, const TorqueDatabase* database, ListSettings settings)
    : electric_(&actuators), database_(database), settings_(std::move(settings)) {}

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
    for (const auto& [role, quantity] : {std::pair{ListRole::Torque, Quantity::Torque},
                                         std::pair{ListRole::Pressure, Quantity::Pressure}}) {
        const ColumnUse& use = columns_[role];
        bool imperial = false;
        if (fault_ == HeaderFault::None && use.column >= 0 && !use.unit.empty() &&
            !ReadUnit(use.unit, quantity, imperial)) {
            fault_ = HeaderFault::Unit;
            message = "the column '" + TrimmedCell(header[static_cast<std::size_t>(use.column)]) +
                      "' gives the unit '" + use.unit + "'; " + RoleName(role) + " is in " + UnitChoices(quantity);
        }
    }
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

std::vector<std::pair<ListRole, int>> ListSizer::NumberColumns() const {
    std::vector<std::pair<ListRole, int>> numbers;
    for (ListRole role : {ListRole::Torque, ListRole::Size, ListRole::Safety, ListRole::Seating, ListRole::Running,
                          ListRole::Pressure})
        if (columns_[role].column >= 0)
            numbers.emplace_back(role, columns_[role].column);
    return numbers;
}

void ListSizer::BuildOutputHeader(const std::vector<std::string>& header) {
    namespace lc = list_columns;
    outputHeader_ = header;
    outputKinds_.assign(header.size(), CellKind::Text);
    for (const auto& [role, column] : NumberColumns())
        outputKinds_[static_cast<std::size_t>(column)] = CellKind::Number;
    std::vector<std::string> added;
    if (pneumatic_)
        added.push_back(lc::kPressureUsed);
    added.insert(added.end(), {lc::kValveTypeUsed, lc::kSafetyUsed, lc::kSeatingUsed, lc::kRunningUsed});
    if (pneumatic_)
        added.insert(added.end(), {"Break", "Run", "Seat", lc::kActuator, "Spring set", "Air start", "Air end",
                                   "Spring start", "Spring end", "Output"});
    else
        added.insert(added.end(), {"Break", "Run", "Seat", lc::kActuator, "Break/Seat", "Actuator run"});
    added.insert(added.end(), {"Margin", lc::kWarnings, lc::kStatus});
    for (const std::string& name : added) {
        if (name == lc::kActuator)
            actuatorColumn_ = outputHeader_.size();
        outputHeader_.push_back(name);
        const bool text = name == lc::kActuator || name == lc::kStatus || name == lc::kWarnings ||
                          name == lc::kValveTypeUsed;
        outputKinds_.push_back(text ? CellKind::Text : CellKind::Number);
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
