// Sizing every row of a valve list with the screens' own rules and arithmetic. The
// sizer is made from the list's header; each record then gives one output row: the
// record's own fields unchanged, followed by the columns the sizing adds.
#pragma once

#include "core/sizing/sizing.h"
#include "lists/list_cells.h"
#include "lists/list_columns.h"
#include "lists/list_reader.h"

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
struct ValvePage;

// The valve databases a list's Series are looked up in, the settings' first.
using ValveDatabases = std::vector<const TorqueDatabase*>;

enum class DecimalChoice { FromList, Point, Comma };

// Where a value that no cell gives came from.
enum class ValueSource { BuiltIn, Settings, Option };
// Where a value came from, in words: "settings file sizkav.set", "option", "built in".
std::string SourceText(ValueSource source, const std::string& settingsFile);

// Where the list's numbers are read and written: units and the default pressure, the
// decimal mark and the user's word on which column is which.
struct ListSettings {
    bool imperial = false; // torques in in.lb and pressures in psi instead of Nm and bar
    float pressure = 4.0f; // default supply pressure, in the list's units
    ValueSource pressureSource = ValueSource::BuiltIn;
    std::string settingsFile; // the settings file a value came from, for the run's account
    DecimalChoice decimal = DecimalChoice::FromList;
    std::vector<ColumnChoice> columns;
    std::string sheet; // the sheet of a workbook list to read; empty: its first
};

// Check failed: an actuator fits, but it may break the valve's stem at the highest
// pressure or strokes slower than allowed. It stays on the row; the row counts as not sized.
enum class RowStatus { Ok, NoFit, CheckFailed, Error };

// How a cell is best stored by a writer that knows types (a workbook, JSON).
enum class CellKind { Text, Number };

struct SizedRow {
    long line = 0;
    RowStatus status = RowStatus::Error;
    // the input fields (padded to the header), then the added columns; Status last
    std::vector<std::string> cells;
    std::string tag;
    std::vector<std::string> warnings; // also in the Warnings cell
    // Per added column, the value a rounded number cell shows (in the list's units); NaN
    // for the others. A workbook stores it and shows it rounded as the cell reads.
    std::vector<float> exact;
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
    // The checks beside the sizing (0 when the list gives nothing for them).
    float mastNm = 0;        // the valve's maximum allowable stem torque
    float typedMast = 0;     // the same in the list's units
    float maxOutputNm = 0;   // the largest torque the actuator delivers, at the highest pressure
    float pressureMax = 0;   // bar; the sizing pressure when the list gives none
    float typedPressureMax = 0;
    bool hasPressureMax = false; // the list gives a highest pressure for the row
    float airPerCycle = 0;   // free air, in the list's volume unit (litres or cubic feet)
    float airPerHour = 0;    // m3/h or ft3/h; 0 without cycles per hour
    float strokeTime = 0;    // seconds; 0 without a flow coefficient
    float cyclesPerHour = 0; // 0 when the list gives none
    float kv = 0;            // the flow coefficient as Kv, whatever the list gave; 0 when none
    float strokeTimeMax = 0; // seconds; 0 when the list gives none
};

// A row's MAST margin, percent: (MAST / largest output - 1) x 100, with both in the list's
// units. False when the row gives no MAST or has no actuator.
bool MastMargin(const SizedRow& row, bool imperial, double& percent);

// The columns the sizing adds, by the numbers of their names in the string table: a list is
// written with the headers of the language it was sized in.
namespace sizing_columns {
inline constexpr int kPressureUsed = 324;
inline constexpr int kValveTypeUsed = 325;
inline constexpr int kSafetyUsed = 326;
inline constexpr int kSeatingUsed = 327;
inline constexpr int kRunningUsed = 328;
inline constexpr int kBreak = 329;
inline constexpr int kRun = 330;
inline constexpr int kSeat = 331;
inline constexpr int kActuator = 332;
inline constexpr int kSpringSet = 333;
inline constexpr int kAirStart = 334;
inline constexpr int kAirEnd = 335;
inline constexpr int kSpringStart = 336;
inline constexpr int kSpringEnd = 337;
inline constexpr int kOutput = 338;
inline constexpr int kBreakSeat = 339;
inline constexpr int kActuatorRun = 340;
inline constexpr int kMargin = 341;
inline constexpr int kWarnings = 342;
inline constexpr int kStatus = 343;
// the checks', when the list gives any of their values
inline constexpr int kMaxOutput = 349;
inline constexpr int kMastMargin = 350;
inline constexpr int kAirPerCycle = 351;
inline constexpr int kAirPerHour = 352;
inline constexpr int kStrokeTime = 353;
} // namespace sizing_columns

// Why a header cannot be sized from.
enum class HeaderFault { None, MissingColumn, Columns, Unit };

class ListSizer {
public:
    // Pneumatic sizing against a range; the database may be null when no rows use Series.
    ListSizer(const TorqueT& actuators, const TorqueDatabase* database, ListSettings settings);
    // Electric sizing.
    ListSizer(const TorqueE& actuators, const TorqueDatabase* database, ListSettings settings);
    // The same with several valve databases: a Series is looked up in all of them.
    ListSizer(const TorqueT& actuators, ValveDatabases databases, ListSettings settings);
    ListSizer(const TorqueE& actuators, ValveDatabases databases, ListSettings settings);
    ~ListSizer();
    ListSizer(const ListSizer&) = delete;
    ListSizer& operator=(const ListSizer&) = delete;

