// Settings: the record of the settings file ("sizkav.set" / "sizqu.set"): language,
// actuator and valve file names, unit system, default pressure and the place printed
// in every datasheet footer.
#pragma once

#include "core/report/textfile.h"

#include <string>

// Each program's settings file, in the folder it runs in.
inline constexpr const char* kPneumaticSettingsFile = "sizkav.set";
inline constexpr const char* kElectricSettingsFile = "sizqu.set";

class Settings {
public:
    static constexpr std::size_t kNameChars = 99;
    static constexpr std::size_t kLineChars = 255;

    enum Language { English = 0, Dutch = 1, German = 2, French = 3 };
    enum UnitSystem { Metric = 0, Imperial = 1 };

    // Reads the file, or takes the defaults when it holds no recognised line.
    explicit Settings(std::string fileName);

    // Number of recognised lines; 0 when the file cannot be opened or holds none.
    int ReadSettings();
    // 1 when written, 0 when the record has no file name, -1 when the file could not be
    // written (the previous file is then left as it was).
    int WriteSettings();
    void SetDefaults();

    const std::string& GetFileName() const { return SettingsFile.GetName(); }

    int Language = English;
    std::string ActuatorFile;
    std::string ValveFile;
    int Units = Metric;
    float Pressure = 4.0f;
    std::string Place;

private:
    Textfile SettingsFile;
};
