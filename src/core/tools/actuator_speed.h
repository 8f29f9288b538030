// The actuator speed tool: the approximate stroke time of every actuator of a range fed
// through a pilot valve of a given flow coefficient.
#pragma once

#include "core/report/table_text.h"
#include "core/tools/tool_texts.h"

#include <string>
#include <vector>

class TorqueT;

std::vector<ToolHeader> ActuatorSpeedHeaders();

// One row per record in file order: the spring-return model and size, the time in
// seconds. Pressure and flow are the fields' texts in the user's units (psi and Cv when
// imperial). False, with no rows, when the flow coefficient is not above zero.
bool ActuatorSpeedRows(const TorqueT& data, const std::string& pressure, const std::string& flow, int units,
                       std::vector<ToolRow>& rows);

// The two input lines, the table and the note on air porting.
std::vector<std::string> ActuatorSpeedDatasheetBody(const std::string& pressure, const std::string& pressureUnit,
                                                    const std::string& flow, int units,
                                                    const std::vector<TableColumn>& table);
