#include "cli_options.h"

#include "core/settings/version_block.h"
#include "core/units/conversions.h"

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

// The usage line as a user types it: the required option first.
class UsageFormatter : public CLI::Formatter {
public:
    std::string make_usage(const CLI::App*, std::string) const override {
        return "Usage: vnsize [OPTIONS] LIST\n";
    }
};

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
    CLI::App app{"Sizes an actuator for every valve of a valve list and writes the list with the sizing added.",
                 "vnsize"};
    app.formatter(std::make_shared<UsageFormatter>());
    app.failure_message([](const CLI::App*, const CLI::Error& e) {
        return std::string("vnsize: ") + e.what() + "\nRun 'vnsize --help' for the options.\n";
    });
    app.set_help_flag("-h,--help", "Show this help and exit");
    app.set_version_flag("--version", VersionText(), "Show the version and exit");
    // CLI11 does not wrap: descriptions break their lines themselves, to fit 80 columns
    app.add_option("--actuators", options.actuators,
                   "The actuator range: pneumatic (.kav) or electric (.qu),\n"
                   "told apart by its contents; the settings file's\n"
                   "when not given")
        ->type_name("FILE");
    app.add_option("--valves", options.valves,
                   "A valve torque database, for rows that give Series\n"
                   "and Size; give it again for more databases, where\n"
                   "a series is looked up in all; the settings file's\n"
                   "when not given")
        ->type_name("FILE")
        ->allow_extra_args(false);
    app.add_option("--pressure", options.pressureText,
                   "Supply pressure for rows without one, in bar (psi\n"
                   "with --imperial), 2 to 10 bar; the settings file's,\n"
                   "or 4 bar, when not given")
        ->type_name("P");
    bool imperialFlag = false, metricFlag = false;
    auto* imperial = app.add_flag("--imperial", imperialFlag, "Torques in in.lb and pressures in psi");
    auto* metric = app.add_flag("--metric", metricFlag, "Torques in Nm and pressures in bar")->excludes(imperial);
    imperial->excludes(metric);
    std::string decimal;
    app.add_option("--decimal", decimal,
                   "The list's decimal mark: point or comma; without it\n"
                   "a comma-separated list uses the point, a\n"
                   "semicolon-separated one the comma, and a\n"
                   "tab-separated list or a workbook the mark its\n"
                   "numbers show")
        ->type_name("point|comma")
        ->check(CLI::IsMember({"point", "comma"}, CLI::ignore_case));
    std::string language;
    app.add_option("--language", language,
                   "The language of the columns, statuses and warnings\n"
                   "the sizing adds: EN, NL, D or F; the settings file's\n"
                   "when not given, English without one")
        ->type_name("EN|NL|D|F")
        ->check(CLI::IsMember({"EN", "UK", "NL", "D", "DE", "F", "FR"}, CLI::ignore_case));
    std::vector<std::string> columns;
    app.add_option("--column", columns,
                   "The list's column HEADER holds ROLE (Tag, Action,\n"
                   "Torque, Series, Size, Valve type, Safety, Seating,\n"
                   "Running, Pressure); HEADER empty: the list has none.\n"
                   "Repeat for more roles")
        ->type_name("ROLE=HEADER")
        ->allow_extra_args(false);
    app.add_option("--sheet", options.sheet,
                   "The sheet of a workbook list to read; its first\n"
                   "sheet when not given")
        ->type_name("NAME");
    app.add_option("--settings", options.settings,
                   "The settings file to read instead of sizkav.set or\n"
                   "sizqu.set in this folder")
        ->type_name("FILE");
    auto* noSettings = app.add_flag("--no-settings", options.noSettings, "Read no settings file");
    noSettings->excludes("--settings");
    app.add_option("-o,--output", options.output,
                   "Write the sized list to FILE: a workbook (.xlsx),\n"
                   "JSON (.json) or CSV; without it, CSV goes to\n"
                   "standard output")
        ->type_name("FILE");
    app.add_option("--datasheets", options.datasheets,
                   "The datasheets: the list's datasheet package as one\n"
                   "PDF (.pdf: a cover, the summary with an index, the\n"
                   "bill of materials and a page per tag), or else a\n"
                   "text file per valve in the folder DIR, made when\n"
                   "missing")
        ->type_name("DIR|FILE.pdf");
    std::string sheets;
    app.add_option("--sheets", sheets,
                   "package (the default) or text: a PDF of the sizing\n"
                   "screens' printout, one sheet per sized valve")
        ->type_name("KIND")
        ->check(CLI::IsMember({"package", "text"}, CLI::ignore_case));
    std::string paper;
    app.add_option("--paper", paper, "A4 or Letter; as the system's locale says when\nnot given")
        ->type_name("SIZE")
        ->check(CLI::IsMember({"a4", "letter"}, CLI::ignore_case));
    app.add_option("--project", options.projectFile,
                   "The project data of the package's title blocks:\n"
                   "lines of key = value with the keys project,\n"
                   "customer, document, revision and engineer")
        ->type_name("FILE");
    const char* const projectKeys[5] = {"--project-name", "--customer", "--document", "--revision", "--engineer"};
    std::string* const projectFields[5] = {&options.project, &options.customer, &options.document, &options.revision,
                                           &options.engineer};
    const char* const projectHelp[5] = {"The project's name, over the --project file's",
                                        "The customer, over the --project file's",
                                        "The document number, over the --project file's",
                                        "The revision, over the --project file's",
                                        "The engineer, over the --project file's"};
    for (int k = 0; k < 5; ++k)
        app.add_option(projectKeys[k], *projectFields[k], projectHelp[k])->type_name("TEXT");
    app.add_option("--summary", options.summary,
                   "Write the list's summary to FILE: what to order,\n"
                   "the rows by status, the air and the smallest\n"
                   "margins; JSON (.json) or CSV")
        ->type_name("FILE");
    bool noCharts = false;
    app.add_flag("--no-charts", noCharts, "PDF datasheets without the torque charts");
    app.add_option("--place", options.place,
                   "The place at the foot of every datasheet; the\n"
                   "settings file's when not given")
        ->type_name("TEXT");
    app.add_option("LIST", options.list,
                   "The valve list: CSV whose first line names the\n"
                   "columns, or a workbook (.xlsx) whose first row that\n"
                   "is not empty does")
        ->required()
        ->type_name("");
    app.footer("Without --settings or --no-settings, vnsize reads the settings file of the\n"
               "program whose range it sizes with (sizkav.set or sizqu.set) in the current\n"
               "folder, as the program does; options win over it.\n\n"
               "Exit status: 0 when every row was sized, 1 when some rows found no actuator,\n"
               "failed a check or could not be sized, 2 when the list, a data file, the project\n"
               "file or an option could not be used or the output could not be written.\n"
               "Warnings leave it as it is.");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // CLI11 prints help and version as a success and everything else as an error of
        // its own number; a usage error is 2, as for any other unusable input
        return app.exit(e) == 0 ? kExitAllSized : kExitFailed;
    }

    options.charts = !noCharts;
    options.textSheets = !sheets.empty() && (sheets[0] == 't' || sheets[0] == 'T');
    if (!paper.empty())
        options.paper = paper[0] == 'l' || paper[0] == 'L' ? 1 : 0;
    for (int k = 0; k < 5; ++k)
        options.projectGiven[k] = app.count(projectKeys[k]) > 0;
    options.placeGiven = app.count("--place") > 0;
    options.pressureGiven = app.count("--pressure") > 0;
    options.units = imperialFlag ? 1 : metricFlag ? 0 : -1;
    if (!language.empty()) {
        const char first = static_cast<char>(std::toupper(static_cast<unsigned char>(language[0])));
        options.language = first == 'N' ? 1 : first == 'D' ? 2 : first == 'F' ? 3 : 0;
    }
    if (!decimal.empty())
        options.decimal = decimal[0] == 'c' || decimal[0] == 'C' ? DecimalChoice::Comma : DecimalChoice::Point;
    for (const std::string& text : columns) {
        ColumnChoice choice;
        std::string message;
        if (!ReadColumnChoice(text, choice, message)) {
            std::fprintf(stderr, "vnsize: %s\n", message.c_str());
            return kExitFailed;
        }
        options.columns.push_back(choice);
    }
    return -1;
}
