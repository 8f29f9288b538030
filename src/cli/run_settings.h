// What a run of vnsize sizes with: the options first, then the settings file that the
// program of the same kind reads in this folder, then the built-in defaults. So a list
// sized here gives what the list screen gives in the same folder.
#pragma once

#include "cli_options.h"
#include "lists/list_job.h"

#include <string>
#include <vector>

struct RunSettings {
    std::string actuators;
    ActuatorKind kind = ActuatorKind::Unknown;
    std::vector<std::string> valves; // the valve databases, the settings' first; empty: none
    std::string place;
    int language = 0; // 0 English, 1 Dutch, 2 German, 3 French
    ListSettings list;
    // where each came from, in words, for the run's account
    std::string settingsFile; // the file read; empty when none was
    std::string actuatorsFrom, valvesFrom, unitsFrom, languageFrom = "built in";
};

// Settles the run's settings. False, with a message, when no actuator range is named,
// the settings file asked for cannot be read, a range is neither kind, or two settings
// files could apply.
bool ResolveRunSettings(const CliOptions& options, RunSettings& run, std::string& message);

// The account of the data files and units, one line each.
std::vector<std::string> RunAccount(const RunSettings& run);
