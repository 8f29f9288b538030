#include "lists/list_columns.h"

#include "lists/list_cells.h"

namespace {

const char* const kRoleNames[kListRoles] = {
    "Tag",     "Action",   "Torque", "Series",       "Size",           "Valve type",         "Safety",          "Seating",
    "Running", "Pressure", "MAST",   "Pressure max", "Cycles per hour", "Kv", "Stroke time max"};

// A header, as messages quote it.
std::string Quoted(const std::string& header) {
    return "'" + header + "'";
}

bool SameHeader(const std::string& a, const std::string& b) {
    return TrimmedCell(a) == TrimmedCell(b);
}

} // namespace

const char* RoleName(ListRole role) {
    return kRoleNames[static_cast<std::size_t>(role)];
}

const std::vector<RoleNames>& ListColumnNames() {
    // English first, then Dutch, German and French: the programs' own words for the
    // quantity, then what engineers write. A name stands for one role only.
    static const std::vector<RoleNames> table = {
        {ListRole::Tag,
         {"Tag", "Tag No.", "Tag number", "Tag ID", "Valve tag", "Valve tag No.", "Tagnummer", "Tag-Nr.", "AKZ",
          "Kennzeichen", "Rep\xc3\xa8re", "Num\xc3\xa9ro de rep\xc3\xa8re"}},
        {ListRole::Action,
         {"Action", "Fail action", "Fail position", "Fail-safe action", "Fail-safe position", "Faalstand",
          "Sich.-Stellung", "Sicherheitsstellung", "Pos. s\xc3\xa9" "curit\xc3\xa9",
          "Position de s\xc3\xa9" "curit\xc3\xa9"}},
        {ListRole::Torque,
         {"Torque", "Valve torque", "Break torque", "Breakaway torque", "Break-away torque", "Koppel",
          "Afsluiterkoppel", "Losbreekkoppel", "Drehmoment", "Armaturendrehmoment", "Ventildrehmoment",
          "Losbrechmoment", "Couple", "Couple vanne", "Couple de d\xc3\xa9" "collement"}},
        {ListRole::Series, {"Series", "Valve series", "Serie", "Baureihe", "S\xc3\xa9rie"}},
        {ListRole::Size, {"Size", "Valve size", "Maat", "Gr\xc3\xb6\xc3\x9f" "e", "Groesse", "Taille"}},
        {ListRole::ValveType,
         {"Valve type", "Valve", "Type afsluiter", "Afsluitertype", "Afsluiter", "Armaturentyp", "Armatur",
          "Ventiltyp", "Type de vanne", "Vanne"}},
        {ListRole::Safety,
         {"Safety", "Safety factor", "SF", "Veiligheid", "Veiligh.factor", "Veiligheidsfactor", "Sicherheit",
          "Sicherh.-Faktor", "Sicherheitsfaktor", "S\xc3\xa9" "curit\xc3\xa9", "Coef. s\xc3\xa9" "curit\xc3\xa9",
          "Coefficient de s\xc3\xa9" "curit\xc3\xa9", "Facteur de s\xc3\xa9" "curit\xc3\xa9"}},
        {ListRole::Seating,
         {"Seating", "Seating factor", "Seat factor", "Sluitfactor", "Schlie\xc3\x9f" "faktor", "Coef. fermeture",
          "Coefficient de fermeture", "Facteur de fermeture"}},
        {ListRole::Running,
         {"Running", "Running factor", "Run factor", "Loopfactor", "Lauffaktor", "Coef. man\xc5\x93uvre",
          "Coefficient de man\xc5\x93uvre", "Facteur de man\xc5\x93uvre"}},
        {ListRole::Pressure,
         {"Pressure", "Supply pressure", "Air supply", "Air supply pressure", "Air pressure", "Instrument air",
          "Druk", "Voedingsdruk", "Luchtdruk", "Druck", "Versorgungsdruck", "Luftdruck", "Steuerdruck",
          "Pression", "Pression d'alimentation", "Pression d'air"}},
        // only names that say the stem's own limit, and the supply's highest pressure: a
        // valve list's "Max. pressure" is mostly the line's design pressure
        {ListRole::Mast,
         {"MAST", "Max. allowable stem torque", "Maximum allowable stem torque", "Allowable stem torque",
          "Max. stem torque", "Toelaatbaar askoppel", "Max. toelaatbaar askoppel", "Max. askoppel",
          "Zul\xc3\xa4ssiges Wellendrehmoment", "Max. zul. Wellendrehmoment", "Max. Wellendrehmoment",
          "Couple admissible de tige", "Couple max. admissible", "Couple max. de tige"}},
        {ListRole::PressureMax,
         {"Pressure max", "Supply pressure max", "Max. supply pressure", "Maximum supply pressure",
          "Max. air supply", "Air supply max", "Druk max", "Max. voedingsdruk", "Maximale voedingsdruk",
          "Voedingsdruk max", "Druck max", "Max. Versorgungsdruck", "Maximaler Versorgungsdruck",
          "Versorgungsdruck max", "Pression max", "Pression d'alimentation max",
          "Pression d'alimentation maximale", "Pression max. d'alimentation"}},
        {ListRole::CyclesPerHour,
         {"Cycles per hour", "Cycles/h", "Cycles/hour", "Cycli per uur", "Cycli/uur", "Schakelingen per uur",
          "Zyklen pro Stunde", "Zyklen/h", "Schaltspiele pro Stunde", "Schaltspiele/h", "Cycles par heure"}},
        {ListRole::Kv,
         {"Kv", "Kv value", "Pilot Kv", "Cv", "Cv value", "Pilot Cv", "Flow coefficient", "Kv-waarde",
          "Cv-waarde", "Doorstroomco\xc3\xab" "ffici\xc3\xab" "nt", "Kv-Wert", "Cv-Wert", "Durchflusskoeffizient",
          "Valeur Kv", "Valeur Cv", "Coefficient de d\xc3\xa9" "bit"}},
        {ListRole::StrokeTimeMax,
         {"Stroke time max", "Max. stroke time", "Maximum stroke time", "Max. operating time",
          "Looptijd max", "Max. looptijd", "Max. slagtijd", "Stellzeit max", "Max. Stellzeit", "Max. Laufzeit",
          "Temps de man\xc5\x93uvre max", "Temps de man\xc5\x93uvre maximal", "Temps de course max"}},
    };
    return table;
}

