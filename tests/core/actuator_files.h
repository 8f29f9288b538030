// Actuator files written the way the programs read them, for the reader and rule tests.
#pragma once

#include "core/data/torque_e.h"
#include "core/data/torque_t.h"

#include <string>
#include <vector>

std::vector<std::string> KavRecordLines(const TorqueTItem& it);
std::string KavFile(const std::string& title, const std::string& countLine, const std::vector<TorqueTItem>& items);
std::string QuFile(const std::string& title, const std::string& countLine, const std::vector<TorqueEItem>& items);

// A plausible record: double-acting torque perBar * p - offset, springs that balance.
TorqueTItem SampleItem(int size, float daPerBar, int maxSprings = 6, int springsPerStep = 2);
