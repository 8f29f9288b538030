// The rows of the torque and sizing tables, as texts, from the actuator data and the
// inputs in calculation units (bar, Nm). The screens only read their fields and show
// these rows; nothing here knows about windows.
#pragma once

#include <string>
#include <vector>

class TorqueT;
class TorqueE;
struct ValvePage;

using Row = std::vector<std::string>;

// A value as the tables show it: rounded to a whole number.
std::string Whole(float value);
// A torque in Nm as the tables show it, in in.lb when imperial.
std::string Shown(float nm, bool imperial);
// A pneumatic actuator as the tables name it: model and size.
std::string ModelText(const std::string& model, int size);

// Double-acting torque table: actuator, torque at the pressure (in.lb when imperial).
std::vector<Row> DoubleActingTorqueRows(const TorqueT& data, float pressure, bool imperial);

// Spring-return torque table: actuator, the four torques (negative ones shown as 0) and
// the spring set estimated from the pressure and moved by offset.
std::vector<Row> SpringReturnTorqueRows(const TorqueT& data, float pressure, int offset, bool imperial);

// The torque field's text as a table shows it: at most 9 characters.
std::string TypedTorqueText(const std::string& typed);

// Double-acting sizing: the torque as typed, typed value x safety, the actuator or "---".
Row DoubleActingSizingRow(const TorqueT& data, const std::string& typed, float typedValue, float torqueNm,
                          float safety, float pressure);

// Spring-return sizing: torque, break, run, seat, actuator, spring set, fail action.
Row SpringReturnSizingRow(const TorqueT& data, const std::string& typed, float typedValue, float torqueNm,
                          float safety, float running, float seating, float pressure, int action, bool imperial);

// Electric sizing: torque, break, run, actuator; index is the chosen record or -1.
Row ElectricSizingRow(const TorqueE& data, const std::string& typed, float torqueNm, float safety, float running,
                      bool imperial, int& index);

// A valve size: without decimals when it is within 0.05 above a whole number.
std::string ValveSizeText(float size);

// Database sizing, pneumatic: size, torque, torque incl. safety, double-acting actuator,
// spring-return actuator, spring set; one row per size of the page.
std::vector<Row> DatabaseRows(const TorqueT& data, const ValvePage& page, float pressure, float safety,
                              float seating, float running, int action, bool imperial);

// Database sizing, electric: size, torque, break, run, seat, actuator; indices gets the
// chosen record of every row (-1 for none).
std::vector<Row> DatabaseRows(const TorqueE& data, const ValvePage& page, float safety, float seating,
                              float running, bool imperial, std::vector<int>& indices);