bool RoleFromText(std::string_view text, ListRole& role) {
    const std::string key = HeaderKey(text);
    if (key.empty())
        return false;
    for (const RoleNames& entry : ListColumnNames())
        for (std::string_view name : entry.names)
            if (WordKey(name) == key) {
                role = entry.role;
                return true;
            }
    return false;
}

std::string HeaderKey(std::string_view header, std::string* unit) {
    std::string text = TrimmedCell(header);
    if (unit)
        unit->clear();
    if (!text.empty() && (text.back() == ']' || text.back() == ')')) {
        const char open = text.back() == ']' ? '[' : '(';
        const std::size_t from = text.rfind(open);
        // a header that is only a bracket keeps its words
        if (from != std::string::npos && !WordKey(text.substr(0, from)).empty()) {
            if (unit)
                *unit = TrimmedCell(std::string_view(text).substr(from + 1, text.size() - from - 2));
            text.erase(from);
        }
    }
    return WordKey(text);
}

bool FlowIsCv(std::string_view header, bool imperial, bool& cv) {
    std::string unit;
    const std::string key = HeaderKey(header, &unit);
    const std::string unitKey = WordKey(unit);
    auto says = [&](const std::string& word) {
        return key.size() >= 2 && (key.compare(0, 2, word) == 0 || key.compare(key.size() - 2, 2, word) == 0);
    };
    if (!unit.empty()) {
        if (unitKey == "kv" || unitKey == "m3h" || unitKey == "m\xc2\xb3h") {
            cv = false;
            return true;
        }
        if (unitKey == "cv" || unitKey == "gpm" || unitKey == "usgpm") {
            cv = true;
            return true;
        }
        return false;
    }
    cv = says("cv") ? true : says("kv") ? false : imperial;
    return true;
}

