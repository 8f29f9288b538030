// Which column of a valve list holds which value. Every column the sizing reads is found by
// its name in English, Dutch, German or French, as the programs' own catalogues name that
// quantity, or by a variant engineers write ("Tag No.", "Versorgungsdruck", "SF"). Case,
// blanks, punctuation and a unit in brackets do not count. Two columns for one value, or
// one column for two, are refused: the user then says which is which.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The values a list gives for the sizing, then those it may give for the checks beside it:
// the valve's maximum allowable stem torque, the highest supply pressure, how often the
// valve cycles, the flow coefficient feeding the actuator and the slowest stroke allowed.
enum class ListRole {
    Tag,
    Action,
    Torque,
    Series,
    Size,
    ValveType,
    Safety,
    Seating,
    Running,
    Pressure,
    Mast,
    PressureMax,
    CyclesPerHour,
    Kv,
    StrokeTimeMax
};
inline constexpr std::size_t kListRoles = 15;
// The first of the checks' roles: a list without any of them sizes as it always did.
inline constexpr ListRole kFirstCheckRole = ListRole::Mast;
inline bool IsCheckRole(ListRole role) {
    return role >= kFirstCheckRole;
}

// The role's name as options, messages and the list's documentation give it ("Valve type").
const char* RoleName(ListRole role);
// A role from its name or one of its header names, as --column takes it.
bool RoleFromText(std::string_view text, ListRole& role);

// The header names of every role, in one table: the documentation prints it.
struct RoleNames {
    ListRole role;
    std::vector<std::string_view> names;
};
const std::vector<RoleNames>& ListColumnNames();

// A header as it is matched (see WordKey), without a unit in brackets at its end
// ("Torque [Nm]", "Druck (psi)"); that unit goes to unit, trimmed.
std::string HeaderKey(std::string_view header, std::string* unit = nullptr);

// Whether a flow coefficient column holds Cv (US gallons per minute) rather than Kv (m3/h):
// its header or the unit in its brackets says Kv or Cv ("Pilot Cv", "Flow coefficient [Kv]");
// a header that says neither follows the actuator speed tool, Cv in an imperial run. False,
// with the unit named, for a unit in brackets that is no flow coefficient.
bool FlowIsCv(std::string_view header, bool imperial, bool& cv);

// The user's word on a role: the header of the column that holds it. An empty header says
// the list has no column for it, whatever a column's name suggests.
struct ColumnChoice {
    ListRole role;
    std::string header;
};

// Reads "ROLE=HEADER" as --column takes it. False, with a message, for an unknown role.
bool ReadColumnChoice(std::string_view text, ColumnChoice& choice, std::string& message);

struct ColumnUse {
    int column = -1;    // the column's index; -1 when the list has none for the role
    bool chosen = false; // named by the user rather than found by its name
    std::string unit;   // the unit in the header's brackets, as written
};

struct ColumnMatch {
    std::array<ColumnUse, kListRoles> roles;
    const ColumnUse& operator[](ListRole role) const { return roles[static_cast<std::size_t>(role)]; }
    ColumnUse& operator[](ListRole role) { return roles[static_cast<std::size_t>(role)]; }
};

enum class ColumnFault { None, Ambiguous, NoSuchHeader, TwoRoles };

// Finds the column of every role in header, the choices first. Fails with a message
// naming the headers: two columns that match one role, a chosen header the list does
// not have, or one column chosen for two roles.
ColumnFault MatchColumns(const std::vector<std::string>& header, const std::vector<ColumnChoice>& choices,
                         ColumnMatch& match, std::string& message);

// The columns a sizing adds, by the numbers of their names, as the four languages name them
// (English, Dutch, German, French), so that a sized list can be read and sized again.
struct SizingColumnNames {
    int id;
    std::array<std::string_view, 4> names;
};
const std::vector<SizingColumnNames>& SizingColumnTable();

// The columns an earlier sizing added to a list, in any of the four languages, so a sized
// list can be sized again: the block of them that closes the header, Status last, holding
// that sizing's Actuator and Warnings. A customer's own "Status" column stays the customer's.
std::vector<std::size_t> EarlierSizingColumns(const std::vector<std::string>& header);
