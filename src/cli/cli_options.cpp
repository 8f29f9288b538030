#include "cli_options.h"

#include "app/version_block.h"
#include "tools/conversions.h"

#include <CLI/CLI.hpp>

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr float kLowestBar = 2.0f;
constexpr float kHighestBar = 10.0f;
constexpr float kDefaultBar = 4.0f;

std::string PressureText(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    return text;
}

std::string VersionText() {
    return std::string("vnsize (Sizing & Engineering) ") + VN_PROJECT_VERSION + "\n" + VN_VERSION_COPYRIGHT;
}

} // namespace

float DefaultPressure(bool imperial) {
    return imperial ? BarToPsi(kDefaultBar) : kDefaultBar;
}

bool ReadPressure(const std::string& text, bool imperial, float& pressure, std::string& message) {
    // a decimal comma is as good as a point, as in every number field of the programs
    std::string number = text;
    for (char& c : number)
        if (c == ',')
            c = '.';
    const char* begin = number.c_str();
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(begin, &end);
    while (end && (*end == ' ' || *end == '\t'))
        ++end;
    const char* unit = imperial ? "psi" : "bar";
    if (end == begin || *end != '\0' || errno == ERANGE || !std::isfinite(value)) {
        message = "--pressure: '" + text + "' is not a pressure in " + unit;
        return false;
    }
    // the limits in the list's own units, as the setup dialog has them: 29 to 145 psi
    const float low = imperial ? BarToPsi(kLowestBar) : kLowestBar;
    const float high = imperial ? BarToPsi(kHighestBar) : kHighestBar;
    const float typed = static_cast<float>(value);
    if (!(typed >= low && typed <= high)) {
        message = "--pressure: " + text + " " + unit + " lies outside " + PressureText(low) + " to " +
                  PressureText(high) + " " + unit;
        if (imperial)
            message += " (2 to 10 bar)";
        return false;
    }
    pressure = typed;
    return true;
}

bool IsPdfName(const std::string& name) {
    if (name.size() < 4)
        return false;
    std::string suffix = name.substr(name.size() - 4);
    for (char& c : suffix)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return suffix == ".pdf";
}

int ReadCommandLine(int argc, char** argv, CliOptions& options) {
    CLI::App app{"Sizes an actuator for every valve of a valve list (CSV) and writes the list with the "
                 "sizing added.",
                 "vnsize"};
    app.set_version_flag("--version", VersionText(), "Show the version and exit");
    app.set_help_flag("-h,--help", "Show this help and exit");
    std::string pressureText;
    app.add_option("--actuators", options.actuators,
                   "The actuator range: pneumatic (*.kav) or electric (*.qu), told apart by its contents")
        ->required()
        ->type_name("FILE");
    app.add_option("--valves", options.valves, "A valve torque database, for rows that give Series and Size")
        ->type_name("FILE");
    app.add_option("--pressure", pressureText,
                   "Supply pressure for rows without one, in bar (psi with --imperial); 4 bar or 58 psi "
                   "when not given")
        ->type_name("P");
    app.add_flag("--imperial", options.imperial, "The list's torques are in in.lb and its pressures in psi");
    app.add_option("-o,--output", options.output,
                   "Write the sized list to FILE: .xlsx a workbook, .json JSON, anything else CSV; without "
                   "it, CSV goes to standard output")
        ->type_name("FILE");
    app.add_option("--datasheets", options.datasheets,
                   "Write a datasheet for every sized valve: one PDF with a page per valve when the name "
                   "ends in .pdf, otherwise a text file per valve in the folder DIR (made when missing)")
        ->type_name("DIR|FILE.pdf");
    app.add_option("--place", options.place, "The place printed at the foot of every datasheet")
        ->type_name("TEXT");
    app.add_option("list", options.list, "The valve list: CSV whose first line names the columns")
        ->required()
        ->type_name("LIST.csv");
    app.footer("Exit status: 0 when every row was sized, 1 when some rows found no actuator or could not be\n"
               "sized, 2 when the list, a data file or an option could not be used or the output could\n"
               "not be written.");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // CLI11 prints help and version as a success and everything else as an error of
        // its own number; a usage error is 2, as for any other unusable input
        return app.exit(e) == 0 ? kExitAllSized : kExitFailed;
    }

    options.pressure = DefaultPressure(options.imperial);
    if (!pressureText.empty() || app.count("--pressure") > 0) {
        std::string message;
        if (!ReadPressure(pressureText, options.imperial, options.pressure, message)) {
            std::fprintf(stderr, "vnsize: %s\n", message.c_str());
            return kExitFailed;
        }
    }
    return -1;
}