bool ReadColumnChoice(std::string_view text, ColumnChoice& choice, std::string& message) {
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        message = "--column: '" + std::string(text) + "' is not ROLE=HEADER";
        return false;
    }
    if (!RoleFromText(text.substr(0, equals), choice.role)) {
        std::string roles;
        for (std::size_t r = 0; r < kListRoles; ++r)
            roles += (r ? ", " : "") + std::string(kRoleNames[r]);
        message = "--column: '" + std::string(text.substr(0, equals)) + "' is not one of the values a list gives (" +
                  roles + ")";
        return false;
    }
    choice.header = TrimmedCell(text.substr(equals + 1));
    return true;
}

ColumnFault MatchColumns(const std::vector<std::string>& header, const std::vector<ColumnChoice>& choices,
                         ColumnMatch& match, std::string& message) {
    match = ColumnMatch{};
    message.clear();
    std::vector<int> taken(header.size(), -1); // the role each column went to
    std::array<bool, kListRoles> decided{};
    for (const ColumnChoice& choice : choices) {
        const auto r = static_cast<std::size_t>(choice.role);
        decided[r] = true;
        match.roles[r] = ColumnUse{};
        if (choice.header.empty())
            continue;
        int found = -1;
        for (std::size_t c = 0; c < header.size() && found < 0; ++c)
            if (SameHeader(header[c], choice.header))
                found = static_cast<int>(c);
        if (found < 0) {
            message = "the list has no column " + Quoted(choice.header) + " for " + kRoleNames[r];
            return ColumnFault::NoSuchHeader;
        }
        const int before = taken[static_cast<std::size_t>(found)];
        if (before >= 0 && before != static_cast<int>(r)) {
            message = "the column " + Quoted(choice.header) + " is chosen for both " + kRoleNames[before] + " and " +
                      kRoleNames[r] + "; one column holds one value";
            return ColumnFault::TwoRoles;
        }
        taken[static_cast<std::size_t>(found)] = static_cast<int>(r);
        match.roles[r].column = found;
        match.roles[r].chosen = true;
    }
    for (std::size_t c = 0; c < header.size(); ++c) {
        if (taken[c] >= 0) {
            HeaderKey(header[c], &match.roles[static_cast<std::size_t>(taken[c])].unit);
            continue;
        }
        std::string unit;
        const std::string key = HeaderKey(header[c], &unit);
        ListRole role;
        if (key.empty() || !RoleFromText(header[c], role))
            continue;
        const auto r = static_cast<std::size_t>(role);
        if (decided[r])
            continue; // the user has said which column holds it
        if (match.roles[r].column >= 0) {
            message = "the columns " + Quoted(TrimmedCell(header[static_cast<std::size_t>(match.roles[r].column)])) +
                      " and " + Quoted(TrimmedCell(header[c])) + " both read as " + kRoleNames[r] +
                      "; say which one holds it";
            return ColumnFault::Ambiguous;
        }
        match.roles[r].column = static_cast<int>(c);
        match.roles[r].unit = unit;
    }
    return ColumnFault::None;
}

