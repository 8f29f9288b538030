#include "lists/list_sizing.h"

#include "controls/edit_num_rules.h"
#include "data/torque_database.h"
#include "data/torque_e.h"
#include "data/torque_t.h"
#include "report/text_util.h"
#include "screens/screen_rows.h"
#include "screens/selection.h"
#include "tools/conversions.h"

#include <array>
#include <cmath>
#include <cstdlib>

namespace {

// A list repeats a few pressure and factor sets; a list with a new set on every row keeps
// at most this many searches.
constexpr std::size_t kSearchCache = 64;


std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(first, last - first + 1));
}

std::string Folded(std::string_view text) {
    return ToUpperText(Trimmed(text));
}

// A value as it reads back from a screen's field after the program put it there.
float AsField(float value) {
    return EditTextValue(FormatEditFloat(value));
}

// A cell quoted in a reason, kept short.
std::string Quoted(const std::string& cell) {
    return "'" + CutChars(Trimmed(cell), 80) + "'";
}

} // namespace

struct ListSizer::Columns {
    int tag = -1;
    int action = -1;
    int torque = -1;
    int series = -1;
    int size = -1;
    int valveType = -1;
    int safety = -1;
    int seating = -1;
    int running = -1;
    int pressure = -1;
};

int ValveTypeFromText(const std::string& text) {
    static const std::array<std::vector<const char*>, 3> names = {{
        {"Ball", "Ball Valve", "Kogel", "Kogelkraan", "Kugel", "Kugelhahn", "Bille", "Vanne \xc3\xa0 bille"},
        {"Butterfly", "Butterfly Valve", "Vlinder", "Vlinderklep", "Klappe", "Absperrklappe", "Papillon",
         "Vanne papillon"},
        {"Plug", "Plug Valve", "Plugkraan", "K\xc3\xbc" "ken", "K\xc3\xbc" "kenhahn", "Boisseau",
         "Vanne \xc3\xa0 boisseau"},
    }};
    const std::string wanted = Folded(text);
    for (std::size_t type = 0; type < names.size(); ++type)
        for (const char* name : names[type])
            if (ToUpperText(name) == wanted)
                return static_cast<int>(type);
    return -1;
}

