#include "core/settings/settings.h"

#include "core/report/safe_file.h"
#include "core/text/text_util.h"

#include <string_view>

namespace {

std::string_view TrimLeadingBlanks(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    return s.substr(i);
}

std::string NameValue(std::string_view value) {
    if (StartsWithNoCase(value, "<NONE>"))
        return {};
    return CutToField(value, Settings::kNameChars);
}

const char* LanguageCode(int language) {
    switch (language) {
    case Settings::Dutch:
        return "NL";
    case Settings::German:
        return "D";
    case Settings::French:
        return "F";
    default:
        return "UK";
    }
}

} // namespace

Settings::Settings(std::string fileName) : SettingsFile(std::move(fileName)) {
    SetDefaults();
    if (ReadSettings() == 0)
        SetDefaults();
}

void Settings::SetDefaults() {
    Language = English;
    ActuatorFile.clear();
    ValveFile.clear();
    Units = Metric;
    Pressure = 4.0f;
    Place.clear();
}

int Settings::ReadSettings() {
    if (!SettingsFile.Open(Textfile::ModeRead))
        return 0;
    int recognised = 0;
    std::string raw;
    while (SettingsFile.ReadLine(raw, kLineChars)) {
        std::string_view line = TrimLeadingBlanks(raw);
        std::size_t eq = line.find('=');
        if (eq == std::string_view::npos)
            continue;
        std::string_view value = TrimLeadingBlanks(line.substr(eq + 1));

        if (StartsWithNoCase(line, "LANGUAGE")) {
            if (StartsWithNoCase(value, "UK"))
                Language = English;
            if (StartsWithNoCase(value, "NL"))
                Language = Dutch;
            if (StartsWithNoCase(value, "D"))
                Language = German;
            if (StartsWithNoCase(value, "F"))
                Language = French;
        } else if (StartsWithNoCase(line, "ACTUATOR")) {
            ActuatorFile = NameValue(value);
        } else if (StartsWithNoCase(line, "VALVE")) {
            ValveFile = NameValue(value);
        } else if (StartsWithNoCase(line, "UNITS")) {
            Units = StartsWithNoCase(value, "IMPERIAL") ? Imperial : Metric;
        } else if (StartsWithNoCase(line, "PRESSURE")) {
            Pressure = ParseFloat(value);
        } else if (StartsWithNoCase(line, "PLACE")) {
            Place = NameValue(value);
        } else {
            continue;
        }
        ++recognised;
    }
    SettingsFile.Close();
    return recognised;
}

int Settings::WriteSettings() {
    if (SettingsFile.GetName().empty())
        return 0;
    SafeFile out(SettingsFile.GetName());
    bool ok = out.Open();
    ok = ok && out.WriteLine("Varnox Engineering & Sizing Application");
    ok = ok && out.WriteLine("Configuration File");
    ok = ok && out.WriteLine("");
    ok = ok && out.WriteLine(Format("LANGUAGE = %s", LanguageCode(Language)));
    ok = ok && out.WriteLine(Format("ACTUATOR = %s", ActuatorFile.c_str()));
    ok = ok && out.WriteLine(Format("VALVE = %s", ValveFile.c_str()));
    ok = ok && out.WriteLine(Format("UNITS = %s", Units == Imperial ? "IMPERIAL" : "METRIC"));
    ok = ok && out.WriteLine(Format("PRESSURE = %f", static_cast<double>(Pressure)));
    ok = ok && out.WriteLine(Format("PLACE = %s", Place.c_str()));
    return ok && out.Commit() ? 1 : -1;
}