const std::vector<SizingColumnNames>& SizingColumnTable() {
    static const std::vector<SizingColumnNames> table = {
        {324, {"Pressure used", "Gebruikte druk", "Verwendeter Druck", "Pression utilis\xc3\xa9" "e"}},
        {325, {"Valve type used", "Gebruikt afsluitertype", "Verwendeter Armaturentyp", "Type de vanne utilis\xc3\xa9"}},
        {326, {"Safety used", "Gebruikte veiligheid", "Verwendete Sicherheit", "S\xc3\xa9" "curit\xc3\xa9 utilis\xc3\xa9" "e"}},
        {327, {"Seating used", "Gebruikte sluitfactor", "Verwendeter Schlie\xc3\x9f" "faktor", "Coef. fermeture utilis\xc3\xa9"}},
        {328, {"Running used", "Gebruikte loopfactor", "Verwendeter Lauffaktor", "Coef. man\xc5\x93uvre utilis\xc3\xa9"}},
        {329, {"Break", "Losbreek", "Losbrechen", "D\xc3\xa9" "collement"}},
        {330, {"Run", "Loop", "Lauf", "Man\xc5\x93uvre"}},
        {331, {"Seat", "Sluiten", "Schlie\xc3\x9f" "en", "Fermeture"}},
        {332, {"Actuator", "Aandrijving", "Antrieb", "Actionneur"}},
        {333, {"Spring set", "Veerset", "Federsatz", "Jeu de ressorts"}},
        {334, {"Air start", "Lucht begin", "Luft Anfang", "Air d\xc3\xa9" "but"}},
        {335, {"Air end", "Lucht eind", "Luft Ende", "Air fin"}},
        {336, {"Spring start", "Veer begin", "Feder Anfang", "Ressort d\xc3\xa9" "but"}},
        {337, {"Spring end", "Veer eind", "Feder Ende", "Ressort fin"}},
        {338, {"Output", "Afgifte", "Abgabe", "Sortie"}},
        {339, {"Break/Seat", "Losbreek/sluiten", "Losbrechen/Schlie\xc3\x9f" "en", "D\xc3\xa9" "collement/fermeture"}},
        {340, {"Actuator run", "Loop aandrijving", "Lauf Antrieb", "Man\xc5\x93uvre actionneur"}},
        {341, {"Margin", "Marge", "Reserve", "Marge"}},
        {342, {"Warnings", "Waarschuwingen", "Warnungen", "Avertissements"}},
        {343, {"Status", "Status", "Status", "\xc3\x89tat"}},
        {349, {"Max output", "Max. afgifte", "Max. Abgabe", "Sortie max."}},
        {350, {"MAST margin", "MAST-marge", "MAST-Reserve", "Marge MAST"}},
        {351, {"Air per cycle", "Lucht per cyclus", "Luft pro Zyklus", "Air par cycle"}},
        {352, {"Air per hour", "Lucht per uur", "Luft pro Stunde", "Air par heure"}},
        {353, {"Stroke time [s]", "Looptijd [s]", "Stellzeit [s]", "Temps de man\xc5\x93uvre [s]"}},
    };
    return table;
}

std::vector<std::size_t> EarlierSizingColumns(const std::vector<std::string>& header) {
    // a sizing appends its columns at the end, Status last: the block of them that closes
    // the header, in one language, holding its Actuator and Warnings
    const std::vector<SizingColumnNames>& table = SizingColumnTable();
    for (std::size_t language = 0; language < 4; ++language) {
        auto idOf = [&](const std::string& column) {
            const std::string key = HeaderKey(column);
            for (const SizingColumnNames& entry : table)
                if (key == HeaderKey(entry.names[language]))
                    return entry.id;
            return 0;
        };
        if (header.empty() || idOf(header.back()) != 343)
            continue;
        // the block opens with Valve type used, or Pressure used before it
        std::size_t first = header.size();
        bool actuator = false, warnings = false;
        while (first > 0 && idOf(header[first - 1]) != 0) {
            const int id = idOf(header[--first]);
            actuator = actuator || id == 332;
            warnings = warnings || id == 342;
            if (id == 325) {
                if (first > 0 && idOf(header[first - 1]) == 324)
                    --first;
                break;
            }
        }
        if (!actuator || !warnings || idOf(header[first]) > 325)
            continue;
        std::vector<std::size_t> columns;
        for (std::size_t c = first; c < header.size(); ++c)
            columns.push_back(c);
        return columns;
    }
    return {};
}
