// Sizing every row of a valve list with the screens' own rules and arithmetic. The
// sizer is made from the list's header; each record then gives one output row: the
// record's own fields unchanged, followed by the columns the sizing adds.
#pragma once

#include "lists/list_reader.h"
#include "screens/sizing.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

class TorqueT;
class TorqueE;
class TorqueDatabase;
class SpringReturnSearch;

// Where the list's numbers are read and written: units and the default pressure.
struct ListSettings {
    bool imperial = false; // torques in in.lb and pressures in psi instead of Nm and bar
    float pressure = 4.0f; // default supply pressure, in the list's units
};

enum class RowStatus { Ok, NoFit, Error };

// How a cell is best stored by a writer that knows types (a workbook, JSON).
enum class CellKind { Text, Number };

struct SizedRow {
    long line = 0;
    RowStatus status = RowStatus::Error;
    std::vector<std::string> cells; // the input fields (padded to the header), the added columns; Status last
    std::string tag;
    SizingOutcome outcome; // the answer behind the cells, for a chart or a datasheet
    // What went into the sizing, as the screens would have it (valid unless an error).
    std::string typedTorque; // the torque text as the list gives it, or the database torque
    float typedValue = 0;    // in the list's units
    float torqueNm = 0;
    float safety = 0;
    float seating = 0;
    float running = 0;
    float pressure = 0;      // bar
    float typedPressure = 0; // in the list's units
    int valveType = 0;  // 0 ball, 1 butterfly, 2 plug
    int action = 0;     // 0 fail close, 1 fail open (spring return)
    bool doubleActing = false;
    std::string series; // the database page, when the row named one
};

// The column names the sizing reads and adds, in the order they are added.
namespace list_columns {
inline constexpr const char* kTag = "Tag";
inline constexpr const char* kAction = "Action";
inline constexpr const char* kTorque = "Torque";
inline constexpr const char* kSeries = "Series";
inline constexpr const char* kSize = "Size";
inline constexpr const char* kValveType = "Valve type";
inline constexpr const char* kSafety = "Safety";
inline constexpr const char* kSeating = "Seating";
inline constexpr const char* kRunning = "Running";
inline constexpr const char* kPressure = "Pressure";
} // namespace list_columns

// The valve type named in a list, in any of the four languages ("Ball", "Kugelhahn",
// "Vanne papillon" ...), without regard to case: 0 ball, 1 butterfly, 2 plug, -1 unknown.
int ValveTypeFromText(const std::string& text);

// A list cell as a number: the whole field must be one, with '.' or (when decimalComma)
// ',' as the decimal mark; blanks around it are allowed. Infinity and NaN are refused.
bool ParseListNumber(const std::string& text, bool decimalComma, float& value);

class ListSizer {
public:
    // Pneumatic sizing against a range; the database may be null when no rows use Series.
    ListSizer(const TorqueT& actuators, const TorqueDatabase* database, ListSettings settings);
    // Electric sizing.
    ListSizer(const TorqueE& actuators, const TorqueDatabase* database, ListSettings settings);
    ~ListSizer();
    ListSizer(const ListSizer&) = delete;
    ListSizer& operator=(const ListSizer&) = delete;

    // Takes the header record and the list's format. False, with a message, when the list
    // lacks a column it needs (Tag; Action for pneumatic; Torque or Series and Size).
    bool SetHeader(const std::vector<std::string>& header, const ListFormat& format, std::string& message);

    // The output header: the input header, then the added columns.
    const std::vector<std::string>& OutputHeader() const { return outputHeader_; }
    // Per output column, whether its cells are numbers (when not empty).
    const std::vector<CellKind>& OutputKinds() const { return outputKinds_; }
    // The index of the first added column.
    std::size_t AddedFrom() const { return inputColumns_; }
    bool Electric() const { return electric_ != nullptr; }
    const ListFormat& Format() const { return format_; }
    const ListSettings& Settings() const { return settings_; }
    const TorqueT* Pneumatic() const { return pneumatic_; }
    const TorqueE* ElectricData() const { return electric_; }

    // Sizes one record. A record that cannot be sized gets its reason in Status; it never
    // throws.
    SizedRow Size(const ListRecord& record) const;
    // The same, taking the record's fields over.
    SizedRow Size(ListRecord&& record) const;

    // A number as the output writes it: whole for torques, one decimal for the margin,
    // with the list's decimal mark.
    std::string NumberText(double value, int decimals) const;

private:
    struct Columns;
    void BuildOutputHeader(const std::vector<std::string>& header);
    const SpringReturnSearch& Search(float pressure, float running, float seating, int action) const;

    const TorqueT* pneumatic_ = nullptr;
    const TorqueE* electric_ = nullptr;
    const TorqueDatabase* database_ = nullptr;
    ListSettings settings_;
    ListFormat format_;
    std::unique_ptr<Columns> columns_;
    std::size_t inputColumns_ = 0;
    std::vector<std::string> outputHeader_;
    std::vector<CellKind> outputKinds_;
    // spring-return searches by pressure, factors and action: a list mostly repeats a few
    mutable std::map<std::tuple<float, float, float, int>, std::unique_ptr<SpringReturnSearch>> searches_;
};
