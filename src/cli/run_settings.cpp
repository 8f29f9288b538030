#include "run_settings.h"

#include "core/settings/settings.h"
#include "core/units/conversions.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

bool Exists(const std::string& name) {
    std::error_code ec;
    return fs::is_regular_file(name, ec);
}

// A file the settings name, as the program that reads them finds it: beside them.
std::string BesideSettings(const std::string& settingsFile, const std::string& name) {
    if (name.empty() || fs::path(name).is_absolute())
        return name;
    const fs::path folder = fs::path(settingsFile).parent_path();
    return folder.empty() ? name : (folder / name).string();
}

// The settings file to read, or empty for none.
bool ChooseSettingsFile(const CliOptions& options, ActuatorKind kind, std::string& file, std::string& message) {
    file.clear();
    if (options.noSettings)
        return true;
    if (!options.settings.empty()) {
        if (!Exists(options.settings) || !std::ifstream(options.settings)) {
            message = options.settings + ": the settings file cannot be read";
            return false;
        }
        file = options.settings;
        return true;
    }
    const bool pneumatic = Exists(kPneumaticSettingsFile);
    const bool electric = Exists(kElectricSettingsFile);
    if (kind == ActuatorKind::Pneumatic || (kind == ActuatorKind::Unknown && pneumatic && !electric))
        file = pneumatic ? kPneumaticSettingsFile : "";
    else if (kind == ActuatorKind::Electric || (kind == ActuatorKind::Unknown && electric && !pneumatic))
        file = electric ? kElectricSettingsFile : "";
    else if (pneumatic && electric) {
        message = std::string("this folder holds both ") + kPneumaticSettingsFile + " and " + kElectricSettingsFile +
                  "; name the range with --actuators, or the file with --settings";
        return false;
    }
    return true;
}

} // namespace

bool ResolveRunSettings(const CliOptions& options, RunSettings& run, std::string& message) {
    run = RunSettings{};
    message.clear();
    if (!options.actuators.empty()) {
        run.kind = DetectActuatorKind(options.actuators, message);
        if (run.kind == ActuatorKind::Unknown)
            return false;
        run.actuators = options.actuators;
        run.actuatorsFrom = "option";
    }
    if (!ChooseSettingsFile(options, run.kind, run.settingsFile, message))
        return false;

    // the settings first; every option given wins over them
    ListSettings& list = run.list;
    list.decimal = options.decimal;
    list.columns = options.columns;
    list.sheet = options.sheet;
    bool settingsImperial = false;
    if (!run.settingsFile.empty()) {
        const Settings settings(run.settingsFile);
        const std::string from = "settings file " + run.settingsFile;
        if (run.actuators.empty() && !settings.ActuatorFile.empty()) {
            run.actuators = BesideSettings(run.settingsFile, settings.ActuatorFile);
            run.actuatorsFrom = from;
        }
        if (!settings.ValveFile.empty()) {
            run.valves = {BesideSettings(run.settingsFile, settings.ValveFile)};
            run.valvesFrom = from;
        }
        settingsImperial = settings.Units == Settings::Imperial;
        list.imperial = settingsImperial;
        run.unitsFrom = from;
        list.pressure = settings.Pressure;
        list.pressureSource = ValueSource::Settings;
        list.settingsFile = run.settingsFile;
        run.place = settings.Place;
        run.language = settings.Language;
        run.languageFrom = from;
    } else {
        list.pressure = DefaultPressure(false);
        run.unitsFrom = "built in";
    }
    if (!options.valves.empty()) {
        run.valves = options.valves;
        run.valvesFrom = "option";
    }
    if (options.placeGiven)
        run.place = options.place;
    if (options.language >= 0) {
        run.language = options.language;
        run.languageFrom = "option";
    }
    if (options.units >= 0) {
        list.imperial = options.units == 1;
        run.unitsFrom = "option";
        // the settings' pressure is in the settings' units
        if (list.imperial != settingsImperial)
            list.pressure = list.imperial ? BarToPsi(list.pressure) : PsiToBar(list.pressure);
    }
    if (options.pressureGiven) {
        if (!ReadPressure(options.pressureText, list.imperial, list.pressure, message))
            return false;
        list.pressureSource = ValueSource::Option;
    }

    if (run.actuators.empty()) {
        message = "no actuator range: give --actuators FILE, or run where " + std::string(kPneumaticSettingsFile) +
                  " or " + kElectricSettingsFile + " names one";
        return false;
    }
    if (run.kind == ActuatorKind::Unknown) {
        run.kind = DetectActuatorKind(run.actuators, message);
        if (run.kind == ActuatorKind::Unknown) {
            message += " (named by " + run.actuatorsFrom + ")";
            return false;
        }
    }
    return true;
}

std::vector<std::string> RunAccount(const RunSettings& run) {
    std::vector<std::string> lines;
    lines.push_back("settings: " + (run.settingsFile.empty() ? std::string("none read") : run.settingsFile));
    lines.push_back("actuator range: " + run.actuators + " (" +
                    (run.kind == ActuatorKind::Electric ? "electric" : "pneumatic") + ", " + run.actuatorsFrom + ")");
    std::string valves;
    for (const std::string& file : run.valves)
        valves += (valves.empty() ? "" : ", ") + file;
    lines.push_back((run.valves.size() > 1 ? "valve databases: " : "valve database: ") +
                    (run.valves.empty() ? std::string("none") : valves + " (" + run.valvesFrom + ")"));
    static const char* const languages[] = {"English", "Dutch", "German", "French"};
    lines.push_back(std::string("language of the added columns: ") + languages[std::clamp(run.language, 0, 3)] + " (" +
                    run.languageFrom + ")");
    lines.push_back(std::string("units: ") + (run.list.imperial ? "imperial, in.lb and psi" : "metric, Nm and bar") +
                    " (" + run.unitsFrom + ")");
    return lines;
}