bool ParseListNumber(const std::string& text, bool decimalComma, float& value) {
    std::string number = Trimmed(text);
    if (decimalComma)
        for (char& c : number)
            if (c == ',')
                c = '.';
    // sign, digits with at most one point, an optional exponent; nothing else
    std::size_t i = 0;
    if (i < number.size() && (number[i] == '-' || number[i] == '+'))
        ++i;
    std::size_t digits = 0;
    bool point = false;
    for (; i < number.size(); ++i) {
        const char c = number[i];
        if (c >= '0' && c <= '9')
            ++digits;
        else if (c == '.' && !point)
            point = true;
        else
            break;
    }
    if (digits == 0)
        return false;
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        ++i;
        if (i < number.size() && (number[i] == '-' || number[i] == '+'))
            ++i;
        const std::size_t from = i;
        while (i < number.size() && number[i] >= '0' && number[i] <= '9')
            ++i;
        if (i == from)
            return false;
    }
    if (i != number.size())
        return false;
    // as a screen's field reads its text: the double the text gives, then single precision
    const auto parsed = static_cast<float>(std::strtod(number.c_str(), nullptr));
    if (!std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

ListSizer::ListSizer(const TorqueT& actuators, const TorqueDatabase* database, ListSettings settings)
    : pneumatic_(&actuators), database_(database), settings_(settings), columns_(std::make_unique<Columns>()) {}

ListSizer::ListSizer(const TorqueE& actuators, const TorqueDatabase* database, ListSettings settings)
    : electric_(&actuators), database_(database), settings_(settings), columns_(std::make_unique<Columns>()) {}

ListSizer::~ListSizer() = default;

bool ListSizer::SetHeader(const std::vector<std::string>& header, const ListFormat& format, std::string& message) {
    format_ = format;
    *columns_ = Columns{};
    namespace lc = list_columns;
    const std::pair<const char*, int Columns::*> known[] = {
        {lc::kTag, &Columns::tag},         {lc::kAction, &Columns::action},       {lc::kTorque, &Columns::torque},
        {lc::kSeries, &Columns::series},   {lc::kSize, &Columns::size},           {lc::kValveType, &Columns::valveType},
        {lc::kSafety, &Columns::safety},   {lc::kSeating, &Columns::seating},     {lc::kRunning, &Columns::running},
        {lc::kPressure, &Columns::pressure},
    };
    for (std::size_t c = 0; c < header.size(); ++c) {
        const std::string name = Folded(header[c]);
        for (const auto& [wanted, member] : known)
            if (name == ToUpperText(wanted) && (*columns_).*member < 0)
                (*columns_).*member = static_cast<int>(c);
    }
    const Columns& col = *columns_;
    if (col.tag < 0)
        message = "the list has no Tag column";
    else if (pneumatic_ && col.action < 0)
        message = "the list has no Action column (DA, FC or FO)";
    else if (col.torque < 0 && (col.series < 0 || col.size < 0))
        message = "the list needs a Torque column, or Series and Size columns";
    else
        message.clear();
    inputColumns_ = header.size();
    BuildOutputHeader(header);
    return message.empty();
}

void ListSizer::BuildOutputHeader(const std::vector<std::string>& header) {
    outputHeader_ = header;
    outputKinds_.assign(header.size(), CellKind::Text);
    const Columns& col = *columns_;
    for (int numeric : {col.torque, col.size, col.safety, col.seating, col.running, col.pressure})
        if (numeric >= 0)
            outputKinds_[static_cast<std::size_t>(numeric)] = CellKind::Number;
    const std::vector<std::string> added =
        pneumatic_ ? std::vector<std::string>{"Break", "Run", "Seat", "Actuator", "Spring set", "Air start", "Air end",
                                              "Spring start", "Spring end", "Output", "Margin", "Status"}
                   : std::vector<std::string>{"Break", "Run", "Seat", "Actuator", "Break/Seat", "Run", "Margin",
                                              "Status"};
    for (const std::string& name : added) {
        outputHeader_.push_back(name);
        outputKinds_.push_back(name == "Actuator" || name == "Status" ? CellKind::Text : CellKind::Number);
    }
}

std::string ListSizer::NumberText(double value, int decimals) const {
    std::string text = ::Format("%.*f", decimals, value);
    if (text == "-0" || text == "-0.0")
        text.erase(0, 1);
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

SizedRow ListSizer::Size(const ListRecord& record) const {
    ListRecord copy = record;
    return Size(std::move(copy));
}

SizedRow ListSizer::Size(ListRecord&& record) const {
    const Columns& col = *columns_;
    SizedRow row;
    row.line = record.line;
    row.cells = std::move(record.fields);
    std::string reason;
    if (row.cells.size() > inputColumns_) {
        bool extra = false;
        for (std::size_t c = inputColumns_; c < row.cells.size(); ++c)
            extra = extra || !Trimmed(row.cells[c]).empty();
        if (extra)
            reason = ::Format("the row has %zu fields, the header %zu", row.cells.size(), inputColumns_);
    }
    row.cells.resize(inputColumns_);
    const std::size_t added = outputHeader_.size() - inputColumns_;
    auto cell = [&](int c) -> const std::string& {
        static const std::string none;
        return c >= 0 ? row.cells[static_cast<std::size_t>(c)] : none;
    };
    auto finish = [&](std::vector<std::string> results) {
        results.resize(added);
        row.cells.insert(row.cells.end(), results.begin(), results.end());
        return row;
    };
    auto fail = [&](const std::string& why) {
        row.status = RowStatus::Error;
        std::vector<std::string> results(added);
        results.back() = why;
        return finish(results);
    };
    if (!reason.empty())
        return fail(reason);

    row.tag = Trimmed(cell(col.tag));
    if (row.tag.empty())
        return fail("Tag is empty");

    if (pneumatic_) {
        const std::string action = Folded(cell(col.action));
        if (action == "DA")
            row.doubleActing = true;
        else if (action == "FC" || action == "FO")
            row.action = action == "FO" ? 1 : 0;
        else
            return fail("Action " + Quoted(cell(col.action)) + " is not DA, FC or FO");
    }

    if (!Trimmed(cell(col.valveType)).empty()) {
        row.valveType = ValveTypeFromText(cell(col.valveType));
        if (row.valveType < 0)
            return fail("Valve type " + Quoted(cell(col.valveType)) + " is not Ball, Butterfly or Plug");
    }
    row.safety = kDefaultSafety;
    row.running = kValveTypePresets[row.valveType].running;
    row.seating = kValveTypePresets[row.valveType].seating;

    // the torque: typed in the list, or a size of a database series
    const bool byDatabase = Trimmed(cell(col.torque)).empty() && !Trimmed(cell(col.series)).empty();
    if (!byDatabase) {
        if (Trimmed(cell(col.torque)).empty())
            return fail(col.torque >= 0 ? "Torque is empty" : "Series is empty");
        row.typedTorque = Trimmed(cell(col.torque));
        if (!ParseListNumber(row.typedTorque, format_.decimalComma, row.typedValue))
            return fail("Torque " + Quoted(row.typedTorque) + " is not a number");
        if (row.typedValue < 0)
            return fail("Torque " + Quoted(row.typedTorque) + " is negative");
        row.torqueNm = settings_.imperial ? InLbToNm(row.typedValue) : row.typedValue;
    } else {
        row.series = Trimmed(cell(col.series));
        if (!database_)
            return fail("Series " + Quoted(row.series) + ": no valve database is in use");
        if (!database_->IsUsable())
            return fail("Series " + Quoted(row.series) + ": the valve database " + database_->GetFileName() +
                        " does not read cleanly");
        const ValvePage* page = nullptr;
        for (const ValvePage& p : database_->pages)
            if (Folded(p.name) == Folded(row.series)) {
                page = &p;
                break;
            }
        if (!page)
            return fail("Series " + Quoted(row.series) + " not in the valve database");
        float size = 0;
        if (Trimmed(cell(col.size)).empty())
            return fail("Size is empty");
        if (!ParseListNumber(cell(col.size), format_.decimalComma, size))
            return fail("Size " + Quoted(cell(col.size)) + " is not a number");
        const ValveSize* found = nullptr;
        for (const ValveSize& v : page->sizes)
            if (ValveSizeText(v.size) == ValveSizeText(size)) {
                found = &v;
                break;
            }
        if (!found)
            return fail("Size " + ValveSizeText(size) + " not in series " + Quoted(row.series));
        row.torqueNm = found->torque;
        row.typedValue = settings_.imperial ? NmToInLb(found->torque) : found->torque;
        row.typedTorque = Shown(found->torque, settings_.imperial);
        row.safety = AsField(page->safetyFactor);
        row.seating = AsField(page->seatFactor);
        row.running = AsField(page->runFactor);
    }

    // factors given in the row win over the presets and the series
    const std::pair<int, float*> factors[] = {
        {col.safety, &row.safety}, {col.seating, &row.seating}, {col.running, &row.running}};
    const char* factorNames[] = {"Safety", "Seating", "Running"};
    for (std::size_t f = 0; f < 3; ++f) {
        const std::string& text = cell(factors[f].first);
        if (Trimmed(text).empty())
            continue;
        if (!ParseListNumber(text, format_.decimalComma, *factors[f].second))
            return fail(std::string(factorNames[f]) + " " + Quoted(text) + " is not a number");
        if (*factors[f].second < 0)
            return fail(std::string(factorNames[f]) + " " + Quoted(text) + " is negative");
    }

    if (pneumatic_) {
        float pressure = AsField(settings_.pressure);
        const std::string& text = cell(col.pressure);
        if (!Trimmed(text).empty() && !ParseListNumber(text, format_.decimalComma, pressure))
            return fail("Pressure " + Quoted(text) + " is not a number");
        row.typedPressure = pressure;
        row.pressure = settings_.imperial ? PsiToBar(pressure) : pressure;
        if (!(row.pressure >= 2.0f && row.pressure <= 10.0f))
            return fail(::Format("Pressure %s %s is outside %s", NumberText(pressure, 1).c_str(),
                               settings_.imperial ? "psi" : "bar", settings_.imperial ? "29 to 145 psi" : "2 to 10 bar"));
    }

    const bool imperial = settings_.imperial;
    std::vector<std::string> r;
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
        const SizingOutcome& o = row.outcome;
        const bool sr = !row.doubleActing;
        r = {byDatabase ? Shown(o.required, imperial) : Whole(row.typedValue * row.safety), Shown(o.run, imperial),
             Shown(o.seat, imperial)};
        if (o.found) {
            r.push_back(sr ? ModelText(data.GetSrModel(o.index), data.GetSize(o.index))
                           : ModelText(data.GetDaModel(o.index), data.GetSize(o.index)));
            if (sr)
                r.insert(r.end(), {::Format("%i", o.springSet), Shown(o.airStart, imperial), Shown(o.airEnd, imperial),
                                   Shown(o.springStart, imperial), Shown(o.springEnd, imperial), ""});
            else
                r.insert(r.end(), {"", "", "", "", "", Shown(o.output, imperial)});
        } else {
            r.insert(r.end(), {"---", "", "", "", "", "", ""});
        }
    } else {
        const TorqueE& data = *electric_;
        row.outcome = SizeElectric(data, row.torqueNm, row.safety, row.running, row.seating);
        const SizingOutcome& o = row.outcome;
        r = {Shown(o.required, imperial), Shown(o.run, imperial),
             Shown(o.seat, imperial)};
        if (o.found) {
            const TorqueEItem& item = data.Item(o.index);
            auto own = [imperial](int nm) {
                return ::Format("%i", imperial ? TruncToInt(NmToInLb(static_cast<float>(nm))) : nm);
            };
            r.insert(r.end(), {data.GetModel(o.index), own(item.breakSeatTorque), own(item.runTorque)});
        } else {
            r.insert(r.end(), {"---", "", ""});
        }
    }
    double margin = 0;
    r.push_back(row.outcome.found && row.outcome.Margin(margin) ? NumberText(margin, 1) : "");
    row.status = row.outcome.found ? RowStatus::Ok : RowStatus::NoFit;
    r.push_back(row.outcome.found ? "ok" : "no fit");
    return finish(r);
}
