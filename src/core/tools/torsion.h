// The shaft torsion tool: shear stress and twist of a solid shaft, one table row per
// calculation so several shafts can be compared on one sheet.
#pragma once

#include "core/report/table_text.h"
#include "core/tools/tool_texts.h"

#include <string>
#include <vector>

std::vector<ToolHeader> TorsionHeaders(int units);

// The three fields' texts as typed (in.lb and inch when imperial), then the stress and
// the deflection in degrees, or "---" twice when the diameter is 0.
ToolRow TorsionRow(const std::string& torque, const std::string& diameter, const std::string& length, int units);

std::vector<std::string> TorsionDatasheetBody(const std::vector<TableColumn>& table);