    // Takes the header record and the list's format, and finds the column of every value.
    // False, with a message and the fault, when the list lacks a column it needs (Tag;
    // Action for pneumatic; Torque or Series and Size), when two columns read as one value,
    // or when a header's unit is not one of its quantity.
    bool SetHeader(const std::vector<std::string>& header, const ListFormat& format, std::string& message);
    HeaderFault Fault() const { return fault_; }
    // The list's format once the whole list has shown its decimal mark: the numbers are
    // read and written with it.
    void SetFormat(const ListFormat& format) { format_ = format; }
    // The tags that stand on more than one row (as FoldedTag compares them), with their
    // lines: each such row gets a warning naming the others.
    void SetRepeatedTags(std::map<std::string, std::vector<long>> lines) { repeated_ = std::move(lines); }
    const std::map<std::string, std::vector<long>>& RepeatedTags() const { return repeated_; }
    // What the whole list shows of its own columns: per input column the widest cell, in
    // characters, and whether every cell that is not empty is a number in the list's
    // convention (such a column is written as numbers where a format knows them).
    void SetColumnSurvey(const std::vector<double>& widths, const std::vector<bool>& numbers);
    // Per output column, how wide its cells are, in characters.
    const std::vector<double>& ColumnWidths() const { return widths_; }
    // A tag as repeated tags are compared: blanks cut, upper case.
    static std::string FoldedTag(std::string_view tag);

    // The columns of an earlier sizing the list was read without, by their headers.
    void SetLeftOut(std::vector<std::string> headers) { leftOut_ = std::move(headers); }
    const std::vector<std::string>& LeftOut() const { return leftOut_; }

    // The columns found for the values the sizing reads.
    const ColumnMatch& Columns() const { return columns_; }
    // Whether the sizing reads a value: an electric one reads no pressure and nothing of the air.
    bool Reads(ListRole role) const;
    // Whether the list gives a value of the checks beside the sizing: then every row shows
    // the actuator's largest output, and a pneumatic one its air.
    bool HasChecks() const { return checks_; }
    // Whether the flow coefficient column holds Cv rather than Kv.
    bool FlowIsCv() const { return flowCv_; }
    // The header as the list gave it.
    const std::vector<std::string>& InputHeader() const { return inputHeader_; }
    // The number columns with their values' roles, for telling a list's decimal mark.
    std::vector<std::pair<ListRole, int>> NumberColumns() const;

    // The output header: the input header, then the added columns.
    const std::vector<std::string>& OutputHeader() const { return outputHeader_; }
    // Per output column, whether its cells are numbers (when not empty).
    const std::vector<CellKind>& OutputKinds() const { return outputKinds_; }
    // The index of the first added column, and of the actuator's and the warnings' columns.
    std::size_t AddedFrom() const { return inputColumns_; }
    std::size_t ActuatorColumn() const { return actuatorColumn_; }
    std::size_t WarningsColumn() const { return outputHeader_.size() - 2; }
    bool Electric() const { return electric_ != nullptr; }
    const ListFormat& Format() const { return format_; }
    DecimalMark Mark() const { return format_.decimalComma ? DecimalMark::Comma : DecimalMark::Point; }
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
    // A value as the shortest text that reads back to it, with the list's decimal mark.
    std::string ValueText(float value) const;

private:
    class RowReader;
    void BuildOutputHeader(const std::vector<std::string>& header);
    // The checks' values of a row; false, with the reason in the reader, for one that
    // cannot be read as meant.
    bool ReadChecks(RowReader& in, SizedRow& row) const;
    // The checks of a sized row: its largest output, air and stroke time, and the reasons
    // of those it fails.
    std::vector<std::string> Check(SizedRow& row) const;
    // The checks' added cells of a row.
    void CheckCells(SizedRow& row, std::vector<std::string>& cells) const;
    const SpringReturnSearch& Search(float pressure, float running, float seating, int action) const;
    // The page of a series in the databases; null, with the reason, when it is in none of
    // them, in two, or a database cannot be used.
    const ValvePage* FindSeries(const std::string& series, std::string& reason) const;
    void IndexSeries();

    const TorqueT* pneumatic_ = nullptr;
    const TorqueE* electric_ = nullptr;
    ValveDatabases databases_;
    // every series by its folded name, with the databases that hold it
    std::map<std::string, std::vector<std::pair<const TorqueDatabase*, const ValvePage*>>> series_;
    ListSettings settings_;
    ListFormat format_;
    ColumnMatch columns_;
    HeaderFault fault_ = HeaderFault::None;
    bool checks_ = false;
    bool flowCv_ = false;
    std::vector<std::string> inputHeader_;
    std::size_t inputColumns_ = 0;
    std::size_t actuatorColumn_ = 0;
    std::vector<std::string> outputHeader_;
    std::vector<CellKind> outputKinds_;
    std::vector<double> widths_;
    std::vector<std::string> leftOut_;
    std::map<std::string, std::vector<long>> repeated_;
    // spring-return searches by pressure, factors and action: a list mostly repeats a few
    mutable std::map<std::tuple<float, float, float, int>, std::unique_ptr<SpringReturnSearch>> searches_;
};
