// The air tank tool: the pressure left in a buffer tank and the torque a double-acting
// actuator still gives, at the start and after each stroke fed from the tank.
#pragma once

#include "core/report/table_text.h"
#include "core/tools/tool_texts.h"

#include <string>
#include <vector>

class TorqueT;

// More strokes than this would only add rows of an empty tank, and millions of them
// would stall the screen.
constexpr int kMaxAirTankOperations = 999;

std::vector<ToolHeader> AirTankHeaders(int units);

// The entries of the actuator list: double-acting model and size of each record.
std::vector<std::string> AirTankActuatorNames(const TorqueT& data);

// The operations field's value rounded to a whole number, at most kMaxAirTankOperations.
int AirTankOperations(const std::string& typed);

// The start row and one row per operation for record index; the texts are the fields'
// in the user's units (psi and cu.in when imperial). No rows without such a record.
std::vector<ToolRow> AirTankRows(const TorqueT& data, int index, const std::string& pressure,
                                 const std::string& tankSize, const std::string& operations, int units);

// The introduction, the four inputs and the table.
std::vector<std::string> AirTankDatasheetBody(const std::string& pressure, const std::string& pressureUnit,
                                              const std::string& actuator, const std::string& operations,
                                              const std::string& tankSize, int units,
                                              const std::vector<TableColumn>& table);
